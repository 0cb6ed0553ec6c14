// A pad's readings as the inputs they switch on and off: its buttons, the
// directions of its first hat and the two ends of each axis.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "controls/bindings.h"
#include "controls/turn_input.h"

namespace qz {

struct PadChange {
    PadInput input;
    bool on = false;
};

// A stick counts as pushed beyond a quarter of its range, and as let go only
// once back within a fifth: a worn stick resting near the edge would
// otherwise flicker, and every flicker is another key-down.
constexpr int AxisDeadZone = 32768 / 4;
constexpr int AxisReleaseZone = 32768 / 5;

// Which inputs a pad holds, from its buttons, first hat and axes.
class PadTracker {
  public:
    void button(int number, bool down, std::vector<PadChange>& changes);
    // The hat's value in the display library's bits: up 1, right 2, down 4, left 8.
    void hat(std::uint8_t value, std::vector<PadChange>& changes);
    void axis(int number, int value, std::vector<PadChange>& changes);
    // Everything let go, as when the pad goes away.
    void releaseAll(std::vector<PadChange>& changes);
    const PadState& state() const { return state_; }

  private:
    void set(PadInput input, bool on, std::vector<PadChange>& changes);
    PadState state_;
};

// What one of the pad's changes is to a turn, as a key's would be: a
// key-down when it goes down, another event when it comes up, and the word
// it presses. Any button turns an instruction page, as any key does; a stick
// or the hat only when bound, and otherwise is nothing to the turn.
struct PadEvent {
    InputEvent event;
    HeldKeys pressed;
};
std::optional<PadEvent> padEventOf(const PadChange& change, const Bindings& bindings,
                                   HeldKeys onKeyboard);

// Once the turn's input is all in, every event and the turn see what the pad
// holds then; each event also keeps the word its own pad input pressed
// (`pressed`, one for each event), so a button pressed and let go within the
// turn still holds its word for its own key-down.
void addPadHeld(TurnInput& turn, HeldKeys onPad, const std::vector<HeldKeys>& pressed);

}  // namespace qz
