// How a game ends: the ship has landed or the last life is gone.
#pragma once

#include "core/game_state.h"

namespace qz {

// The end screen follows from the next turn. A capture running at that
// moment is over: otherwise the scientist's hold would keep the keyboard
// dead on the end screen and the title.
void endGame(GameState& state);

}  // namespace qz
