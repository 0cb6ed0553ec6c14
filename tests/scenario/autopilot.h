// A player for the long scenarios: each turn it reads the game state and
// holds the keys a player would, so a whole won or lost game is written as
// a goal rather than as thousands of key presses. It only ever presses keys;
// the recorded inputs are the scenario's script.
#pragma once

#include <vector>

#include "core/game_state.h"
#include "harness/scripted_input.h"

namespace qz::test {

// The keys to hold on the way to (x, y) in `area`: towards the area's
// neighbour on the way there first (never through Washington DC, where the
// scientist waits), then straight to the spot. Empty once there.
std::vector<GameKey> walkTowards(const GameState& state, int area, int x, int y);

// Whether the keys steer the alien this turn: in play, with no power
// animation running and Jorrin not reviving it. The players below hold
// nothing when they do not.
bool keysSteer(const GameState& state);

// Going home: fetches each phone piece from its hole, calls the ship from the
// Call Ship zone while a pursuer is about, then waits in the Landing zone,
// keeping out of the pursuer's reach, until the ship lands.
ScriptedTurn playToWin(const GameState& state, const ScriptedTurn& last);

// Losing: stands in a cell of the Forest where Z does nothing but cost
// energy and presses Z until Jorrin has no lives left to give.
ScriptedTurn playToLose(const GameState& state, const ScriptedTurn& last);

}  // namespace qz::test
