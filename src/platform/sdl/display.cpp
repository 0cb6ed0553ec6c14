#include "platform/display.h"

#include <SDL/SDL.h>

#include "platform/host.h"

namespace qz {

bool startDisplay() {
    chooseVideoDriver();
    return SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK) == 0;
}

void stopDisplay() {
    SDL_Quit();
}

SDL_Surface* openWindow() {
    SDL_Surface* screen = SDL_SetVideoMode(800, 600, 24, SDL_HWSURFACE | SDL_SRCALPHA);
    if (screen) {
        SDL_WM_SetCaption(WindowCaption, "");
    }
    return screen;
}

std::string displayError() {
    return SDL_GetError();
}

}  // namespace qz
