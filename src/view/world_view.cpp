#include "view/world_view.h"

#include "core/area_id.h"
#include "core/graphics_files.h"
#include "world/area_map.h"
#include "world/power_zones.h"

namespace qz {
namespace {

constexpr Point groundAt{0, 50};
constexpr Point indicatorAt{0, 450};

}  // namespace

void drawBackground(Drawing& drawing, int area) {
    Picture ground = pic::grass;
    if (area == WashingtonDC) {
        ground = pic::washingtonGround;
    } else if (area == InsideHole) {
        ground = pic::holeGround;
    }
    drawing.drawSprite(ground, nullptr, groundAt);
}

void drawForestTrees(Drawing& drawing, int area) {
    if (area == Forest) {
        drawing.drawSprite(pic::tree, nullptr, treePositions);
    }
}

void drawWashingtonBuildings(Drawing& drawing) {
    drawing.drawSprite(pic::govBuilding, nullptr, buildingPositions);
    drawing.drawSprite(pic::jorrinHouse, nullptr, houseAt);
}

void drawFlower(Drawing& drawing, bool alive) {
    drawing.drawSprite(alive ? pic::flowerAlive : pic::flowerDead, nullptr, Point{150, 375});
}

void drawHoleIndicator(Drawing& drawing, HoleIndicator picture) {
    switch (picture) {
        case HoleIndicator::Fauna:
            drawFaunaPicture(drawing);
            break;
        case HoleIndicator::Undiscovered:
            drawing.drawSprite(pic::undiscoveredHole, nullptr, indicatorAt);
            break;
        case HoleIndicator::Discovered:
            drawing.drawSprite(pic::discoveredHole, nullptr, indicatorAt);
            break;
        case HoleIndicator::Nothing:
            break;
    }
}

void drawFaunaPicture(Drawing& drawing) {
    drawing.drawSprite(pic::fauna, nullptr, indicatorAt);
}

void drawNameText(Drawing& drawing, const std::string& text) {
    drawing.drawTextCentred(FontSize::Small, text, White, 16);
}

void drawAreaName(Drawing& drawing, int area) {
    drawNameText(drawing, areaName(area));
}

void drawZoneName(Drawing& drawing, int kind, int area) {
    drawNameText(drawing, zoneText(kind, area));
}

}  // namespace qz
