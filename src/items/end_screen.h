// The end screen: "Game Over", Quillo's face and the final score.
#pragma once

#include "core/game_state.h"
#include "platform/canvas.h"

namespace qz {

void drawEndScreen(Canvas& canvas, std::int64_t score);

// One GameOver turn: the end bonus (added once per game), then the screen.
void gameOverStep(GameState& state, Canvas& canvas);

}  // namespace qz
