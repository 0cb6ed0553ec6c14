// The items as they are drawn: candy, the call-time indicator and what lies
// on the floor of a hole.
#pragma once

#include "core/drawing.h"
#include "items/hole_search.h"

namespace qz {

// The picture for a look, or null for the many looks that show nothing.
const Picture* candyPicture(int look);

void drawCandy(Drawing& drawing, int x, int y, int look);

// The indicator for 4..0 quarters of call time left, at (100, 10).
void drawTimeIndicator(Drawing& drawing, int quarter);

void drawHoleSight(Drawing& drawing, HoleSight sight);

// Phone piece 1..3 lying on the floor of the hole.
void drawPhonePiece(Drawing& drawing, int piece);

}  // namespace qz
