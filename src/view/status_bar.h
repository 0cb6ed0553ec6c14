// The red top band and the black status panel with energy, candy and score.
#pragma once

#include <array>
#include <cstdint>

#include "core/drawing.h"

namespace qz {

// Where each piece's icon stands in the top band.
inline constexpr std::array<Point, 3> PieceIconAt{{{625, 15}, {655, 15}, {680, 15}}};

// The red band, then the icons of the pieces held, each at its own place.
void drawTopBand(Drawing& drawing, const std::array<bool, 3>& piecesHeld);
// Black from (150, 450); the hole indicator keeps x 0..149.
void drawStatusPanel(Drawing& drawing);
// "Score", the logo, "Energy".
void drawLogoAndLabels(Drawing& drawing);
// The bar cut to `energy` columns; nothing at 0.
void drawEnergyBar(Drawing& drawing, int energy);
void drawCandyCounter(Drawing& drawing, int candyCount);
void drawScore(Drawing& drawing, std::int64_t score);

}  // namespace qz
