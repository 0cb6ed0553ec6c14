#include <SDL/SDL.h>

#include "platform/display.h"
#include "platform/surfaces.h"
#include "platform/web/web_surfaces.h"

namespace qz {
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
    return openAtlasFonts(fonts, readBitmap);
}

void closeFonts(Fonts& fonts) {
    closeAtlasFonts(fonts);
}

std::string displayError() {
    return SDL_GetError();
}

}  // namespace qz
