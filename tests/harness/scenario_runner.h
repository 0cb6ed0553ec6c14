// Replays a game headless: a seed and a per-turn key script in, a per-turn
// record of the state and the sound requests out, frames on request.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "core/state_fields.h"
#include "harness/recording_sound_board.h"
#include "harness/scripted_input.h"
#include "program/turn_loop.h"
#include "turn/runtime.h"

namespace qz {

struct TurnOutcome {
    int turn = 0;
    std::uint32_t ticks = 0;   // virtual time at the end of the turn
    std::uint32_t turnMs = 0;  // virtual time the turn took
    ScriptedTurn input;
    std::vector<FieldValue> state;  // at the end of the turn
    std::vector<std::string> sounds;
    std::vector<std::string> brokenInvariants;  // checkInvariants at the end of the turn
    bool operator==(const TurnOutcome&) const = default;
};

// Sound lengths the recording board assumes, in milliseconds, by Sound.
constexpr std::array<std::uint32_t, SoundCount> DefaultSoundLengthsMs{3000, 1000, 400, 25000};

// Sleeps a wait out on a test's clock, which wakes exactly on time.
inline void sleepFor(SleepingClock& clock, Wait wait) {
    clock.delayMicroseconds(wait.us);
}
// Plays the loop's next turn to its end, sleeping through its waits.
void playTurn(TurnLoop& loop, SleepingClock& clock);
// Plays the game to its end as the program does, sleeping through the
// loop's waits; the loop's astray().
std::string playToEnd(Runtime& rt, SleepingClock& clock, SessionRecorder* recorder,
                      SessionPlayer* player, PauseAndMute* controls = nullptr);

class ScenarioRunner {
  public:
    // Starts the run as the game does: the generator seeded, the random set-up, Title.
    ScenarioRunner(Canvas& canvas, unsigned seed,
                   std::array<std::uint32_t, SoundCount> soundLengthsMs = DefaultSoundLengthsMs);

    TurnOutcome runTurn(const ScriptedTurn& input);
    // Runs one turn and records nothing: for long runs that look at the
    // state themselves.
    void step(const ScriptedTurn& input);
    // Runs the script until it ends or the player quits.
    std::vector<TurnOutcome> run(const KeyScript& script);

    // After every turn, copies the state out, wipes it and copies it back:
    // a run must not tell the difference, as the state is plain data.
    void restoreEveryTurn(bool restore) { restoreEveryTurn_ = restore; }

    // Writes the frame after every turn to <folder>/turn-NNNNN.bmp.
    void dumpFramesTo(const std::string& folder) { dumpFolder_ = folder; }

    GameState& state() { return state_; }
    VirtualClock& clock() { return clock_; }
    RecordingSoundBoard& sound() { return sound_; }
    ScriptedInput& input() { return input_; }
    Runtime& runtime() { return runtime_; }
    int turnsRun() const { return turn_; }
    unsigned seed() const { return seed_; }

  private:
    GameState state_;
    VirtualClock clock_;
    ScriptedInput input_;
    RecordingSoundBoard sound_;
    Runtime runtime_;
    TurnLoop loop_{runtime_};
    std::string dumpFolder_;
    unsigned seed_;
    int turn_ = 0;
    bool restoreEveryTurn_ = false;
};

}  // namespace qz
