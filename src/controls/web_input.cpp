#include <SDL/SDL.h>
#include <emscripten.h>

#include <array>

#include "controls/keyboard.h"
#include "controls/web_pad.h"

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
    if (code >= 0 && code < 323) {
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

// The game's one table of keys, reached from the browser's codes.
static_assert(nativeCode(SDLK_UP) == bindingOf(GameKey::Up).code &&
              nativeCode(SDLK_DOWN) == bindingOf(GameKey::Down).code &&
              nativeCode(SDLK_LEFT) == bindingOf(GameKey::Left).code &&
              nativeCode(SDLK_RIGHT) == bindingOf(GameKey::Right).code);
static_assert(nativeCode(SDLK_ESCAPE) == bindingOf(GameKey::Quit).code &&
              nativeCode(SDLK_x) == bindingOf(GameKey::Drop).code &&
              nativeCode(SDLK_z) == bindingOf(GameKey::Power).code &&
              nativeCode(SDLK_s) == bindingOf(GameKey::Start).code &&
              nativeCode(SDLK_i) == bindingOf(GameKey::Instructions).code);

constexpr int NativeF11 = 292;
constexpr int NativeReturn = 13;
constexpr int NativeRightAlt = 307;
constexpr int NativeLeftAlt = 308;
static_assert(nativeCode(SDLK_F11) == NativeF11 && nativeCode(SDLK_RETURN) == NativeReturn &&
              nativeCode(SDLK_LALT) == NativeLeftAlt && nativeCode(SDLK_RALT) == NativeRightAlt);

// The keys held, by native number, as the browser's key events tell them.
std::array<std::uint8_t, KeyCodeCount> held{};

}  // namespace

const Bindings& SdlInput::bindings() const {
    static const Bindings defaults = Bindings::defaults();
    return bindings_ ? *bindings_ : defaults;
}

// The pad's changes as the native build takes them.
void SdlInput::takePad(const std::vector<PadChange>& changes, TurnInput& turn,
                       std::vector<HeldKeys>& pressed) const {
    const HeldKeys onKeyboard = bindings().heldOnKeyboard(held.data());
    for (const PadChange& change : changes) {
        if (const auto made = padEventOf(change, bindings(), onKeyboard)) {
            turn.events.push_back(made->event);
            pressed.push_back(made->pressed);
        }
    }
}

TurnInput SdlInput::readTurn() {
    // As the native library does, every event sees the keys as they are once
    // every event waiting has been taken in.
    struct Taken {
        InputEvent::Type type;
        bool keyUp;
        int code;
        bool alt;
        Control control;
    };
    std::vector<Taken> taken;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
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
            taken.push_back(Taken{down ? InputEvent::Type::KeyDown : InputEvent::Type::Other, !down,
                                  code, (e.key.keysym.mod & KMOD_ALT) != 0, Control::None});
        } else if (e.type == SDL_QUIT) {
            taken.push_back(Taken{InputEvent::Type::Quit, false, -1, false, Control::None});
        } else if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
            held.fill(0);  // the page lets go of every key when it loses the focus
            taken.push_back(Taken{InputEvent::Type::Other, false, -1, false, Control::FocusLost});
        } else {
            // The mouse and the rest, as the native library's other events.
            taken.push_back(Taken{InputEvent::Type::Other, false, -1, false, Control::None});
        }
    }
    TurnInput turn;
    const HeldKeys nowHeld = bindings().heldOnKeyboard(held.data());
    for (const Taken& t : taken) {
        if (t.type == InputEvent::Type::KeyDown) {
            // F11 and Alt+Enter belong to the page; an Alt key-down would turn a page.
            if (t.code == NativeF11 || (t.code == NativeReturn && t.alt)) {
                if (onWindowKey_) {
                    onWindowKey_();
                }
                continue;
            }
            if (t.code == NativeLeftAlt || t.code == NativeRightAlt) {
                continue;
            }
        }
        InputEvent event;
        event.type = t.type;
        event.held = nowHeld;
        event.control = t.control;
        if ((t.type == InputEvent::Type::KeyDown || t.keyUp) && t.code >= 0) {
            if (const auto action = bindings().actionOf(Trigger::key(t.code))) {
                event.control = controlOf(*action, !t.keyUp);
            }
        }
        turn.events.push_back(event);
    }
    turn.held = nowHeld;

    // The browser's pad, read once a turn, after the keys: as natively, every
    // event sees the pad as it is once the turn's input is in, and a button
    // pressed and let go between two reads is not seen.
    std::vector<HeldKeys> pressed(turn.events.size());
    std::vector<PadChange> changes;
    readBrowserPad(changes);
    takePad(changes, turn, pressed);
    addPadHeld(turn, bindings().heldOnPad(browserPadState()), pressed);
    // The page's touch controls hold a tapped key until a turn has seen it.
    EM_ASM({
        if (Module.onTurnInput)
            Module.onTurnInput();
    });
    return turn;
}

}  // namespace qz
