// Inside a hole: the fall, levitation and its costs, leaving onto the same
// hole, the reach of each piece, and a power animation carried down there.
#include "world/hole_visit.h"

#include <algorithm>
#include <string>
#include <vector>

#include "support/game_fixture.h"

namespace qz::test {
namespace {

class Holes : public GameTest {
  protected:
    // Steps down onto a hole of Area Four (layout 0): (400, 80) is on hole 5
    // and in zone cell 1; (700, 80) is on hole 2; (750, 80) still on hole 2.
    void standOnAHole(int x) {
        startPlaying();
        state().area = AreaFour;
        state().alienX = x;
        state().alienY = 75;
        play(KeyScript().idle(1));  // Area Four's holes are chosen in its first turn
        play(KeyScript().hold({KeyDown}, 1));
        ASSERT_TRUE(state().areaHoles.onHole);
    }

    // X, then the whole fall.
    void fallIn() {
        play(KeyScript().hold({KeyX}, 1).idle(26));
        ASSERT_TRUE(state().holeVisit.holeLanded);
    }
};

int countOf(const std::vector<TurnOutcome>& records, const std::string& sound) {
    int count = 0;
    for (const TurnOutcome& record : records) {
        count += static_cast<int>(std::count(record.sounds.begin(), record.sounds.end(), sound));
    }
    return count;
}

TEST_F(Holes, TheFallDropsTwelveATurnAndLandsAt332OnTheTwentySeventhTurn) {
    standOnAHole(700);
    const int timeUnits = state().timeUnits;
    std::vector<TurnOutcome> records = play(KeyScript().hold({KeyX}, 1));
    EXPECT_EQ(state().area, InsideHole);
    EXPECT_EQ(state().holeVisit.areaBeforeHole, AreaFour);
    EXPECT_EQ(countOf(records, "play 1 1"), 1) << "the drop sound starts in the first turn";
    for (int turn = 1; turn <= 27; ++turn) {
        if (turn > 1) {
            const auto more = play(KeyScript().idle(1));
            records.insert(records.end(), more.begin(), more.end());
        }
        EXPECT_EQ(state().holeVisit.holeY, std::min(20 + 12 * turn, 332)) << "turn " << turn;
        EXPECT_EQ(state().holeVisit.holeLanded, turn == 27) << "turn " << turn;
    }
    EXPECT_EQ(countOf(records, "play 1 1"), 1);
    EXPECT_EQ(state().timeUnits, timeUnits - 26 * 20) << "the landing turn costs nothing";

    play(KeyScript().idle(5));
    EXPECT_EQ(state().holeVisit.holeY, 332);
    EXPECT_EQ(state().timeUnits, timeUnits - 26 * 20) << "standing on the floor is free";
    EXPECT_EQ(state().alienX, 700) << "the outdoor position waits";
    EXPECT_EQ(state().alienY, 80);
}

TEST_F(Holes, LevitatingCostsFiftyATurnAndRisingAHundredUntilTheAlienLeavesOnItsHole) {
    standOnAHole(700);
    play(KeyScript().hold({KeyRight}, 10));  // to x 750, the right edge, still on hole 2
    ASSERT_EQ(state().alienX, 750);
    ASSERT_TRUE(state().areaHoles.onHole);
    fallIn();

    // Inside, the arrows never take the alien over the outdoor edge.
    play(KeyScript().hold({KeyRight}, 3));
    EXPECT_EQ(state().area, InsideHole);
    EXPECT_EQ(state().alienX, 750);
    EXPECT_EQ(state().holeVisit.holeX, 355);

    state().timeUnits = 9999;
    play(KeyScript().tap({KeyX}));
    EXPECT_TRUE(state().holeVisit.levitating);
    EXPECT_EQ(state().timeUnits, 9999 - 2 * 50) << "hovering costs 50 a turn";
    EXPECT_EQ(state().zones.powerAnim, 100) << "the pose bobs to frame 100";
    play(KeyScript().hold({KeyLeft}, 1));
    EXPECT_EQ(state().holeVisit.holeX, 355) << "no sideways move while levitating";
    EXPECT_EQ(state().timeUnits, 9999 - 3 * 50 - 1);

    state().timeUnits = 9999;
    play(KeyScript().hold({KeyUp}, 1));
    EXPECT_EQ(state().holeVisit.holeY, 327);
    EXPECT_EQ(state().timeUnits, 9999 - 100) << "rising costs 50 for the key and 50 for the pose";
    EXPECT_EQ(state().zones.powerAnim, 100);

    play(KeyScript().hold({KeyUp}, 62));
    EXPECT_EQ(state().holeVisit.holeY, 17);
    EXPECT_EQ(state().area, InsideHole);

    play(KeyScript().hold({KeyUp}, 1));
    EXPECT_EQ(state().area, AreaFour);
    EXPECT_EQ(state().alienX, 750);
    EXPECT_EQ(state().alienY, 80);
    EXPECT_TRUE(state().areaHoles.onHole);
    EXPECT_EQ(state().areaHoles.holeIndex, 2);
    EXPECT_EQ(state().holeVisit.holeX, 340);
    EXPECT_EQ(state().holeVisit.holeY, 20);
    EXPECT_FALSE(state().holeVisit.levitating);
    EXPECT_FALSE(state().holeVisit.holeLanded);
    EXPECT_EQ(state().zones.powerAnim, 0)
        << "the pose ends with levitation: a power shows four frames";

    play(KeyScript().hold({KeyX}, 1));
    EXPECT_EQ(state().area, InsideHole) << "the same hole takes the alien in again";
}

TEST_F(Holes, HoveringLosesEnergyNoFasterThanWalking) {
    standOnAHole(700);
    fallIn();
    play(KeyScript().tap({KeyX}));
    state().timeUnits = 9999;
    const int energy = state().energy;
    // 50 a turn steps over every multiple of 99 but the 99th.
    play(KeyScript().idle(98));
    EXPECT_EQ(state().energy, energy);
    EXPECT_EQ(state().timeUnits, 9999 - 98 * 50);
    play(KeyScript().idle(1));
    EXPECT_EQ(state().energy, energy - 1);
    EXPECT_EQ(state().timeUnits, 9999);
}

TEST_F(Holes, APowerAnimationCarriedIntoAHoleEndsOnlyAfterTheAlienLeaves) {
    standOnAHole(400);
    GameState& s = state();
    ASSERT_TRUE(s.zones.inZoneCell);
    s.zones.zoneLayout[AreaFour][0][1] = MoveRight;
    play(KeyScript().idle(1));  // the name line looks the kind up
    play(KeyScript().hold({KeyZ}, 1).hold({KeyX}, 1));
    ASSERT_EQ(s.area, InsideHole);
    ASSERT_TRUE(s.zones.powerActive);

    // Without levitation the pose stays on its first frame and the alien
    // does not walk.
    const DrawCount animFrame = s.alienAnimFrame;
    play(KeyScript().idle(30).hold({KeyLeft}, 3));
    EXPECT_TRUE(s.zones.powerActive);
    EXPECT_EQ(s.zones.powerAnim, 0);
    EXPECT_EQ(s.alienAnimFrame, animFrame);

    // Levitating keeps the shared counter between 100 and 150, and the pose
    // still charges its 50.
    s.timeUnits = 9999;
    play(KeyScript().tap({KeyX}).idle(3));
    EXPECT_EQ(s.zones.powerAnim, 100);
    EXPECT_EQ(s.timeUnits, 9999 - 5 * 50);
    EXPECT_TRUE(s.zones.powerActive);

    s.holeVisit.holeY = 20;
    play(KeyScript().hold({KeyUp}, 1));
    EXPECT_EQ(s.area, AreaFour);
    EXPECT_EQ(s.zones.powerAnim, 150) << "frame 100 shown in the turn it leaves";
    play(KeyScript().idle(1));
    EXPECT_EQ(s.zones.powerAnim, 200) << "then frame 150";
    EXPECT_EQ(s.area, AreaFour);
    play(KeyScript().idle(1));
    EXPECT_FALSE(s.zones.powerActive);
    EXPECT_EQ(s.area, Forest) << "the zone's move, carried out in the third turn outside";
}

TEST_F(Holes, FallingInWithXHeldReadsTheRowOfTheAreaFallenFrom) {
    startPlaying();
    GameState& s = state();
    s.area = AreaTwo;
    s.alienX = 700;
    s.alienY = 75;
    s.holeVisit.contentsRow = 3;  // last set on a hole of Area Four
    play(KeyScript().idle(1));
    play(KeyScript().hold({KeyDown, KeyX}, 1));
    ASSERT_EQ(s.area, InsideHole);
    EXPECT_EQ(s.holeVisit.contentsRow, 1);
}

TEST(HoleReach, EachPieceIsReachedFrom150ToItsOwnEnd) {
    const std::array<std::pair<int, int>, 3> lastReach{{
        {PhonePiece1, 155},
        {PhonePiece2, 165},
        {PhonePiece3, 175},
    }};
    for (const auto& [piece, last] : lastReach) {
        GameState s;
        s.holeVisit.areaBeforeHole = AreaThree;
        s.holeVisit.contentsRow = 2;
        s.areaHoles.holeIndex = 4;
        s.items.holeContents[2][4] = piece;
        for (int x = 75; x <= 665; x += 5) {
            s.holeVisit.holeX = x;
            EXPECT_EQ(itemInReachTest(s), x >= 150 && x <= last) << "piece " << piece << " x " << x;
        }
        // A hole entered from the Forest, right after a crossing, shows nothing.
        s.holeVisit.holeX = 150;
        s.holeVisit.areaBeforeHole = Forest;
        EXPECT_FALSE(itemInReachTest(s));
    }
    GameState flower;
    flower.holeVisit.areaBeforeHole = AreaOne;
    flower.holeVisit.holeX = 150;
    for (int content : {Empty, Flower, Searched}) {
        flower.items.holeContents[0][0] = content;
        EXPECT_FALSE(itemInReachTest(flower)) << "content " << content;
    }
}

TEST_F(Holes, InTheForestAStepForgetsTheHoleButACrossingDoesNot) {
    standOnAHole(700);
    play(KeyScript().hold({KeyRight}, 11));  // over Area Four's right edge into the Forest
    ASSERT_EQ(state().area, Forest);
    EXPECT_TRUE(state().areaHoles.onHole) << "no hole test after a crossing";

    play(KeyScript().hold({KeyDown}, 1));
    EXPECT_FALSE(state().areaHoles.onHole);
    play(KeyScript().hold({KeyX}, 1));
    EXPECT_EQ(state().area, Forest) << "no hole to drop into";
}

}  // namespace
}  // namespace qz::test
