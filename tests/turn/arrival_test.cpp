// The Arrival: the ship's path turn by turn, the drop-off hold and the reset turn.
#include "support/game_fixture.h"
#include "turn/play_modes.h"

namespace qz::test {
namespace {

using Arrival = GameTest;

TEST_F(Arrival, TheTurnOfSOnlyResetsAndDrawsNothing) {
    play(KeyScript().idle(2));
    const std::uint64_t titleFrame = canvas().pixelDigest();
    const std::uint32_t before = runner().clock().ticks();
    state().score = 99;
    runner().runTurn(ScriptedTurn{{KeyS}});
    EXPECT_EQ(state().mode, PlayMode::Arrival);
    EXPECT_EQ(state().score, 0);
    EXPECT_EQ(canvas().pixelDigest(), titleFrame);
    EXPECT_EQ(runner().clock().ticks(), before) << "the reset turn is not paced";
    EXPECT_EQ(state().shipY, -225);
    EXPECT_EQ(state().arrivalFrame, 0);
}

TEST_F(Arrival, TheShipComesDownTo45HoldsAndLeavesTo235) {
    runner().runTurn(ScriptedTurn{{KeyS}});
    std::vector<int> drawnAt;
    std::vector<std::uint32_t> turnLengths;
    int turns = 0;
    while (state().mode == PlayMode::Arrival) {
        const int frame = state().arrivalFrame;
        const int shipBefore = state().shipY;
        const std::uint32_t start = runner().clock().ticks();
        runner().runTurn({});
        ++turns;
        turnLengths.push_back(runner().clock().ticks() - start);
        EXPECT_EQ(state().area, Forest);
        if (frame <= 27) {
            drawnAt.push_back(shipBefore);
        } else if (frame >= 29 && frame <= 57) {
            drawnAt.push_back(state().shipY);
        }
    }
    EXPECT_EQ(turns, 59) << "58 drawing turns and the closing turn";
    ASSERT_EQ(drawnAt.size(), 57u);
    for (int i = 0; i < 28; ++i) {
        EXPECT_EQ(drawnAt[static_cast<std::size_t>(i)], -225 + 10 * i);
    }
    for (int i = 0; i < 29; ++i) {
        EXPECT_EQ(drawnAt[static_cast<std::size_t>(28 + i)], 45 - 10 * i);
    }
    EXPECT_EQ(drawnAt.back(), -235);
    // Descent and ascent turns last a paced 33 ms, the drop-off holds 2.5 s
    // unpaced, and the closing turn takes no time.
    EXPECT_EQ(turnLengths[0], 33u);
    EXPECT_EQ(turnLengths[28], 2500u);
    EXPECT_EQ(turnLengths[29], 33u);
    EXPECT_EQ(turnLengths[58], 0u);
    EXPECT_EQ(state().mode, PlayMode::Play);
    EXPECT_EQ(state().arrivalFrame, 0);
}

TEST_F(Arrival, TheDropOffKeepsTheLandedShipInView) {
    runner().runTurn(ScriptedTurn{{KeyS}});
    for (int i = 0; i < 28; ++i) {
        runner().runTurn({});
    }
    // The ship's upper part, above the alien, as the last descent turn left it.
    std::vector<Rgb> shipArea;
    for (int y = 60; y < 150; y += 3) {
        for (int x = 300; x < 450; x += 3) {
            shipArea.push_back(canvas().pixel(x, y));
        }
    }
    const auto anim = state().alienAnimFrame;
    runner().runTurn({});
    ASSERT_EQ(state().arrivalFrame, 29);
    std::size_t i = 0;
    for (int y = 60; y < 150; y += 3) {
        for (int x = 300; x < 450; x += 3, ++i) {
            const Rgb now = canvas().pixel(x, y);
            ASSERT_TRUE(now.r == shipArea[i].r && now.g == shipArea[i].g && now.b == shipArea[i].b)
                << "pixel (" << x << ", " << y << ") changed";
        }
    }
    EXPECT_EQ(state().alienAnimFrame, anim) << "the alien's frame counter rests in the Arrival";
}

TEST_F(Arrival, ArrowsDoNothingWhileTheShipIsAbout) {
    runner().runTurn(ScriptedTurn{{KeyS}});
    play(KeyScript().hold({KeyRight, KeyUp}, 40));
    EXPECT_EQ(state().alienX, 340);
    EXPECT_EQ(state().alienY, 160);
    EXPECT_EQ(state().timeUnits, 9999);
}

TEST_F(Arrival, AnUnknownModeDoesNothingInATurn) {
    play(KeyScript().idle(1));
    const std::uint64_t frame = canvas().pixelDigest();
    const std::uint32_t before = runner().clock().ticks();
    state().mode = static_cast<PlayMode>(2);
    runner().runTurn({});
    EXPECT_EQ(canvas().pixelDigest(), frame);
    EXPECT_EQ(runner().clock().ticks(), before);
}

}  // namespace
}  // namespace qz::test
