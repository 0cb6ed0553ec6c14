// The turn of the main loop: events, movement, the mode's turn, presenting, pacing.
#pragma once

#include "turn/runtime.h"

namespace qz {

// Starts the clocks a turn is paced by.
void startTurnClock(Runtime& rt);

// One turn; returns false once the player has asked to quit.
bool runTurn(Runtime& rt);

void runMainLoop(Runtime& rt);

}  // namespace qz
