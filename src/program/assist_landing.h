// A won game as the assist layer shows it: the ship comes down over the
// alien, its beam lifts it aboard and it rises away; then the end screen
// says where the alien is going, with its happiest face.
#pragma once

#include "core/drawing.h"
#include "core/game_state.h"

namespace qz {

// Three seconds of turns.
constexpr int LandingTurns = 90;

// Turn `turn` (0..LandingTurns-1) of the landing, over the whole window.
void drawLanding(Drawing& drawing, const GameState& state, int turn);

// Over the end screen the game has drawn: the won game's line and face.
void drawHomeEndScreen(Drawing& drawing);

}  // namespace qz
