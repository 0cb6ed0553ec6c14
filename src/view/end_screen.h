// The end screen: "Game Over", Quillo's face and the final score.
#pragma once

#include <cstdint>

#include "core/drawing.h"

namespace qz {

void drawEndScreen(Drawing& drawing, std::int64_t score);

}  // namespace qz
