#include <SDL/SDL.h>
#include <emscripten.h>

#include <array>
#include <cstdint>
#include <deque>
#include <memory>

#include "platform/raw_input.h"

namespace qz {
namespace {

// The browser's emulation of the display library numbers the keys without
// a character by their scan code plus 1024; the game's table, its bindings
// and its recordings use the native library's numbers. The keys the
// emulation knows, in native numbers.
constexpr int Scanned = 1 << 10;
struct ScannedKey {
    int scanCode;
    int native;
};
constexpr std::array<ScannedKey, 50> ScannedKeys{{
    {82, 273},  {81, 274},  {79, 275},  {80, 276},              // the arrows: up, down, right, left
    {73, 277},  {74, 278},  {77, 279},  {75, 280},  {78, 281},  // insert, home, end, page up, down
    {58, 282},  {59, 283},  {60, 284},  {61, 285},  {62, 286},  {63, 287},   // F1 to F6
    {64, 288},  {65, 289},  {66, 290},  {67, 291},  {68, 292},  {69, 293},   // F7 to F12
    {104, 294}, {105, 295}, {106, 296},                                      // F13 to F15
    {83, 300},  {57, 301},  {71, 302},                                       // the locks
    {229, 303}, {225, 304}, {228, 305}, {224, 306}, {230, 307}, {226, 308},  // shifts, ctrls, alts
    {231, 309}, {227, 310}, {101, 319},                                      // meta (super), menu
    {98, 256},  {89, 257},  {90, 258},  {91, 259},  {92, 260},  {93, 261},   // keypad 0 to 5
    {94, 262},  {95, 263},  {96, 264},  {97, 265},                           // keypad 6 to 9
    {99, 266},  {84, 267},  {85, 268},  {86, 269},                           // keypad . / * -
}};

// The native number of an emulated key code; -1 for one the game cannot know.
constexpr int nativeCode(int code) {
    if (code >= 0 && code < keycode::Count) {
        return code;  // characters and the keys below them are numbered alike
    }
    if (code >= Scanned) {
        for (const ScannedKey& key : ScannedKeys) {
            if (key.scanCode == code - Scanned) {
                return key.native;
            }
        }
    }
    return -1;
}

// The native numbers of the keys the controls know by number.
static_assert(nativeCode(SDLK_UP) == keycode::Up && nativeCode(SDLK_DOWN) == keycode::Down &&
              nativeCode(SDLK_LEFT) == keycode::Left && nativeCode(SDLK_RIGHT) == keycode::Right);
static_assert(nativeCode(SDLK_ESCAPE) == keycode::Escape && nativeCode(SDLK_x) == keycode::X &&
              nativeCode(SDLK_z) == keycode::Z && nativeCode(SDLK_s) == keycode::S &&
              nativeCode(SDLK_i) == keycode::I);
static_assert(nativeCode(SDLK_F11) == keycode::F11 && nativeCode(SDLK_RETURN) == keycode::Return &&
              nativeCode(SDLK_LALT) == keycode::LeftAlt &&
              nativeCode(SDLK_RALT) == keycode::RightAlt);

}  // namespace

// The browser hands over its events only between two calls into the game,
// so taking in all that wait at once is taking in every one of them.
struct EventReader::Queue {
    std::deque<RawEvent> events;
    // The keys held, by native number, as the browser's key events tell them.
    std::array<std::uint8_t, keycode::Count> held{};

    void takeWaiting() {
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
            RawEvent raw;
            if (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP) {
                const int code = nativeCode(e.key.keysym.sym);
                const bool down = e.type == SDL_KEYDOWN;
                if (code >= 0) {
                    // A held key's browser repeats are no presses: the native library sends none.
                    if (down && held[static_cast<std::size_t>(code)]) {
                        continue;
                    }
                    held[static_cast<std::size_t>(code)] = down;
                }
                raw.kind = down ? RawEvent::Kind::KeyDown : RawEvent::Kind::KeyUp;
                raw.number = code;
                raw.alt = (e.key.keysym.mod & KMOD_ALT) != 0;
            } else if (e.type == SDL_QUIT) {
                raw.kind = RawEvent::Kind::Quit;
            } else if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                held.fill(0);  // the page lets go of every key when it loses the focus
                raw.kind = RawEvent::Kind::FocusLost;
            }
            // The mouse and the rest are other events, as the native library's.
            events.push_back(raw);
        }
    }
};

EventReader::EventReader() : queue_(std::make_unique<Queue>()) {}
EventReader::~EventReader() = default;

bool EventReader::poll(RawEvent& event) {
    queue_->takeWaiting();
    if (queue_->events.empty()) {
        return false;
    }
    event = queue_->events.front();
    queue_->events.pop_front();
    return true;
}

void EventReader::pump() {
    queue_->takeWaiting();
}

const std::uint8_t* EventReader::keysHeld() const {
    return queue_->held.data();
}

void EventReader::turnTaken() {
    // The page's touch controls hold a tapped key until a turn has seen it.
    EM_ASM({
        if (Module.onTurnInput)
            Module.onTurnInput();
    });
}

}  // namespace qz
