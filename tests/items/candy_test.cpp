// The candy piece: its lopsided touch, picking it up in real turns, its
// looks, and eating it.
#include "items/candy.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/sound_cues.h"
#include "harness/invariants.h"
#include "harness/recording_sound_board.h"
#include "support/game_fixture.h"
#include "turn/new_game.h"
#include "view/item_view.h"

namespace qz::test {
namespace {

const std::vector<std::string> NothingBroken;

TEST(CandyTouch, FacingRightReachesThirtyTwoPixelsFurtherAndOnlyFacingLeftCrunches) {
    struct Reach {
        Facing facing;
        int firstX;  // the leftmost alienX that touches a piece at x 400
        bool crunches;
    };
    for (const Reach reach : {Reach{FacingLeft, 398, true}, Reach{FacingRight, 368, false}}) {
        for (int x = 350; x <= 430; ++x) {
            for (int feet = 290; feet <= 320; ++feet) {
                CueList sound;
                sound.restart(nullptr);
                GameState s;
                s.area = AreaTwo;
                s.candy.candyX = 400;
                s.candy.candyY = 300;
                s.candy.candyArea = AreaTwo;
                s.alienFacing = reach.facing;
                s.alienX = x;
                s.alienY = feet - 70;
                const bool expected = x >= reach.firstX && x <= 415 && feet >= 300 && feet <= 315;
                ASSERT_EQ(candyTouchTest(s, sound), expected)
                    << "facing " << reach.facing << " at " << x << "," << s.alienY;
                const std::vector<Cue> crunch{{Cue::Kind::Volume, -1, CueVolume},
                                              {Cue::Kind::Play, ChannelCandy, int(Sound::Candy)}};
                ASSERT_EQ(sound.cues().size(), expected && reach.crunches ? 2U : 0U);
                if (!sound.cues().empty()) {
                    ASSERT_TRUE(std::ranges::equal(sound.cues(), crunch));
                }

                // Another area at the same coordinates never touches.
                for (AreaId area : {AreaOne, AreaThree, AreaFour}) {
                    s.area = area;
                    ASSERT_FALSE(candyTouchTest(s, sound)) << "area " << area;
                }
            }
        }
    }
}

using CandyInPlay = GameTest;

TEST_F(CandyInPlay, WalkingOntoAPieceCountsItAndLaysTheNextInTheSameTurn) {
    startPlaying();
    GameState& s = state();
    s.area = AreaOne;
    s.alienX = 340;
    s.alienY = 160;
    s.candy = CandyState{360, 230, AreaOne, 0, false, false};

    // Facing right, the piece 20 pixels ahead is touched after one step, silently.
    play(KeyScript().hold({KeyRight}, 1));
    EXPECT_EQ(s.candyCount, 1);
    EXPECT_FALSE(s.candy.candyTouched);
    EXPECT_EQ(runner().sound().plays(Sound::Candy), 0);
    EXPECT_EQ(checkInvariants(s), NothingBroken);
    EXPECT_GE(s.candy.candyLook, 1);

    // Facing left, the next piece crunches.
    s.candy = CandyState{340, 230, AreaOne, 50, false, false};
    play(KeyScript().hold({KeyLeft}, 1));
    EXPECT_EQ(s.candyCount, 2);
    EXPECT_EQ(runner().sound().plays(Sound::Candy), 1);

    // A piece laid under an alien standing still waits for its next step.
    s.candy = CandyState{335, 230, AreaOne, 50, false, false};
    play(KeyScript().idle(3));
    EXPECT_EQ(s.candyCount, 2);
    play(KeyScript().hold({KeyDown}, 1));
    EXPECT_EQ(s.candyCount, 3);
}

TEST(CandyPlacement, PiecesLieOnlyInAreasOneToThreeWithinTheField) {
    for (unsigned seed = 1; seed <= 2000; ++seed) {
        GameState s;
        s.random.seed(seed);
        randomGameSetup(s);
        ASSERT_EQ(checkInvariants(s), NothingBroken) << "seed " << seed;
        respawnCandy(s);
        ASSERT_EQ(checkInvariants(s), NothingBroken) << "seed " << seed;
        ASSERT_NE(s.candy.candyLook, 0);
    }
}

TEST_F(CandyInPlay, ThirtyTwoOfTheHundredLooksShowAndTheRestDrawNothing) {
    int visible = 0;
    for (int look = 1; look <= 100; ++look) {
        visible += candyPicture(look) != nullptr ? 1 : 0;
    }
    EXPECT_EQ(visible, 32);
    EXPECT_NE(candyPicture(0), nullptr);  // the first piece of a run shows

    canvas().fill(0, 0, 800, 600, Rgb{0, 0, 0});
    const auto blank = canvas().pixelDigest();
    for (int look : {10, 19, 29, 36, 100}) {
        drawCandy(drawn(), 400, 300, look);
        EXPECT_EQ(canvas().pixelDigest(), blank) << "look " << look;
    }
    drawCandy(drawn(), 400, 300, 35);
    EXPECT_NE(canvas().pixelDigest(), blank);
}

TEST_F(CandyInPlay, EatingTurnsOnePieceIntoFortyFiveEnergyUpToTheCeiling) {
    startPlaying();
    GameState& s = state();
    struct Case {
        int energy;
        int candy;
        int energyAfter;
        int candyAfter;
    };
    for (const Case c :
         {Case{99, 2, 144, 1}, Case{100, 2, 145, 1}, Case{145, 1, 145, 0}, Case{40, 0, 40, 0}}) {
        s.energy = c.energy;
        s.candyCount = c.candy;
        s.zones.powerRequest[EatCandy] = true;
        s.candy.eatCandyInForce = true;
        play(KeyScript().idle(1));
        EXPECT_EQ(s.energy, c.energyAfter) << "from " << c.energy;
        EXPECT_EQ(s.candyCount, c.candyAfter) << "from " << c.energy;
        EXPECT_FALSE(s.zones.powerRequest[EatCandy]);
        // One piece per activation: the next turn eats nothing more.
        play(KeyScript().idle(1));
        EXPECT_EQ(s.candyCount, c.candyAfter);
    }
}

TEST_F(CandyInPlay, TheEatCandyZoneEatsOnePieceInTheTurnItsAnimationEnds) {
    startPlaying();
    GameState& s = state();
    s.area = AreaOne;
    s.alienX = 300;
    s.alienY = 195;
    s.zones.zoneLayout[AreaOne][1][1] = EatCandy;
    s.candyCount = 2;
    s.energy = 109;
    play(KeyScript().hold({KeyDown}, 1));  // into the middle cell
    ASSERT_TRUE(s.zones.inZoneCell);

    play(KeyScript().tap({KeyZ}).idle(2));  // the key's turn and three more
    EXPECT_EQ(s.energy, 99);
    EXPECT_EQ(s.candyCount, 2);
    play(KeyScript().idle(1));  // the animation ends
    EXPECT_EQ(s.energy, 144);
    EXPECT_EQ(s.candyCount, 1);
    EXPECT_FALSE(s.zones.powerRequest[EatCandy]);
    play(KeyScript().idle(5));
    EXPECT_EQ(s.candyCount, 1);
}

}  // namespace
}  // namespace qz::test
