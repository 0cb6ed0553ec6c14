// Hole layouts, the layout dealt to each area, and the standing-on-a-hole test.
#pragma once

#include <array>
#include <cstdint>

namespace qz {

struct GameState;

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

extern const std::array<HoleLayout, HoleLayoutCount> holeLayouts;

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
// (frame/replay/state_fields.cpp counts them at compile time).
template <class F>
constexpr void forEachField(const HoleState& s, F&& f) {
    f("holeLayoutOf", s.holeLayoutOf);
    f("selectedLayout", s.selectedLayout);
    f("holeCount", s.holeCount);
    f("holeIndex", s.holeIndex);
    f("onHole", s.onHole);
}

// Deals layouts 1, 2 and 3 to Areas One to Three in random order; Area Four
// keeps layout 0.
void assignHoleLayouts(GameState& state);

// Points selectedLayout/holeCount at the layout of the current area (Areas One to
// Four); other areas leave them as they are.
void selectAreaHoles(GameState& state);

// True when the alien's feet are on a hole of the current selection; sets
// holeIndex on a hit.
bool standingOnHole(GameState& state);

// The holes of the current selection (holeCount of them count).
const std::array<HoleRect, MaxHoles>& selectedHoleRects(const GameState& state);

}  // namespace qz
