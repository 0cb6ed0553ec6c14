// The rules the hidden items and the candy piece keep at every turn, checked
// by the tests and the invariant checks of the replays.
#pragma once

#include <string>

#include "frame/game_state.h"

namespace qz {

// Empty when the items are sound; otherwise the first broken rule, in words.
std::string itemInvariantFault(const GameState& state);

}  // namespace qz
