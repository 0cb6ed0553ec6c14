// Setting up a game: the random placement and the new-game reset.
#pragma once

#include "core/game_state.h"

namespace qz {

// The random placement of a game, in the order that consumes the random
// numbers: hole layouts, the hidden items, the power zones, then the candy.
// Runs at start-up and in every new-game reset.
void randomGameSetup(GameState& state);

// Starts a game from GameState's start values but for what a new game carries
// over (the alien's facing, the title counters, the random generator, ...),
// and runs the random placement.
void newGameReset(GameState& state);

}  // namespace qz
