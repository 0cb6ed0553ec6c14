// The title screen with its alternating texts, and the three instruction pages.
#pragma once

#include "core/drawing.h"

namespace qz {

constexpr Rgb TitleTextColour{32, 156, 217};

// Phase 0 shows the name and both key hints, phase 1 the credits and the start
// hint; any other phase shows the picture alone.
void drawTitleScreen(Drawing& drawing, int phase);

// Pages 1 to 3; any other page draws nothing and the window keeps what it had.
void drawInstructionPage(Drawing& drawing, int page);

}  // namespace qz
