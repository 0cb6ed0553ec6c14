
#include <algorithm>

#include "core/game_state.h"
#include "world/hole_geometry.h"
#include "world/play_field.h"

namespace qz {
namespace {

constexpr HoleRect hole(int x, int y) {
    return HoleRect{static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), 100, 10};
}

}  // namespace

const std::array<HoleLayout, HoleLayoutCount> holeLayouts{{
    {6,
     {hole(150, 120), hole(240, 240), hole(650, 150), hole(550, 340), hole(70, 340),
      hole(400, 150)}},
    {4, {hole(100, 300), hole(140, 140), hole(650, 150), hole(550, 340)}},
    {4, {hole(350, 230), hole(650, 150), hole(550, 340), hole(70, 340)}},
    {6,
     {hole(150, 120), hole(240, 240), hole(650, 150), hole(550, 340), hole(70, 340),
      hole(400, 200)}},
}};

void assignHoleLayouts(GameState& state) {
    auto& layoutOf = state.areaHoles.holeLayoutOf;
    layoutOf.fill(0);
    // Area Four holds on to 0, so Areas One to Three draw until they find one
    // of 1, 2 and 3 that nobody has yet.
    for (int area = 0; area < 3; ++area) {
        int v = 0;
        do {
            v = state.random.deal() % HoleLayoutCount;
        } while (std::find(layoutOf.begin(), layoutOf.end(), v) != layoutOf.end());
        layoutOf[static_cast<std::size_t>(area)] = v;
    }
}

void selectAreaHoles(GameState& state) {
    if (!isHoleArea(state.area)) {
        return;
    }
    const int layout = state.areaHoles.holeLayoutOf[static_cast<std::size_t>(state.area - AreaOne)];
    if (layout < 0 || layout >= HoleLayoutCount) {
        return;
    }
    state.areaHoles.selectedLayout = layout;
    state.areaHoles.holeCount = holeLayouts[static_cast<std::size_t>(layout)].count;
}

bool standingOnHole(GameState& state) {
    // The test reads the position as the display library's 16-bit coordinates.
    const int ax = static_cast<std::int16_t>(state.alienX);
    const int ay = static_cast<std::int16_t>(state.alienY);
    const auto& rects = selectedHoleRects(state);
    for (int i = 0; i < state.areaHoles.holeCount; ++i) {
        const int hx = rects[static_cast<std::size_t>(i)].x;
        const int hy = rects[static_cast<std::size_t>(i)].y;
        // Touching the hole's span counts; the feet line must lie on one of its rows.
        if (ax + AlienWidth >= hx && ax <= hx + 100 && ay + AlienHeight >= hy &&
            ay + AlienHeight <= hy + 10) {
            state.areaHoles.holeIndex = i;
            return true;
        }
    }
    return false;
}

const std::array<HoleRect, MaxHoles>& selectedHoleRects(const GameState& state) {
    return holeLayouts[static_cast<std::size_t>(state.areaHoles.selectedLayout)].holes;
}

}  // namespace qz
