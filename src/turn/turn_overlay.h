// What may watch the game's turns from outside the rules: it sees the state
// as a turn starts and as it ends, and may draw over the frame before it is
// shown. It changes no state, so a game runs the same with one or without.
#pragma once

#include "controls/turn_input.h"
#include "core/drawing.h"
#include "core/game_state.h"

namespace qz {

class TurnOverlay {
  public:
    virtual ~TurnOverlay() = default;
    // The turn's input is read; nothing of the turn has run yet.
    virtual void inputRead(const GameState& state, const TurnInput& input) = 0;
    // The turn has run and drawn its frame, which is about to be shown.
    virtual void turnEnds(const GameState& state, Drawing& drawing) = 0;
    // A turn that the game did not run, being paused: its input still holds
    // the program's own keys and the window's focus, which the overlay may follow.
    virtual void turnSkipped(const TurnInput& input) = 0;
};

}  // namespace qz
