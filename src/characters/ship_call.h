// The way home: calling the ship, and the landing that wins the game.
#pragma once

#include "core/game_state.h"

namespace qz {

// At the end of a power animation with the Call Ship request raised. The
// request stays raised for the rest of the game, so every later power
// animation starts the call again.
void startShipCall(GameState& state);

// The ship has come: the call has run down to its last quarter and the zone
// last looked up is the Landing zone (the alien need not still stand in it).
bool shipHasLanded(const GameState& state);

}  // namespace qz
