#include "controls/pad_tracker.h"

namespace qz {

void PadTracker::set(PadInput input, bool on, std::vector<PadChange>& changes) {
    const auto slot = static_cast<std::size_t>(input.slot);
    if (state_[slot] != on) {
        state_[slot] = on;
        changes.push_back({input, on});
    }
}

void PadTracker::button(int number, bool down, std::vector<PadChange>& changes) {
    if (number >= 0 && number < PadButtons) {
        set(PadInput::button(number), down, changes);
    }
}

void PadTracker::hat(std::uint8_t value, std::vector<PadChange>& changes) {
    // The display library's hat bits, in the order of HatDirection.
    constexpr std::uint8_t bits[] = {8, 2, 1, 4};
    for (int d = 0; d < 4; ++d) {
        set(PadInput::hat(static_cast<HatDirection>(d)), (value & bits[d]) != 0, changes);
    }
}

void PadTracker::axis(int number, int value, std::vector<PadChange>& changes) {
    if (number < 0 || number >= PadAxes) {
        return;
    }
    for (const bool positive : {false, true}) {
        const PadInput input = PadInput::axis(number, positive);
        const int pushed = positive ? value : -value;
        const bool held = state_[static_cast<std::size_t>(input.slot)];
        set(input, pushed > (held ? AxisReleaseZone : AxisDeadZone), changes);
    }
}

void PadTracker::releaseAll(std::vector<PadChange>& changes) {
    for (int slot = 0; slot < PadInputCount; ++slot) {
        set(PadInput{slot}, false, changes);
    }
}

std::optional<PadEvent> padEventOf(const PadChange& change, const Bindings& bindings,
                                   HeldKeys onKeyboard) {
    const auto action = bindings.actionOf(Trigger::pad(change.input));
    if (!action && !change.input.isButton()) {
        return std::nullopt;
    }
    PadEvent made;
    made.event.type = change.on ? InputEvent::Type::KeyDown : InputEvent::Type::Other;
    made.event.held = onKeyboard;
    if (action) {
        made.event.control = controlOf(*action, change.on);
        if (const auto key = wordOf(*action); key && change.on) {
            made.pressed.press(*key);
        }
    }
    return made;
}

void addPadHeld(TurnInput& turn, HeldKeys onPad, const std::vector<HeldKeys>& pressed) {
    for (std::size_t i = 0; i < turn.events.size(); ++i) {
        turn.events[i].held.add(onPad);
        turn.events[i].held.add(pressed[i]);
    }
    turn.held.add(onPad);
}

}  // namespace qz
