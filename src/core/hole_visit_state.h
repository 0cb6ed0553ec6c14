// The alien's visit inside a hole: the hole screen's limits and the visit's
// fields of the game state.
#pragma once

#include "core/area_id.h"

namespace qz {

// The inside-of-hole screen's limits. Up at or above HoleTopLimit leaves the
// hole; walking stops at the side limits; levitating down stops at the bottom.
constexpr int HoleLeftLimit = 75;
constexpr int HoleRightLimit = 665;
constexpr int HoleTopLimit = 20;
constexpr int HoleBottomLimit = 334;

// holeX/holeY are the alien's position on the inside-of-hole screen, which
// has its own coordinates; the outdoor position is kept untouched while
// inside. They return to (340, 20) each time the alien leaves a hole.
struct HoleVisit {
    AreaId areaBeforeHole = Forest;
    int holeX = 340;
    int holeY = HoleTopLimit;
    bool holeLanded = false;
    bool levitating = false;
    bool itemInReach = false;
    int contentsRow = 0;  // row of the hole-contents table: AreaOne 0 .. AreaFour 3
};

// Every field by name, for the replay record; a new field goes here too
// (core/state_fields.cpp counts them at compile time).
template <class F>
constexpr void forEachField(const HoleVisit& s, F&& f) {
    f("areaBeforeHole", s.areaBeforeHole);
    f("holeX", s.holeX);
    f("holeY", s.holeY);
    f("holeLanded", s.holeLanded);
    f("levitating", s.levitating);
    f("itemInReach", s.itemInReach);
    f("contentsRow", s.contentsRow);
}

}  // namespace qz
