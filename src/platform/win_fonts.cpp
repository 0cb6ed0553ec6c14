// The game's font on Windows: drawn from the glyph atlases the native font
// library made and proved at build time, as the browser build draws it, so a
// text is the same pixels as on Linux without a font library of its own.
#include <SDL/SDL.h>

#include <fstream>
#include <sstream>

#include "platform/atlas_font.h"
#include "platform/display.h"
#include "platform/text_cache.h"

namespace qz {
namespace {

// The atlas of the font at `points`, as tools/glyph_atlas.cpp wrote it.
_TTF_Font* openAtlas(int points) {
    std::ifstream file(atlasMetricsFile(points), std::ios::binary);
    std::ostringstream metrics;
    metrics << file.rdbuf();
    SDL_Surface* read = SDL_LoadBMP(atlasPictureFile(points).c_str());
    if (!file || !read || read->format->BytesPerPixel != 3) {
        SDL_FreeSurface(read);
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
    SDL_FreeSurface(read);
    auto atlas = readAtlas(metrics.str(), picture);
    return atlas ? new _TTF_Font{std::move(*atlas)} : nullptr;
}

}  // namespace

void startFontLibrary() {}
void stopFontLibrary() {}

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

// The surface the font library's solid rendering makes: eight bits, the
// background (keyed) at 0 in the text colour's complement, the text at 1.
SDL_Surface* renderSolidText(_TTF_Font* font, const std::string& text, std::uint32_t rgb) {
    if (!font || text.empty()) {
        return nullptr;
    }
    const auto composed = composeText(font->atlas, text);
    if (!composed) {
        return nullptr;
    }
    SDL_Surface* surface =
        SDL_CreateRGBSurface(SDL_SWSURFACE, composed->w, composed->h, 8, 0, 0, 0, 0);
    if (!surface) {
        return nullptr;
    }
    const auto r = static_cast<Uint8>(rgb >> 16);
    const auto g = static_cast<Uint8>(rgb >> 8);
    const auto b = static_cast<Uint8>(rgb);
    SDL_Color colours[2] = {
        {static_cast<Uint8>(255 - r), static_cast<Uint8>(255 - g), static_cast<Uint8>(255 - b), 0},
        {r, g, b, 0}};
    SDL_SetColors(surface, colours, 0, 2);
    SDL_SetColorKey(surface, SDL_SRCCOLORKEY, 0);
    for (int y = 0; y < composed->h; ++y) {
        auto* row = static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch;
        for (int x = 0; x < composed->w; ++x) {
            row[x] = composed->pixels[static_cast<std::size_t>(y * composed->pitch + x)];
        }
    }
    return surface;
}

}  // namespace qz
