// The Phone zone's effect: white marks blinking over the holes of the current
// area that hold a phone piece.
#pragma once

#include <array>

#include "core/game_state.h"
#include "core/geometry.h"
#include "world/hole_geometry.h"

namespace qz {

// The marks to draw this turn, top-left corners of 10 x 10 squares.
struct PhoneMarks {
    std::array<Point, MaxHoles> at{};
    int count = 0;
};

// At the end of a power animation with the Phone request raised.
void startPhoneMarks(GameState& state);

// One turn of the marks while they are on: advances the blink counter once per
// piece-holding hole and ends the marks at 25 (clearing the Phone request).
// Only Areas One to Four have holes to mark; elsewhere no hole holds a piece.
PhoneMarks stepPhoneMarks(GameState& state);

}  // namespace qz
