#include <SDL/SDL.h>

#include "platform/quit_request.h"
#include "platform/raw_input.h"

namespace qz {

static_assert(keycode::Escape == SDLK_ESCAPE && keycode::I == SDLK_i && keycode::S == SDLK_s &&
              keycode::X == SDLK_x && keycode::Z == SDLK_z);
static_assert(keycode::Up == SDLK_UP && keycode::Down == SDLK_DOWN &&
              keycode::Right == SDLK_RIGHT && keycode::Left == SDLK_LEFT);
static_assert(keycode::Return == SDLK_RETURN && keycode::F11 == SDLK_F11 &&
              keycode::LeftAlt == SDLK_LALT && keycode::RightAlt == SDLK_RALT);
static_assert(keycode::Count == static_cast<int>(SDLK_LAST));
static_assert(SDL_HAT_UP == 1 && SDL_HAT_RIGHT == 2 && SDL_HAT_DOWN == 4 && SDL_HAT_LEFT == 8);

// The library keeps the queue and the held keys itself.
struct EventReader::Queue {};

EventReader::EventReader() = default;
EventReader::~EventReader() = default;

bool EventReader::poll(RawEvent& raw) {
    raw = RawEvent{};
    using Kind = RawEvent::Kind;
    if (takeQuitRequest()) {
        raw.kind = Kind::Quit;
        return true;
    }
    // Taking an event brings the key-state array up to date with every event
    // pumped so far.
    SDL_Event e;
    if (!SDL_PollEvent(&e)) {
        return false;
    }
    switch (e.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            raw.kind = e.type == SDL_KEYDOWN ? Kind::KeyDown : Kind::KeyUp;
            raw.number = e.key.keysym.sym;
            raw.alt = (e.key.keysym.mod & KMOD_ALT) != 0;
            break;
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP:
            raw.kind = Kind::PadButton;
            raw.number = e.jbutton.button;
            raw.value = e.type == SDL_JOYBUTTONDOWN ? 1 : 0;
            break;
        case SDL_JOYHATMOTION:
            raw.kind = Kind::PadHat;
            raw.number = e.jhat.hat;
            raw.value = e.jhat.value;
            break;
        case SDL_JOYAXISMOTION:
            raw.kind = Kind::PadAxis;
            raw.number = e.jaxis.axis;
            raw.value = e.jaxis.value;
            break;
        case SDL_JOYBALLMOTION:
            raw.kind = Kind::PadOther;
            break;
        case SDL_QUIT:
            raw.kind = Kind::Quit;
            break;
        case SDL_ACTIVEEVENT:
            if (!e.active.gain && (e.active.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE))) {
                raw.kind = Kind::FocusLost;
            }
            break;
        default:
            break;
    }
    return true;
}

void EventReader::pump() {
    SDL_PumpEvents();
}

const std::uint8_t* EventReader::keysHeld() const {
    return SDL_GetKeyState(nullptr);
}

void EventReader::turnTaken() {}

}  // namespace qz
