// The first game pad: opened through the display library's joystick
// support, its events turned into pad inputs switched on and off.
#pragma once

#include <string>
#include <vector>

#include "controls/pad_tracker.h"

union SDL_Event;
struct _SDL_Joystick;

namespace qz {

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
