// Play that goes on for months: the counters that only grow, the score of a
// game that never ends and a pursuer that crossings leave far off the screen
// pass the 32-bit limits in defined ways, and play goes on as before.
#include <SDL/SDL.h>

#include <climits>
#include <cstdint>
#include <vector>

#include "support/game_fixture.h"

namespace qz::test {
namespace {

constexpr std::int64_t IntMax = INT_MAX;
constexpr std::int64_t TwoTo32 = std::int64_t{1} << 32;

// The presented frame, as one number.
std::uint64_t frameDigest() {
    const SDL_Surface* screen = display().screen();
    std::uint64_t hash = 1469598103934665603ULL;
    const auto* pixels = static_cast<const unsigned char*>(screen->pixels);
    for (int i = 0; i < screen->pitch * screen->h; ++i) {
        hash = (hash ^ pixels[i]) * 1099511628211ULL;
    }
    return hash;
}

class EndlessPlay : public GameTest {
  protected:
    // A fresh game in play, the score just below the limit when `candy` is given.
    GameState& playing(int candy = 0) {
        start();
        startPlaying();
        if (candy > 0) {
            state().score = INT_MAX - 10;
            state().candyCount = candy;
        }
        return state();
    }

    // The alien walks right in Area Four, Jorrin comes when called and an
    // FBI agent follows in view: every sprite that picks its frame from a
    // counter. Gives the frames of 12 turns and how far the counters went.
    std::vector<std::uint64_t> walkWithCounts(int counts, std::int64_t& advanced) {
        GameState& s = playing();
        s.area = AreaFour;
        s.alienX = 100;
        s.alienY = 300;
        s.candyCount = 1;
        s.jorrin.jorrinCalled = true;
        s.jorrin.jorrinX = 700;
        s.jorrin.jorrinY = 100;
        s.pursuer = {};
        s.pursuer.pursuerActive = true;
        s.pursuer.pursuerY = 300;
        s.alienAnimFrame = counts;
        s.characterDrawCount = counts;
        std::vector<std::uint64_t> frames;
        for (int turn = 0; turn < 12; ++turn) {
            play(KeyScript().hold({KeyRight}, 1));
            frames.push_back(frameDigest());
        }
        advanced = (std::int64_t{s.alienAnimFrame} - counts) * 1000 +
                   (std::int64_t{s.characterDrawCount} - counts);
        return frames;
    }
};

TEST_F(EndlessPlay, CountersScoreAndAFarOffPursuerPassTheIntLimitsAndPlayGoesOn) {
    {
        SCOPED_TRACE("the frame counters");
        // INT_MAX - 3 and 4 are alike modulo 4, 5 and 8, the frame choices.
        std::int64_t small = 0;
        std::int64_t large = 0;
        const auto smallFrames = walkWithCounts(4, small);
        const auto largeFrames = walkWithCounts(INT_MAX - 3, large);
        EXPECT_EQ(largeFrames, smallFrames);
        EXPECT_EQ(large, small);
        EXPECT_EQ(small, 12 * 1000 + 24) << "the alien's and Jorrin's and the agent's draws";
    }

    struct Far {
        const char* what;
        KeyScript turn;
        int alienX, alienY, x, y;
        std::int64_t expectX, expectY;
    };
    const Far fars[] = {
        {"following a left crossing", KeyScript().hold({KeyLeft}, 1), 5, 200, INT_MAX - 100, 200,
         IntMax - 100 + 750 - TwoTo32, 200},
        {"following a crossing upwards", KeyScript().hold({KeyUp}, 1), 300, 35, 300, INT_MAX - 100,
         300, IntMax - 100 + 350 - TwoTo32},
        {"walking back at the limits", KeyScript().idle(1), 300, 200, INT_MAX, INT_MAX, IntMax - 3,
         IntMax - 3},
    };
    for (const Far& far : fars) {
        SCOPED_TRACE(far.what);
        GameState& s = playing();
        s.area = AreaOne;
        s.alienX = far.alienX;
        s.alienY = far.alienY;
        s.pursuer = {};
        s.pursuer.pursuerActive = true;
        s.pursuer.pursuerX = far.x;
        s.pursuer.pursuerY = far.y;
        play(far.turn);
        EXPECT_EQ(s.pursuer.pursuerX, far.expectX);
        EXPECT_EQ(s.pursuer.pursuerY, far.expectY);
        EXPECT_FALSE(s.pursuer.alienCaught);
        EXPECT_TRUE(s.pursuer.pursuerActive);
    }

    {
        SCOPED_TRACE("Jorrin paid for three million pieces");
        GameState& s = playing(3'000'000);
        s.jorrin.jorrinCalled = true;
        s.jorrin.jorrinAtX = s.jorrin.jorrinAtY = true;
        s.jorrin.jorrinExitDir = ExitRight;
        s.jorrin.jorrinX = 774;  // one step from leaving the field
        play(KeyScript().idle(1));
        EXPECT_FALSE(s.jorrin.jorrinCalled);
        EXPECT_EQ(s.score, IntMax - 10 + 770 * std::int64_t{3'000'000});
    }
    {
        SCOPED_TRACE("the end bonus for five million pieces");
        GameState& s = playing(5'000'000);
        s.phonePieceHeld = {true, true, true};
        s.zones.zoneKind = Landing;
        s.shipCall.callActive = true;
        s.shipCall.callQuarter = 0;
        play(KeyScript().idle(1));
        ASSERT_EQ(s.mode, PlayMode::GameOver);
        play(KeyScript().idle(1));  // the end screen adds the bonus
        const std::int64_t timeBonus = 21'000;
        EXPECT_EQ(s.score, IntMax - 10 + timeBonus + 490 * std::int64_t{5'000'000} + s.energy);
    }
}

}  // namespace
}  // namespace qz::test
