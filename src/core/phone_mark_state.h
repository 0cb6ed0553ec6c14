// The blinking marks the Phone zone puts over the holes that hold phone pieces.
#pragma once

namespace qz {

// The marks end when the blink counter reaches this at a piece-holding hole.
constexpr int PhoneMarkBlinkEnd = 25;

// phoneMarkBlink advances once per piece-holding hole met in a turn, so the
// marks of different holes blink out of step. phoneMarkHolesSeen only grows
// while the marks last; while it is 0 an area without pieces ends them.
struct PhoneMarkState {
    bool phoneMarksOn = false;
    int phoneMarkBlink = 0;  // 0..25
    int phoneMarkHolesSeen = 0;
};

// Every field by name, for the replay record; a new field goes here too
// (core/state_fields.cpp counts them at compile time).
template <class F>
constexpr void forEachField(const PhoneMarkState& s, F&& f) {
    f("phoneMarksOn", s.phoneMarksOn);
    f("phoneMarkBlink", s.phoneMarkBlink);
    f("phoneMarkHolesSeen", s.phoneMarkHolesSeen);
}

}  // namespace qz
