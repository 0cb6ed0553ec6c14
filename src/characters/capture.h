// What a catch leads to: the FBI agent takes something back and walks off;
// the scientist carries the alien to Washington DC and lets it go there.
#pragma once

#include "core/game_state.h"

namespace qz {

// Once per Play turn right after the pursuer step, also inside a hole; does
// nothing unless the alien is caught. Draws nothing.
void captureStep(GameState& state);

}  // namespace qz
