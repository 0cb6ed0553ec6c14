#include "scenario/autopilot.h"

#include <array>
#include <deque>
#include <optional>

#include "world/area_map.h"
#include "world/play_field.h"

namespace qz::test {
namespace {

constexpr std::array<Edge, 4> Edges{Edge::Top, Edge::Bottom, Edge::Left, Edge::Right};
constexpr std::array<int, 4> EdgeKeys{KeyUp, KeyDown, KeyLeft, KeyRight};
// Steps are 5 pixels, so within 2 of a spot is as close as a walk gets.
constexpr int Near = 2;
// Zone cells: 266 x 133 from (0, 50); the alien's box lies wholly inside a
// cell for 216 pixels across and 58 down.
constexpr int CellWidth = 266;
constexpr int CellHeight = 133;
constexpr int InCellX = 216;
constexpr int InCellY = 58;

// The first edge on the shortest way from one area to another, keeping out
// of Washington DC unless it is where the walk goes.
Edge firstEdgeTowards(int from, int to) {
    std::array<std::optional<Edge>, 6> firstEdge{};
    std::array<bool, 6> seen{};
    std::deque<int> queue{from};
    seen[static_cast<std::size_t>(from)] = true;
    while (!queue.empty()) {
        const int area = queue.front();
        queue.pop_front();
        for (std::size_t e = 0; e < Edges.size(); ++e) {
            const int next = neighbourArea(area, Edges[e]);
            if (seen[static_cast<std::size_t>(next)] || (next == WashingtonDC && to != next)) {
                continue;
            }
            seen[static_cast<std::size_t>(next)] = true;
            firstEdge[static_cast<std::size_t>(next)] =
                area == from ? Edges[e] : firstEdge[static_cast<std::size_t>(area)];
            queue.push_back(next);
        }
    }
    return firstEdge[static_cast<std::size_t>(to)].value_or(Edge::Top);
}

int keyOf(Edge edge) {
    return EdgeKeys[static_cast<std::size_t>(edge)];
}

bool held(const TurnInput& turn, int key) {
    for (int k : turn.held) {
        if (k == key) {
            return true;
        }
    }
    return false;
}

// A fresh press: the key goes down this turn, so it is let go for a turn first.
TurnInput press(const TurnInput& last, int key) {
    return held(last, key) ? TurnInput{} : TurnInput{{key}};
}

struct Spot {
    int area;
    int x;
    int y;
};

// The middle of the cell of the first area (in the game's area order) whose
// layout holds `kind` there.
std::optional<Spot> zoneSpot(const GameState& s, int kind) {
    for (int area = Forest; area <= WashingtonDC; ++area) {
        for (int cell = 0; cell < 9; ++cell) {
            const int kindHere = s.zones.zoneLayout[static_cast<std::size_t>(
                area)][static_cast<std::size_t>(cell / 3)][static_cast<std::size_t>(cell % 3)];
            if (kindHere == kind) {
                return Spot{area, CellWidth * (cell % 3) + InCellX / 2,
                            PlayFieldTop + CellHeight * (cell / 3) + InCellY / 2};
            }
        }
    }
    return std::nullopt;
}

bool standsInZone(const GameState& s, int kind) {
    return s.zones.inZoneCell && s.zones.zoneKind == kind;
}

TurnInput walkOrAct(const GameState& s, const Spot& spot, const TurnInput& act) {
    const std::vector<int> keys = walkTowards(s, spot.area, spot.x, spot.y);
    return keys.empty() ? act : TurnInput{keys};
}

}  // namespace

std::vector<int> walkTowards(const GameState& s, int area, int x, int y) {
    if (s.area != area) {
        return {keyOf(firstEdgeTowards(s.area, area))};
    }
    std::vector<int> keys;
    if (s.alienY < y - Near) {
        keys.push_back(KeyDown);
    } else if (s.alienY > y + Near) {
        keys.push_back(KeyUp);
    }
    if (s.alienX < x - Near) {
        keys.push_back(KeyRight);
    } else if (s.alienX > x + Near) {
        keys.push_back(KeyLeft);
    }
    return keys;
}

TurnInput playToLose(const GameState& s, const TurnInput& last) {
    if (s.mode != PlayMode::Play || s.jorrin.alienCollapsed || s.zones.powerActive) {
        return {};
    }
    const Spot nothing = zoneSpot(s, NoZone).value();
    return walkOrAct(s, nothing, standsInZone(s, NoZone) ? press(last, KeyZ) : TurnInput{});
}

}  // namespace qz::test
