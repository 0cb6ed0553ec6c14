// A stick's reading turns into directions held: one tilt is one key-down,
// however its reading wobbles near the edge of the dead zone.
#include <gtest/gtest.h>

#include <vector>

#include "controls/pad_tracker.h"

namespace qz::test {
namespace {

// The changes a stick's readings make, for its axis 1.
std::vector<PadChange> changesOf(const std::vector<int>& readings) {
    PadTracker pad;
    std::vector<PadChange> changes;
    for (const int reading : readings) {
        pad.axis(1, reading, changes);
    }
    return changes;
}

TEST(PadStick, AReadingWobblingAtTheDeadZonesEdgeIsOneTiltBothWays) {
    for (const int sign : {1, -1}) {
        const PadInput tilted = PadInput::axis(1, sign > 0);
        std::vector<int> readings{0, sign * 9000};  // pushed, then resting worn at the edge
        for (int i = 0; i < 40; ++i) {
            readings.push_back(sign * (i % 2 ? 8100 : 8400));
        }
        readings.push_back(sign * 7000);  // easing off, still beyond a fifth
        const std::vector<PadChange> held = changesOf(readings);
        ASSERT_EQ(held.size(), 1U) << sign;
        EXPECT_EQ(held[0].input, tilted);
        EXPECT_TRUE(held[0].on);

        readings.push_back(sign * 2000);  // let go
        for (int i = 0; i < 40; ++i) {
            readings.push_back(sign * (i % 2 ? 6000 : 8000));  // never past a quarter again
        }
        const std::vector<PadChange> all = changesOf(readings);
        ASSERT_EQ(all.size(), 2U) << sign;
        EXPECT_EQ(all[1].input, tilted);
        EXPECT_FALSE(all[1].on);
    }
    // Straight from one side to the other lets the first go as the second comes on.
    const std::vector<PadChange> across = changesOf({-20000, 20000});
    ASSERT_EQ(across.size(), 3U);
    EXPECT_FALSE(across[1].on);
    EXPECT_TRUE(across[2].on);
}

}  // namespace
}  // namespace qz::test
