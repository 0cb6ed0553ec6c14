// The assist layer's map: the six areas as the faces of the cube they form,
// the one underfoot marked, and the edge the alien is nearest to lit. It
// shows no hole and no zone: finding those is the game.
#pragma once

#include "core/drawing.h"
#include "core/game_state.h"
#include "world/area_map.h"

namespace qz {

// Where the alien is drawn: inside a hole, on the hole's own screen.
Point alienDrawnAt(const GameState& state);

// The edge of its area the alien stands nearest to.
Edge nearestEdge(const GameState& state);

// The map, on the half of the play field the alien is not in.
void drawAreaMap(Drawing& drawing, const GameState& state);

}  // namespace qz
