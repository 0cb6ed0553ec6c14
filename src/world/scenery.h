// What does not move: grounds, the Forest's trees, Washington's buildings,
// the flower inside a hole and the hole indicator panel.
#pragma once

#include <span>

#include "core/game_state.h"
#include "platform/canvas.h"

namespace qz {

// Where the trees and buildings stand, each by its picture's box; the
// characters pass behind them.
std::span<const Rect> sceneryInFront(int area);

void drawBackground(Canvas& canvas, int area);
void drawForestTrees(Canvas& canvas, int area);
void drawWashingtonBuildings(Canvas& canvas);
void drawFlower(Canvas& canvas, bool alive);

// The three pictures of the panel at the bottom left.
enum class HoleIndicator { Fauna, Undiscovered, Discovered, Nothing };

// Decides the panel's picture for the hole underfoot. Standing on a hole also
// records the hole's row in the contents table (contentsRow).
HoleIndicator chooseHoleIndicator(GameState& state);
void drawHoleIndicator(Canvas& canvas, HoleIndicator picture);
void drawFaunaPicture(Canvas& canvas);

}  // namespace qz
