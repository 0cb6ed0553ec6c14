// Jorrin's visits: the rescue timeline in real turns, the drop down a hole,
// the called visit's payment and its treatment on the inside-hole screen.
#include <cstdlib>

#include "characters/jorrin.h"
#include "support/game_fixture.h"

namespace qz::test {
namespace {

using JorrinRescue = GameTest;

TEST_F(JorrinRescue, FromTheTopReachesTheAlienOnThe226thTurnAndTheLastLifeEndsTheGame) {
    startPlaying();
    GameState& s = state();
    s.area = AreaFour;
    s.alienX = 400;
    s.alienY = 300;
    s.energy = 0;
    s.lives = 1;
    play(KeyScript().idle(1));  // the rescue check comes after the alien is drawn
    ASSERT_TRUE(s.jorrin.alienCollapsed);
    s.jorrin.jorrinX = 325;  // as if he came from the top
    s.jorrin.jorrinY = 50;
    const DrawCount draws = s.characterDrawCount;

    // The collapsed alien lies still whatever is held.
    play(KeyScript().hold({KeyLeft}, 75));
    EXPECT_EQ(s.jorrin.jorrinX, 400);
    EXPECT_EQ(s.jorrin.jorrinY, 125);
    play(KeyScript().hold({KeyLeft}, 150));
    EXPECT_EQ(s.jorrin.jorrinY, 275);
    EXPECT_EQ(s.alienX, 400);
    EXPECT_TRUE(s.jorrin.alienCollapsed);
    EXPECT_EQ(s.mode, PlayMode::Play);

    play(KeyScript().idle(1));
    EXPECT_FALSE(s.jorrin.alienCollapsed);
    EXPECT_EQ(s.energy, RevivalEnergy);
    EXPECT_EQ(s.lives, 0);
    EXPECT_EQ(s.mode, PlayMode::GameOver);
    // One step off towards his exit in the revival turn.
    EXPECT_EQ(std::abs(s.jorrin.jorrinX - 400) + std::abs(s.jorrin.jorrinY - 275), 1);
    EXPECT_EQ(s.characterDrawCount, draws + 226);
}

TEST(JorrinInsideAHole, DropsInOnTheFarSideAndRevivesTheAlienWhereItLies) {
    for (const int holeX : {291, 290}) {
        GameState s;
        s.area = InsideHole;
        s.holeVisit.holeX = holeX;
        s.holeVisit.holeY = 320;
        s.energy = 0;
        s.jorrin.jorrinFacing = FacingRight;
        startRescue(s);
        const int entryX = holeX > 290 ? 650 : 85;
        EXPECT_EQ(s.jorrin.jorrinX, entryX);
        EXPECT_EQ(s.jorrin.jorrinY, 50);
        EXPECT_EQ(s.jorrin.jorrinFacing, holeX > 290 ? FacingLeft : FacingRight);

        // 8 pixels a turn down to 330, the first line past 328, before any sideways step.
        int turns = 0;
        while (!s.jorrin.jorrinAtY && turns < 100) {
            const JorrinVisitPicture picture = jorrinVisitStep(s);
            EXPECT_EQ(picture.jorrin.x, entryX);
            EXPECT_TRUE(picture.alienCollapsed);
            EXPECT_EQ(picture.alien.x, holeX);
            EXPECT_EQ(picture.alien.y, 320);
            ++turns;
        }
        EXPECT_EQ(s.jorrin.jorrinY, 330);
        EXPECT_EQ(turns, 36);

        JorrinVisitPicture picture{};
        for (turns = 0; s.jorrin.alienCollapsed && turns < 1000; ++turns) {
            picture = jorrinVisitStep(s);
        }
        EXPECT_FALSE(s.jorrin.alienCollapsed);
        EXPECT_EQ(s.energy, RevivalEnergy);
        // The revived alien stands on the hole's floor, not at its outdoor place.
        EXPECT_FALSE(picture.alienCollapsed);
        EXPECT_EQ(picture.alien.x, holeX);
        EXPECT_EQ(picture.alien.y, 320);
    }
}

using JorrinCalledVisit = GameTest;

TEST_F(JorrinCalledVisit, ARescueThatStartsOnItsWayEndsInsideAHoleAndOutside) {
    for (const bool inHole : {true, false}) {
        start();
        startPlaying();
        GameState& s = state();
        s.area = AreaFour;
        s.alienX = 500;
        s.alienY = 300;
        if (inHole) {
            s.area = InsideHole;
            s.holeVisit.areaBeforeHole = AreaFour;
            s.holeVisit.holeX = 500;
            s.holeVisit.holeY = 330;
            s.holeVisit.holeLanded = true;
        }
        s.candyCount = 2;
        s.zones.powerRequest[CallJorrin] = true;
        s.jorrin.jorrinX = 0;
        s.jorrin.jorrinY = 0;
        s.jorrin.jorrinExitDir = ExitLeft;
        startCalledVisit(s);
        s.energy = 0;  // the alien collapses while he is on his way

        int turns = 0;
        while ((s.jorrin.alienCollapsed || s.jorrin.jorrinCalled || s.energy == 0) &&
               turns < 2000) {
            play(KeyScript().idle(1));
            ++turns;
        }
        EXPECT_LT(turns, 2000) << (inHole ? "in a hole" : "outside") << ": Jorrin at "
                               << s.jorrin.jorrinX << ", " << s.jorrin.jorrinY;
        EXPECT_EQ(s.energy, RevivalEnergy);
        EXPECT_EQ(s.lives, 2);
        EXPECT_EQ(s.candyCount, 0);
    }
}

TEST_F(JorrinCalledVisit, PaysEveryPieceOnceJorrinHasLeftThePlayField) {
    // Nine pieces and more used to keep the visit running for ever.
    for (const int candy : {3, 12}) {
        start();
        startPlaying();
        GameState& s = state();
        s.area = AreaFour;
        s.candyCount = candy;
        s.score = 100;
        s.zones.powerRequest[CallJorrin] = true;
        s.jorrin.jorrinX = 0;
        s.jorrin.jorrinY = 0;
        s.jorrin.jorrinExitDir = ExitUp;
        startCalledVisit(s);
        ASSERT_TRUE(s.jorrin.jorrinCalled);

        // He meets the alien at (340, 135) after 340 turns, then walks up and
        // leaves the field on the line y = 50.
        int turns = 0;
        while (s.jorrin.jorrinCalled && turns < 1000) {
            play(KeyScript().idle(1));
            ++turns;
        }
        EXPECT_EQ(turns, 341 + 84) << candy << " pieces";
        EXPECT_EQ(s.jorrin.jorrinY, 50);
        EXPECT_EQ(s.score, 100 + 770 * candy);
        EXPECT_EQ(s.candyCount, 0);
        EXPECT_FALSE(s.zones.powerRequest[CallJorrin]);
        EXPECT_FALSE(s.jorrin.jorrinAtX || s.jorrin.jorrinAtY);
    }

    GameState none;
    none.zones.powerRequest[CallJorrin] = true;
    startCalledVisit(none);
    EXPECT_FALSE(none.jorrin.jorrinCalled) << "no candy, no visit";
}

TEST(JorrinCalledIntoAHole, AimsAtTheAlienOnTheHoleScreen) {
    GameState s;
    s.area = InsideHole;
    s.alienX = 600;  // the outdoor place, not shown while inside
    s.alienY = 100;
    s.holeVisit.holeX = 200;
    s.holeVisit.holeY = 300;
    s.candyCount = 1;
    s.jorrin.jorrinCalled = true;
    s.jorrin.jorrinExitDir = ExitRight;
    JorrinVisitPicture picture{};
    for (int turns = 0; !(s.jorrin.jorrinAtX && s.jorrin.jorrinAtY) && turns < 1000; ++turns) {
        picture = jorrinVisitStep(s);
        ASSERT_FALSE(picture.alienCollapsed);
        ASSERT_EQ(picture.alien.x, 200);
        ASSERT_EQ(picture.alien.y, 300);
    }
    EXPECT_EQ(s.jorrin.jorrinX, 201);  // reached 200, then one step right
    EXPECT_EQ(s.jorrin.jorrinY, 275);
}

}  // namespace
}  // namespace qz::test
