#include "world/power_zones.h"

#include <cstdint>

#include "world/area_map.h"
#include "world/play_field.h"

namespace qz {
namespace {

// Frames 0, 50, 100 and 150 are shown; the turn that reaches this ends it.
constexpr int PowerAnimationEnd = 200;

// Cells 0, 1, 3 and 4: the top-left four of the grid.
constexpr int ShipZoneRows = 2;
constexpr int ShipZoneColumns = 2;

bool shipZoneCellFree(const GameState& s) {
    for (const AreaId area : OutdoorAreas) {
        for (std::size_t row = 0; row < ShipZoneRows; ++row) {
            for (std::size_t column = 0; column < ShipZoneColumns; ++column) {
                if (s.zones.zoneLayout[area][row][column] == NoZone) {
                    return true;
                }
            }
        }
    }
    return false;
}

void placeShipZone(GameState& s, ZoneKind kind) {
    // Only on a free cell while one exists; otherwise any cell not already a
    // ship zone, so that the draws still end.
    const bool anyFree = shipZoneCellFree(s);
    for (;;) {
        const int drawn = s.random.deal() % 6 + 1;
        const AreaId area = drawn == 6 ? Forest : static_cast<AreaId>(drawn);
        const std::size_t row = s.random.deal() % ShipZoneRows;
        const std::size_t column = s.random.deal() % ShipZoneColumns;
        ZoneKind& cell = s.zones.zoneLayout[area][row][column];
        if (cell == NoZone || (!anyFree && cell < CallShip)) {
            cell = kind;
            return;
        }
    }
}

Edge edgeOfMove(int moveKind) {
    switch (moveKind) {
        case MoveUp:
            return Edge::Top;
        case MoveDown:
            return Edge::Bottom;
        case MoveLeft:
            return Edge::Left;
        default:
            return Edge::Right;
    }
}

}  // namespace

void generateZoneLayout(AreaZones& zones, RandomGenerator& random) {
    for (auto& row : zones) {
        for (ZoneKind& cell : row) {
            const int r = random.deal() % 9;
            cell = r == 8 ? NoZone : static_cast<ZoneKind>(r);
        }
    }
    for (int kind = Phone; kind <= MoveRight; ++kind) {
        bool seen = false;
        for (auto& row : zones) {
            for (ZoneKind& cell : row) {
                if (cell == kind) {
                    if (seen) {
                        cell = NoZone;
                    }
                    seen = true;
                }
            }
        }
    }
}

void generateZoneLayouts(GameState& s) {
    for (const AreaId area : {AreaOne, AreaTwo, AreaThree, AreaFour, WashingtonDC, Forest}) {
        generateZoneLayout(s.zones.zoneLayout[area], s.random);
    }
}

void placeShipZones(GameState& s) {
    if (!s.zones.callShipPlaced) {
        placeShipZone(s, CallShip);
        s.zones.callShipPlaced = true;
    }
    if (!s.zones.landingPlaced) {
        placeShipZone(s, Landing);
        s.zones.landingPlaced = true;
    }
}

bool zoneCellTest(GameState& s) {
    const int ax = static_cast<std::int16_t>(s.alienX);
    const int ay = static_cast<std::int16_t>(s.alienY);
    for (std::size_t n = 0; n < ZoneGrid.size(); ++n) {
        const Rect& c = ZoneGrid[n];
        if (c.x <= ax && ax + AlienWidth <= c.x + c.w && c.y <= ay &&
            ay + AlienHeight <= c.y + c.h) {
            s.zones.zoneCell = static_cast<int>(n);
            return true;
        }
    }
    return false;
}

int lookUpZoneKind(GameState& s) {
    if (!isOutdoorArea(s.area)) {
        return s.zones.zoneKind;
    }
    const auto cell = static_cast<std::size_t>(s.zones.zoneCell);
    const AreaZones& zones = s.zones.zoneLayout[s.area];
    s.zones.zoneKind = zones[cell / 3][cell % 3];
    return s.zones.zoneKind;
}

std::string zoneText(int kind, int area) {
    static constexpr std::array<const char*, 10> kindTexts{
        "Phone",     "Push Back Humans", "Eat Candy",  "Call Jorrin", "Move Up",
        "Move Down", "Move Left",        "Move Right", "Call Ship",   "Landing"};
    if (kind < Phone || kind > Landing) {
        return areaName(area);
    }
    return areaName(area) + " / " + kindTexts[static_cast<std::size_t>(kind)] + " Zone";
}

void activateZone(GameState& s) {
    const ZoneKind kind = s.zones.zoneKind;
    const bool raises =
        (kind >= Phone && kind <= MoveRight) || (kind == CallShip && s.pursuer.pursuerActive);
    if (raises) {
        s.zones.powerActive = true;
        s.zones.powerRequest[kind] = true;
    }
}

PowerAnimationTurn powerAnimationStep(GameState& s) {
    int& anim = s.zones.powerAnim;
    if (anim < PowerAnimationEnd) {
        const int cellX = anim;
        anim += HeadBobStep;
        return {cellX, false};
    }
    s.zones.powerActive = false;
    anim = 0;
    return {std::nullopt, true};
}

void moveThroughZone(GameState& s, ZoneKind moveKind) {
    s.area = neighbourArea(s.area, edgeOfMove(moveKind));
    s.zones.inZoneCell = true;
    s.zones.powerRequest[moveKind] = false;
}

}  // namespace qz
