// The four play modes and their turns; the main loop dispatches through a table.
#pragma once

#include "turn/runtime.h"

namespace qz {

// How a mode's turn ends: the main loop presents and paces, or the turn has
// done what it needs itself (the Arrival's own pacing, its reset turn).
enum class TurnEnd { PresentAndPace, Done };

TurnEnd titleTurn(Runtime& rt);
TurnEnd arrivalTurn(Runtime& rt);
TurnEnd playTurn(Runtime& rt);
TurnEnd gameOverTurn(Runtime& rt);

// Runs the turn of the current mode; an unknown mode does nothing.
TurnEnd runModeTurn(Runtime& rt);

}  // namespace qz
