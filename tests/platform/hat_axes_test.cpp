// A pad without the browser's standard mapping: its D-pad found on its axes
// wherever the browser puts it, and nothing held by an axis at rest.
#include <gtest/gtest.h>

#include <vector>

#include "platform/hat_axes.h"

namespace qz::test {
namespace {

constexpr std::uint8_t Up = 1;
constexpr std::uint8_t Right = 2;
constexpr std::uint8_t Down = 4;
constexpr std::uint8_t Left = 8;

// Chromium's pad of ten axes: the stick, a trigger resting at -1, the other
// stick, the other trigger, three unused, and the hat, at rest out of range.
std::vector<float> chromiumPad(float hat) {
    return {0, 0, -1, 0, 0, -1, 0, 0, 0, hat};
}

TEST(HatAxes, ChromiumsOneAxisHatGivesEveryEighthAndNothingAtRest) {
    for (const float rest : {9.0F / 7, 23.0F / 7}) {
        HatAxes hat;
        hat.appear(chromiumPad(rest));
        EXPECT_EQ(hat.read(chromiumPad(rest)), 0) << rest;
        // Clockwise from up, a seventh of the way apart.
        const std::vector<std::pair<float, std::uint8_t>> eighths{
            {-1, Up},           {-5.0F / 7, Up | Right},
            {-3.0F / 7, Right}, {-1.0F / 7, Down | Right},
            {1.0F / 7, Down},   {3.0F / 7, Down | Left},
            {0.714F, Left},     {1, Up | Left}};
        for (const auto& [value, bits] : eighths) {
            EXPECT_EQ(hat.read(chromiumPad(value)), bits) << value;
        }
        EXPECT_EQ(hat.read(chromiumPad(rest)), 0) << rest;
    }
    // A pad that first shows itself with its hat pushed: found once at rest.
    HatAxes late;
    late.appear(chromiumPad(-1));
    EXPECT_EQ(late.read(chromiumPad(9.0F / 7)), 0);
    EXPECT_EQ(late.read(chromiumPad(-3.0F / 7)), Right);
}

TEST(HatAxes, TheDriversTwoAxesWalkButAnAxisRestingAwayFromZeroHoldsNothing) {
    // Firefox on Linux: an Xbox-style pad's eight axes, the D-pad the last two.
    const std::vector<float> rest{0, 0, -1, 0, 0, -1, 0, 0};
    HatAxes hat;
    hat.appear(rest);
    std::vector<float> pushed = rest;
    pushed[6] = -1;
    pushed[7] = 1;
    EXPECT_EQ(hat.read(pushed), Down | Left);
    // The triggers, pulled all the way, are no hat.
    pushed = rest;
    pushed[2] = 1;
    pushed[5] = 1;
    EXPECT_EQ(hat.read(pushed), 0);
    EXPECT_EQ(hat.read(rest), 0);

    // A pad whose seventh axis is a trigger, resting at -1: pulled, it holds nothing.
    const std::vector<float> trigger{0, 0, 0, 0, 0, 0, -1, 0};
    HatAxes other;
    other.appear(trigger);
    EXPECT_EQ(other.read(trigger), 0);
    std::vector<float> pulled = trigger;
    pulled[6] = 1;
    EXPECT_EQ(other.read(pulled), 0);
    pulled[6] = 0;
    EXPECT_EQ(other.read(pulled), 0);
}

}  // namespace
}  // namespace qz::test
