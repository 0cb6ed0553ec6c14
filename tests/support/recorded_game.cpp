#include "support/recorded_game.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "harness/recording_sound_board.h"
#include "harness/scenario_runner.h"
#include "program/session_recorder.h"
#include "turn/new_game.h"

namespace qz::test {
namespace {

// Hands the script to the real loop a turn at a time. Past the script's
// end, the window closes.
class ScriptFeed final : public InputSource {
  public:
    explicit ScriptFeed(const KeyScript& script) : turns_(script.turns()) {}
    TurnInput readTurn() override {
        input_.beginTurn(next_ < turns_.size() ? turns_[next_++] : ScriptedTurn{{}, true});
        return input_.readTurn();
    }

  private:
    const std::vector<ScriptedTurn>& turns_;
    std::size_t next_ = 0;
    ScriptedInput input_;
};

}  // namespace

GameState newRun(unsigned seed) {
    GameState state;
    state.random.seed(seed);
    randomGameSetup(state);
    state.mode = PlayMode::Title;
    return state;
}

std::vector<std::string> record(Canvas& canvas, unsigned seed, const KeyScript& script,
                                std::FILE* out, const std::string& name, bool& failed) {
    std::vector<std::string> said;
    GameState state = newRun(seed);
    VirtualClock clock;
    ScriptFeed input(script);
    RecordingSoundBoard sound(clock, DefaultSoundLengthsMs);
    SessionRecorder recorder(input, sound, out, name, seed,
                             [&said](const std::string& line) { said.push_back(line); });
    Runtime rt{state, canvas, clock, recorder, recorder};
    playToEnd(rt, clock, &recorder, nullptr);
    failed = recorder.failed();
    return said;
}

std::string record(Canvas& canvas, unsigned seed, const KeyScript& script) {
    WrittenFile out;
    bool failed = false;
    const std::vector<std::string> said =
        record(canvas, seed, script, out.file(), "a file", failed);
    EXPECT_TRUE(said.empty() && !failed);
    return out.text();
}

WrittenFile::WrittenFile() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = ::testing::TempDir() +
            (test ? std::string(test->test_suite_name()) + "." + test->name() + ".written"
                  : std::string("quillo-zoruri.written"));
    file_ = std::fopen(path_.c_str(), "w+b");
    EXPECT_NE(file_, nullptr) << path_;
}

WrittenFile::~WrittenFile() {
    if (file_) {
        std::fclose(file_);
    }
    std::remove(path_.c_str());
}

std::string WrittenFile::text() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    std::ifstream in(path_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace qz::test
