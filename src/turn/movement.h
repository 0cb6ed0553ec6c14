// The movement step: five pixels per held arrow per turn, edges, and the drop.
#pragma once

#include "controls/turn_input.h"
#include "core/cue_list.h"
#include "core/game_state.h"

namespace qz {

// Runs once per turn after the events, only while energy is above 0 and not in
// the Arrival: the blocks Up, Down, Left, Right, X in that order, each seeing
// what the earlier ones did.
void movementStep(GameState& state, HeldKeys held, CueList& sound);

// The hit tests of the area the alien is in, after an ordinary step.
void runHitTests(GameState& state, CueList& sound);

}  // namespace qz
