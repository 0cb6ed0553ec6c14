// A font drawn from its glyph atlas, where the native font library is not
// there to draw it (the browser, Windows): the atlas of one size.
#pragma once

#include "platform/glyph_atlas.h"

struct _TTF_Font {
    qz::GlyphAtlas atlas;
};
