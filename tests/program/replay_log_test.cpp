// Replay logs as the goldens keep them: a run read back against itself, and
// each kind of difference reported at its first turn.
#include "harness/replay_log.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "support/game_fixture.h"

namespace qz::test {
namespace {

class ReplayLog : public GameTest {
  protected:
    // S, the Arrival, then a walk left onto Area Four: 90 turns.
    std::vector<TurnOutcome> walk() {
        start(7);
        return play(KeyScript().hold({KeyS}, 1).idle(59).hold({KeyLeft}, 30));
    }
};

FieldValue& field(TurnOutcome& record, const std::string& name) {
    for (FieldValue& f : record.state) {
        if (f.name == name) {
            return f;
        }
    }
    throw std::runtime_error("no field " + name);
}

TEST_F(ReplayLog, NamesTheFirstTurnAndFieldThatDiffer) {
    const std::vector<TurnOutcome> run = walk();
    const std::string golden = writeReplayLog(7, run);
    EXPECT_NE(golden.find("seed 7\nscript S x1, idle x59, Left x30\nturns 90\n"), std::string::npos)
        << golden.substr(0, 300);
    EXPECT_EQ(firstDifference(golden, golden), "");
    EXPECT_EQ(firstDifference(golden, writeReplayLog(7, walk())), "");

    std::vector<TurnOutcome> moved = run;
    field(moved[69], "alienX").value = "999";
    field(moved[69], "holeVisit.holeY").value = "0";
    EXPECT_EQ(firstDifference(golden, writeReplayLog(7, moved)),
              "turn 70 is the first to differ:\n"
              "  alienX: expected 290, got 999\n"
              "  holeVisit.holeY: expected 20, got 0\n");

    std::vector<TurnOutcome> louder = run;
    louder[79].sounds.push_back("play 1 1");
    EXPECT_EQ(firstDifference(golden, writeReplayLog(7, louder)),
              "turn 80 is the first to differ:\n"
              "  sounds: expected \"fade 0 300\", got \"fade 0 300, play 1 1\"\n");

    std::vector<TurnOutcome> grown = run;
    for (TurnOutcome& record : grown) {
        record.state.push_back({"pursuer.newField", "1"});
    }
    EXPECT_EQ(firstDifference(golden, writeReplayLog(7, grown)),
              "turn 1 is the first to differ:\n"
              "  pursuer.newField: expected (no such field), got 1\n");

    std::vector<TurnOutcome> shorter(run.begin(), run.end() - 1);
    EXPECT_EQ(firstDifference(golden, writeReplayLog(7, shorter)),
              "script: expected\n  S x1, idle x59, Left x30\ngot\n  S x1, idle x59, Left x29\n"
              "turn 90: expected 90 turns, got 89\n");
}

}  // namespace
}  // namespace qz::test
