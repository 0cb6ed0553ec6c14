// The key-press handler: one call per key-down event, reading the held keys.
#pragma once

#include "controls/turn_input.h"
#include "core/game_state.h"

namespace qz {

// The event only says that some key went down; every test here reads the
// keys held as it was taken. Called only while walking is allowed.
void handleKeyPress(GameState& state, HeldKeys held);

}  // namespace qz
