// The power zones: the random layout of each game, the cell the alien stands
// in, the zone's name, using a zone with Z, the power animation and the four
// movement zones.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/game_state.h"
#include "core/geometry.h"

namespace qz {

// Nine cells over the play field, row by row; the two rightmost columns of
// pixels lie outside every cell.
constexpr std::array<Rect, 9> ZoneGrid{{
    {0, 50, 266, 133},
    {266, 50, 266, 133},
    {532, 50, 266, 133},
    {0, 183, 266, 133},
    {266, 183, 266, 133},
    {532, 183, 266, 133},
    {0, 316, 266, 133},
    {266, 316, 266, 133},
    {532, 316, 266, 133},
}};

// One area's random kinds: a kind Phone..MoveRight or no zone per cell, and
// every kind kept only in the first cell that drew it.
void generateZoneLayout(AreaZones& zones, RandomGenerator& random);

// The six areas, in the order the game set-up draws them.
void generateZoneLayouts(GameState& state);

// The Call Ship and the Landing zone, each on a free cell 0, 1, 3 or 4 of a
// random area. When no such cell is free anywhere, a power zone in one of
// those cells gives way, so the game can still be won.
void placeShipZones(GameState& state);

// Whether the alien's box lies wholly inside a cell (positions read as
// 16-bit); sets zoneCell on a hit and keeps it otherwise.
bool zoneCellTest(GameState& state);

// The kind of the cell the alien stands in, kept in zoneKind.
int lookUpZoneKind(GameState& state);

// "Area Two / Eat Candy Zone"; the area's name alone for a cell without a zone.
std::string zoneText(int kind, int area);

// Z in a zone cell, once its cost is paid: raises the zone's request and
// starts the animation. Call Ship answers only while a pursuer is about;
// Landing and an empty cell do nothing.
void activateZone(GameState& state);

// One turn of the power animation outside a hole: the head-bob cell to
// show, or nothing in the turn it ends, when the requests are carried out.
struct PowerAnimationTurn {
    std::optional<int> cellX;
    bool ended = false;
};
PowerAnimationTurn powerAnimationStep(GameState& state);

// A movement zone's effect: the neighbouring area in its direction, the
// position kept (even across a quarter-turn edge), still in a zone cell.
void moveThroughZone(GameState& state, ZoneKind moveKind);

}  // namespace qz
