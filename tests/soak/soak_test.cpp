// The bounded soak that every test run includes, in shards that ctest runs
// side by side. Its size comes from the build: QZ_SOAK_TURNS turns in all.
#include <gtest/gtest.h>

#include "soak/progress_bounds.h"
#include "soak/soak_run.h"
#include "support/game_fixture.h"

namespace qz::test {
namespace {

constexpr int SeedsPerShard = 5;

class Soak : public ::testing::TestWithParam<int> {};

TEST_P(Soak, MashedKeysKeepEveryInvariantInEveryMode) {
    ASSERT_TRUE(display().ok());
    PictureStore pictures;
    KeptCanvas canvas(display().screen(), pictures, display().fonts());
    soak::SoakOptions options;
    options.firstSeed = 1 + static_cast<unsigned>(GetParam() * SeedsPerShard);
    options.seeds = SeedsPerShard;
    options.turnsPerSeed = QZ_SOAK_TURNS / (QZ_SOAK_SHARDS * SeedsPerShard);
    const soak::SoakTally tally = soak::runSoak(canvas, options);
    std::printf("%s", tally.report().c_str());

    EXPECT_EQ(tally.failureCount, 0) << tally.report();
    // A player stuck somewhere would soak one state only. Every shard reaches
    // these; the rarer meetings are counted in the long soak.
    for (const char* reached :
         {"mode Title", "mode Title, instruction pages", "mode Arrival", "mode Play, outdoors",
          "mode Play, inside a hole", "mode Play, levitating", "mode Play, power animation",
          "mode GameOver", "event new game", "event fall into a hole", "event phone piece taken",
          "event flower revived", "event ship called", "event capture by the FBI agent",
          "event capture by the scientist", "event rescue by Jorrin", "event game lost",
          "event quit", "meeting capture during a power animation"}) {
        EXPECT_GT(tally.reached.count(reached) ? tally.reached.at(reached) : 0, 0) << reached;
    }
}

INSTANTIATE_TEST_SUITE_P(Shards, Soak, ::testing::Range(0, QZ_SOAK_SHARDS));

// Without this the soak could pass with bounds that never fire.
TEST(ProgressWatch, NamesAStuckStateOnceButNotOneHeldByThePlayer) {
    GameState lying;
    lying.mode = PlayMode::Play;
    lying.area = AreaFour;
    lying.jorrin.alienCollapsed = true;
    soak::ProgressWatch watch;
    std::vector<std::string> stuck;
    for (int turn = 0; turn < 3000; ++turn) {
        for (const std::string& what : watch.afterTurn(lying, lying)) {
            stuck.push_back(what);
        }
    }
    ASSERT_EQ(stuck.size(), 1u);
    EXPECT_EQ(stuck[0].rfind("collapse", 0), 0u) << stuck[0];

    // A called visit follows a walking alien for as long as it walks.
    GameState walking;
    walking.mode = PlayMode::Play;
    walking.jorrin.jorrinCalled = true;
    watch.reset();
    for (int turn = 0; turn < 3000; ++turn) {
        GameState after = walking;
        after.alienX = walking.alienX == 100 ? 105 : 100;
        EXPECT_TRUE(watch.afterTurn(walking, after).empty()) << "turn " << turn;
        walking = after;
    }
}

}  // namespace
}  // namespace qz::test
