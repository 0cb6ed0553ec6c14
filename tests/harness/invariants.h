// What must hold of the game state after every turn, checked by the replays
// (and by anything else that drives turns, such as a soak run).
#pragma once

#include <string>
#include <vector>

#include "core/game_state.h"

namespace qz {

// The invariants the state breaks, one readable line each; empty when all hold.
std::vector<std::string> checkInvariants(const GameState& state);

}  // namespace qz
