// Inside a hole, each turn: what the hole shows, and taking a piece within reach.
#pragma once

#include "core/game_state.h"

namespace qz {

enum class HoleSight { Nothing, Piece1, Piece2, Piece3, FlowerDead, FlowerAlive };

// Looks into the hole the alien is in: a piece within reach (itemInReach) is
// taken, otherwise shown; the flower is shown dead or alive; an Empty hole
// becomes Searched. Gives what to draw.
HoleSight searchHole(GameState& state);

}  // namespace qz
