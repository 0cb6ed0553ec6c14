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

namespace {

enum class WindowKey { None, Toggle, Swallow };

WindowKey windowKey(const SDL_Event& e) {
    if (e.type != SDL_KEYDOWN) {
        return WindowKey::None;
    }
    const SDLKey key = e.key.keysym.sym;
    if (key == SDLK_F11 || (key == SDLK_RETURN && (e.key.keysym.mod & KMOD_ALT))) {
        return WindowKey::Toggle;
    }
    return key == SDLK_LALT || key == SDLK_RALT ? WindowKey::Swallow : WindowKey::None;
}

}  // namespace

bool SdlInput::poll(InputEvent& event) {
    SDL_Event e;
    WindowKey kind = WindowKey::None;
    do {
        if (!SDL_PollEvent(&e)) {
            return false;
        }
        kind = windowKey(e);
        if (kind == WindowKey::Toggle && onWindowKey_) {
            onWindowKey_();
        }
    } while (kind != WindowKey::None);
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
