// The alien's visit inside a hole: falling in, the fall, the moves down
// there, levitation, leaving, the reach test and the pose it is drawn in.
#pragma once

#include <optional>

#include "core/game_state.h"

namespace qz {

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
    std::optional<int> powerCellX;       // head-bob of a power animation carried in
    std::optional<DrawCount> walkCount;  // walking sprite with this animation count
    std::optional<int> levitationCellX;  // head-bob of the levitation pose
    int timeUnits = 0;                   // levitation's cost this turn
};

// Advances the counters the pose uses. The carried power animation and the
// levitation pose share powerAnim, so the animation cannot finish in here.
HoleAlienPose holeAlienPose(GameState& state);

}  // namespace qz
