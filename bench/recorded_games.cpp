// quillo-record-games: writes two replay files for measuring the shipped
// game, each recorded through the game's own recorder while the real turns
// run headless, so the shipped executable replays them to the same end
// state (it checks the digest of the end line):
//
//   first-turn.replay  the title's first turn, then the end: the game quits
//                      once its first frame is shown
//   long-game.replay   the title, the three instruction pages, a game won by
//                      calling the ship home, the end screen, a game lost
//                      when Jorrin has no more revivals, the end screen
//
//   quillo-record-games OUT-FOLDER [data-folder]
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "harness/scenario_runner.h"
#include "platform/sdl/headless_display.h"
#include "program/session_recorder.h"
#include "scenario/autopilot.h"

namespace {

using namespace qz;
using Player = ScriptedTurn (*)(const GameState&, const ScriptedTurn&);

constexpr unsigned Seed = 1;
constexpr int TurnLimitPerGame = 20000;

class Recording {
  public:
    Recording(Canvas& canvas, std::FILE* out)
        : runner_(canvas, Seed),
          recorder_(runner_.input(), runner_.sound(), out, "the recording", Seed,
                    [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); }),
          runtime_{runner_.state(), canvas, runner_.clock(), recorder_, recorder_},
          loop_(runtime_, &recorder_) {}

    void turn(const ScriptedTurn& keys) {
        runner_.sound().clearRequests();
        runner_.input().beginTurn(keys);
        playTurn(loop_, runner_.clock());
    }
    void play(const KeyScript& script) {
        for (const ScriptedTurn& keys : script.turns()) {
            turn(keys);
        }
    }
    // From the title (or the end screen) into play, then the player until
    // the game ends, then the end screen for a while.
    bool playAGame(Player player) {
        play(KeyScript().hold({KeyS}, 1).idle(59));
        ScriptedTurn last;
        for (int i = 0; state().mode == PlayMode::Play && i < TurnLimitPerGame; ++i) {
            last = player(state(), last);
            turn(last);
        }
        play(KeyScript().idle(90));
        return state().mode == PlayMode::GameOver;
    }
    void finish() { recorder_.finish(state()); }
    const GameState& state() { return runner_.state(); }
    std::int64_t turns() const { return recorder_.turns(); }

  private:
    ScenarioRunner runner_;
    SessionRecorder recorder_;
    Runtime runtime_;
    TurnLoop loop_;
};

std::FILE* create(const std::filesystem::path& path) {
    std::FILE* out = std::fopen(path.c_str(), "w");
    if (!out) {
        std::fprintf(stderr, "quillo-record-games: cannot write %s\n", path.c_str());
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: quillo-record-games OUT-FOLDER [data-folder]\n");
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::absolute(argv[1]);
    const std::string self = std::filesystem::canonical("/proc/self/exe").string();
    const std::string data =
        argc == 3 ? argv[2] : std::filesystem::path(self).parent_path().string();
    HeadlessDisplay display(data);
    if (!display.ok()) {
        std::fprintf(stderr, "quillo-record-games: cannot start on %s\n", data.c_str());
        return 1;
    }
    PictureStore pictures;
    KeptCanvas canvas(display.screen(), pictures, display.fonts());

    std::FILE* first = create(folder / "first-turn.replay");
    if (!first) {
        return 1;
    }
    {
        Recording recording(canvas, first);
        recording.turn(ScriptedTurn{});
        recording.finish();
    }
    std::fclose(first);

    std::FILE* out = create(folder / "long-game.replay");
    if (!out) {
        return 1;
    }
    Recording recording(canvas, out);
    recording.play(KeyScript()
                       .idle(30)
                       .tap({KeyI})
                       .idle(30)
                       .tap({KeyI})
                       .idle(30)
                       .tap({KeyI})
                       .idle(30)
                       .tap({KeyI})
                       .idle(30));
    const bool won = recording.playAGame(test::playToWin);
    const bool lost = recording.playAGame(test::playToLose);
    recording.finish();
    std::fclose(out);
    std::printf("long game: %" PRId64 " turns, %s, %s\n", recording.turns(),
                won ? "won" : "not won", lost ? "lost" : "not lost");
    return won && lost ? 0 : 1;
}
