// The first game pad: opened through the display library's joystick
// support, its events turned into pad inputs switched on and off.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/bindings.h"

union SDL_Event;
struct _SDL_Joystick;

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

class Pad {
  public:
    Pad() = default;
    Pad(const Pad&) = delete;
    Pad& operator=(const Pad&) = delete;
    ~Pad() { close(); }

    // Opens the first joystick; false, and nothing said, when there is none.
    bool open();
    void close();
    bool isOpen() const { return joystick_ != nullptr; }
    // One line on what was opened: its name, axes, hats and buttons.
    std::string description() const { return description_; }

    // Turns one of the pad's events into the inputs it switches; other
    // events are left alone. Returns whether the event was the pad's.
    bool take(const SDL_Event& event, std::vector<PadChange>& changes);
    // True once, when the pad's device has gone away since it was opened;
    // everything it held is then let go.
    bool wentAway(std::vector<PadChange>& changes);
    const PadState& state() const { return tracker_.state(); }

  private:
    _SDL_Joystick* joystick_ = nullptr;
    std::string description_;
    PadTracker tracker_;
    // The file the pad was read from, to notice its device going away.
    int fd_ = -1;
    std::string device_;
    int untilCheck_ = 0;
};

}  // namespace qz
