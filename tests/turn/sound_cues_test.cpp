// Which sound plays on which channel, at what volume, and when it restarts.
#include "core/sound_cues.h"

#include "support/game_fixture.h"

namespace qz::test {
namespace {

using SoundCues = GameTest;

std::vector<int> themeStarts(const std::vector<TurnOutcome>& records) {
    std::vector<int> turns;
    for (const TurnOutcome& r : records) {
        for (const std::string& s : r.sounds) {
            if (s == "play 4 3") {
                turns.push_back(r.turn);
            }
        }
    }
    return turns;
}

TEST_F(SoundCues, TheThemeRestartsEvery1001TurnsAndAShortOneWaitsInSilence) {
    // The theme lasts 25 s here, less than the 1001 turns of the countdown.
    const auto records = play(KeyScript().idle(2100));
    // A start on a silent channel does not set the countdown; the restart on
    // the playing channel in the next turn does.
    EXPECT_EQ(themeStarts(records), (std::vector<int>{1, 2, 1003, 1004, 2005, 2006}));
    EXPECT_EQ(records[0].sounds, (std::vector<std::string>{"volume -1 50", "play 4 3"}));
    // The restart keeps the channel's volume and sets nothing.
    EXPECT_EQ(records[1].sounds, (std::vector<std::string>{"play 4 3"}));
    EXPECT_EQ(records[1002].sounds, (std::vector<std::string>{"volume -1 50", "play 4 3"}));
    EXPECT_TRUE(records[900].sounds.empty()) << "silence after a short theme";
}

TEST_F(SoundCues, AThemeLongerThanTheCountdownIsCutOffAndRestartedEvery1001Turns) {
    ScenarioRunner longTheme(canvas(), 1, {3000, 1000, 400, 60000});
    const auto records = longTheme.run(KeyScript().idle(2010));
    EXPECT_EQ(themeStarts(records), (std::vector<int>{1, 2, 1003, 2004}));
    EXPECT_EQ(records[1002].sounds, (std::vector<std::string>{"play 4 3"}));
}

TEST_F(SoundCues, STheThemeStopsAtOnceAndTheShipHumsFromTheNextTurn) {
    play(KeyScript().idle(30));
    const int countdown = state().themeCountdown;
    const auto sTurn = runner().runTurn(ScriptedTurn{{KeyS}});
    EXPECT_EQ(sTurn.sounds, (std::vector<std::string>{"halt 4 0"}));
    EXPECT_FALSE(runner().sound().playing(ChannelTheme));
    EXPECT_EQ(state().themeCountdown, countdown) << "the countdown carries over to the next title";

    const auto firstShipTurn = runner().runTurn({});
    EXPECT_EQ(firstShipTurn.sounds, (std::vector<std::string>{"volume -1 50", "play 0 0"}));
}

TEST_F(SoundCues, TheShipHumRepeatsThroughTheArrivalAndFadesInPlay) {
    runner().runTurn(ScriptedTurn{{KeyS}});
    int ufoPlays = 0;
    while (state().mode == PlayMode::Arrival) {
        for (const auto& s : runner().runTurn({}).sounds) {
            ufoPlays += s == "play 0 0";
        }
    }
    // 3 s of hum over the 4.4 s of the sequence: it starts twice.
    EXPECT_EQ(ufoPlays, 2);
    const auto play1 = runner().runTurn({});
    const auto play2 = runner().runTurn({});
    EXPECT_EQ(play1.sounds, (std::vector<std::string>{"fade 0 300"}));
    EXPECT_EQ(play2.sounds, (std::vector<std::string>{"fade 0 300"}));
}

TEST(SoundCueRule, ABusyChannelIsNotRestartedAndNothingIsSetForIt) {
    VirtualClock clock;
    RecordingSoundBoard board(clock, DefaultSoundLengthsMs);
    // Each call a turn of its own, its requests carried out as the turn ends.
    const auto playWhenSilent = [&board](int channel, Sound sound) {
        CueList cues;
        cues.restart(&board);
        qz::playWhenSilent(cues, channel, sound);
        for (const Cue& cue : cues.cues()) {
            carryOut(cue, board);
        }
    };
    playWhenSilent(ChannelCandy, Sound::Candy);
    clock.advance(399);
    playWhenSilent(ChannelCandy, Sound::Candy);
    EXPECT_EQ(board.plays(Sound::Candy), 1);
    clock.advance(1);
    playWhenSilent(ChannelCandy, Sound::Candy);
    EXPECT_EQ(board.plays(Sound::Candy), 2);
    EXPECT_EQ(board.volume(), CueVolume);
    // Another channel is not held up by a busy one.
    playWhenSilent(ChannelDrop, Sound::Drop);
    EXPECT_EQ(board.plays(Sound::Drop), 1);
}

}  // namespace
}  // namespace qz::test
