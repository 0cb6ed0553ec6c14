// The alien's visit inside a hole: its position there, the fall and levitation flags.
#pragma once

#include "world/area_id.h"

namespace qz {

// holeX/holeY are the alien's position on the inside-of-hole screen, which
// has its own coordinates; the outdoor position is kept untouched while
// inside. They return to (340, 20) each time the alien leaves a hole.
struct HoleVisit {
    int areaBeforeHole = Forest;
    int holeX = 340;
    int holeY = 20;
    bool holeLanded = false;
    bool levitating = false;
    bool itemInReach = false;
    int contentsRow = 0;  // row of the hole-contents table: AreaOne 0 .. AreaFour 3
};

}  // namespace qz
