// The world as it is drawn: grounds, the Forest's trees, Washington's
// buildings, the flower inside a hole, the hole indicator and the name line.
#pragma once

#include <string>

#include "core/drawing.h"
#include "world/scenery.h"

namespace qz {

void drawBackground(Drawing& drawing, int area);

void drawForestTrees(Drawing& drawing, int area);

void drawWashingtonBuildings(Drawing& drawing);

void drawFlower(Drawing& drawing, bool alive);

void drawHoleIndicator(Drawing& drawing, HoleIndicator picture);

void drawFaunaPicture(Drawing& drawing);

// The name line: white, small, centred in the top band.
void drawNameText(Drawing& drawing, const std::string& text);

// The area's name on the name line.
void drawAreaName(Drawing& drawing, int area);

void drawZoneName(Drawing& drawing, int kind, int area);

}  // namespace qz
