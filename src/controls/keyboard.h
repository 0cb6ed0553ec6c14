// The keyboard's keys for the game's words, and the display library's source of
// each turn's input record.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "controls/bindings.h"
#include "controls/input_source.h"
#include "controls/pad.h"

namespace qz {

struct KeyBinding {
    int code;
    GameKey key;
    const char* name;  // the key's name on the keyboard
};

// The one table of the game's keys.
constexpr std::array<KeyBinding, GameKeyCount> KeyboardKeys{{
    {276, GameKey::Left, "Left"},
    {275, GameKey::Right, "Right"},
    {273, GameKey::Up, "Up"},
    {274, GameKey::Down, "Down"},
    {120, GameKey::Drop, "X"},
    {122, GameKey::Power, "Z"},
    {115, GameKey::Start, "S"},
    {105, GameKey::Instructions, "I"},
    {27, GameKey::Quit, "Escape"},
}};

constexpr const KeyBinding& bindingOf(GameKey key) {
    return KeyboardKeys[static_cast<std::size_t>(key)];
}
static_assert([] {
    for (std::size_t i = 0; i < KeyboardKeys.size(); ++i) {
        if (static_cast<std::size_t>(KeyboardKeys[i].key) != i) {
            return false;
        }
    }
    return true;
}());

// The game word of a key code, nothing for another key.
constexpr std::optional<GameKey> gameKeyOfCode(int code) {
    for (const KeyBinding& binding : KeyboardKeys) {
        if (binding.code == code) {
            return binding.key;
        }
    }
    return std::nullopt;
}

// The display library's events and keys, and the pad's. F11 and Alt+Enter
// belong to the window, not the game: they go to `onWindowKey` and never
// reach a turn, and neither does an Alt key-down, which would otherwise turn
// an instruction page. A pad input that goes down is a key-down, as its key's
// would be; one that comes up, like a key coming up, some other event.
class SdlInput final : public InputSource {
  public:
    explicit SdlInput(std::function<void()> onWindowKey = {})
        : onWindowKey_(std::move(onWindowKey)) {}
    // The bindings and the pad to read; both must outlive the input.
    void use(const Bindings& bindings, Pad* pad, std::function<void()> onPadGone) {
        bindings_ = &bindings;
        pad_ = pad;
        onPadGone_ = std::move(onPadGone);
    }
    TurnInput readTurn() override;

  private:
    const Bindings& bindings() const;
    void takePad(const std::vector<PadChange>& changes, TurnInput& turn,
                 std::vector<HeldKeys>& pressed) const;

    std::function<void()> onWindowKey_;
    const Bindings* bindings_ = nullptr;
    Pad* pad_ = nullptr;
    std::function<void()> onPadGone_;
};

}  // namespace qz
