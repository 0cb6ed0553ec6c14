// Each turn's input record, made from what the platform reads of the keyboard,
// the window and the pad, through the bindings.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "controls/bindings.h"
#include "controls/input_source.h"
#include "controls/pad_tracker.h"
#include "platform/raw_input.h"

namespace qz {

// F11 and Alt+Enter belong to the window, not the game: they go to
// `onWindowKey` and never reach a turn, and neither does an Alt key-down,
// which would otherwise turn an instruction page. A pad input that goes down
// is a key-down, as its key's would be; one that comes up, like a key coming
// up, some other event.
class LibraryInput final : public InputSource {
  public:
    explicit LibraryInput(std::function<void()> onWindowKey = {})
        : onWindowKey_(std::move(onWindowKey)) {}
    // The bindings and the pad to read; both must outlive the input. The
    // calls tell of the pad unplugged, and of one plugged in and opened.
    void use(const Bindings& bindings, PadDevice* pad, std::function<void()> onPadGone,
             std::function<void()> onPadPlugged = {}) {
        bindings_ = &bindings;
        pad_ = pad;
        onPadGone_ = std::move(onPadGone);
        onPadPlugged_ = std::move(onPadPlugged);
    }
    TurnInput readTurn() override;

  private:
    const Bindings& bindings() const;
    // `pressed` keeps, for each of the turn's events, the word its pad input pressed.
    void take(const RawEvent& raw, TurnInput& turn, std::vector<HeldKeys>& pressed);
    void takePad(const RawEvent& raw, TurnInput& turn, std::vector<HeldKeys>& pressed);

    EventReader events_;
    std::function<void()> onWindowKey_;
    const Bindings* bindings_ = nullptr;
    PadDevice* pad_ = nullptr;
    PadTracker padTracker_;
    std::function<void()> onPadGone_;
    std::function<void()> onPadPlugged_;
};

}  // namespace qz
