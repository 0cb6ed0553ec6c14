// The one candy piece lying in Areas One to Three, and the Eat Candy effect.
#pragma once

namespace qz {

// A piece is 15 by 15 pixels, laid with its corner at x 50..749, y 125..424,
// in Area One, Two or Three (candyArea 1..3). candyLook picks its picture;
// most looks show nothing. The first piece of a run has look 0 (visible).
struct CandyState {
    int candyX = 0;
    int candyY = 0;
    int candyArea = 0;
    int candyLook = 0;
    bool candyTouched = false;  // the last touch test's result
    // Set when a power animation ends with the Eat Candy request raised; the
    // piece is eaten later in that same turn, after the name line.
    bool eatCandyInForce = false;
};

// Every field by name, for the replay record; a new field goes here too
// (core/state_fields.cpp counts them at compile time).
template <class F>
constexpr void forEachField(const CandyState& s, F&& f) {
    f("candyX", s.candyX);
    f("candyY", s.candyY);
    f("candyArea", s.candyArea);
    f("candyLook", s.candyLook);
    f("candyTouched", s.candyTouched);
    f("eatCandyInForce", s.eatCandyInForce);
}

}  // namespace qz
