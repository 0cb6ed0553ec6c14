// The candy piece: laying it, picking it up by walking over it, drawing it,
// and eating a carried piece for energy. Its fields are CandyState.
#pragma once

#include <optional>

#include "core/cue_list.h"
#include "core/game_state.h"

namespace qz {

// A new place and area for the piece; its look stays.
void layCandy(GameState& state);

// Counts the touched piece and lays the next one, with a new look.
void respawnCandy(GameState& state);

// Whether the alien's feet are on the piece. The reach is lopsided: facing
// right it reaches 32 pixels further. Facing left, a touch also crunches.
bool candyTouchTest(const GameState& state, CueList& sound);

struct CandySight {
    int x;
    int y;
    int look;
};

// One Play turn of the piece: a touched piece is counted and replaced (and
// not drawn); otherwise gives the piece to draw when it lies in this area.
std::optional<CandySight> candyStep(GameState& state);

// The Eat Candy effect: one carried piece becomes 45 energy (up to the
// ceiling). Clears the request and the effect either way.
void eatCandyPiece(GameState& state);

}  // namespace qz
