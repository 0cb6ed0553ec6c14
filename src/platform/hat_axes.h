// Where a pad the browser gives no standard mapping reports its D-pad: on
// axes, in one of two layouts. Chromium gives a hat one axis of its own
// (the tenth on many pads), -1 for up and then a step of 2/7 for each eighth
// of a turn clockwise, up-left 1, and out of range (9/7 or beyond) at rest.
// Firefox on Linux gives it two axes as the driver does, the last two of an
// Xbox-style pad's eight, -1 to 1 each. Other axes may rest away from zero
// (a trigger rests at -1) and must hold nothing.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace qz {

class HatAxes {
  public:
    static constexpr int MaxAxes = 16;

    // A pad appears, its axes at rest: forgets the last pad's.
    void appear(std::span<const float> axes);
    // The D-pad as the display library's hat bits: up 1, right 2, down 4, left 8.
    std::uint8_t read(std::span<const float> axes);

  private:
    int hatAxis_ = -1;         // the axis seen out of range, a hat at rest; -1 before
    bool pairAtRest_ = false;  // whether the two-axis layout rested at zero
};

}  // namespace qz
