// Which key or pad input asks for what: the game's words, and the program's
// own keys: pause, mute and the assist layer's map. The defaults are the
// game's keys as they always were, P, M and Tab, and the usual pad layout; a
// settings file may change them.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/turn_input.h"

namespace qz {

// The display library numbers keys with these codes; its key-state array has
// KeyCodeCount entries.
constexpr int KeyCodeCount = 323;

// The game's words first, in GameKey's order, then the program's own keys.
enum class Action : std::uint8_t {
    Left,
    Right,
    Up,
    Down,
    Drop,
    Power,
    Start,
    Instructions,
    Quit,
    Pause,
    Mute,
    Map,  // the assist layer's map of the areas, while held
};
constexpr int ActionCount = 12;

// The action's name in the settings file ("left", "drop", "pause").
const char* actionName(Action action);
std::optional<Action> actionOfName(std::string_view name);
std::optional<GameKey> wordOf(Action action);
// What the action's input going down (or coming up) means to the program.
Control controlOf(Action action, bool down);

// One input of a pad: a button, a direction of its first hat, or one end of
// an axis. Each has a slot, so a pad's state is a set of bits.
constexpr int PadButtons = 32;
constexpr int PadAxes = 8;
constexpr int PadInputCount = PadButtons + 4 + 2 * PadAxes;
using PadState = std::bitset<PadInputCount>;

enum class HatDirection { Left, Right, Up, Down };

struct PadInput {
    int slot = 0;
    static constexpr PadInput button(int number) { return {number}; }
    static constexpr PadInput hat(HatDirection d) { return {PadButtons + static_cast<int>(d)}; }
    static constexpr PadInput axis(int number, bool positive) {
        return {PadButtons + 4 + 2 * number + (positive ? 1 : 0)};
    }
    bool isButton() const { return slot < PadButtons; }
    bool operator==(const PadInput&) const = default;
};

// "pad:button0", "pad:hat-left", "pad:axis1+".
std::string padInputName(PadInput input);
std::optional<PadInput> padInputOfName(std::string_view name);

// A key (by its code) or a pad input.
struct Trigger {
    enum class Kind : std::uint8_t { Key, Pad } kind = Kind::Key;
    int code = 0;  // a key code, or a pad input's slot
    static constexpr Trigger key(int code) { return {Kind::Key, code}; }
    static constexpr Trigger pad(PadInput input) { return {Kind::Pad, input.slot}; }
    bool operator==(const Trigger&) const = default;
};

std::string triggerName(Trigger trigger);

class Bindings {
  public:
    Bindings();
    // The keys of the game, P and M, and the pad's usual layout.
    static Bindings defaults();
    // The default triggers of one action, in the order they are listed.
    static std::vector<Trigger> defaultTriggers(Action action);

    // Gives the trigger to the action; a trigger already taken keeps its
    // first action, which is returned.
    std::optional<Action> bind(Trigger trigger, Action action);
    std::optional<Action> actionOf(Trigger trigger) const;
    std::vector<Trigger> triggersOf(Action action) const;

    // The words held on a key-state array of KeyCodeCount entries, and on a pad.
    HeldKeys heldOnKeyboard(const std::uint8_t* keyState) const;
    HeldKeys heldOnPad(const PadState& pad) const;

  private:
    HeldKeys heldOf(Trigger::Kind kind, const std::function<bool(int)>& isDown) const;
    std::int8_t& slot(Trigger trigger);
    std::int8_t slot(Trigger trigger) const;

    std::array<std::int8_t, KeyCodeCount> keys_{};  // the action of each key code, -1 for none
    std::array<std::int8_t, PadInputCount> pad_{};
    std::vector<Trigger> order_;  // as bound, for listing
};

}  // namespace qz
