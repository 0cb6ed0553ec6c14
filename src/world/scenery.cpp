#include "world/scenery.h"

#include <array>

#include "core/graphics_files.h"

namespace qz {
namespace {

// In drawing order; they overlap, and reach under the status bar and past the
// right edge on purpose.
constexpr std::array<Point, 18> treePositions{{
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

constexpr std::array<Point, 2> buildingPositions{{{93, 91}, {566, 91}}};
constexpr Point houseAt{243, 258};
// The pictures' sizes.
constexpr int TreeWidth = 75;
constexpr int TreeHeight = 200;
constexpr int BuildingWidth = 139;
constexpr int BuildingHeight = 152;
constexpr int HouseWidth = 301;
constexpr int HouseHeight = 106;

constexpr Point groundAt{0, 50};
constexpr Point indicatorAt{0, 450};

}  // namespace

void drawBackground(Canvas& canvas, int area) {
    Picture ground = pic::grass;
    if (area == WashingtonDC) {
        ground = pic::washingtonGround;
    } else if (area == InsideHole) {
        ground = pic::holeGround;
    }
    canvas.drawSprite(ground, nullptr, groundAt);
}

void drawForestTrees(Canvas& canvas, int area) {
    if (area == Forest) {
        canvas.drawSprite(pic::tree, nullptr, treePositions);
    }
}

void drawWashingtonBuildings(Canvas& canvas) {
    canvas.drawSprite(pic::govBuilding, nullptr, buildingPositions);
    canvas.drawSprite(pic::jorrinHouse, nullptr, houseAt);
}

std::span<const Rect> sceneryInFront(int area) {
    static constexpr auto trees = [] {
        std::array<Rect, treePositions.size()> boxes{};
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            boxes[i] = Rect{treePositions[i].x, treePositions[i].y, TreeWidth, TreeHeight};
        }
        return boxes;
    }();
    static constexpr std::array<Rect, 3> buildings{{
        {buildingPositions[0].x, buildingPositions[0].y, BuildingWidth, BuildingHeight},
        {buildingPositions[1].x, buildingPositions[1].y, BuildingWidth, BuildingHeight},
        {houseAt.x, houseAt.y, HouseWidth, HouseHeight},
    }};
    if (area == Forest) {
        return trees;
    }
    if (area == WashingtonDC) {
        return buildings;
    }
    return {};
}

void drawFlower(Canvas& canvas, bool alive) {
    canvas.drawSprite(alive ? pic::flowerAlive : pic::flowerDead, nullptr, Point{150, 375});
}

HoleIndicator chooseHoleIndicator(GameState& state) {
    if (!state.areaHoles.onHole) {
        return HoleIndicator::Fauna;
    }
    if (isHoleArea(state.area)) {
        state.holeVisit.contentsRow = state.area - AreaOne;
    }
    const auto row = static_cast<std::size_t>(state.holeVisit.contentsRow);
    const auto column = static_cast<std::size_t>(state.areaHoles.holeIndex);
    switch (state.items.holeContents[row][column]) {
        case Empty:
            return HoleIndicator::Undiscovered;
        case Searched:
            return HoleIndicator::Discovered;
        case PhonePiece1:
        case PhonePiece2:
        case PhonePiece3: {
            const auto& held = state.phonePieceHeld;
            return held[0] && held[1] && held[2] ? HoleIndicator::Nothing
                                                 : HoleIndicator::Undiscovered;
        }
        case Flower:
            return state.items.flowerRevived ? HoleIndicator::Discovered
                                             : HoleIndicator::Undiscovered;
        default:
            return HoleIndicator::Nothing;
    }
}

void drawHoleIndicator(Canvas& canvas, HoleIndicator picture) {
    switch (picture) {
        case HoleIndicator::Fauna:
            drawFaunaPicture(canvas);
            break;
        case HoleIndicator::Undiscovered:
            canvas.drawSprite(pic::undiscoveredHole, nullptr, indicatorAt);
            break;
        case HoleIndicator::Discovered:
            canvas.drawSprite(pic::discoveredHole, nullptr, indicatorAt);
            break;
        case HoleIndicator::Nothing:
            break;
    }
}

void drawFaunaPicture(Canvas& canvas) {
    canvas.drawSprite(pic::fauna, nullptr, indicatorAt);
}

}  // namespace qz
