// One turn of the game's rules: its events, movement and the mode's turn
// filling its record. The presenter (turn/presenter.h) carries the record
// out; the loop of turns is the program's (program/turn_loop.h).
#pragma once

#include "turn/runtime.h"

namespace qz {

// Starts the clocks a turn is paced by: before anything else of the turn,
// so its input read counts in its 33 ms.
void startPacing(Runtime& rt);

// A turn's rules, from reading its input to a filled record for the
// presenter, once its pacing has started; false when the pictures could not
// be read and nothing is shown.
bool fillTurn(Runtime& rt);

}  // namespace qz
