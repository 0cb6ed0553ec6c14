// The title screen with its alternating texts, and the three instruction pages.
#pragma once

#include "platform/canvas.h"

namespace qz {

constexpr Rgb TitleTextColour{32, 156, 217};

// Phase 0 shows the name and both key hints, phase 1 the credits and the start
// hint; any other phase shows the picture alone.
void drawTitleScreen(Canvas& canvas, int phase);

// Pages 1 to 3; any other page draws nothing and the window keeps what it had.
void drawInstructionPage(Canvas& canvas, int page);

}  // namespace qz
