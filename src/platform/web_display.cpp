#include <SDL/SDL.h>

#include <fstream>
#include <sstream>

#include "platform/display.h"
#include "platform/surfaces.h"
#include "platform/web_surfaces.h"

namespace qz {
namespace {

// The atlas of the font at `points`, as tools/glyph_atlas.cpp wrote it.
_TTF_Font* openAtlas(int points) {
    std::ifstream file(atlasMetricsFile(points));
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

}  // namespace

bool startDisplay() {
    return SDL_Init(SDL_INIT_VIDEO) == 0;
}

void stopDisplay() {
    SDL_Quit();
}

// The browser's font library is not used: texts come from the atlases.
void startFontLibrary() {}
void stopFontLibrary() {}

SDL_Surface* openWindow() {
    SDL_Surface* screen = SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE);
    if (screen) {
        SDL_WM_SetCaption(WindowCaption, "");
    }
    return screen;
}

bool openFonts(Fonts& fonts) {
    fonts.small = openAtlas(static_cast<int>(FontSize::Small));
    fonts.medium = openAtlas(static_cast<int>(FontSize::Medium));
    fonts.large = openAtlas(static_cast<int>(FontSize::Large));
    return fonts.small && fonts.medium && fonts.large;
}

void closeFonts(Fonts& fonts) {
    for (_TTF_Font** font : {&fonts.small, &fonts.medium, &fonts.large}) {
        delete *font;
        *font = nullptr;
    }
}

std::string displayError() {
    return SDL_GetError();
}

}  // namespace qz
