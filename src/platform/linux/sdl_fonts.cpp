// The game's font through the native font library.
#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include "platform/display.h"
#include "platform/text_cache.h"

namespace qz {

void startFontLibrary() {
    TTF_Init();
}

void stopFontLibrary() {
    TTF_Quit();
}

bool openFonts(Fonts& fonts) {
    fonts.small = TTF_OpenFont(FontFile, static_cast<int>(FontSize::Small));
    fonts.medium = TTF_OpenFont(FontFile, static_cast<int>(FontSize::Medium));
    fonts.large = TTF_OpenFont(FontFile, static_cast<int>(FontSize::Large));
    return fonts.small && fonts.medium && fonts.large;
}

void closeFonts(Fonts& fonts) {
    for (TTF_Font** font : {&fonts.small, &fonts.medium, &fonts.large}) {
        if (*font) {
            TTF_CloseFont(*font);
            *font = nullptr;
        }
    }
}

SDL_Surface* renderSolidText(_TTF_Font* font, const std::string& text, std::uint32_t rgb) {
    if (!font || text.empty()) {
        return nullptr;
    }
    const SDL_Color colour{static_cast<Uint8>(rgb >> 16), static_cast<Uint8>(rgb >> 8),
                           static_cast<Uint8>(rgb), 0};
    return TTF_RenderText_Solid(font, text.c_str(), colour);
}

}  // namespace qz
