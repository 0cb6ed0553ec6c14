// A font drawn from its glyph atlas, where the native font library is not
// there to draw it (the browser, Windows): the atlas of one size, and the
// game's fonts read from the files tools/glyph_atlas.cpp wrote.
#pragma once

#include <SDL/SDL.h>

#include <fstream>
#include <sstream>

#include "core/drawing.h"
#include "platform/canvas.h"
#include "platform/glyph_atlas.h"
#include "platform/surfaces.h"

struct _TTF_Font {
    qz::GlyphAtlas atlas;
};

namespace qz {

// The atlas of the font at `points`, its picture read as a 24-bit surface by
// `readBitmap` (each host has its own); null when a file is missing or bad.
inline _TTF_Font* openAtlas(int points, SDL_Surface* (*readBitmap)(const char* path)) {
    std::ifstream file(atlasMetricsFile(points), std::ios::binary);
    std::ostringstream metrics;
    metrics << file.rdbuf();
    SDL_Surface* read = readBitmap(atlasPictureFile(points).c_str());
    if (!file || !read) {
        freeSurface(read);
        return nullptr;
    }
    AtlasPicture picture;
    picture.w = read->w;
    picture.h = read->h;
    picture.ink.resize(static_cast<std::size_t>(picture.w) * picture.h);
    for (int y = 0; y < picture.h; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(read->pixels) + y * read->pitch;
        for (int x = 0; x < picture.w; ++x) {
            picture.ink[static_cast<std::size_t>(y * picture.w + x)] = row[x * 3] != 0;
        }
    }
    freeSurface(read);
    auto atlas = readAtlas(metrics.str(), picture);
    return atlas ? new _TTF_Font{std::move(*atlas)} : nullptr;
}

// The game's fonts at their three sizes, as openFonts opens them.
inline bool openAtlasFonts(Fonts& fonts, SDL_Surface* (*readBitmap)(const char* path)) {
    fonts.small = openAtlas(static_cast<int>(FontSize::Small), readBitmap);
    fonts.medium = openAtlas(static_cast<int>(FontSize::Medium), readBitmap);
    fonts.large = openAtlas(static_cast<int>(FontSize::Large), readBitmap);
    return fonts.small && fonts.medium && fonts.large;
}

inline void closeAtlasFonts(Fonts& fonts) {
    for (_TTF_Font** font : {&fonts.small, &fonts.medium, &fonts.large}) {
        delete *font;
        *font = nullptr;
    }
}

}  // namespace qz
