// The four play modes: each has its turn, and actions run as the game enters
// and leaves it. A turn of the game (turn/game_turn.h) dispatches through
// their table; what a turn shows is left in its record for the presenter.
#pragma once

#include "turn/runtime.h"

namespace qz {

FrameEnd titleTurn(RulesView& t);
FrameEnd arrivalTurn(RulesView& t);
FrameEnd playTurn(RulesView& t);
FrameEnd gameOverTurn(RulesView& t);

void enterArrival(RulesView& t);
void leaveArrival(RulesView& t);

// Runs the turn of the current mode; an unknown mode shows nothing.
FrameEnd runModeTurn(RulesView& t);

// After something that may have changed the mode: when it has, runs the
// leave action of `from`, then the enter action of the mode now.
void finishModeChange(RulesView& t, PlayMode from);

}  // namespace qz
