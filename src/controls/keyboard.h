// The keyboard's keys for the game's words.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "controls/turn_input.h"
#include "platform/raw_input.h"

namespace qz {

struct KeyBinding {
    int code;
    GameKey key;
    const char* name;  // the key's name on the keyboard
};

// The one table of the game's keys.
constexpr std::array<KeyBinding, GameKeyCount> KeyboardKeys{{
    {keycode::Left, GameKey::Left, "Left"},
    {keycode::Right, GameKey::Right, "Right"},
    {keycode::Up, GameKey::Up, "Up"},
    {keycode::Down, GameKey::Down, "Down"},
    {keycode::X, GameKey::Drop, "X"},
    {keycode::Z, GameKey::Power, "Z"},
    {keycode::S, GameKey::Start, "S"},
    {keycode::I, GameKey::Instructions, "I"},
    {keycode::Escape, GameKey::Quit, "Escape"},
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

}  // namespace qz
