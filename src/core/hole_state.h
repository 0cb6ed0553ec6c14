// The holes' records: a hole's rectangle, a layout of holes, and the holes'
// fields of the game state.
#pragma once

#include <array>
#include <cstdint>

namespace qz {

// Same shape as the display library's rectangle; the hit test only reads x, y.
struct HoleRect {
    std::int16_t x;
    std::int16_t y;
    std::uint16_t w;
    std::uint16_t h;
};

constexpr int MaxHoles = 6;
constexpr int HoleLayoutCount = 4;

struct HoleLayout {
    int count;
    std::array<HoleRect, MaxHoles> holes;
};

// Fields of the game state owned by the holes.
//  - holeLayoutOf: layout index of AreaOne..AreaFour; AreaFour always 0.
//  - selectedLayout/holeCount: the current area's holes, selected once per Play
//    turn, so the movement step always sees the previous turn's selection.
//  - holeIndex keeps the last hole found when a later test finds none.
struct HoleState {
    std::array<int, 4> holeLayoutOf{0, 0, 0, 0};
    int selectedLayout = 0;  // index into holeLayouts
    int holeCount = 0;
    int holeIndex = 0;
    bool onHole = false;
};

// Every field by name, for the replay record; a new field goes here too
// (core/state_fields.cpp counts them at compile time).
template <class F>
constexpr void forEachField(const HoleState& s, F&& f) {
    f("holeLayoutOf", s.holeLayoutOf);
    f("selectedLayout", s.selectedLayout);
    f("holeCount", s.holeCount);
    f("holeIndex", s.holeIndex);
    f("onHole", s.onHole);
}

}  // namespace qz
