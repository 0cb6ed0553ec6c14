// The six outdoor areas and the screen inside a hole.
#pragma once

#include <array>

namespace qz {

// The hole screen is 6, and code that tests areas by range (AreaOne..AreaFour)
// relies on the numbering.
enum AreaId : int {
    Forest = 0,
    AreaOne = 1,
    AreaTwo = 2,
    AreaThree = 3,
    AreaFour = 4,
    WashingtonDC = 5,
    InsideHole = 6,
};

// The six outdoor areas, in their numbering's order.
inline constexpr std::array<AreaId, 6> OutdoorAreas{Forest,    AreaOne,  AreaTwo,
                                                    AreaThree, AreaFour, WashingtonDC};

// Areas One to Four are the ones with holes, zones for candy, and a row in the
// hole-contents table.
constexpr bool isHoleArea(int area) {
    return area >= AreaOne && area <= AreaFour;
}
constexpr bool isOutdoorArea(int area) {
    return area >= Forest && area <= WashingtonDC;
}

}  // namespace qz
