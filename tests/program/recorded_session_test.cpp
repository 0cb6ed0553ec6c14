// Recording a game and playing it back: the replay reaches the recorded
// state, and a damaged or foreign file is refused with one line.
#include "program/session_recorder.h"
#include "program/turn_loop.h"

#include <string>

#include "controls/library_input.h"
#include "harness/recording_sound_board.h"
#include "platform/quit_request.h"
#include "support/game_fixture.h"
#include "support/recorded_game.h"

namespace qz::test {
namespace {

using Recording = GameTest;

TEST_F(Recording, AReplayEndsInTheRecordedStateWhateverTheSoundDeviceDoes) {
    const KeyScript script = KeyScript()
                                 .idle(3)
                                 .tap({KeyS})
                                 .idle(70)
                                 .hold({KeyRight}, 40)
                                 .hold({KeyUp, KeyLeft}, 25)
                                 .tap({KeyX})
                                 .hold({KeyDown}, 10)
                                 .tap({KeyEscape});
    const LoadedSession loaded = parseSession(record(canvas(), 77, script), "test");
    ASSERT_TRUE(loaded.error.empty()) << loaded.error;
    EXPECT_EQ(loaded.session.seed, 77u);

    // Sounds that end at once: only the recorded answers can keep the title's
    // music countdown as it was.
    GameState state = newRun(loaded.session.seed);
    VirtualClock clock;
    ScriptedInput live;
    RecordingSoundBoard sound(clock, {1, 1, 1, 1});
    SessionPlayer player(loaded.session, live, sound);
    Runtime rt{state, canvas(), clock, player, player};
    playToEnd(rt, clock, nullptr, &player);
    EXPECT_TRUE(state.quitRequested);
    EXPECT_EQ(static_cast<std::size_t>(player.turnsPlayed()), loaded.session.turns.size());
    EXPECT_EQ(stateDigestText(state), loaded.session.finalDigest);
    EXPECT_GT(sound.requests().size(), 0u);  // the sounds were still played

    // The digest tells games apart: another seed under the same keys differs.
    const LoadedSession other = parseSession(record(canvas(), 78, script), "test");
    EXPECT_NE(other.session.finalDigest, loaded.session.finalDigest);
}

TEST_F(Recording, AReplayThatGoesAstrayStopsAtTheFirstDigestThatDiffers) {
    const KeyScript script =
        KeyScript().idle(3).tap({KeyS}).idle(70).hold({KeyRight}, 200).hold({KeyUp}, 80).idle(10);
    std::string text = record(canvas(), 12, script);
    // Turn 150 (line 151) walks left instead of right.
    std::size_t line = 0;
    for (int i = 0; i < 150; ++i) {
        line = text.find('\n', line) + 1;
    }
    ASSERT_EQ(text.compare(line, 10, "t P=Right\n"), 0) << text.substr(line, 20);
    text.replace(line, 10, "t D=Left P=Left\n");
    const LoadedSession loaded = parseSession(text, "test");
    ASSERT_TRUE(loaded.error.empty()) << loaded.error;
    ASSERT_EQ(loaded.session.checkpoints.size(), 3u);

    GameState state = newRun(loaded.session.seed);
    VirtualClock clock;
    ScriptedInput live;
    RecordingSoundBoard sound(clock, DefaultSoundLengthsMs);
    SessionPlayer player(loaded.session, live, sound);
    Runtime rt{state, canvas(), clock, player, player};
    const std::string astray = playToEnd(rt, clock, nullptr, &player);
    EXPECT_EQ(player.turnsPlayed(), 200);
    EXPECT_EQ(astray.rfind("the replay went astray by turn 200: the state's digest is " +
                               stateDigestText(state) + ", the recording's " +
                               loaded.session.checkpoints[1].digest,
                           0),
              0u)
        << astray;

    // Replays a changed recording to its end; what the replay says of that end.
    auto endOf = [&](const std::string& changed, std::size_t& recordedTurns) {
        const LoadedSession read = parseSession(changed, "test");
        EXPECT_TRUE(read.error.empty()) << read.error;
        GameState replayed = newRun(read.session.seed);
        SessionPlayer replaying(read.session, live, sound);
        Runtime again{replayed, canvas(), clock, replaying, replaying};
        EXPECT_EQ(playToEnd(again, clock, nullptr, &replaying), "");
        recordedTurns = read.session.turns.size();
        return replaying.endedApart(replayed);
    };
    std::size_t recorded = 0;

    // Escape at turn 50: the game ends long before the first digest.
    std::string quits = record(canvas(), 12, script);
    line = 0;
    for (int i = 0; i < 50; ++i) {
        line = quits.find('\n', line) + 1;
    }
    quits.replace(line, quits.find('\n', line) - line, "t D=Quit P=Quit");
    const std::string early = endOf(quits, recorded);
    EXPECT_EQ(early.rfind("the replayed game ended at turn 50; the recording goes on to turn " +
                              std::to_string(recorded) + " (digest ",
                          0),
              0u)
        << early;

    // A turn after the last digest changed: the end differs, and the line
    // says up to where the replay still agreed.
    std::string late = record(canvas(), 12, script);
    line = late.find('\n', late.rfind("\nc 300 ") + 1) + 1;
    late.replace(line, late.find('\n', line) - line, "t D=Left P=Left");
    const std::string drifted = endOf(late, recorded);
    EXPECT_EQ(drifted.rfind("the replay ended in another state than the recording: its digests "
                            "agreed up to turn 300, and its end at turn " +
                                std::to_string(recorded) + " differs (digest ",
                            0),
              0u)
        << drifted;
}

// A game that closes its window is recorded to its end line, and so is one
// asked to quit from outside the window (a console stopping it on Windows):
// the ask comes through the display library's events as the close does.
TEST_F(Recording, AGameEndedByItsWindowOrFromOutsideIsRecordedToItsEnd) {
    const LoadedSession closed =
        parseSession(record(canvas(), 5, KeyScript().idle(3).closeWindow()), "test");
    EXPECT_TRUE(closed.error.empty()) << closed.error;

    GameState state = newRun(5);
    VirtualClock clock;
    const Bindings bindings = Bindings::defaults();  // kept by the input: it must outlive it
    LibraryInput input;
    input.use(bindings, nullptr, {});
    RecordingSoundBoard sound(clock, DefaultSoundLengthsMs);
    WrittenFile out;
    SessionRecorder recorder(input, sound, out.file(), "a file", 5, [](const std::string&) {});
    Runtime rt{state, canvas(), clock, recorder, recorder};
    TurnLoop loop(rt, &recorder);
    for (int turn = 0; turn < 20; ++turn) {
        playTurn(loop, clock);
    }
    requestQuit();
    int waits = 0;
    while (loop.advance() && ++waits < 100) {
    }
    EXPECT_TRUE(state.quitRequested);
    const LoadedSession asked = parseSession(out.text(), "test");
    EXPECT_TRUE(asked.error.empty()) << asked.error;
    EXPECT_EQ(asked.session.turns.size(), 21u);
}

// 2^31 turns are some 820 days of play: a game left running that long
// still writes its turns' count.
TEST(ReplayFile, ItsLinesCountTurnsPastTheLimitOfAnInt) {
    const std::int64_t turns = std::int64_t{1} << 31;
    const GameState state{};
    EXPECT_EQ(checkpointLine(turns + 100, state).rfind("c 2147483748 ", 0), 0u);
    EXPECT_EQ(endLine(turns, state).rfind("end 2147483648 ", 0), 0u);
}

TEST(ReplayFile, ADamagedOrForeignFileGetsOneLineSayingWhat) {
    const std::string good =
        "quillo-zoruri replay 1 seed 5\nt D=115 P=115,273 s=01\nt O=-\nend 2 "
        "0123456789abcdef\n";
    ASSERT_TRUE(parseSession(good, "f").error.empty()) << parseSession(good, "f").error;
    // Only the game's keys are read back (113 is Q), and a turn that took
    // nothing keeps the keys held before.
    const RecordedSession carried =
        parseSession(
            "quillo-zoruri replay 1 seed 5\nt D=115,113 P=115,273\nt\nend 2 0123456789abcdef\n",
            "f")
            .session;
    ASSERT_EQ(carried.turns.size(), 2u);
    HeldKeys start;
    start.press(GameKey::Start);
    HeldKeys startAndUp = start;
    startAndUp.press(GameKey::Up);
    EXPECT_EQ(carried.turns[0].input,
              (TurnInput{{InputEvent{InputEvent::Type::KeyDown, start}}, startAndUp}));
    EXPECT_EQ(carried.turns[1].input, (TurnInput{{}, startAndUp}));
    // Format 2 says the same in words.
    const LoadedSession words = parseSession(
        "quillo-zoruri replay 2 seed 5\nt D=Start P=Up,Start\nt\nend 2 0123456789abcdef\n", "f");
    ASSERT_TRUE(words.error.empty()) << words.error;
    EXPECT_EQ(words.session.turns[0].input, carried.turns[0].input);
    EXPECT_EQ(words.session.turns[1].input, carried.turns[1].input);
    const std::string mailed =
        "quillo-zoruri replay 1 seed 5\r\nt P=- s=1\r\nend 1 0123456789abcdef\r\n";
    EXPECT_TRUE(parseSession(mailed, "f").error.empty()) << parseSession(mailed, "f").error;
    std::vector<std::pair<std::string, std::string>> bad{
        {"", "f is not a Quillo Zoruri replay"},
        {"\x7f"
         "ELF\x02\x01\x01",
         "f is not a Quillo Zoruri replay"},
        {"quillo-zoruri replay 3 seed 5\n", "format \"3\"; this game reads formats 1 to 2"},
        // Format 2 holds words, not key codes, and a digest every hundred turns.
        {"quillo-zoruri replay 2 seed 5\nt D=115\n", "f: line 2 is damaged"},
        {"quillo-zoruri replay 2 seed 5\nt D=Start,start\n", "f: line 2 is damaged"},
        {"quillo-zoruri replay 2 seed 5\nt P=-\nc 2 0123456789abcdef\n", "line 3 is damaged"},
        {"quillo-zoruri replay 1 seed 5\nt P=-\nc 1 0123456789abcdef\n", "line 3 is damaged"},
        {"quillo-zoruri replay 1 seed -5\n", "f: line 1 is damaged"},
        {"quillo-zoruri replay 1 seed 99999999999\n", "f: line 1 is damaged"},
        {"quillo-zoruri replay 1 seed 5\nt D=115 P=323\n", "f: line 2 is damaged"},
        {"quillo-zoruri replay 1 seed 5\nt D=115,\n", "f: line 2 is damaged"},
        {"quillo-zoruri replay 1 seed 5\nt D=\n", "f: line 2 is damaged"},
        {"quillo-zoruri replay 1 seed 5\nt s=01 D=1\n", "f: line 2 is damaged"},
        {"quillo-zoruri replay 1 seed 5\nt s=2\n", "f: line 2 is damaged"},
        {"quillo-zoruri replay 1 seed 5\nt K=1\n", "f: line 2 is damaged"},
        {"quillo-zoruri replay 1 seed 5\nt P=-\nend 2 0123456789abcdef\n", "line 3 is damaged"},
        {"quillo-zoruri replay 1 seed 5\nend 0 0123456789abcdef\nt P=-\n", "line 3 is damaged"},
        {"quillo-zoruri replay 1 seed 5\nend 0 0123456789ABCDEF\n", "line 2 is damaged"},
        {"quillo-zoruri replay 1 seed 5\nt P=1", "cut short at line 2"},
        {"quillo-zoruri replay 1 seed 5\n", "stops after line 1 without its end line"},
        {"quillo-zoruri replay 1 seed 5\nt P=-\nt O=-\n",
         "stops after line 3 without its end line"},
    };
    // Held no larger than its file: a digest every hundred turns and no
    // more, and no line longer than the game writes.
    std::string hundred = "quillo-zoruri replay 2 seed 5\n";
    for (int turn = 0; turn < CheckpointTurns; ++turn) {
        hundred += "t\n";
    }
    bad.emplace_back(hundred + "c 100 0123456789abcdef\nc 100 0123456789abcdef\n",
                     "line 103 is damaged");
    bad.emplace_back(hundred + "t\nc 101 0123456789abcdef\n", "line 103 is damaged");
    bad.emplace_back("quillo-zoruri replay 2 seed 5\nt" + std::string(1 << 16, ' ') + "\n",
                     "line 2 is damaged");
    for (const auto& [text, said] : bad) {
        const std::string error = parseSession(text, "f").error;
        EXPECT_NE(error.find(said), std::string::npos) << "got: " << error;
        EXPECT_EQ(error.find('\n'), std::string::npos);
    }
}

}  // namespace
}  // namespace qz::test
