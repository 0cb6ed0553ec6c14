// The game's font on Windows: drawn from the glyph atlases the native font
// library made and proved at build time, as the browser build draws it, so a
// text is the same pixels as on Linux without a font library of its own.
#include <SDL/SDL.h>

#include "platform/atlas_font.h"
#include "platform/display.h"
#include "platform/text_cache.h"

namespace qz {
namespace {

// The atlases are the game's own 24-bit bitmaps.
SDL_Surface* readBitmap(const char* path) {
    SDL_Surface* read = SDL_LoadBMP(path);
    if (read && read->format->BytesPerPixel != 3) {
        SDL_FreeSurface(read);
        return nullptr;
    }
    return read;
}

}  // namespace

void startFontLibrary() {}
void stopFontLibrary() {}

bool openFonts(Fonts& fonts) {
    return openAtlasFonts(fonts, readBitmap);
}

void closeFonts(Fonts& fonts) {
    closeAtlasFonts(fonts);
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
