// The browser build's own surfaces and fonts. Its display library keeps
// surfaces as page canvases, ignores colour keys and draws the browser's
// fonts, so the game draws into plain memory instead, in the native frame's
// format, and writes its texts from glyph atlases of the real font.
#pragma once

#include "platform/atlas_font.h"

struct SDL_Surface;

namespace qz {

// A w x h surface in memory, three bytes a pixel as the native frame holds
// them (blue, green, red); black. Freed with freeSurface.
SDL_Surface* makeMemorySurface(int w, int h);

// Reads a 24-bit bitmap into a memory surface; null when it cannot.
SDL_Surface* readBitmap(const char* path);

}  // namespace qz
