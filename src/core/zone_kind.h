// Power zone kinds, the zone layout of every area and the state of the zone
// the alien stands in.
#pragma once

#include <array>

#include "core/indexed_array.h"

namespace qz {

enum ZoneKind : int {
    Phone = 0,
    PushBackHumans = 1,
    EatCandy = 2,
    CallJorrin = 3,
    MoveUp = 4,
    MoveDown = 5,
    MoveLeft = 6,
    MoveRight = 7,
    CallShip = 8,
    Landing = 9,
    NoZone = 10,
};

// One request flag per kind from Phone to CallShip.
constexpr int PowerRequestCount = 9;

// The head-bob sheet's cells lie 50 apart; the power animation and the
// levitation pose step through them by this much.
constexpr int HeadBobStep = 50;

// The kinds of one area's nine cells, by row and column.
using AreaZones = std::array<std::array<ZoneKind, 3>, 3>;
using ZoneLayout = AreaArray<AreaZones>;

constexpr ZoneLayout emptyZoneLayout() {
    ZoneLayout layout{};
    for (AreaZones& area : layout) {
        for (auto& row : area) {
            row.fill(NoZone);
        }
    }
    return layout;
}

// Fields of the game state owned by the power zones.
//  - zoneLayout: drawn anew for every game; at most one of each kind Phone to
//    MoveRight per area; one CallShip and one Landing zone in the whole world
//    once placed, each in cell 0, 1, 3 or 4.
//  - zoneKind keeps the kind last looked up after the alien leaves the cell;
//    the landing test reads it.
//  - powerAnim is shared by the power animation and the levitation pose.
struct ZoneState {
    ZoneLayout zoneLayout = emptyZoneLayout();
    bool inZoneCell = false;
    int zoneCell = 0;
    ZoneKind zoneKind = Phone;
    bool powerActive = false;
    int powerAnim = 0;
    IndexedArray<bool, ZoneKind, PowerRequestCount> powerRequest{};
    bool callShipPlaced = false;
    bool landingPlaced = false;
};

// Every field by name, for the replay record; a new field goes here too
// (core/state_fields.cpp counts them at compile time).
template <class F>
constexpr void forEachField(const ZoneState& s, F&& f) {
    f("zoneLayout", s.zoneLayout);
    f("inZoneCell", s.inZoneCell);
    f("zoneCell", s.zoneCell);
    f("zoneKind", s.zoneKind);
    f("powerActive", s.powerActive);
    f("powerAnim", s.powerAnim);
    f("powerRequest", s.powerRequest);
    f("callShipPlaced", s.callShipPlaced);
    f("landingPlaced", s.landingPlaced);
}

}  // namespace qz
