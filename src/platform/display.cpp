#include "platform/display.h"

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <cstdlib>

namespace qz {

bool startDisplay() {
    setenv("SDL_VIDEODRIVER", "x11", 0);
    return SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK) == 0;
}

void stopDisplay() {
    SDL_Quit();
}

void startFontLibrary() {
    TTF_Init();
}

void stopFontLibrary() {
    TTF_Quit();
}

SDL_Surface* openWindow() {
    SDL_Surface* screen = SDL_SetVideoMode(800, 600, 24, SDL_HWSURFACE | SDL_SRCALPHA);
    if (screen) {
        SDL_WM_SetCaption(WindowCaption, "");
    }
    return screen;
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

std::string displayError() {
    return SDL_GetError();
}

}  // namespace qz
