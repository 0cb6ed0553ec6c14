// The four play modes: each has its turn, and actions run as the game enters
// and leaves it. A turn of the game (turn/game_turn.h) dispatches through
// their table; what a turn shows is left in its record for the presenter.
#pragma once

#include "turn/runtime.h"

namespace qz {

TurnEnd titleTurn(Turn& t);
TurnEnd arrivalTurn(Turn& t);
TurnEnd playTurn(Turn& t);
TurnEnd gameOverTurn(Turn& t);

void enterArrival(Turn& t);
void leaveArrival(Turn& t);

// Runs the turn of the current mode; an unknown mode shows nothing.
TurnEnd runModeTurn(Turn& t);

// After something that may have changed the mode: when it has, runs the
// leave action of `from`, then the enter action of the mode now.
void finishModeChange(Turn& t, PlayMode from);

}  // namespace qz
