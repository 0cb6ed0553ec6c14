// The program's own keys, between the player and the game: the pause key
// stops the Arrival and Play where they are, the mute key silences every
// sound, and the window losing its focus pauses too when the settings say so.
// While the game is paused no turn of it runs: nothing moves, no time passes
// in it, and a recording holds no paused turn.
#pragma once

#include "controls/keyboard.h"
#include "core/play_mode.h"
#include "platform/sound_board.h"
#include "turn/runtime.h"

namespace qz {

class PauseAndMute final : public InputSource {
  public:
    PauseAndMute(InputSource& live, SoundControls& sound, bool pauseOnFocusLoss)
        : live_(live), sound_(sound), pauseOnFocusLoss_(pauseOnFocusLoss) {}

    enum class Tick {
        Play,    // the game's turn runs, with the input readTurn hands it
        Paused,  // no turn of the game: show the paused frame
        Quit,    // the window was closed, or Quit asked for, while paused
    };
    // Reads the live input at the start of a turn in `mode`. The mute key
    // never reaches the game, nor does the pause key where it pauses.
    Tick tick(PlayMode mode);
    TurnInput readTurn() override { return next_; }

    bool paused() const { return paused_; }
    bool muted() const { return muted_; }

  private:
    void setPaused(bool paused);

    InputSource& live_;
    SoundControls& sound_;
    bool pauseOnFocusLoss_;
    bool paused_ = false;
    bool muted_ = false;
    TurnInput next_;
};

// Fills the record of a turn of the paused game: its last frame with
// "Paused" in the middle, presented and paced like any turn. It is no turn
// of the game, so the help layer stands still with it.
void fillPausedTurn(Runtime& rt);

}  // namespace qz
