#include "controls/library_input.h"

namespace qz {

static_assert(KeyCodeCount == keycode::Count);

namespace {

bool isPads(RawEvent::Kind kind) {
    using Kind = RawEvent::Kind;
    return kind == Kind::PadButton || kind == Kind::PadHat || kind == Kind::PadAxis ||
           kind == Kind::PadOther || kind == Kind::PadUnplugged || kind == Kind::PadSwitched ||
           kind == Kind::PadPlugged;
}

}  // namespace

const Bindings& LibraryInput::bindings() const {
    static const Bindings defaults = Bindings::defaults();
    return bindings_ ? *bindings_ : defaults;
}

void LibraryInput::takePad(const RawEvent& raw, TurnInput& turn, std::vector<HeldKeys>& pressed) {
    std::vector<PadChange> changes;
    switch (raw.kind) {
        case RawEvent::Kind::PadButton:
            padTracker_.button(raw.number, raw.value != 0, changes);
            break;
        case RawEvent::Kind::PadHat:
            if (raw.number == 0) {
                padTracker_.hat(static_cast<std::uint8_t>(raw.value), changes);
            }
            break;
        case RawEvent::Kind::PadAxis:
            padTracker_.axis(raw.number, raw.value, changes);
            break;
        case RawEvent::Kind::PadUnplugged:
        case RawEvent::Kind::PadSwitched:
        case RawEvent::Kind::PadPlugged:
            padTracker_.releaseAll(changes);
            break;
        default:
            break;
    }
    const HeldKeys onKeyboard = bindings().heldOnKeyboard(events_.keysHeld());
    for (const PadChange& change : changes) {
        if (const auto made = padEventOf(change, bindings(), onKeyboard)) {
            turn.events.push_back(made->event);
            pressed.push_back(made->pressed);
        }
    }
    if (raw.kind == RawEvent::Kind::PadUnplugged && onPadGone_) {
        onPadGone_();
    }
    if (raw.kind == RawEvent::Kind::PadPlugged && onPadPlugged_) {
        onPadPlugged_();
    }
}

void LibraryInput::take(const RawEvent& raw, TurnInput& turn, std::vector<HeldKeys>& pressed) {
    using Kind = RawEvent::Kind;
    // Without a pad to read, its events are some other events.
    if (pad_ && isPads(raw.kind)) {
        takePad(raw, turn, pressed);
        return;
    }
    if (raw.kind == Kind::KeyDown) {
        if (raw.number == keycode::F11 || (raw.number == keycode::Return && raw.alt)) {
            if (onWindowKey_) {
                onWindowKey_();
            }
            return;
        }
        if (raw.number == keycode::LeftAlt || raw.number == keycode::RightAlt) {
            return;
        }
    }
    InputEvent event;
    event.type = raw.kind == Kind::Quit      ? InputEvent::Type::Quit
                 : raw.kind == Kind::KeyDown ? InputEvent::Type::KeyDown
                                             : InputEvent::Type::Other;
    event.held = bindings().heldOnKeyboard(events_.keysHeld());
    if ((raw.kind == Kind::KeyDown || raw.kind == Kind::KeyUp) && raw.number >= 0) {
        if (const auto action = bindings().actionOf(Trigger::key(raw.number))) {
            event.control = controlOf(*action, raw.kind == Kind::KeyDown);
        }
    }
    if (raw.kind == Kind::FocusLost) {
        event.control = Control::FocusLost;
    }
    turn.events.push_back(event);
    pressed.emplace_back();
}

TurnInput LibraryInput::readTurn() {
    TurnInput turn;
    std::vector<HeldKeys> pressed;
    RawEvent raw;
    while (events_.poll(raw)) {
        take(raw, turn, pressed);
    }
    // The pad is read once a turn, after the keys: a button pressed and let
    // go between two reads of the browser's pad is not seen.
    if (pad_) {
        std::vector<RawEvent> read;
        pad_->read(read);
        for (const RawEvent& padRaw : read) {
            take(padRaw, turn, pressed);
        }
    }
    events_.pump();
    turn.held = bindings().heldOnKeyboard(events_.keysHeld());
    if (pad_) {
        // As with the keys, every event sees the pad as it is once the
        // turn's events are all in.
        addPadHeld(turn, bindings().heldOnPad(padTracker_.state()), pressed);
    }
    events_.turnTaken();
    return turn;
}

}  // namespace qz
