// What each hole holds: the hole-contents table of Areas One to Four.
#pragma once

#include <array>

namespace qz {

enum HoleContent : int {
    Empty = 0,
    PhonePiece1 = 1,
    PhonePiece2 = 2,
    PhonePiece3 = 3,
    Flower = 4,
    Searched = 5,
};

// Rows AreaOne..AreaFour, columns the hole index within the area's layout.
using HoleContents = std::array<std::array<int, 6>, 4>;

struct ItemState {
    HoleContents holeContents{};  // every hole Empty
    bool flowerRevived = false;
};

// Every field by name, for the replay record; a new field goes here too
// (frame/replay/state_fields.cpp counts them at compile time).
template <class F>
constexpr void forEachField(const ItemState& s, F&& f) {
    f("holeContents", s.holeContents);
    f("flowerRevived", s.flowerRevived);
}

}  // namespace qz
