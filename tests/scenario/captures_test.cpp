// Both pursuers catching the alien in a real game from a fixed seed: the
// first FBI agent found waiting in Washington DC, then, placement after
// placement, the scientist, who carries the alien down, over to Washington DC
// and lets it go there.
//
// Checked turn by turn against tests/scenario/goldens/captures.txt; see
// scenario_test.cpp for rewriting the goldens.
#include <cstdio>
#include <functional>
#include <vector>

#include "support/game_fixture.h"
#include "support/golden_file.h"

namespace qz::test {
namespace {

constexpr unsigned Seed = 424242;
// Long enough for any appearance delay and the walk to the alien.
constexpr int PatienceTurns = 2000;

class Captures : public GameTest {
  protected:
    void go(const KeyScript& script) {
        const auto turns = play(script);
        records_.insert(records_.end(), turns.begin(), turns.end());
    }
    // Stands still until `done`; false if it never came.
    bool waitFor(const std::function<bool()>& done) {
        for (int turn = 0; turn < PatienceTurns; ++turn) {
            if (done()) {
                return true;
            }
            go(KeyScript().idle(1));
        }
        return done();
    }
    std::vector<TurnOutcome> records_;
};

TEST_F(Captures, TheAgentWalksOffAndTheScientistCarriesTheAlienToItsRelease) {
    start(Seed);
    go(KeyScript().hold({KeyS}, 1).idle(59));
    // Two areas up to Washington DC, and on up to (340, 300).
    go(KeyScript().hold({KeyUp}, 27 + 70 + 15));
    GameState& s = state();
    ASSERT_EQ(s.area, WashingtonDC);
    ASSERT_EQ(s.alienY, 300);
    const PursuerState& p = s.pursuer;

    int agents = 0;
    while (!p.pursuerIsScientist || !p.alienCaught) {
        ASSERT_TRUE(waitFor([&] { return p.alienCaught; }));
        if (p.pursuerIsScientist) {
            break;
        }
        ++agents;
        ASSERT_TRUE(waitFor([&] { return !p.alienCaught; }));
        EXPECT_LE(p.pursuerX, 0) << "the agent leaves by the left border";
        EXPECT_EQ(s.area, WashingtonDC);
        EXPECT_EQ(s.alienX, 340) << "the agent never moves the alien";
    }
    EXPECT_GE(agents, 1);

    // Caught below the release line: down to y 350, the jump, then down to 200.
    const int caughtAt = static_cast<int>(records_.size());
    ASSERT_GT(p.pursuerY, 200);
    ASSERT_TRUE(waitFor([&] { return p.pursuerY == 75; }));
    EXPECT_EQ(s.alienY, 100);
    EXPECT_EQ(s.area, WashingtonDC);
    ASSERT_TRUE(waitFor([&] { return !p.alienCaught; }));
    EXPECT_EQ(p.pursuerY, 200);
    EXPECT_FALSE(p.pursuerActive);
    const int carried = static_cast<int>(records_.size()) - caughtAt;
    std::printf("%d agents, the scientist caught at turn %d and let go %d turns later\n", agents,
                caughtAt, carried);

    // Free again.
    const int x = s.alienX;
    go(KeyScript().hold({KeyLeft}, 1));
    EXPECT_EQ(s.alienX, x - 5);
    EXPECT_TRUE(matchesGolden("captures", Seed, records_));
}

}  // namespace
}  // namespace qz::test
