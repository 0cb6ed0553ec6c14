// After the catch, in real turns: the FBI agent walks off to the left while
// the player moves on; the scientist carries the alien to Washington DC and
// the keys do nothing until it lets go.
#include "characters/capture.h"

#include <array>
#include <initializer_list>

#include "support/game_fixture.h"
#include "world/area_map.h"
#include "world/play_field.h"

namespace qz::test {
namespace {

class Capture : public GameTest {
  protected:
    // A pursuer standing on the alien at (x, y) in `area`: the next turn's
    // update catches it.
    void pursuerOnAlien(AreaId area, int x, int y, bool scientist) {
        startPlaying();
        GameState& s = state();
        s.area = area;
        s.alienX = x;
        s.alienY = y;
        PursuerState& p = s.pursuer;
        p.pursuerActive = true;
        p.pursuerDelay = 0;
        p.pursuerIsScientist = scientist;
        p.pursuerX = x;
        p.pursuerY = y;
    }
};

// Takes the pieces out of their holes and hands them over in this order.
void holdPieces(GameState& s, std::initializer_list<int> pieces) {
    std::size_t slot = 0;
    for (int piece : pieces) {
        for (auto& row : s.items.holeContents) {
            for (int& cell : row) {
                cell = cell == piece ? Searched : cell;
            }
        }
        s.phonePieceHeld[static_cast<std::size_t>(piece - 1)] = true;
        s.items.foundOrder[slot++] = piece;
    }
}

TEST_F(Capture, TheAgentTakesOnePieceWalksOffBySevenTwoMinusThreeThenIsGone) {
    pursuerOnAlien(AreaTwo, 300, 200, false);
    GameState& s = state();
    holdPieces(s, {PhonePiece2, PhonePiece1});
    s.candyCount = 3;
    s.pursuer.alienCaught = true;
    s.pursuer.pursuerX = 12;
    for (int expected : {7, 2, -3}) {
        play(KeyScript().hold({KeyDown}, 1));
        EXPECT_TRUE(s.pursuer.alienCaught);
        EXPECT_EQ(s.pursuer.pursuerX, expected);
        EXPECT_EQ(s.pursuer.pursuerFacing, FacingLeft);
        EXPECT_FALSE(s.items.pieceTheftArmed);
    }
    EXPECT_EQ(s.phonePieceHeld, (std::array<bool, 3>{true, false, false}))
        << "the piece found first goes back into a hole, one per capture";
    EXPECT_EQ(s.candyCount, 3) << "the candy stays while a piece is left";
    EXPECT_EQ(s.alienY, 215) << "the agent does not hold the alien";
    play(KeyScript().hold({KeyDown}, 1));
    EXPECT_FALSE(s.pursuer.alienCaught);
    EXPECT_FALSE(s.pursuer.pursuerActive);
    EXPECT_EQ(s.pursuer.pursuerX, -3);
    EXPECT_TRUE(s.items.pieceTheftArmed) << "the next catch may take a piece again";

    // Caught again: the last piece goes, and from the next turn the candy.
    s.pursuer.pursuerActive = true;
    s.pursuer.alienCaught = true;
    s.pursuer.pursuerX = 100;
    play(KeyScript().idle(1));
    EXPECT_EQ(s.phonePieceHeld, (std::array<bool, 3>{false, false, false}));
    EXPECT_EQ(s.candyCount, 3);
    play(KeyScript().idle(1));
    EXPECT_EQ(s.candyCount, 0);
}

TEST_F(Capture, TheScientistCarriesFiftyTurnsJumpsToWashingtonAndLetsGoAtTwoHundred) {
    pursuerOnAlien(AreaThree, 300, 300, true);
    GameState& s = state();
    play(KeyScript().idle(1));
    ASSERT_TRUE(s.pursuer.alienCaught);
    EXPECT_EQ(s.pursuer.pursuerY, 301) << "the catch turn already carries";

    // Keys pressed and held change nothing while carried: the carry alone
    // moves the alien.
    int turn = 1;
    auto struggle = [&] {
        ++turn;
        play(turn % 2 ? KeyScript().hold({KeyLeft, KeyUp, KeyX, KeyZ}, 1) : KeyScript().idle(1));
    };
    while (s.area == AreaThree && turn < 400) {
        struggle();
        if (s.area == AreaThree) {
            ASSERT_EQ(s.alienY - 300, turn);
        }
    }
    EXPECT_EQ(turn, 51) << "50 carrying turns, then the jump";
    EXPECT_EQ(s.area, WashingtonDC);
    EXPECT_EQ(s.pursuer.pursuerY, 75);
    EXPECT_EQ(s.alienY, 100);

    const int jumpTurn = turn;
    while (s.pursuer.alienCaught && turn < 1000) {
        struggle();
    }
    EXPECT_EQ(turn - jumpTurn, 126) << "125 carrying turns down to 200, then the release";
    EXPECT_FALSE(s.pursuer.pursuerActive);
    EXPECT_EQ(s.pursuer.pursuerY, 200);
    EXPECT_EQ(s.alienY, 225);
    EXPECT_EQ(s.alienX, 300 + 175) << "it drifted right towards x 600 on every carrying turn";
    EXPECT_EQ(s.area, WashingtonDC);

    play(KeyScript().hold({KeyLeft}, 1));
    EXPECT_EQ(s.alienX, 470) << "free again";
}

TEST_F(Capture, AMoveZoneEndingDuringTheCarryTakesTheScientistAlongStillHolding) {
    // A Move Left power started just before the catch ends while the alien
    // is carried: the alien changes area, and the scientist keeps his hold
    // and his place rather than dragging it in from the screen's edge.
    pursuerOnAlien(AreaTwo, 300, 150, true);
    GameState& s = state();
    s.zones.powerActive = true;
    s.zones.powerAnim = 150;
    s.zones.powerRequest[MoveLeft] = true;
    play(KeyScript().idle(1));
    ASSERT_TRUE(s.pursuer.alienCaught);
    play(KeyScript().idle(1));
    ASSERT_FALSE(s.zones.powerActive);
    EXPECT_EQ(s.area, neighbourArea(AreaTwo, Edge::Left));
    EXPECT_TRUE(s.pursuer.alienCaught);
    EXPECT_EQ(s.pursuer.pursuerX, s.alienX);

    while (s.pursuer.alienCaught) {
        play(KeyScript().idle(1));
        ASSERT_LE(s.alienX, AlienRightLimit) << "carried off the screen";
    }
    EXPECT_EQ(s.area, WashingtonDC);
}

TEST_F(Capture, AnAlienHeldLowIsNotCarriedPastTheBottomOfThePlayField) {
    // Held by the scientist waiting in Washington DC, the alien having been
    // moved to the bottom edge by a power: the soak found it let go at y 425.
    pursuerOnAlien(WashingtonDC, 600, 150, true);
    GameState& s = state();
    s.pursuer.alienCaught = true;
    s.alienX = 320;
    s.alienY = AlienBottomLimit - 2;
    play(KeyScript().idle(51));
    EXPECT_FALSE(s.pursuer.alienCaught);
    EXPECT_EQ(s.alienY, AlienBottomLimit);
}

TEST_F(Capture, InWashingtonACaptureAboveTheReleaseLineEndsThereWithoutAJump) {
    pursuerOnAlien(WashingtonDC, 650, 150, true);
    GameState& s = state();
    play(KeyScript().idle(50));
    EXPECT_TRUE(s.pursuer.alienCaught);
    EXPECT_EQ(s.pursuer.pursuerY, 200);
    EXPECT_EQ(s.alienX, 600);
    EXPECT_EQ(s.pursuer.pursuerX, 600) << "at 600 it drifts no further";
    play(KeyScript().idle(1));
    EXPECT_FALSE(s.pursuer.alienCaught);
    EXPECT_EQ(s.alienY, 200);
}

}  // namespace
}  // namespace qz::test
