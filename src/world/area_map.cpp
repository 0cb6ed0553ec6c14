#include "world/area_map.h"

#include <array>

#include "core/indexed_array.h"
#include "world/play_field.h"

namespace qz {
namespace {

// Rows by area, columns by Edge: Top, Bottom, Left, Right.
constexpr AreaArray<IndexedArray<AreaId, Edge, 4>> neighbours{{{
    {AreaOne, AreaThree, AreaFour, AreaTwo},     // Forest
    {WashingtonDC, Forest, AreaFour, AreaTwo},   // Area One
    {AreaOne, AreaThree, Forest, WashingtonDC},  // Area Two
    {Forest, WashingtonDC, AreaFour, AreaTwo},   // Area Three
    {AreaOne, AreaThree, WashingtonDC, Forest},  // Area Four
    {AreaThree, AreaOne, AreaTwo, AreaFour},     // Washington DC
}}};

// On a quarter-turn edge the coordinate that ran along the edge decides, by
// four bands (of 200 pixels along x, 100 along y), where the alien comes out
// across the new edge.
struct QuarterTurn {
    int from;
    Edge edge;
    bool fixesX;  // the new area's edge is a left/right edge: x is fixed
    int fixed;
    std::array<int, 4> byBand;
};

constexpr std::array<QuarterTurn, 8> quarterTurns{{
    {AreaTwo, Edge::Top, true, 748, {350, 250, 150, 75}},
    {AreaFour, Edge::Top, true, 2, {75, 150, 250, 350}},
    {AreaTwo, Edge::Bottom, true, 748, {75, 150, 250, 350}},
    {AreaFour, Edge::Bottom, true, 2, {350, 250, 150, 75}},
    {AreaOne, Edge::Left, false, 52, {100, 300, 500, 700}},
    {AreaThree, Edge::Left, false, 373, {700, 500, 300, 100}},
    {AreaOne, Edge::Right, false, 52, {700, 500, 300, 100}},
    {AreaThree, Edge::Right, false, 373, {100, 300, 500, 700}},
}};

// Bands 0..w, w+1..2w, 2w+1..3w, 3w+1..4w, compared unsigned so that a
// negative value falls in none.
int bandOf(int value, unsigned bandWidth) {
    const auto v = static_cast<unsigned>(value);
    for (unsigned band = 0; band < 4; ++band) {
        if (v <= bandWidth * (band + 1)) {
            return static_cast<int>(band);
        }
    }
    return -1;
}

void setReentry(GameState& s, Edge edge) {
    switch (edge) {
        case Edge::Top:
            s.alienY = AlienBottomLimit;
            break;
        case Edge::Bottom:
            s.alienY = PlayFieldTop;
            break;
        case Edge::Left:
            s.alienX = AlienRightLimit;
            break;
        case Edge::Right:
            s.alienX = AlienLeftLimit;
            break;
    }
}

}  // namespace

AreaId neighbourArea(int area, Edge edge) {
    const auto from = static_cast<AreaId>(area);
    if (!isOutdoorArea(from)) {
        return from;  // inside a hole, the hole itself
    }
    return neighbours[from][edge];
}

bool isQuarterTurnEdge(int area, Edge edge) {
    for (const QuarterTurn& turn : quarterTurns) {
        if (turn.from == area && turn.edge == edge) {
            return true;
        }
    }
    return false;
}

std::string areaName(int area) {
    static constexpr AreaArray<const char*> names{
        {"Forest", "Area One", "Area Two", "Area Three", "Area Four", "Washington DC"}};
    return isOutdoorArea(area) ? names[static_cast<AreaId>(area)] : "";
}

void crossEdge(GameState& s, Edge edge) {
    const bool acrossTopOrBottom = edge == Edge::Top || edge == Edge::Bottom;
    const int along = acrossTopOrBottom ? s.alienX : s.alienY;
    const int from = s.area;
    setReentry(s, edge);
    s.area = neighbourArea(from, edge);
    for (const QuarterTurn& turn : quarterTurns) {
        if (turn.from != from || turn.edge != edge) {
            continue;
        }
        const int band = bandOf(along, acrossTopOrBottom ? 200 : 100);
        int& fixedCoordinate = turn.fixesX ? s.alienX : s.alienY;
        int& bandCoordinate = turn.fixesX ? s.alienY : s.alienX;
        fixedCoordinate = turn.fixed;
        if (band >= 0) {
            bandCoordinate = turn.byBand[static_cast<std::size_t>(band)];
        }
    }
}

}  // namespace qz
