// One turn of the game: its events, movement and the mode's turn filling its
// record, then the presenter: its frame shown, held and paced. The loop of
// turns is the program's (program/turn_loop.h).
#pragma once

#include "turn/runtime.h"

namespace qz {

// Starts the clocks a turn is paced by.
void startPacing(Runtime& rt);

// A turn's rules, from reading its input to a filled record for the
// presenter; false when the pictures could not be read and nothing is shown.
bool fillTurn(Runtime& rt);

// One whole turn, its record carried out; false once the player has asked to quit.
bool runTurn(Runtime& rt);

}  // namespace qz
