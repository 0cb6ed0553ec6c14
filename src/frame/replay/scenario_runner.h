// Replays a game headless: a seed and a per-turn key script in, a per-turn
// record of the state and the sound requests out, frames on request.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "frame/game_state.h"
#include "frame/replay/recording_sound_board.h"
#include "frame/replay/scripted_input.h"
#include "frame/runtime.h"

namespace qz {

// The fields that make up the play, in one line; two runs that agree on
// every line played the same game.
std::string describeState(const GameState& state);

struct TurnRecord {
    int turn = 0;
    std::uint32_t ticks = 0;  // virtual time at the end of the turn
    std::string state;
    std::vector<std::string> sounds;
};

// Sound lengths the recording board assumes, in milliseconds, by Sound.
constexpr std::array<std::uint32_t, SoundCount> DefaultSoundLengthsMs{3000, 1000, 400, 25000};

class ScenarioRunner {
  public:
    // Starts the run as the game does: srand(seed), the random set-up, Title.
    ScenarioRunner(Canvas& canvas, unsigned seed,
                   std::array<std::uint32_t, SoundCount> soundLengthsMs = DefaultSoundLengthsMs);

    TurnRecord runTurn(const TurnInput& input);
    // Runs the script until it ends or the player quits.
    std::vector<TurnRecord> run(const KeyScript& script);

    // Writes the frame after every turn to <folder>/turn-NNNNN.bmp.
    void dumpFramesTo(const std::string& folder) { dumpFolder_ = folder; }

    GameState& state() { return state_; }
    VirtualClock& clock() { return clock_; }
    RecordingSoundBoard& sound() { return sound_; }
    Runtime& runtime() { return runtime_; }
    int turnsRun() const { return turn_; }

  private:
    GameState state_;
    VirtualClock clock_;
    ScriptedInput input_;
    RecordingSoundBoard sound_;
    Runtime runtime_;
    std::string dumpFolder_;
    int turn_ = 0;
};

// One number for a whole run, for golden checks.
std::uint64_t digestOf(const std::vector<TurnRecord>& records);

}  // namespace qz
