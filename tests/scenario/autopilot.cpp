#include "scenario/autopilot.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <deque>
#include <optional>

#include "world/area_map.h"
#include "world/hole_geometry.h"
#include "world/play_field.h"

namespace qz::test {
namespace {

constexpr std::array<Edge, 4> Edges{Edge::Top, Edge::Bottom, Edge::Left, Edge::Right};
constexpr std::array<GameKey, 4> EdgeKeys{KeyUp, KeyDown, KeyLeft, KeyRight};
// Steps are 5 pixels, so within 2 of a spot is as close as a walk gets.
constexpr int Near = 2;
// Zone cells: 266 x 133 from (0, 50); the alien's box lies wholly inside a
// cell for 216 pixels across and 58 down.
constexpr int CellWidth = 266;
constexpr int CellHeight = 133;
constexpr int InCellX = 216;
constexpr int InCellY = 58;
// Inside a hole every phone piece is in reach from here.
constexpr int PieceReachX = 150;

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

GameKey keyOf(Edge edge) {
    return EdgeKeys[static_cast<std::size_t>(edge)];
}

bool held(const ScriptedTurn& turn, GameKey key) {
    for (GameKey k : turn.held) {
        if (k == key) {
            return true;
        }
    }
    return false;
}

// A fresh press: the key goes down this turn, so it is let go for a turn first.
ScriptedTurn press(const ScriptedTurn& last, GameKey key) {
    return held(last, key) ? ScriptedTurn{} : ScriptedTurn{{key}};
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
            const int kindHere =
                s.zones.zoneLayout[static_cast<AreaId>(area)][static_cast<std::size_t>(cell / 3)]
                                  [static_cast<std::size_t>(cell % 3)];
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

bool holdsPiece(int content) {
    return content >= PhonePiece1 && content <= PhonePiece3;
}

// Inside a hole: take the piece lying there, then levitate out.
ScriptedTurn climbOutOfHole(const GameState& s, const ScriptedTurn& last) {
    const HoleVisit& v = s.holeVisit;
    if (!v.holeLanded) {
        return {};
    }
    const int row = v.areaBeforeHole - AreaOne;
    const bool pieceHere =
        row >= 0 && row < 4 &&
        holdsPiece(s.items.holeContents[static_cast<std::size_t>(row)]
                                       [static_cast<std::size_t>(s.areaHoles.holeIndex)]);
    if (pieceHere && !v.levitating) {
        return v.holeX > PieceReachX ? ScriptedTurn{{KeyLeft}} : ScriptedTurn{};
    }
    if (!v.levitating) {
        return press(last, KeyX);
    }
    return {{KeyUp}};
}

// The hole holding a phone piece the alien lacks, as the spot to stand on it
// (feet on the hole's row).
std::optional<Spot> missingPieceHole(const GameState& s) {
    for (int row = 0; row < 4; ++row) {
        const auto& layout = holeLayouts[static_cast<std::size_t>(
            s.areaHoles.holeLayoutOf[static_cast<std::size_t>(row)])];
        for (int hole = 0; hole < layout.count; ++hole) {
            const int content =
                s.items.holeContents[static_cast<std::size_t>(row)][static_cast<std::size_t>(hole)];
            if (holdsPiece(content)) {
                const HoleRect& rect = layout.holes[static_cast<std::size_t>(hole)];
                return Spot{AreaOne + row, rect.x + 25, rect.y + 5 - AlienHeight};
            }
        }
    }
    return std::nullopt;
}

// Waiting in the Landing zone: always Up or Down held, so the pursuer never
// moves up or down and cannot close in on the row kept clear of it. The
// alien may use the gaps above and below the cell, which lie in no cell.
ScriptedTurn waitForTheShip(const GameState& s, const ScriptedTurn& last) {
    const int row = (s.zones.zoneCell / 3);
    const int cellTop = PlayFieldTop + CellHeight * row;
    // From the gap above the cell's row (or the top of the walk) to the gap below it.
    const int low = std::max(AlienTopLimit + 5, cellTop - CellHeight + InCellY + 1) + 5;
    const int high = cellTop + CellHeight - 1 - 5;
    int target = s.alienY;
    const PursuerState& p = s.pursuer;
    if (p.pursuerActive && p.pursuerDelay == 0) {
        // Caught when the pursuer's y lies from alienY - 40 to alienY + 30.
        const auto safe = [&p](int y) { return y < p.pursuerY - 30 || y > p.pursuerY + 40; };
        if (!safe(target)) {
            const int above = std::clamp(p.pursuerY - 41 - 10, low, high);
            const int below = std::clamp(p.pursuerY + 41 + 10, low, high);
            target = safe(above) && (!safe(below) ||
                                     std::abs(above - s.alienY) <= std::abs(below - s.alienY))
                         ? above
                         : below;
        }
    }
    target = std::clamp(target, low, high);
    if (s.alienY < target - Near) {
        return {{KeyDown}};
    }
    if (s.alienY > target + Near) {
        return {{KeyUp}};
    }
    return {{held(last, KeyUp) ? KeyDown : KeyUp}};
}

ScriptedTurn walkOrAct(const GameState& s, const Spot& spot, const ScriptedTurn& act) {
    const std::vector<GameKey> keys = walkTowards(s, spot.area, spot.x, spot.y);
    return keys.empty() ? act : ScriptedTurn{keys};
}

}  // namespace

std::vector<GameKey> walkTowards(const GameState& s, int area, int x, int y) {
    if (s.area != area) {
        return {keyOf(firstEdgeTowards(s.area, area))};
    }
    std::vector<GameKey> keys;
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

bool keysSteer(const GameState& s) {
    return s.mode == PlayMode::Play && !s.jorrin.alienCollapsed && !s.zones.powerActive;
}

ScriptedTurn playToWin(const GameState& s, const ScriptedTurn& last) {
    if (!keysSteer(s)) {
        return {};
    }
    if (s.area == InsideHole) {
        return climbOutOfHole(s, last);
    }
    if (const auto hole = missingPieceHole(s)) {
        return walkOrAct(s, *hole, s.areaHoles.onHole ? press(last, KeyX) : ScriptedTurn{});
    }
    if (!s.shipCall.callActive) {
        const auto callShip = zoneSpot(s, CallShip);
        const bool canCall = standsInZone(s, CallShip) && s.pursuer.pursuerActive;
        return walkOrAct(s, callShip.value(), canCall ? press(last, KeyZ) : ScriptedTurn{});
    }
    if (s.zones.zoneKind == Landing && s.area == zoneSpot(s, Landing).value().area) {
        return waitForTheShip(s, last);
    }
    return walkOrAct(s, zoneSpot(s, Landing).value(), ScriptedTurn{});
}

ScriptedTurn playToLose(const GameState& s, const ScriptedTurn& last) {
    if (!keysSteer(s)) {
        return {};
    }
    const Spot nothing = zoneSpot(s, NoZone).value();
    return walkOrAct(s, nothing, standsInZone(s, NoZone) ? press(last, KeyZ) : ScriptedTurn{});
}

}  // namespace qz::test
