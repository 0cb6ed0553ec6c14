#include <SDL/SDL.h>

#include "controls/keyboard.h"

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
static_assert(SDL_HAT_UP == 1 && SDL_HAT_RIGHT == 2 && SDL_HAT_DOWN == 4 && SDL_HAT_LEFT == 8);

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

const Bindings& SdlInput::bindings() const {
    static const Bindings defaults = Bindings::defaults();
    return bindings_ ? *bindings_ : defaults;
}

void SdlInput::takePad(const std::vector<PadChange>& changes, TurnInput& turn,
                       std::vector<HeldKeys>& pressed) const {
    for (const PadChange& change : changes) {
        if (const auto made = padEventOf(change, bindings(),
                                         bindings().heldOnKeyboard(SDL_GetKeyState(nullptr)))) {
            turn.events.push_back(made->event);
            pressed.push_back(made->pressed);
        }
    }
}

TurnInput SdlInput::readTurn() {
    TurnInput turn;
    SDL_Event e;
    std::vector<PadChange> changes;
    // The word each event's pad input pressed, if any.
    std::vector<HeldKeys> pressed;
    // Taking an event brings the key-state array up to date with every event
    // pumped so far: each event carries the keys held as it was taken.
    while (SDL_PollEvent(&e)) {
        changes.clear();
        if (pad_ && pad_->take(e, changes)) {
            takePad(changes, turn, pressed);
            continue;
        }
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
        event.held = bindings().heldOnKeyboard(SDL_GetKeyState(nullptr));
        if (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP) {
            if (const auto action = bindings().actionOf(Trigger::key(e.key.keysym.sym))) {
                event.control = controlOf(*action, e.type == SDL_KEYDOWN);
            }
        }
        if (e.type == SDL_ACTIVEEVENT && !e.active.gain &&
            (e.active.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE))) {
            event.control = Control::FocusLost;
        }
        turn.events.push_back(event);
        pressed.emplace_back();
    }
    changes.clear();
    if (pad_ && pad_->wentAway(changes)) {
        takePad(changes, turn, pressed);
        if (onPadGone_) {
            onPadGone_();
        }
    }
    SDL_PumpEvents();
    turn.held = bindings().heldOnKeyboard(SDL_GetKeyState(nullptr));
    if (pad_) {
        // As with the keys, every event sees the pad as it is once the
        // turn's events are all in.
        addPadHeld(turn, bindings().heldOnPad(pad_->state()), pressed);
    }
    return turn;
}

}  // namespace qz
