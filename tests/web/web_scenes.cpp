// quillo-web-scenes: the native side of the browser test. Plays the won
// game of the scenario goldens (seed 1, the autopilot's keys) headless
// through the game's own recorder and writes, for each screen the browser
// test looks at, the recording that ends on it and the native frame of that
// turn:
//
//   title       the title's first turn
//   first-play  the first turn of play, once the ship has landed
//   hole-fall   Quillo falling into the first hole it drops into
//   won-game    the whole won game, ending on the end screen and its score
//
// and scenes.txt, a line per scene: its name, its turns, its score and its
// own time in milliseconds (its turns' scheduled times, summed). The
// page's live game has its own seed and its own moment, so the frames it may
// show in its first seconds of play when no key is pressed are written too,
// each once: idle-play-N.bmp; and where a walk left from the landing stops,
// Left held for up to two seconds and let go: walk-end-N.bmp.
//
//   quillo-web-scenes OUT-FOLDER [data-folder]
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "harness/scenario_runner.h"
#include "platform/sdl/headless_display.h"
#include "program/session_recorder.h"
#include "scenario/autopilot.h"

namespace {

using namespace qz;

constexpr unsigned Seed = 1;
constexpr int TurnLimit = 20000;
constexpr int EndScreenTurns = 5;  // as the golden shows the end screen
constexpr int TurnsIntoTheFall = 6;
constexpr int IdleTurns = 300;
// The live page's walks, Left held for under a second, end within these.
constexpr int WalkTurns = 60;

// The won golden's keys, turn by turn: S, the landing, the autopilot until
// the game ends, the end screen. Asked for the keys of each turn in order;
// nothing once the game is over.
class WonGame {
  public:
    std::optional<ScriptedTurn> next(const GameState& s) {
        ++turn_;
        if (turn_ == 1) {
            return ScriptedTurn{{KeyS}};
        }
        if (turn_ <= 60) {
            return ScriptedTurn{};
        }
        if (s.mode == PlayMode::Play && turn_ < TurnLimit) {
            last_ = test::playToWin(s, last_);
            return last_;
        }
        if (++endTurns_ <= EndScreenTurns) {
            return ScriptedTurn{};
        }
        return std::nullopt;
    }

  private:
    int turn_ = 0;
    int endTurns_ = 0;
    ScriptedTurn last_;
};

// Plays turns through the recorder until `done` says the scene is reached,
// then ends the recording and keeps the frame.
using Until = std::function<bool(const GameState&, int turn)>;

struct Scene {
    int turns = 0;
    std::int64_t score = 0;
    std::uint32_t ms = 0;  // its turns' scheduled times, summed
};

std::optional<Scene> record(Canvas& canvas, const std::filesystem::path& folder,
                            const std::string& name, bool title, const Until& done) {
    std::FILE* out = std::fopen((folder / (name + ".replay")).c_str(), "w");
    if (!out) {
        std::fprintf(stderr, "quillo-web-scenes: cannot write in %s\n", folder.c_str());
        return std::nullopt;
    }
    ScenarioRunner runner(canvas, Seed);
    SessionRecorder recorder(
        runner.input(), runner.sound(), out, name, Seed,
        [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); });
    Runtime runtime{runner.state(), canvas, runner.clock(), recorder, recorder};
    TurnLoop loop(runtime, &recorder);
    WonGame game;
    int turn = 0;
    const std::uint32_t started = runner.clock().ticks();
    for (;;) {
        std::optional<ScriptedTurn> keys =
            title ? (turn == 0 ? std::optional<ScriptedTurn>(ScriptedTurn{}) : std::nullopt)
                  : game.next(runner.state());
        if (!keys || (turn > 0 && done(runner.state(), turn))) {
            break;
        }
        runner.sound().clearRequests();
        runner.input().beginTurn(*keys);
        playTurn(loop, runner.clock());
        ++turn;
    }
    recorder.finish(runner.state());
    std::fclose(out);
    canvas.saveBmp((folder / (name + ".bmp")).string());
    return Scene{turn, runner.state().score, runner.clock().ticks() - started};
}

// S, the landing, then play with no key pressed: each different frame of
// its first seconds.
int writeIdleFrames(Canvas& canvas, const std::filesystem::path& folder) {
    ScenarioRunner runner(canvas, Seed);
    runner.run(KeyScript().hold({KeyS}, 1).idle(59));
    std::set<std::uint64_t> seen;
    for (int turn = 0; turn < IdleTurns; ++turn) {
        runner.step(ScriptedTurn{});
        if (runner.state().mode == PlayMode::Play && seen.insert(canvas.pixelDigest()).second) {
            canvas.saveBmp(
                (folder / ("idle-play-" + std::to_string(seen.size()) + ".bmp")).string());
        }
    }
    return static_cast<int>(seen.size());
}

// S, the landing, a few turns of play, then Left held for 1 to WalkTurns
// turns and let go: each different frame where a walk stops. A step's
// picture follows the turn, but not where the walk ends.
int writeWalkEnds(Canvas& canvas, const std::filesystem::path& folder) {
    std::set<std::uint64_t> seen;
    for (int wait = 0; wait < 4; ++wait) {
        for (int walk = 1; walk <= WalkTurns; ++walk) {
            ScenarioRunner runner(canvas, Seed);
            runner.run(KeyScript().hold({KeyS}, 1).idle(59 + wait).hold({KeyLeft}, walk).idle(2));
            if (runner.state().mode == PlayMode::Play && seen.insert(canvas.pixelDigest()).second) {
                canvas.saveBmp(
                    (folder / ("walk-end-" + std::to_string(seen.size()) + ".bmp")).string());
            }
        }
    }
    return static_cast<int>(seen.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: quillo-web-scenes OUT-FOLDER [data-folder]\n");
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::absolute(argv[1]);
    std::filesystem::create_directories(folder);
    const std::string self = std::filesystem::canonical("/proc/self/exe").string();
    const std::string data =
        argc == 3 ? argv[2] : std::filesystem::path(self).parent_path().parent_path().string();
    HeadlessDisplay display(data);
    if (!display.ok()) {
        std::fprintf(stderr, "quillo-web-scenes: cannot start on %s\n", data.c_str());
        return 1;
    }
    PictureStore pictures;
    KeptCanvas canvas(display.screen(), pictures, display.fonts());

    int playStart = -1;
    int fallStart = -1;
    const std::pair<const char*, Until> scenes[] = {
        {"title", [](const GameState&, int) { return true; }},
        {"first-play",
         [&playStart](const GameState& s, int turn) {
             if (playStart < 0 && s.mode == PlayMode::Play) {
                 playStart = turn;  // the landing's last turn
             }
             return playStart >= 0 && turn == playStart + 1;
         }},
        {"hole-fall",
         [&fallStart](const GameState& s, int turn) {
             if (fallStart < 0 && s.area == InsideHole) {
                 fallStart = turn;
             }
             return fallStart >= 0 && turn == fallStart + TurnsIntoTheFall;
         }},
        {"won-game", [](const GameState&, int) { return false; }},
    };
    std::FILE* list = std::fopen((folder / "scenes.txt").c_str(), "w");
    if (!list) {
        return 1;
    }
    for (const auto& [name, until] : scenes) {
        const auto scene = record(canvas, folder, name, std::string(name) == "title", until);
        if (!scene) {
            return 1;
        }
        std::fprintf(list, "%s %d %" PRId64 " %" PRIu32 "\n", name, scene->turns, scene->score,
                     scene->ms);
    }
    std::fclose(list);
    std::printf("%d frames of idle play\n", writeIdleFrames(canvas, folder));
    std::printf("%d frames where a walk stops\n", writeWalkEnds(canvas, folder));
    return 0;
}
