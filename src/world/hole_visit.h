// The alien's visit inside a hole: falling in, the fall, the moves down
// there, levitation, leaving, the reach test and the pose it is drawn in.
#pragma once

#include <optional>

#include "world/area_id.h"

namespace qz {

struct GameState;

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
    int areaBeforeHole = Forest;
    int holeX = 340;
    int holeY = HoleTopLimit;
    bool holeLanded = false;
    bool levitating = false;
    bool itemInReach = false;
    int contentsRow = 0;  // row of the hole-contents table: AreaOne 0 .. AreaFour 3
};

// Every field by name, for the replay record; a new field goes here too
// (frame/replay/state_fields.cpp counts them at compile time).
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

// Time units: a rising step and each turn of levitation.
constexpr int LevitationCost = 50;
constexpr int FallStepCost = 20;

// X on a hole. The contents row is taken from the area fallen from, so the
// hole never shows another area's contents.
void dropIntoHole(GameState& state);

// X inside a hole: levitation stays on until the alien leaves.
void startLevitation(GameState& state);

// The arrows inside a hole; each gives the time units it costs, which every
// press pays, moved or not. Up at the top leaves the hole.
int holeStepUp(GameState& state);
int holeStepDown(GameState& state);
int holeStepLeft(GameState& state);
int holeStepRight(GameState& state);

// Back to the area fallen from, at the outdoor position, on the same hole.
void leaveHole(GameState& state);

// One turn of the fall, while it lasts: the time units it cost (nothing on
// the landing turn). Gives nothing once landed.
std::optional<int> fallStep(GameState& state);

// Whether a phone piece of this hole is within the alien's reach: the window
// starts at x 150 and is 25, 35 or 45 wide for pieces 1, 2 and 3.
bool itemInReachTest(const GameState& state);

// What the alien looks like inside the hole this turn, in drawing order.
struct HoleAlienPose {
    std::optional<int> powerFrame;       // head-bob of a power animation carried in
    std::optional<int> walkFrame;        // walking sprite with this animation count
    std::optional<int> levitationFrame;  // head-bob of the levitation pose
    int timeUnits = 0;                   // levitation's cost this turn
};

// Advances the counters the pose uses. The carried power animation and the
// levitation pose share powerAnim, so the animation cannot finish in here.
HoleAlienPose holeAlienPose(GameState& state);

}  // namespace qz
