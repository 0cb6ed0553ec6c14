// The area map: how the six areas join at their edges, and the area's name.
#pragma once

#include <string>

#include "core/game_state.h"

namespace qz {

enum class Edge { Top = 0, Bottom = 1, Left = 2, Right = 3 };

// The neighbour reached through an edge; the areas join like the faces of a
// cube. The hole screen has no neighbours and gives itself back.
AreaId neighbourArea(int area, Edge edge);

// True on the eight edges crossed with a quarter turn, where the position is
// turned as well as moved.
bool isQuarterTurnEdge(int area, Edge edge);

// "Forest", "Area One", ... "Washington DC"; empty for the hole screen.
std::string areaName(int area);

// Walks the alien off an edge: puts it at the re-entry line, moves it to the neighbour and turns
// its position on the eight quarter-turn edges. Costs nothing and runs no hit test.
void crossEdge(GameState& state, Edge edge);

}  // namespace qz
