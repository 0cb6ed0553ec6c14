// How a game ends: the landing, the release of a capture, and what the next
// game starts with.
#include "support/game_fixture.h"

namespace qz::test {
namespace {

using GameEnd = GameTest;

TEST_F(GameEnd, TheShipLandsOnlyOnTheLandingZoneWithTheCallRunDown) {
    struct Case {
        ZoneKind zoneKind;
        bool callActive;
        int quarter;
        bool lands;
    };
    for (const Case c : {Case{Landing, true, 0, true}, Case{Landing, true, 1, false},
                         Case{CallShip, true, 0, false}, Case{NoZone, true, 0, false},
                         Case{Landing, false, 0, false}}) {
        start();
        startPlaying();
        GameState& s = state();
        s.phonePieceHeld = {true, true, true};
        // Walked out of the zone cell: the kind last looked up still counts.
        s.zones.inZoneCell = false;
        s.zones.zoneKind = c.zoneKind;
        s.shipCall.callActive = c.callActive;
        s.shipCall.callQuarter = c.quarter;
        play(KeyScript().idle(1));
        EXPECT_EQ(s.mode == PlayMode::GameOver, c.lands)
            << "zone " << c.zoneKind << " active " << c.callActive << " quarter " << c.quarter;
    }
}

TEST_F(GameEnd, ReleasesTheScientistsHoldSoTheNextKeyStillWorks) {
    startPlaying();
    GameState& s = state();
    s.pursuer.pursuerActive = true;
    s.pursuer.pursuerIsScientist = true;
    s.pursuer.alienCaught = true;
    s.items.pieceTheftArmed = false;
    s.lives = 0;
    play(KeyScript().idle(1));
    ASSERT_EQ(s.mode, PlayMode::GameOver);
    EXPECT_FALSE(s.pursuer.alienCaught);
    EXPECT_TRUE(s.items.pieceTheftArmed) << "the next catch may take a piece again";
    play(KeyScript().idle(1).hold({KeyS}, 1));
    EXPECT_EQ(s.mode, PlayMode::Arrival);
}

TEST_F(GameEnd, ANewGameStartsWithNothingOfTheLastOneRunning) {
    startPlaying();
    GameState& s = state();
    s.zones.inZoneCell = true;
    s.zones.powerActive = true;
    s.zones.powerAnim = 100;
    s.areaHoles.onHole = true;
    s.holeVisit.holeX = 500;
    s.holeVisit.holeY = 300;
    s.holeVisit.holeLanded = true;
    s.holeVisit.levitating = true;
    s.jorrin = {123, 234, FacingLeft, true, true, ExitDown, true, true};
    s.phoneMarks = {true, 7, 3};
    s.characterDrawCount = 41;
    s.mode = PlayMode::GameOver;
    play(KeyScript().idle(2).hold({KeyS}, 1));
    ASSERT_EQ(s.mode, PlayMode::Arrival);

    const GameState fresh{};
    EXPECT_EQ(s.zones.inZoneCell, fresh.zones.inZoneCell);
    EXPECT_EQ(s.zones.powerActive, fresh.zones.powerActive);
    EXPECT_EQ(s.zones.powerAnim, fresh.zones.powerAnim);
    EXPECT_EQ(s.areaHoles.onHole, fresh.areaHoles.onHole);
    EXPECT_EQ(s.holeVisit.holeX, fresh.holeVisit.holeX);
    EXPECT_EQ(s.holeVisit.holeY, fresh.holeVisit.holeY);
    EXPECT_EQ(s.holeVisit.holeLanded, fresh.holeVisit.holeLanded);
    EXPECT_EQ(s.holeVisit.levitating, fresh.holeVisit.levitating);
    EXPECT_FALSE(s.jorrin.alienCollapsed || s.jorrin.jorrinCalled);
    EXPECT_FALSE(s.jorrin.jorrinAtX || s.jorrin.jorrinAtY);
    EXPECT_FALSE(s.phoneMarks.phoneMarksOn);
    EXPECT_EQ(s.phoneMarks.phoneMarkBlink, 0);
    EXPECT_EQ(s.phoneMarks.phoneMarkHolesSeen, 0);
    // Carried over: where Jorrin stood and which way he looked, the draw count.
    EXPECT_EQ(s.jorrin.jorrinX, 123);
    EXPECT_EQ(s.jorrin.jorrinY, 234);
    EXPECT_EQ(s.jorrin.jorrinFacing, FacingLeft);
    EXPECT_EQ(s.characterDrawCount, 41);

    play(KeyScript().idle(59));
    EXPECT_EQ(s.mode, PlayMode::Play) << "no rescue and no power in the first turns";
    EXPECT_EQ(s.lives, 3);
    EXPECT_EQ(s.area, Forest);
}

}  // namespace
}  // namespace qz::test
