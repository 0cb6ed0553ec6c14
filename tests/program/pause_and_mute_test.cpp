// The pause and mute keys in the real loop: a paused game runs no turn, and
// a game played with pauses, mutes and a lost focus is recorded turn for turn
// as the same game played straight through, frames included.
#include "program/pause_and_mute.h"

#include <functional>
#include <utility>

#include "harness/recording_sound_board.h"
#include "program/assist_layer.h"
#include "program/session_recorder.h"
#include "program/turn_loop.h"
#include "support/game_fixture.h"
#include "support/recorded_game.h"
#include "turn/new_game.h"

namespace qz::test {
namespace {

class SoundSwitches final : public SoundControls {
  public:
    void pauseAll(bool paused) override { said.push_back(paused ? "pause" : "resume"); }
    void mute(bool muted) override { said.push_back(muted ? "mute" : "unmute"); }
    std::vector<std::string> said;
};

// One turn of live input, and what the game was like when it was read.
struct Tick {
    TurnInput input;
    int alsoIn = -1;  // the tick of the game without pauses that it matches
    std::uint64_t digest = 0;
    std::uint64_t frame = 0;
};

// Called as each tick is read, with its number and the game as it stands.
using TickWatch = std::function<void(std::size_t, GameState&)>;

// Hands out the ticks in order, noting the state and the frame shown as each
// is read; past the end, the window closes.
class TickFeed final : public InputSource {
  public:
    TickFeed(std::vector<Tick>& ticks, GameState& state, Canvas& canvas, TickWatch watch)
        : ticks_(ticks), state_(state), canvas_(canvas), watch_(std::move(watch)) {}
    TurnInput readTurn() override {
        if (next_ == ticks_.size()) {
            return TurnInput{{InputEvent{InputEvent::Type::Quit, {}, Control::None}}, {}};
        }
        if (watch_) {
            watch_(next_, state_);
        }
        Tick& tick = ticks_[next_++];
        tick.digest = stateDigest(state_);
        tick.frame = canvas_.pixelDigest();
        return tick.input;
    }

  private:
    std::vector<Tick>& ticks_;
    GameState& state_;
    Canvas& canvas_;
    TickWatch watch_;
    std::size_t next_ = 0;
};

// The game with the program's keys, and the same game without them, built side by side.
class TwoGames {
  public:
    // A turn of both games.
    void both(const ScriptedTurn& turn) {
        b_.push_back({input(turn)});
        a_.push_back({b_.back().input, static_cast<int>(b_.size()) - 1});
    }
    // A turn of both; in the first, a key-down of `control` comes first, and
    // reaches the game there only when `reaches` (as P does on the title).
    void both(const ScriptedTurn& turn, Control control, bool reaches = false) {
        both(turn);
        const HeldKeys held = a_.back().input.held;
        auto& events = a_.back().input.events;
        events.insert(events.begin(), {InputEvent::Type::KeyDown, held, control});
        if (reaches) {
            b_.back().input.events.insert(b_.back().input.events.begin(),
                                          {InputEvent::Type::KeyDown, held, Control::None});
        }
    }
    // A turn of the first game only: one that pauses, or is paused.
    void onlyFirst(const ScriptedTurn& turn, Control control = Control::None) {
        a_.push_back({input(turn)});
        if (control != Control::None) {
            a_.back().input.events.push_back({InputEvent::Type::KeyDown, {}, control});
        }
    }
    void onlyFirst(const ScriptedTurn& turn, int times) {
        for (int i = 0; i < times; ++i) {
            onlyFirst(turn);
        }
    }
    std::vector<Tick>& first() { return a_; }
    std::vector<Tick>& second() { return b_; }

  private:
    TurnInput input(const ScriptedTurn& turn) {
        keys_.beginTurn(turn);
        return keys_.readTurn();
    }
    ScriptedInput keys_;
    std::vector<Tick> a_, b_;
};

// Plays the ticks from a fresh game, through the program's keys
// and a recorder; the recording's text.
std::string playTicks(Canvas& canvas, std::vector<Tick>& ticks, SoundSwitches& switches,
                      TurnOverlay* overlay = nullptr, TickWatch watch = {}) {
    GameState state;
    state.random.seed(9);
    randomGameSetup(state);
    state.mode = PlayMode::Title;
    VirtualClock clock;
    // Sounds end within a turn, so the paused turns' time changes no answer.
    RecordingSoundBoard sound(clock, {1, 1, 1, 1});
    TickFeed feed(ticks, state, canvas, std::move(watch));
    PauseAndMute controls(feed, switches, true);
    WrittenFile out;
    SessionRecorder recorder(controls, sound, out.file(), "a file", 9, [](const std::string&) {});
    Runtime rt{state, canvas, clock, recorder, recorder};
    rt.overlay = overlay;
    playToEnd(rt, clock, &recorder, nullptr, &controls);
    return out.text();
}

using Pausing = GameTest;

TEST_F(Pausing, AGameWithPausesIsRecordedAndDrawnAsTheSameGameWithout) {
    const ScriptedTurn idle{}, right{{KeyRight}}, up{{KeyUp}}, power{{KeyZ}};
    TwoGames games;
    games.both(idle);
    games.both(ScriptedTurn{{KeyI}});
    games.both(idle, Control::Pause, true);  // on the title, P turns a page
    games.both(idle, Control::Mute);         // M never does
    games.both(ScriptedTurn{{KeyEscape}});
    games.both(ScriptedTurn{{KeyS}});
    for (int i = 0; i < 30; ++i) {
        games.both(idle);
    }
    games.onlyFirst(idle, Control::Pause);  // paused during the Arrival
    games.onlyFirst(idle, 5);
    games.both(idle, Control::Pause);
    for (int i = 0; i < 60; ++i) {
        games.both(right);
    }
    games.onlyFirst(right, Control::Pause);
    const std::size_t pausedFrom = games.first().size();
    games.onlyFirst(right, 99);  // held keys move nothing while paused
    games.both(right, Control::Pause);
    for (int i = 0; i < 30; ++i) {
        games.both(up);
    }
    games.both(power, Control::Mute);
    games.onlyFirst(idle, Control::FocusLost);
    games.onlyFirst(idle, 10);  // regaining the focus does not resume
    games.both(idle, Control::Pause);
    for (int i = 0; i < 20; ++i) {
        games.both(right);
    }

    SoundSwitches paused, straight;
    const std::string withPauses = playTicks(canvas(), games.first(), paused);
    const std::string without = playTicks(canvas(), games.second(), straight);
    EXPECT_NE(without.find("\nc 100 "), std::string::npos);
    EXPECT_EQ(withPauses, without);
    EXPECT_EQ(paused.said, (std::vector<std::string>{"mute", "pause", "resume", "pause", "resume",
                                                     "unmute", "pause", "resume"}));
    EXPECT_TRUE(straight.said.empty());

    // A hundred turns paused, from the one that pauses up to the one that
    // resumes: the state stands still, and so does the frame, which shows
    // the pause.
    const std::vector<Tick>& a = games.first();
    for (std::size_t i = pausedFrom; i <= pausedFrom + 99; ++i) {
        ASSERT_EQ(a[i].digest, a[pausedFrom - 1].digest) << "paused tick " << i - pausedFrom;
        ASSERT_EQ(a[i].frame, a[pausedFrom].frame);
    }
    EXPECT_NE(a[pausedFrom].frame, a[pausedFrom - 1].frame);
    // Every turn both games played starts from the same state and, but just
    // after a pause, the same frame.
    const std::vector<Tick>& b = games.second();
    int compared = 0;
    for (std::size_t i = 1; i < a.size(); ++i) {
        if (a[i].alsoIn < 0) {
            continue;
        }
        const Tick& same = b[static_cast<std::size_t>(a[i].alsoIn)];
        EXPECT_EQ(a[i].digest, same.digest) << "tick " << i;
        if (a[i - 1].alsoIn >= 0) {
            EXPECT_EQ(a[i].frame, same.frame) << "tick " << i;
            ++compared;
        }
    }
    EXPECT_GT(compared, 140);
}

// The map key let go, or the focus lost, while the game is paused still
// takes the map away: the pause holds the game's turns, not the program's keys.
TEST_F(Pausing, TheMapGoesWhenItsKeyIsLetGoOrTheFocusLostDuringAPause) {
    const ScriptedTurn idle{};
    for (const bool focus : {false, true}) {
        TwoGames games;
        games.both(ScriptedTurn{{KeyS}});
        games.onlyFirst(idle, 5);
        games.onlyFirst(idle, Control::Map);
        games.onlyFirst(idle, focus ? Control::FocusLost : Control::Pause);
        games.onlyFirst(idle, focus ? Control::None : Control::MapReleased);
        games.onlyFirst(idle, Control::Pause);
        games.onlyFirst(idle, 3);
        RecordingAssistSounds sounds;
        AssistLayer layer(sounds);
        SoundSwitches switches;
        playTicks(canvas(), games.first(), switches, &layer);
        EXPECT_EQ(switches.said, (std::vector<std::string>{"pause", "resume"})) << focus;
        EXPECT_FALSE(layer.mapShown()) << (focus ? "the focus went" : "the key came up");
    }
}

// The help layer stands still with the game: what it told of the last turn
// played is not told again while paused, and its line runs on from where the
// pause found it.
TEST_F(Pausing, APauseFreezesTheHelpLayerWithTheGame) {
    const ScriptedTurn idle{};
    TwoGames games;
    games.onlyFirst(ScriptedTurn{{KeyS}});
    games.onlyFirst(idle, 80);
    const std::size_t collapse = games.first().size();
    games.onlyFirst(idle);
    games.onlyFirst(idle, Control::Pause);
    const std::size_t pausedFrom = games.first().size() - 1;
    games.onlyFirst(idle, 99);
    const std::size_t resumed = games.first().size();
    games.onlyFirst(idle, Control::Pause);
    games.onlyFirst(idle, 2 * AssistLineTurns);

    RecordingAssistSounds sounds;
    AssistLayer layer(sounds);
    std::vector<std::string> lines;        // shown as each tick is read
    std::vector<std::size_t> soundsHeard;  // played by then
    auto watch = [&](std::size_t tick, GameState& state) {
        if (tick == collapse) {
            ASSERT_EQ(state.mode, PlayMode::Play);
            state.energy = 0;  // the alien collapses in this turn: Jorrin comes
        }
        lines.push_back(layer.line());
        soundsHeard.push_back(sounds.played.size());
    };
    SoundSwitches switches;
    playTicks(canvas(), games.first(), switches, &layer, watch);
    ASSERT_EQ(switches.said, (std::vector<std::string>{"pause", "resume"}));

    EXPECT_EQ(sounds.played, std::vector<AssistSound>{AssistSound::JorrinComing});
    EXPECT_EQ(soundsHeard[pausedFrom], 1u) << "the sound came before the pause";
    ASSERT_FALSE(lines[pausedFrom].empty());
    // The line shows after as many turns of the game as it would without the pause.
    int shownAfterPlayedTurns = 0;
    for (std::size_t tick = collapse; tick + 1 < lines.size(); ++tick) {
        const bool played = tick < pausedFrom || tick >= resumed;
        shownAfterPlayedTurns += played && !lines[tick + 1].empty() ? 1 : 0;
    }
    EXPECT_EQ(shownAfterPlayedTurns, AssistLineTurns);
    EXPECT_FALSE(lines[resumed + 1].empty()) << "the line ran out during the pause";
}

}  // namespace
}  // namespace qz::test
