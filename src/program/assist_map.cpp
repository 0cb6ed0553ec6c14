#include "program/assist_map.h"

#include <algorithm>
#include <array>

#include "core/indexed_array.h"
#include "world/play_field.h"

namespace qz {
namespace {

constexpr int CellW = 110;
constexpr int CellH = 50;
// The name takes a cell's top rows, the dot of the alien's place the rest.
constexpr int NameRows = 24;
constexpr int Margin = 16;
constexpr int Line = 2;
constexpr int EdgeLine = 5;

constexpr Rgb Frame{16, 16, 48};
constexpr Rgb Face{40, 70, 130};
constexpr Rgb Here{40, 150, 80};
constexpr Rgb Lit{255, 220, 40};

// The net of the cube: the area underfoot in the middle, its four
// neighbours round it, and the face across from it past the right one.
struct Place {
    int column;
    int row;
};
constexpr Place Middle{1, 1};
constexpr std::array<Place, 4> ByEdge{{{1, 0}, {1, 2}, {0, 1}, {2, 1}}};  // in Edge's order
constexpr Place Across{3, 1};

std::string shortName(int area) {
    return area == WashingtonDC ? "Wash. DC" : areaName(area);
}

void drawFace(Drawing& drawing, Point origin, Place place, int area, Rgb colour) {
    const int x = origin.x + place.column * CellW;
    const int y = origin.y + place.row * CellH;
    drawing.fill(x, y, CellW, CellH, Frame);
    drawing.fill(x + Line, y + Line, CellW - 2 * Line, CellH - 2 * Line, colour);
    drawing.drawText(FontSize::Small, shortName(area), White, x + 8, y + 4);
}

void drawEdge(Drawing& drawing, Point origin, Edge edge) {
    const int x = origin.x + Middle.column * CellW;
    const int y = origin.y + Middle.row * CellH;
    switch (edge) {
        case Edge::Top:
            drawing.fill(x, y - EdgeLine / 2, CellW, EdgeLine, Lit);
            break;
        case Edge::Bottom:
            drawing.fill(x, y + CellH - EdgeLine / 2, CellW, EdgeLine, Lit);
            break;
        case Edge::Left:
            drawing.fill(x - EdgeLine / 2, y, EdgeLine, CellH, Lit);
            break;
        case Edge::Right:
            drawing.fill(x + CellW - EdgeLine / 2, y, EdgeLine, CellH, Lit);
            break;
    }
}

}  // namespace

Point alienDrawnAt(const GameState& state) {
    if (state.area == InsideHole) {
        return Point{state.holeVisit.holeX, state.holeVisit.holeY};
    }
    return Point{state.alienX, state.alienY};
}

Edge nearestEdge(const GameState& state) {
    const std::array<int, 4> distance{state.alienY - AlienTopLimit, AlienBottomLimit - state.alienY,
                                      state.alienX - AlienLeftLimit,
                                      AlienRightLimit - state.alienX};
    const auto nearest = std::min_element(distance.begin(), distance.end());
    return static_cast<Edge>(nearest - distance.begin());
}

void drawAreaMap(Drawing& drawing, const GameState& state) {
    const bool inHole = state.area == InsideHole;
    const AreaId here = inHole ? state.holeVisit.areaBeforeHole : state.area;
    const int width = 4 * CellW;
    const bool alienOnTheLeft = alienDrawnAt(state).x + AlienWidth / 2 < ScreenWidth / 2;
    const Point origin{alienOnTheLeft ? ScreenWidth - Margin - width : Margin,
                       PlayFieldTop + Margin};
    AreaArray<bool> isNeighbour{};
    isNeighbour[here] = true;
    for (int e = 0; e < 4; ++e) {
        const AreaId next = neighbourArea(here, static_cast<Edge>(e));
        isNeighbour[next] = true;
        drawFace(drawing, origin, ByEdge[static_cast<std::size_t>(e)], next, Face);
    }
    for (const AreaId area : OutdoorAreas) {
        if (!isNeighbour[area]) {
            drawFace(drawing, origin, Across, area, Face);
        }
    }
    drawFace(drawing, origin, Middle, here, Here);
    if (!inHole) {
        drawEdge(drawing, origin, nearestEdge(state));
        // Where the alien stands in its area, a dot in the middle face.
        const int dotX = origin.x + Middle.column * CellW + Line +
                         (state.alienX + AlienWidth / 2) * (CellW - 2 * Line - 4) / ScreenWidth;
        const int dotY = origin.y + Middle.row * CellH + NameRows +
                         (state.alienY + AlienHeight - PlayFieldTop) *
                             (CellH - NameRows - Line - 4) / (PlayFieldBottom - PlayFieldTop);
        drawing.fill(dotX, dotY, 4, 4, Lit);
    }
}

}  // namespace qz
