// What does not move: where the Forest's trees and Washington's buildings
// stand, and which picture the hole indicator panel shows.
#pragma once

#include <array>
#include <span>

#include "core/game_state.h"
#include "core/geometry.h"

namespace qz {

// In drawing order; they overlap, and reach under the status bar and past the
// right edge on purpose.
inline constexpr std::array<Point, 18> treePositions{{
    {400, 10},
    {200, 10},
    {600, 10},
    {750, 10},
    {100, 70},
    {300, 70},
    {500, 70},
    {710, 70},
    {10, 250},
    {210, 250},
    {410, 250},
    {650, 250},
    {780, 380},
    {310, 380},
    {50, 380},
    {450, 380},
    {560, 250},
    {30, 35},
}};

inline constexpr std::array<Point, 2> buildingPositions{{{93, 91}, {566, 91}}};
inline constexpr Point houseAt{243, 258};

// Where the trees and buildings stand, each by its picture's box; the
// characters pass behind them.
std::span<const Rect> sceneryInFront(int area);

// The three pictures of the panel at the bottom left.
enum class HoleIndicator { Fauna, Undiscovered, Discovered, Nothing };

// Decides the panel's picture for the hole underfoot. Standing on a hole also
// records the hole's row in the contents table (contentsRow).
HoleIndicator chooseHoleIndicator(GameState& state);

}  // namespace qz
