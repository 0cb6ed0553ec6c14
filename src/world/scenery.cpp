#include "world/scenery.h"

#include <array>

#include "core/area_id.h"

namespace qz {
namespace {

// The pictures' sizes.
constexpr int TreeWidth = 75;
constexpr int TreeHeight = 200;
constexpr int BuildingWidth = 139;
constexpr int BuildingHeight = 152;
constexpr int HouseWidth = 301;
constexpr int HouseHeight = 106;

}  // namespace

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

}  // namespace qz
