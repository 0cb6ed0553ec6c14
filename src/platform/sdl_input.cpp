#include <SDL/SDL.h>

#include "platform/keyboard.h"

namespace qz {

static_assert(bindingOf(GameKey::Quit).code == SDLK_ESCAPE &&
              bindingOf(GameKey::Instructions).code == SDLK_i &&
              bindingOf(GameKey::Start).code == SDLK_s && bindingOf(GameKey::Drop).code == SDLK_x &&
              bindingOf(GameKey::Power).code == SDLK_z);
static_assert(bindingOf(GameKey::Up).code == SDLK_UP &&
              bindingOf(GameKey::Down).code == SDLK_DOWN &&
              bindingOf(GameKey::Right).code == SDLK_RIGHT &&
              bindingOf(GameKey::Left).code == SDLK_LEFT);
static_assert(KeyCodeCount == static_cast<int>(SDLK_LAST));

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

TurnInput SdlInput::readTurn() {
    TurnInput turn;
    SDL_Event e;
    // Taking an event brings the key-state array up to date with every event
    // pumped so far: each event carries the keys held as it was taken.
    while (SDL_PollEvent(&e)) {
        const WindowKey kind = windowKey(e);
        if (kind == WindowKey::Toggle && onWindowKey_) {
            onWindowKey_();
        }
        if (kind != WindowKey::None) {
            continue;
        }
        InputEvent event;
        event.type = e.type == SDL_QUIT      ? InputEvent::Type::Quit
                     : e.type == SDL_KEYDOWN ? InputEvent::Type::KeyDown
                                             : InputEvent::Type::Other;
        event.held = heldKeysOf(SDL_GetKeyState(nullptr));
        turn.events.push_back(event);
    }
    SDL_PumpEvents();
    turn.held = heldKeysOf(SDL_GetKeyState(nullptr));
    return turn;
}

}  // namespace qz
