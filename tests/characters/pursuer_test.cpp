// The pursuer: where it turns up, how it closes in, when it catches, how far
// it follows the alien over edges, the push-back and the hiding.
#include "characters/pursuer.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <set>
#include <utility>

#include "support/game_fixture.h"
#include "turn/new_game.h"
#include "view/character_sprites.h"

namespace qz::test {
namespace {

class Held {
  public:
    Held(std::initializer_list<GameKey> keys) {
        for (GameKey key : keys) {
            held_.press(key);
        }
    }
    operator HeldKeys() const { return held_; }

  private:
    HeldKeys held_;
};
const Held None{};

// An FBI agent on the move at (x, y), the alien at (alienX, alienY).
GameState chase(AreaId area, int alienX, int alienY, int x, int y) {
    GameState s;
    s.mode = PlayMode::Play;
    s.area = area;
    s.alienX = alienX;
    s.alienY = alienY;
    s.pursuer.pursuerActive = true;
    s.pursuer.pursuerX = x;
    s.pursuer.pursuerY = y;
    return s;
}

TEST(Catching, TheWindowRunsFromTenLeftToFifteenRightAndFortyAboveToThirtyBelow) {
    for (int x = 270; x <= 335; ++x) {
        for (int y = 140; y <= 250; ++y) {
            const bool inside = x >= 290 && x <= 315 && y >= 160 && y <= 230;
            EXPECT_EQ(touchesAlien(chase(Forest, 300, 200, x, y)), inside) << x << ',' << y;
        }
    }
}

TEST(Catching, AStandingAlienIsCaughtOnTheSecondStepFromFifteenLeft) {
    GameState s = chase(Forest, 300, 200, 285, 200);
    pursuerStep(s, None);
    EXPECT_EQ(s.pursuer.pursuerX, 288);
    EXPECT_FALSE(s.pursuer.alienCaught);
    pursuerStep(s, None);
    EXPECT_EQ(s.pursuer.pursuerX, 291);
    EXPECT_TRUE(s.pursuer.alienCaught);
    // From now on the capture step moves it, whatever is held.
    pursuerStep(s, Held{KeyLeft, KeyUp});
    EXPECT_EQ(s.pursuer.pursuerX, 291);
    EXPECT_EQ(s.pursuer.pursuerY, 200);
}

TEST(Chasing, SteeringSidewaysItStandsStillOnlyExactlyTenLeftOfTheAlien) {
    struct Case {
        std::initializer_list<GameKey> keys;
        int from;
        int to;
        int facing;
    };
    // The alien at x 300; the pursuer starts facing left so a turn shows.
    const std::array<Case, 8> cases{{
        {{KeyLeft}, 290, 290, FacingLeft},
        {{KeyRight}, 290, 290, FacingLeft},
        {{KeyLeft, KeyRight}, 290, 290, FacingLeft},
        {{KeyLeft}, 291, 294, FacingRight},
        {{KeyLeft}, 289, 292, FacingRight},
        {{KeyRight}, 300, 297, FacingLeft},
        {{}, 310, 310, FacingLeft},
        {{}, 289, 292, FacingRight},
    }};
    for (const Case& c : cases) {
        GameState s = chase(Forest, 300, 200, c.from, 400);
        s.pursuer.pursuerFacing = FacingLeft;
        pursuerStep(s, Held(c.keys));
        EXPECT_EQ(s.pursuer.pursuerX, c.to)
            << "from " << c.from << ", " << c.keys.size() << " keys";
        EXPECT_EQ(s.pursuer.pursuerFacing, c.facing) << "from " << c.from;
    }
}

TEST(Chasing, UpOrDownHeldKeepsItsHeightAndOtherwiseItSettlesOnTheAliensTop) {
    for (GameKey key : {KeyUp, KeyDown}) {
        GameState s = chase(Forest, 300, 200, 600, 100);
        for (int turn = 0; turn < 50; ++turn) {
            pursuerStep(s, Held{key});
        }
        EXPECT_EQ(s.pursuer.pursuerY, 100) << key;
    }
    GameState s = chase(Forest, 300, 200, 600, 100);
    for (int turn = 0; turn < 50; ++turn) {
        pursuerStep(s, None);
    }
    EXPECT_EQ(s.pursuer.pursuerY, 199) << "a step of 3 that would pass the alien's y is taken back";
}

// Crossing edges, through real turns: the pursuer sees the alien at the edge
// one turn before the movement step carries it over.
using Following = GameTest;

TEST_F(Following, ALeftCrossingOutOfAreaOneDoesNotCountAndOutOfAreaTwoDoes) {
    for (const auto& [area, counted] : {std::pair{AreaOne, 0}, std::pair{AreaTwo, 1}}) {
        start(5);
        startPlaying();
        GameState& s = state();
        s.area = area;
        s.alienX = 5;
        s.alienY = 200;
        s.pursuer = chase(area, 5, 200, -20, 200).pursuer;
        play(KeyScript().hold({KeyLeft}, 1));
        EXPECT_EQ(s.area, area);
        EXPECT_EQ(s.alienX, 0);
        EXPECT_EQ(s.pursuer.pursuerFollows, counted) << "area " << area;
        EXPECT_EQ(s.pursuer.pursuerX, 730) << "shifted across with the alien";
        play(KeyScript().hold({KeyLeft}, 1));
        EXPECT_NE(s.area, area);
        EXPECT_TRUE(s.pursuer.pursuerActive);
        EXPECT_EQ(s.pursuer.pursuerFollows, counted);
    }
}

TEST(GivingUp, AFourthCountedCrossingGivesUpAndTheNextPursuerComesSooner) {
    GameState s = chase(Forest, 0, 200, -20, 300);
    s.pursuer.pursuerFollows = 2;
    pursuerStep(s, Held{KeyLeft});
    EXPECT_FALSE(s.pursuer.pursuerActive);
    EXPECT_TRUE(s.pursuer.pursuerGaveUp);
    EXPECT_EQ(s.pursuer.pursuerFollows, 0);
    EXPECT_EQ(s.pursuer.pursuerX, -20);

    // Rightwards the count comes after the choice: giving up there still
    // counts the crossing, for the next pursuer.
    GameState right = chase(Forest, 750, 200, -20, 300);
    right.pursuer.pursuerFollows = 3;
    pursuerStep(right, Held{KeyRight});
    EXPECT_FALSE(right.pursuer.pursuerActive);
    EXPECT_EQ(right.pursuer.pursuerFollows, 1);

    int longest = 0;
    int longestAfterGivingUp = 0;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        for (bool gaveUp : {false, true}) {
            GameState next;
            next.random.seed(seed);
            next.pursuer.pursuerGaveUp = gaveUp;
            pursuerStep(next, None);
            ASSERT_TRUE(next.pursuer.pursuerActive);
            int& most = gaveUp ? longestAfterGivingUp : longest;
            most = std::max(most, next.pursuer.pursuerDelay);
        }
    }
    EXPECT_LT(longestAfterGivingUp, 100);
    EXPECT_GE(longest, 100);
    EXPECT_LT(longest, 900);
}

TEST(Placing, OutsideWashingtonOnlyTheAgentComesFromAnEdgeThereBothAtFixedPlaces) {
    std::set<std::pair<int, int>> outside;
    std::set<std::pair<int, int>> inWashington;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        for (AreaId area : {AreaOne, WashingtonDC}) {
            GameState s;
            s.random.seed(seed);
            s.area = area;
            s.pursuer.pursuerFacing = FacingLeft;
            pursuerStep(s, None);
            RandomGenerator fourDrawsOn(seed);
            for (int draw = 0; draw < 4; ++draw) {
                static_cast<void>(fourDrawsOn.deal());
            }
            EXPECT_EQ(s.random, fourDrawsOn) << "a placement draws four numbers, seed " << seed;

            const PursuerState& p = s.pursuer;
            EXPECT_TRUE(p.pursuerActive);
            EXPECT_EQ(p.pursuerFacing, FacingLeft) << "placing does not turn it";
            if (area == WashingtonDC) {
                EXPECT_EQ(p.pursuerX, p.pursuerIsScientist ? 600 : 170);
                inWashington.insert({p.pursuerIsScientist, p.pursuerY});
            } else {
                EXPECT_FALSE(p.pursuerIsScientist);
                outside.insert({p.pursuerX, p.pursuerY});
            }
        }
    }
    EXPECT_EQ(outside, (std::set<std::pair<int, int>>{{325, 51}, {749, 225}, {325, 425}}));
    EXPECT_EQ(inWashington, (std::set<std::pair<int, int>>{{false, 150}, {true, 150}}));
}

TEST(Placing, ItWaitsOutItsDelayAndInsideAHoleOnlyTheDelayRuns) {
    GameState s = chase(InsideHole, 300, 200, 100, 200);
    s.pursuer.pursuerDelay = 2;
    EXPECT_FALSE(pursuerStep(s, None));
    EXPECT_FALSE(pursuerStep(s, None));
    EXPECT_EQ(s.pursuer.pursuerDelay, 0);
    EXPECT_FALSE(pursuerStep(s, None));
    EXPECT_EQ(s.pursuer.pursuerX, 100) << "inside a hole it keeps its place";

    s.area = Forest;
    s.pursuer.pursuerActive = false;
    EXPECT_FALSE(pursuerStep(s, None));
    EXPECT_TRUE(s.pursuer.pursuerActive) << "placed, but not shown in the turn it is placed";
    s.area = InsideHole;
    s.pursuer.pursuerActive = false;
    pursuerStep(s, None);
    EXPECT_FALSE(s.pursuer.pursuerActive) << "never placed inside a hole";
}

TEST(PushingBack, ItWalksAwayTwoPixelsATurnCatchesNothingAndIsGoneAtTheBorder) {
    GameState s = chase(Forest, 300, 200, 300, 200);
    startPushBack(s);
    s.zones.powerRequest[PushBackHumans] = true;
    pursuerStep(s, None);
    EXPECT_FALSE(s.pursuer.alienCaught) << "no catch while it walks away";
    EXPECT_EQ(s.pursuer.pursuerX, 298);
    EXPECT_EQ(s.pursuer.pursuerFacing, FacingLeft);

    int turns = 1;
    while (s.pursuer.pursuerActive && turns < 1000) {
        pursuerStep(s, None);
        ++turns;
    }
    EXPECT_EQ(turns, 151) << "149 more steps of 2 to x 0, then one turn to leave";
    EXPECT_FALSE(s.pursuer.pushBackInForce);
    EXPECT_FALSE(s.zones.powerRequest[PushBackHumans]);

    GameState right = chase(Forest, 300, 200, 600, 200);
    startPushBack(right);
    pursuerStep(right, None);
    EXPECT_EQ(right.pursuer.pursuerX, 602);
    EXPECT_EQ(right.pursuer.pursuerFacing, FacingRight);

    // Right of the alien but in the left half, the two steps cancel out.
    GameState between = chase(Forest, 300, 200, 350, 200);
    startPushBack(between);
    pursuerStep(between, None);
    EXPECT_EQ(between.pursuer.pursuerX, 350);
    EXPECT_EQ(between.pursuer.pursuerFacing, FacingRight);

    // After a Move Up it stands at y 0, off the field: gone at once.
    GameState moved = chase(Forest, 300, 200, 350, 200);
    hidePursuer(moved, MoveUp);
    startPushBack(moved);
    pursuerStep(moved, None);
    EXPECT_FALSE(moved.pursuer.pursuerActive);
}

TEST(Hiding, TheFirstHidingOfARunLastsSixteenUpdatesAndEveryLaterOne1501) {
    GameState s = chase(Forest, 40, 200, 500, 200);
    auto hiddenUpdates = [&s] {
        const DrawCount drawn = s.characterDrawCount;
        int updates = 1;
        while (!pursuerStep(s, None) && updates < 5000) {
            ++updates;
        }
        EXPECT_EQ(s.characterDrawCount, drawn + 1) << "only the showing update counts a draw";
        return updates - 1;
    };
    hidePursuer(s, MoveLeft);
    EXPECT_EQ(s.pursuer.pursuerX, 0);
    EXPECT_EQ(s.pursuer.pursuerY, 200);
    EXPECT_EQ(hiddenUpdates(), 16);
    EXPECT_TRUE(s.pursuer.alienCaught) << "hidden, it still chased and caught";

    hidePursuer(s, MoveDown);
    EXPECT_EQ(s.pursuer.pursuerY, 0);
    EXPECT_EQ(hiddenUpdates(), 1501);
    hidePursuer(s, MoveRight);
    EXPECT_EQ(hiddenUpdates(), 1501);
}

using HidingInPlay = GameTest;

TEST_F(HidingInPlay, AMoveZoneHidesThePursuerFromTheTurnItMovesTheAlien) {
    startPlaying();
    GameState& s = state();
    // Forest's cell 3 made the only Move Left zone of the Forest.
    for (auto& row : s.zones.zoneLayout[Forest]) {
        for (ZoneKind& kind : row) {
            kind = kind == MoveLeft ? NoZone : kind;
        }
    }
    s.zones.zoneLayout[Forest][1][0] = MoveLeft;
    s.alienX = 100;
    s.alienY = 195;
    s.pursuer = chase(Forest, 100, 195, 600, 100).pursuer;
    play(KeyScript().hold({KeyDown}, 1).tap({KeyZ}).idle(2));
    ASSERT_TRUE(s.zones.powerActive);
    ASSERT_EQ(s.area, Forest);
    const DrawCount drawn = s.characterDrawCount;

    play(KeyScript().idle(1));  // the fifth turn of the animation
    EXPECT_EQ(s.area, AreaFour);
    EXPECT_TRUE(s.pursuer.pursuerHidden);
    EXPECT_EQ(s.pursuer.pursuerX, 3) << "set to 0, then one chasing step in the same turn";
    int hiddenTurns = 1;
    while (s.characterDrawCount == drawn && hiddenTurns < 100) {
        play(KeyScript().idle(1));
        ++hiddenTurns;
    }
    EXPECT_EQ(hiddenTurns, 17) << "16 hidden updates, then shown";
}

using PursuerOnScreen = GameTest;

TEST_F(PursuerOnScreen, ThePlayTurnDrawsTheAgentWhereItStandsAndNotWhileHidden) {
    startPlaying();
    GameState& s = state();
    s.area = AreaFour;  // nothing is drawn in front of the characters there
    s.pursuer = chase(AreaFour, 340, 160, 503, 160).pursuer;
    const DrawCount count = s.characterDrawCount;
    play(KeyScript().idle(1));
    ASSERT_EQ(s.pursuer.pursuerX, 500);
    ASSERT_EQ(s.characterDrawCount, count + 1);
    const std::uint64_t shown = canvas().pixelDigest();

    // The same turn with the agent hidden, and the agent drawn over it by hand.
    s.pursuer.pursuerHidden = true;
    play(KeyScript().idle(1));
    EXPECT_EQ(s.characterDrawCount, count + 1);
    EXPECT_NE(canvas().pixelDigest(), shown);
    drawFbiAgent(drawn(), 500, 160, FacingLeft, count);
    EXPECT_EQ(canvas().pixelDigest(), shown);
}

TEST(NewGame, ThePursuerStaysButItsPushBackEndsAndJorrinGetsAWayOut) {
    GameState s = chase(AreaTwo, 300, 200, 123, 45);
    s.pursuer.pursuerIsScientist = true;
    s.pursuer.alienCaught = true;
    s.pursuer.pursuerHideCountdown = 700;
    s.pursuer.pushBackInForce = true;
    std::set<int> exits;
    for (unsigned seed = 1; seed <= 30; ++seed) {
        s.random.seed(seed);
        newGameReset(s);
        EXPECT_TRUE(s.pursuer.pursuerActive && s.pursuer.pursuerIsScientist &&
                    s.pursuer.alienCaught);
        EXPECT_EQ(s.pursuer.pursuerX, 123);
        EXPECT_EQ(s.pursuer.pursuerHideCountdown, 700);
        EXPECT_FALSE(s.pursuer.pushBackInForce);
        exits.insert(s.jorrin.jorrinExitDir);
    }
    EXPECT_EQ(exits, (std::set<int>{1, 2, 3}));
}

}  // namespace
}  // namespace qz::test
