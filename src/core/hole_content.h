// What each hole holds: the hole-contents table of Areas One to Four, where
// the phone pieces were hidden and in which order the alien found them.
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

constexpr int PhonePieceCount = 3;

// Rows AreaOne..AreaFour, columns the hole index within the area's layout.
using HoleContents = std::array<std::array<int, 6>, 4>;

// Invariant: each piece number 1..3 lies in exactly one cell or is held (its
// phonePieceHeld flag set and its number in foundOrder), and exactly one cell
// holds the Flower. Items lie only in rows 0..2 and never in a layout's last
// hole; row 3 (Area Four) stays free of items.
struct ItemState {
    HoleContents holeContents{};                      // every hole Empty
    std::array<int, PhonePieceCount> placedPieces{};  // in the order they were hidden; 0 = none yet
    int placedCount = 0;
    std::array<int, PhonePieceCount> foundOrder{};  // pieces held, oldest find first; 0 = free slot
    bool flowerRevived = false;
    // The FBI agent takes at most one piece per capture; the pursuer re-arms
    // it once the agent has walked off. A new game leaves it as it is.
    bool pieceTheftArmed = true;
};

// Every field by name, for the replay record; a new field goes here too
// (core/state_fields.cpp counts them at compile time).
template <class F>
constexpr void forEachField(const ItemState& s, F&& f) {
    f("holeContents", s.holeContents);
    f("placedPieces", s.placedPieces);
    f("placedCount", s.placedCount);
    f("foundOrder", s.foundOrder);
    f("flowerRevived", s.flowerRevived);
    f("pieceTheftArmed", s.pieceTheftArmed);
}

}  // namespace qz
