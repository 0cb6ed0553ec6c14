// What the hidden items and the candy piece keep true at every turn; part of
// the game's invariant checks (tests/harness/invariants.h).
#pragma once

#include <string>
#include <vector>

#include "core/game_state.h"

namespace qz {

// Appends one readable line per broken rule. Checked once a game's items are
// placed, that is once a piece is held or a piece or the flower lies in a hole.
void checkItemInvariants(const GameState& state, std::vector<std::string>& broken);

}  // namespace qz
