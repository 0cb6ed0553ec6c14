// Hole layouts, the layout dealt to each area, and the standing-on-a-hole test.
#pragma once

#include <array>

#include "core/hole_state.h"

namespace qz {

struct GameState;

extern const std::array<HoleLayout, HoleLayoutCount> holeLayouts;

// Deals layouts 1, 2 and 3 to Areas One to Three in random order; Area Four
// keeps layout 0.
void assignHoleLayouts(GameState& state);

// Points selectedLayout/holeCount at the layout of the current area (Areas One to
// Four); other areas leave them as they are.
void selectAreaHoles(GameState& state);

// True when the alien's feet are on a hole of the current selection; sets
// holeIndex on a hit.
bool standingOnHole(GameState& state);

// The holes of the current selection (holeCount of them count).
const std::array<HoleRect, MaxHoles>& selectedHoleRects(const GameState& state);

}  // namespace qz
