// The four play modes: each has its turn, and actions run as the game enters
// and leaves it. The main loop dispatches through their table and alone
// presents and paces.
#pragma once

#include <cstdint>

#include "turn/runtime.h"

namespace qz {

// How a mode's turn ends: whether the main loop presents the frame, how long
// it then holds it, and whether it paces the turn to its 33 ms.
struct TurnEnd {
    bool present;
    std::uint32_t holdMs;
    bool pace;
};
constexpr TurnEnd PresentAndPace{true, 0, true};
constexpr TurnEnd NothingShown{false, 0, false};

TurnEnd titleTurn(Runtime& rt);
TurnEnd arrivalTurn(Runtime& rt);
TurnEnd playTurn(Runtime& rt);
TurnEnd gameOverTurn(Runtime& rt);

void enterArrival(Runtime& rt);
void leaveArrival(Runtime& rt);

// Runs the turn of the current mode; an unknown mode shows nothing.
TurnEnd runModeTurn(Runtime& rt);

// After something that may have changed the mode: when it has, runs the
// leave action of `from`, then the enter action of the mode now.
void finishModeChange(Runtime& rt, PlayMode from);

}  // namespace qz
