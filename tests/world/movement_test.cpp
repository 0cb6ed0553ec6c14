// Walking the world: the movement step and the one-shot keys, in real turns
// where the whole turn matters and on a bare state inside a hole.
#include "turn/movement.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "harness/recording_sound_board.h"
#include "support/game_fixture.h"
#include "world/hole_geometry.h"

namespace qz::test {
namespace {

using Walking = GameTest;

TEST_F(Walking, UpWithLeftStepsFiveOnEachAxisForTwoTimeUnits) {
    startPlaying();
    play(KeyScript().hold({KeyUp, KeyLeft}, 1));
    EXPECT_EQ(state().alienX, 335);
    EXPECT_EQ(state().alienY, 155);
    EXPECT_EQ(state().timeUnits, 9997);
    play(KeyScript().hold({KeyUp, KeyLeft}, 3).hold({KeyDown}, 2).hold({KeyRight}, 4));
    EXPECT_EQ(state().alienX, 340);
    EXPECT_EQ(state().alienY, 150);
    EXPECT_EQ(state().timeUnits, 9999 - 2 * 4 - 2 - 4);
    EXPECT_EQ(state().area, Forest);
}

TEST_F(Walking, LeftAndRightTogetherEndFacingRightWhereItStarted) {
    startPlaying();
    ASSERT_EQ(state().alienFacing, FacingLeft);
    play(KeyScript().hold({KeyLeft, KeyRight}, 3));
    EXPECT_EQ(state().alienX, 340);
    EXPECT_EQ(state().alienFacing, FacingRight);
    EXPECT_TRUE(state().alienWalking);
    EXPECT_EQ(state().timeUnits, 9999 - 2 * 3);
}

TEST_F(Walking, TheWalkingFlagFollowsTheSidewaysKeysOnly) {
    startPlaying();
    struct Turn {
        std::initializer_list<GameKey> keys;
        bool walking;
    };
    const std::array<Turn, 7> turns{{
        {{KeyLeft}, true},
        {{KeyUp}, false},
        {{KeyRight}, true},
        {{KeyDown}, false},
        {{KeyRight, KeyUp}, true},
        {{}, false},
        {{KeyLeft, KeyDown}, true},
    }};
    for (const Turn& turn : turns) {
        play(KeyScript().hold(turn.keys, 1));
        EXPECT_EQ(state().alienWalking, turn.walking) << "after " << turn.keys.size() << " keys";
    }
    // Up and Down leave the facing alone.
    play(KeyScript().hold({KeyUp}, 2).hold({KeyDown}, 2));
    EXPECT_EQ(state().alienFacing, FacingLeft);

    // The flag drops whenever Left is up, also on the title.
    state().mode = PlayMode::Title;
    state().alienWalking = true;
    play(KeyScript().idle(1));
    EXPECT_FALSE(state().alienWalking);
}

TEST_F(Walking, EachEdgeIsReachedByAStepAndCrossedOnTheNextTurn) {
    struct Case {
        GameKey key;
        int x;
        int y;
        int edgeX;
        int edgeY;
        int nextArea;
        int afterX;
        int afterY;
    };
    const std::array<Case, 4> cases{{
        {KeyRight, 745, 160, 750, 160, AreaTwo, 0, 160},
        {KeyLeft, 5, 160, 0, 160, AreaFour, 750, 160},
        {KeyUp, 340, 35, 340, 30, AreaOne, 340, 375},
        {KeyDown, 340, 370, 340, 375, AreaThree, 340, 50},
    }};
    for (const Case& c : cases) {
        start(3);
        startPlaying();
        state().alienX = c.x;
        state().alienY = c.y;
        play(KeyScript().hold({c.key}, 1));
        EXPECT_EQ(state().area, Forest) << "key " << c.key;
        EXPECT_EQ(state().alienX, c.edgeX) << "key " << c.key;
        EXPECT_EQ(state().alienY, c.edgeY) << "key " << c.key;
        EXPECT_EQ(state().timeUnits, 9998) << "key " << c.key;
        play(KeyScript().hold({c.key}, 1));
        EXPECT_EQ(state().area, c.nextArea) << "key " << c.key;
        EXPECT_EQ(state().alienX, c.afterX) << "key " << c.key;
        EXPECT_EQ(state().alienY, c.afterY) << "key " << c.key;
        EXPECT_EQ(state().timeUnits, 9998) << "the crossing is free, key " << c.key;
    }
}

// Where the hole at (650, 150), found in every layout, sits in a layout.
int indexOfRightHole(int layout) {
    const HoleLayout& holes = holeLayouts[static_cast<std::size_t>(layout)];
    for (int i = 0; i < holes.count; ++i) {
        if (holes.holes[static_cast<std::size_t>(i)].x == 650 &&
            holes.holes[static_cast<std::size_t>(i)].y == 150) {
            return i;
        }
    }
    return -1;
}

TEST_F(Walking, ACrossingKeepsTheLastHitResultUntilTheNextStep) {
    startPlaying();
    state().area = AreaOne;
    state().alienX = 745;
    state().alienY = 80;
    play(KeyScript().idle(1));  // Area One's holes are chosen in its first turn
    const int hole = indexOfRightHole(state().areaHoles.holeLayoutOf[0]);

    play(KeyScript().hold({KeyRight}, 1));
    ASSERT_EQ(state().alienX, 750);
    ASSERT_TRUE(state().areaHoles.onHole);
    ASSERT_EQ(state().areaHoles.holeIndex, hole);
    const int timeUnits = state().timeUnits;

    play(KeyScript().hold({KeyRight}, 1));
    EXPECT_EQ(state().area, AreaTwo);
    EXPECT_EQ(state().alienX, 700);
    EXPECT_EQ(state().alienY, 52);
    EXPECT_TRUE(state().areaHoles.onHole) << "no hole test after a crossing";
    EXPECT_EQ(state().areaHoles.holeIndex, hole);
    EXPECT_EQ(state().timeUnits, timeUnits);

    play(KeyScript().hold({KeyDown}, 1));
    EXPECT_FALSE(state().areaHoles.onHole) << "no hole of any layout at (700, 57)";
    EXPECT_EQ(state().timeUnits, timeUnits - 1);
}

TEST_F(Walking, WithoutEnergyTheMovementStepDoesNotRun) {
    startPlaying();
    state().area = AreaFour;
    state().alienX = 100;
    state().alienY = 45;
    state().areaHoles.onHole = true;
    state().alienWalking = true;
    state().energy = 0;
    state().timeUnits = 5000;
    play(KeyScript().hold({KeyUp, KeyLeft, KeyX}, 3));
    EXPECT_EQ(state().area, AreaFour) << "X must not drop the alien in";
    EXPECT_EQ(state().alienX, 100);
    EXPECT_EQ(state().alienY, 45);
    EXPECT_EQ(state().alienFacing, FacingLeft);
    EXPECT_EQ(state().timeUnits, 5000);
    EXPECT_TRUE(state().alienWalking) << "not even the flag is touched";
}

TEST_F(Walking, ArrowsDoNothingOnTheTitle) {
    play(KeyScript().hold({KeyRight, KeyDown}, 5).hold({KeyLeft, KeyUp}, 3));
    ASSERT_EQ(state().mode, PlayMode::Title);
    EXPECT_EQ(state().alienX, 340);
    EXPECT_EQ(state().alienY, 160);
    EXPECT_EQ(state().alienFacing, FacingLeft);
    EXPECT_EQ(state().timeUnits, 9999);
    EXPECT_EQ(state().area, Forest);
}

// The scientist carrying the alien: whatever the player presses, the game
// goes on as if nothing were pressed; only Escape gets through.
TEST_F(Walking, WhileTheScientistHoldsTheAlienOnlyEscapeWorks) {
    auto carried = [this](const KeyScript& keys) {
        start(11);
        startPlaying();
        GameState& s = state();
        s.area = AreaFour;
        s.alienX = 100;
        s.alienY = 45;
        s.areaHoles.onHole = true;
        s.zones.inZoneCell = true;
        s.zones.zoneKind = MoveUp;
        s.pursuer.pursuerActive = true;
        s.pursuer.alienCaught = true;
        s.pursuer.pursuerIsScientist = true;
        std::vector<std::vector<FieldValue>> lines;
        for (const TurnOutcome& record : play(keys)) {
            lines.push_back(record.state);
        }
        return lines;
    };
    const KeyScript pressed = KeyScript()
                                  .hold({KeyUp}, 3)
                                  .tap({KeyZ})
                                  .tap({KeyX})
                                  .hold({KeyLeft, KeyRight}, 2)
                                  .tap({KeyS})
                                  .tap({KeyI});
    const auto withKeys = carried(pressed);
    EXPECT_EQ(state().energy, 145);
    EXPECT_FALSE(state().zones.powerActive);
    EXPECT_NE(state().area, InsideHole);
    EXPECT_EQ(withKeys, carried(KeyScript().idle(static_cast<int>(pressed.turns().size()))));

    play(KeyScript().hold({KeyEscape}, 1));
    EXPECT_TRUE(state().quitRequested);
}

TEST_F(Walking, TheFbiAgentsCatchDoesNotHoldTheKeys) {
    startPlaying();
    state().pursuer.alienCaught = true;
    state().pursuer.pursuerIsScientist = false;
    play(KeyScript().hold({KeyDown}, 2));
    EXPECT_EQ(state().alienY, 170);
}

// Inside a hole the arrows work on holeX/holeY; the outdoor position waits.
GameState insideHole(int holeX, int holeY, bool levitating) {
    GameState s;
    s.mode = PlayMode::Play;
    s.area = InsideHole;
    s.holeVisit.areaBeforeHole = AreaFour;
    s.holeVisit.holeX = holeX;
    s.holeVisit.holeY = holeY;
    s.holeVisit.levitating = levitating;
    return s;
}

void stepWith(GameState& s, std::initializer_list<GameKey> keys) {
    HeldKeys held;
    for (GameKey key : keys) {
        held.press(key);
    }
    CueList sound;
    sound.restart(nullptr);
    movementStep(s, held, sound);
}

TEST(Crossing, AnEdgeCrossingEndsThePushBackButLeavesAnOrdinaryPursuerAlone) {
    GameState s;
    s.mode = PlayMode::Play;
    s.alienX = 750;
    s.pursuer.pushBackInForce = true;
    s.pursuer.pursuerActive = true;
    s.zones.powerRequest[PushBackHumans] = true;
    s.zones.powerRequest[CallShip] = true;
    stepWith(s, {KeyRight});
    ASSERT_EQ(s.area, AreaTwo);
    EXPECT_FALSE(s.pursuer.pushBackInForce);
    EXPECT_FALSE(s.pursuer.pursuerActive);
    EXPECT_FALSE(s.zones.powerRequest[PushBackHumans]);
    EXPECT_TRUE(s.zones.powerRequest[CallShip]);

    // Without a push-back the pursuer follows the alien over the edge.
    GameState chased;
    chased.mode = PlayMode::Play;
    chased.alienX = 750;
    chased.pursuer.pursuerActive = true;
    chased.zones.powerRequest[PushBackHumans] = true;
    stepWith(chased, {KeyRight});
    ASSERT_EQ(chased.area, AreaTwo);
    EXPECT_TRUE(chased.pursuer.pursuerActive);
    EXPECT_TRUE(chased.zones.powerRequest[PushBackHumans]);
}

TEST(InsideAHole, RisingNeedsLevitationAndCostsFiftyAStep) {
    GameState sitting = insideHole(340, 200, false);
    stepWith(sitting, {KeyUp});
    EXPECT_EQ(sitting.holeVisit.holeY, 200);
    EXPECT_EQ(sitting.timeUnits, 9998) << "trying still costs";

    GameState rising = insideHole(340, 200, true);
    stepWith(rising, {KeyUp});
    EXPECT_EQ(rising.holeVisit.holeY, 195);
    EXPECT_EQ(rising.timeUnits, 9949);
    EXPECT_EQ(rising.alienY, 160) << "the outdoor position waits";
    EXPECT_EQ(rising.area, InsideHole);

    // Levitation left on outdoors makes an Up step just as dear.
    GameState outdoors;
    outdoors.mode = PlayMode::Play;
    outdoors.holeVisit.levitating = true;
    stepWith(outdoors, {KeyUp});
    EXPECT_EQ(outdoors.alienY, 155);
    EXPECT_EQ(outdoors.timeUnits, 9949);
}

TEST(InsideAHole, AtTheTopUpLeavesTheHoleWhereTheAlienFellIn) {
    GameState s = insideHole(500, 25, true);
    s.area = AreaFour;
    selectAreaHoles(s);  // Area Four's holes, layout 0
    s.area = InsideHole;
    s.alienX = 100;  // the alien fell in through hole 0
    s.alienY = 45;
    s.areaHoles.onHole = false;
    s.holeVisit.holeLanded = true;

    stepWith(s, {KeyUp});
    ASSERT_EQ(s.area, InsideHole);
    EXPECT_EQ(s.holeVisit.holeY, 20);
    EXPECT_EQ(s.timeUnits, 9949);

    stepWith(s, {KeyUp});
    EXPECT_EQ(s.area, AreaFour);
    EXPECT_EQ(s.alienX, 100);
    EXPECT_EQ(s.alienY, 45);
    EXPECT_EQ(s.holeVisit.holeX, 340);
    EXPECT_EQ(s.holeVisit.holeY, 20);
    EXPECT_FALSE(s.holeVisit.levitating);
    EXPECT_FALSE(s.holeVisit.holeLanded);
    EXPECT_EQ(s.timeUnits, 9948) << "leaving costs 1";
    EXPECT_TRUE(s.areaHoles.onHole) << "the restored area's hit tests ran";
    EXPECT_EQ(s.areaHoles.holeIndex, 0);

    // Without levitation the top of the hole lets the alien out as well.
    GameState climbing = insideHole(340, 20, false);
    climbing.holeVisit.areaBeforeHole = AreaTwo;
    stepWith(climbing, {KeyUp});
    EXPECT_EQ(climbing.area, AreaTwo);
}

TEST(InsideAHole, SidewaysTheAlienTurnsButOnlyWalksOnTheFloor) {
    GameState floating = insideHole(400, 200, true);
    stepWith(floating, {KeyLeft});
    EXPECT_EQ(floating.holeVisit.holeX, 400);
    EXPECT_EQ(floating.alienFacing, FacingLeft);
    stepWith(floating, {KeyRight});
    EXPECT_EQ(floating.holeVisit.holeX, 400);
    EXPECT_EQ(floating.alienFacing, FacingRight);
    EXPECT_TRUE(floating.alienWalking);
    EXPECT_EQ(floating.timeUnits, 9997);

    GameState left = insideHole(80, 330, false);
    stepWith(left, {KeyLeft});
    EXPECT_EQ(left.holeVisit.holeX, 75);
    stepWith(left, {KeyLeft});
    EXPECT_EQ(left.holeVisit.holeX, 75) << "the hole's left wall";
    EXPECT_EQ(left.timeUnits, 9997) << "bumping into the wall still costs";
    EXPECT_EQ(left.alienX, 340);

    GameState right = insideHole(660, 330, false);
    stepWith(right, {KeyRight});
    EXPECT_EQ(right.holeVisit.holeX, 665);
    stepWith(right, {KeyRight});
    EXPECT_EQ(right.holeVisit.holeX, 665) << "the hole's right wall";
    EXPECT_EQ(right.timeUnits, 9997);
}

TEST(InsideAHole, DownSinksOnlyWhileLevitatingAndNotPastTheFloor) {
    GameState floating = insideHole(340, 325, true);
    stepWith(floating, {KeyDown});
    EXPECT_EQ(floating.holeVisit.holeY, 330);
    stepWith(floating, {KeyDown});
    EXPECT_EQ(floating.holeVisit.holeY, 330);
    EXPECT_EQ(floating.timeUnits, 9997);

    GameState standing = insideHole(340, 200, false);
    stepWith(standing, {KeyDown});
    EXPECT_EQ(standing.holeVisit.holeY, 200);
    EXPECT_EQ(standing.alienY, 160);
    EXPECT_EQ(standing.timeUnits, 9998);
}

using Keys = GameTest;

TEST_F(Keys, XOnAHoleDropsInAndXInsideOnlyStartsLevitating) {
    startPlaying();
    state().area = AreaFour;
    state().alienX = 100;
    state().alienY = 40;
    play(KeyScript().idle(1).tap({KeyX}));
    EXPECT_EQ(state().area, AreaFour) << "X off a hole does nothing";

    play(KeyScript().hold({KeyDown}, 1));
    ASSERT_TRUE(state().areaHoles.onHole);
    play(KeyScript().tap({KeyX}));
    EXPECT_EQ(state().area, InsideHole);
    EXPECT_EQ(state().holeVisit.areaBeforeHole, AreaFour);
    EXPECT_FALSE(state().holeVisit.levitating);

    play(KeyScript().tap({KeyX}));
    EXPECT_EQ(state().area, InsideHole);
    EXPECT_EQ(state().holeVisit.areaBeforeHole, AreaFour);
    EXPECT_TRUE(state().holeVisit.levitating);
}

TEST_F(Keys, ZCostsNothingOutsideAZoneCellOrInsideAHoleAndNeverGoesBelowZero) {
    startPlaying();
    state().zones.inZoneCell = false;
    play(KeyScript().tap({KeyZ}));
    EXPECT_EQ(state().energy, 145);

    state().zones.inZoneCell = true;
    state().zones.zoneKind = NoZone;
    state().energy = 5;
    play(KeyScript().hold({KeyZ}, 1));
    EXPECT_EQ(state().energy, 0);

    // From now on the movement step is not called.
    const int x = state().alienX;
    play(KeyScript().hold({KeyRight, KeyZ}, 2));
    EXPECT_EQ(state().alienX, x);
    EXPECT_EQ(state().energy, 0);

    start(4);
    startPlaying();
    state().area = InsideHole;
    state().zones.inZoneCell = true;
    state().zones.zoneKind = Phone;
    play(KeyScript().tap({KeyZ}));
    EXPECT_EQ(state().energy, 145);
    EXPECT_FALSE(state().zones.powerActive);
}

TEST_F(Keys, ZOnTheFlowerInsideAHoleGivesOneLifeOnce) {
    startPlaying();
    GameState& s = state();
    s.area = InsideHole;
    s.holeVisit.areaBeforeHole = AreaThree;
    s.holeVisit.contentsRow = 2;
    s.areaHoles.holeIndex = 3;
    s.items.holeContents[2][3] = Flower;
    s.items.holeContents[1][3] = PhonePiece1;
    play(KeyScript().tap({KeyZ}));
    EXPECT_EQ(s.lives, 4);
    EXPECT_TRUE(s.items.flowerRevived);
    play(KeyScript().tap({KeyZ}).tap({KeyZ}));
    EXPECT_EQ(s.lives, 4);

    // Any other cell gives nothing.
    start(6);
    startPlaying();
    state().area = InsideHole;
    state().holeVisit.areaBeforeHole = AreaTwo;
    state().holeVisit.contentsRow = 1;
    state().areaHoles.holeIndex = 3;
    state().items.holeContents[1][3] = PhonePiece2;
    play(KeyScript().tap({KeyZ}));
    EXPECT_EQ(state().lives, 3);
    EXPECT_FALSE(state().items.flowerRevived);
}

}  // namespace
}  // namespace qz::test
