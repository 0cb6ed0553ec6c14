// The title screen's keys and texts, and the way into and out of a game.
#include "support/game_fixture.h"

namespace qz::test {
namespace {

using TitleKeys = GameTest;

TEST_F(TitleKeys, IOpensPageOneAndEachLaterPressTurnsUntilTheTitleReturns) {
    play(KeyScript().tap({KeyI}));
    EXPECT_TRUE(state().instructionsShown);
    EXPECT_EQ(state().instructionPage, 1);
    play(KeyScript().tap({KeyX}).tap({KeyZ}));
    EXPECT_EQ(state().instructionPage, 3);
    play(KeyScript().tap({KeyDown}));
    EXPECT_FALSE(state().instructionsShown);
    EXPECT_EQ(state().instructionPage, 0);
    EXPECT_EQ(state().mode, PlayMode::Title);
}

TEST_F(TitleKeys, SWhileThePagesAreShownOnlyTurnsThePage) {
    play(KeyScript().tap({KeyI}).tap({KeyS}));
    EXPECT_EQ(state().mode, PlayMode::Title);
    EXPECT_EQ(state().instructionPage, 2);
    EXPECT_FALSE(state().newGamePending);
}

TEST_F(TitleKeys, SHeldWithAnotherKeyStartsAGame) {
    play(KeyScript().hold({KeyS}, 3).hold({KeyS, KeyUp}, 1));
    // The S press itself started it; the reset ran in the same turn.
    EXPECT_EQ(state().mode, PlayMode::Arrival);
    EXPECT_FALSE(state().newGamePending);
}

TEST_F(TitleKeys, EscapeClosesThePagesAtOnceAndOnlyQuitsFromTheTitlePicture) {
    play(KeyScript().tap({KeyI}).tap({KeyZ}).hold({KeyEscape}, 1));
    EXPECT_FALSE(state().instructionsShown);
    EXPECT_EQ(state().instructionPage, 0);
    EXPECT_FALSE(state().quitRequested);

    // Another event while Escape is still held finds the pages closed: quit.
    play(KeyScript().hold({KeyEscape, KeyUp}, 1));
    EXPECT_TRUE(state().quitRequested);
}

TEST_F(TitleKeys, EscapeOnThePagesAndAnotherKeyInOneTurnQuits) {
    play(KeyScript().tap({KeyI}));
    // Two key-down events in the same turn: the first closes, the second quits.
    play(KeyScript().hold({KeyEscape, KeyUp}, 1));
    EXPECT_TRUE(state().quitRequested);
}

TEST_F(TitleKeys, TheWindowCloseButtonEndsTheRunInAnyMode) {
    startPlaying();
    const auto records = play(KeyScript().hold({KeyRight}, 2).closeWindow().idle(5));
    EXPECT_EQ(records.size(), 3u);
    EXPECT_TRUE(state().quitRequested);
    // The turn in which it was pressed still ran to its end.
    EXPECT_EQ(state().mode, PlayMode::Play);
}

TEST_F(TitleKeys, TheFirstTextPhaseLasts360TurnsAndEveryLaterOne361) {
    int turn = 0;
    auto phaseAfter = [&](int turns) {
        for (int i = 0; i < turns; ++i, ++turn) {
            runner().runTurn({});
        }
        return state().titleBlinkPhase;
    };
    EXPECT_EQ(phaseAfter(360), 0);
    EXPECT_EQ(phaseAfter(1), 1);
    EXPECT_EQ(phaseAfter(360), 1);
    EXPECT_EQ(phaseAfter(1), 0);
    EXPECT_EQ(phaseAfter(360), 0);
    EXPECT_EQ(phaseAfter(1), 1);
    EXPECT_EQ(turn, 1083);
}

TEST_F(TitleKeys, ThePagesLeaveTheTitleCountersAlone) {
    play(KeyScript().idle(100));
    const int countdown = state().titleBlinkCountdown;
    play(KeyScript().tap({KeyI}).idle(20));
    EXPECT_EQ(state().titleBlinkCountdown, countdown);
}

using GameOverKeys = GameTest;

TEST_F(GameOverKeys, SOnTheEndScreenGoesStraightToANewGame) {
    startPlaying();
    state().mode = PlayMode::GameOver;
    state().score = 1234;
    state().lives = 0;
    play(KeyScript().idle(3));
    EXPECT_EQ(state().mode, PlayMode::GameOver);

    play(KeyScript().hold({KeyS}, 1));
    EXPECT_EQ(state().mode, PlayMode::Arrival);
    EXPECT_EQ(state().score, 0);
    EXPECT_EQ(state().lives, 3);
    EXPECT_FALSE(state().newGamePending);
}

TEST_F(GameOverKeys, IOnTheEndScreenOpensTheInstructionsAndOtherKeysShowTheTitle) {
    state().mode = PlayMode::GameOver;
    play(KeyScript().tap({KeyI}));
    EXPECT_EQ(state().mode, PlayMode::Title);
    EXPECT_EQ(state().instructionPage, 1);

    start(2);
    state().mode = PlayMode::GameOver;
    play(KeyScript().tap({KeyUp}));
    EXPECT_EQ(state().mode, PlayMode::Title);
    EXPECT_FALSE(state().instructionsShown);
}

TEST_F(GameOverKeys, ASecondGameKeepsTheFacingButResetsTheRest) {
    startPlaying();
    play(KeyScript().hold({KeyRight}, 10).hold({KeyUp}, 4));
    ASSERT_EQ(state().alienFacing, FacingRight);
    state().mode = PlayMode::GameOver;
    play(KeyScript().idle(1).hold({KeyS}, 1));
    EXPECT_EQ(state().alienFacing, FacingRight);
    EXPECT_EQ(state().alienX, 340);
    EXPECT_EQ(state().alienY, 160);
    EXPECT_EQ(state().energy, 145);
    EXPECT_EQ(state().timeUnits, 9999);
    EXPECT_EQ(state().shipY, -225);
    EXPECT_EQ(state().areaHoles.holeLayoutOf[3], 0);
}

}  // namespace
}  // namespace qz::test
