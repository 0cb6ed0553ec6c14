#include "controls/bindings.h"

#include <cctype>
#include <utility>

#include "controls/key_names.h"
#include "controls/keyboard.h"
#include "platform/raw_input.h"

namespace qz {
namespace {

constexpr std::array<const char*, ActionCount> ActionNames{
    "left",  "right",        "up",   "down",  "drop", "power",
    "start", "instructions", "quit", "pause", "mute", "map",
};
static_assert(static_cast<int>(Action::Quit) == GameKeyCount - 1 &&
              static_cast<int>(GameKey::Quit) == GameKeyCount - 1);

constexpr std::array<const char*, 4> HatNames{"left", "right", "up", "down"};
constexpr std::string_view PadPrefix = "pad:";

constexpr int KeyP = 112;
constexpr int KeyM = 109;
constexpr int KeyTab = 9;

// The program's two keys, and the pad as the system's joystick interface
// numbers the common ones: the D-pad is hat 0, the left stick axes 0 and 1;
// A, B, Y, Back and Start are buttons 0, 1, 3, 6 and 7; the left stick's
// press pauses (button 9 on Linux, 8 on Windows).
constexpr std::pair<Action, Trigger> DefaultsBeyondTheKeyboard[] = {
    {Action::Left, Trigger::pad(PadInput::hat(HatDirection::Left))},
    {Action::Left, Trigger::pad(PadInput::axis(0, false))},
    {Action::Right, Trigger::pad(PadInput::hat(HatDirection::Right))},
    {Action::Right, Trigger::pad(PadInput::axis(0, true))},
    {Action::Up, Trigger::pad(PadInput::hat(HatDirection::Up))},
    {Action::Up, Trigger::pad(PadInput::axis(1, false))},
    {Action::Down, Trigger::pad(PadInput::hat(HatDirection::Down))},
    {Action::Down, Trigger::pad(PadInput::axis(1, true))},
    {Action::Drop, Trigger::pad(PadInput::button(0))},
    {Action::Power, Trigger::pad(PadInput::button(1))},
    {Action::Start, Trigger::pad(PadInput::button(7))},
    {Action::Instructions, Trigger::pad(PadInput::button(3))},
    {Action::Quit, Trigger::pad(PadInput::button(6))},
    {Action::Pause, Trigger::key(KeyP)},
    {Action::Pause, Trigger::pad(PadInput::button(StickPressButton))},
    {Action::Mute, Trigger::key(KeyM)},
    {Action::Map, Trigger::key(KeyTab)},
};

// A decimal number below `limit`, without sign or leading zeros.
std::optional<int> smallNumber(std::string_view text, int limit) {
    if (text.empty() || text.size() > 2 || (text.size() > 1 && text[0] == '0')) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value < limit ? std::optional<int>(value) : std::nullopt;
}

}  // namespace

const char* actionName(Action action) {
    return ActionNames[static_cast<std::size_t>(action)];
}

std::optional<Action> actionOfName(std::string_view name) {
    for (int i = 0; i < ActionCount; ++i) {
        if (name == ActionNames[static_cast<std::size_t>(i)]) {
            return static_cast<Action>(i);
        }
    }
    return std::nullopt;
}

std::optional<GameKey> wordOf(Action action) {
    const int index = static_cast<int>(action);
    return index < GameKeyCount ? std::optional<GameKey>(static_cast<GameKey>(index))
                                : std::nullopt;
}

Control controlOf(Action action, bool down) {
    switch (action) {
        case Action::Pause:
            return down ? Control::Pause : Control::None;
        case Action::Mute:
            return down ? Control::Mute : Control::None;
        case Action::Map:
            return down ? Control::Map : Control::MapReleased;
        default:
            return Control::None;
    }
}

std::string padInputName(PadInput input) {
    const std::string prefix(PadPrefix);
    if (input.isButton()) {
        return prefix + "button" + std::to_string(input.slot);
    }
    const int hat = input.slot - PadButtons;
    if (hat < 4) {
        return prefix + "hat-" + HatNames[static_cast<std::size_t>(hat)];
    }
    const int axisEnd = hat - 4;
    return prefix + "axis" + std::to_string(axisEnd / 2) + (axisEnd % 2 ? "+" : "-");
}

std::optional<PadInput> padInputOfName(std::string_view asWritten) {
    if (asWritten.size() > 16) {
        return std::nullopt;
    }
    std::string lowered(asWritten);
    for (char& c : lowered) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    std::string_view name = lowered;
    if (!name.starts_with(PadPrefix)) {
        return std::nullopt;
    }
    name.remove_prefix(PadPrefix.size());
    if (name.starts_with("button")) {
        const auto number = smallNumber(name.substr(6), PadButtons);
        return number ? std::optional<PadInput>(PadInput::button(*number)) : std::nullopt;
    }
    if (name.starts_with("hat-")) {
        for (std::size_t d = 0; d < HatNames.size(); ++d) {
            if (name.substr(4) == HatNames[d]) {
                return PadInput::hat(static_cast<HatDirection>(d));
            }
        }
        return std::nullopt;
    }
    if (name.starts_with("axis") && name.size() > 5 && (name.back() == '+' || name.back() == '-')) {
        const auto number = smallNumber(name.substr(4, name.size() - 5), PadAxes);
        return number ? std::optional<PadInput>(PadInput::axis(*number, name.back() == '+'))
                      : std::nullopt;
    }
    return std::nullopt;
}

std::string triggerName(Trigger trigger) {
    return trigger.kind == Trigger::Kind::Key ? keyName(trigger.code)
                                              : padInputName(PadInput{trigger.code});
}

Bindings::Bindings() {
    keys_.fill(-1);
    pad_.fill(-1);
}

std::vector<Trigger> Bindings::defaultTriggers(Action action) {
    std::vector<Trigger> triggers;
    if (const auto word = wordOf(action)) {
        triggers.push_back(Trigger::key(bindingOf(*word).code));
    }
    for (const auto& [owner, trigger] : DefaultsBeyondTheKeyboard) {
        if (owner == action) {
            triggers.push_back(trigger);
        }
    }
    return triggers;
}

Bindings Bindings::defaults() {
    Bindings bindings;
    for (int i = 0; i < ActionCount; ++i) {
        const auto action = static_cast<Action>(i);
        for (const Trigger& trigger : defaultTriggers(action)) {
            bindings.bind(trigger, action);
        }
    }
    return bindings;
}

std::int8_t& Bindings::slot(Trigger trigger) {
    return trigger.kind == Trigger::Kind::Key ? keys_.at(static_cast<std::size_t>(trigger.code))
                                              : pad_.at(static_cast<std::size_t>(trigger.code));
}

std::int8_t Bindings::slot(Trigger trigger) const {
    return const_cast<Bindings*>(this)->slot(trigger);
}

std::optional<Action> Bindings::bind(Trigger trigger, Action action) {
    std::int8_t& taken = slot(trigger);
    if (taken >= 0) {
        return static_cast<Action>(taken);
    }
    taken = static_cast<std::int8_t>(action);
    order_.push_back(trigger);
    return std::nullopt;
}

std::optional<Action> Bindings::actionOf(Trigger trigger) const {
    const std::int8_t action = slot(trigger);
    return action >= 0 ? std::optional<Action>(static_cast<Action>(action)) : std::nullopt;
}

std::vector<Trigger> Bindings::triggersOf(Action action) const {
    std::vector<Trigger> triggers;
    for (const Trigger& trigger : order_) {
        if (actionOf(trigger) == action) {
            triggers.push_back(trigger);
        }
    }
    return triggers;
}

HeldKeys Bindings::heldOf(Trigger::Kind kind, const std::function<bool(int)>& isDown) const {
    HeldKeys held;
    for (const Trigger& trigger : order_) {
        if (trigger.kind == kind && isDown(trigger.code)) {
            if (const auto word = wordOf(static_cast<Action>(slot(trigger)))) {
                held.press(*word);
            }
        }
    }
    return held;
}

HeldKeys Bindings::heldOnKeyboard(const std::uint8_t* keyState) const {
    return heldOf(Trigger::Kind::Key, [keyState](int code) { return keyState[code] != 0; });
}

HeldKeys Bindings::heldOnPad(const PadState& pad) const {
    return heldOf(Trigger::Kind::Pad,
                  [&pad](int slot) { return pad[static_cast<std::size_t>(slot)]; });
}

}  // namespace qz
