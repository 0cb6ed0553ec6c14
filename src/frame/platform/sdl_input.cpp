#include <SDL/SDL.h>

#include "frame/platform/keyboard.h"

namespace qz {

constexpr bool sameCode(Key ours, SDLKey theirs) {
    return static_cast<int>(ours) == static_cast<int>(theirs);
}
static_assert(sameCode(KeyEscape, SDLK_ESCAPE) && sameCode(KeyI, SDLK_i) &&
              sameCode(KeyS, SDLK_s) && sameCode(KeyX, SDLK_x) && sameCode(KeyZ, SDLK_z));
static_assert(sameCode(KeyUp, SDLK_UP) && sameCode(KeyDown, SDLK_DOWN) &&
              sameCode(KeyRight, SDLK_RIGHT) && sameCode(KeyLeft, SDLK_LEFT));
static_assert(KeyStateSize == static_cast<int>(SDLK_LAST));

bool SdlInput::poll(InputEvent& event) {
    SDL_Event e;
    if (!SDL_PollEvent(&e)) {
        return false;
    }
    switch (e.type) {
        case SDL_QUIT:
            event.type = InputEvent::Type::Quit;
            break;
        case SDL_KEYDOWN:
            event.type = InputEvent::Type::KeyDown;
            break;
        default:
            event.type = InputEvent::Type::Other;
            break;
    }
    return true;
}

void SdlInput::pump() {
    SDL_PumpEvents();
}

const std::uint8_t* SdlInput::keyState() {
    return SDL_GetKeyState(nullptr);
}

}  // namespace qz
