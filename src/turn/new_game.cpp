#include "turn/new_game.h"

#include "items/candy.h"
#include "items/hole_contents.h"
#include "world/hole_geometry.h"
#include "world/power_zones.h"

namespace qz {
namespace {

// Four selectors for the people, each 1..3: Jorrin's arrival side (never
// used), the way he walks off, and two for the pursuer (never used: every
// placement draws its own). The unused ones are drawn all the same, in
// their place, so the draws that follow stay where they are.
void drawPeopleSelectors(GameState& s) {
    static_cast<void>(s.random.deal());
    s.jorrin.jorrinExitDir = static_cast<JorrinExit>(s.random.deal() % 3 + 1);
    static_cast<void>(s.random.deal());
    static_cast<void>(s.random.deal());
}

}  // namespace

void randomGameSetup(GameState& state) {
    assignHoleLayouts(state);
    placeHiddenItems(state);
    generateZoneLayouts(state);
    placeShipZones(state);
    layCandy(state);
    drawPeopleSelectors(state);
}

void newGameReset(GameState& s) {
    // The start values live in GameState's definition alone.
    static const GameState fresh{};

    s.zones.powerRequest = fresh.zones.powerRequest;

    s.shipCall.callStepCountdown = fresh.shipCall.callStepCountdown;
    s.shipCall.callQuarter = fresh.shipCall.callQuarter;
    s.shipCall.callActive = fresh.shipCall.callActive;
    s.zones.callShipPlaced = fresh.zones.callShipPlaced;
    s.zones.landingPlaced = fresh.zones.landingPlaced;

    s.alienX = fresh.alienX;
    s.alienY = fresh.alienY;
    s.shipY = fresh.shipY;

    s.lives = fresh.lives;
    s.score = fresh.score;
    s.candyCount = fresh.candyCount;
    s.energy = fresh.energy;
    s.timeUnits = fresh.timeUnits;
    s.shipCall.bonusPending = fresh.shipCall.bonusPending;

    s.items.flowerRevived = fresh.items.flowerRevived;
    s.pursuer.pushBackInForce = fresh.pursuer.pushBackInForce;
    s.items.foundOrder = fresh.items.foundOrder;
    s.phonePieceHeld = fresh.phonePieceHeld;

    s.items.placedCount = fresh.items.placedCount;
    s.areaHoles.holeLayoutOf = fresh.areaHoles.holeLayoutOf;
    s.items.placedPieces = fresh.items.placedPieces;
    s.items.holeContents = fresh.items.holeContents;

    // Nothing of the last game's play runs on into the new one's first turns:
    // a zone underfoot, a power, a fall, a visit or the phone marks.
    s.zones.inZoneCell = fresh.zones.inZoneCell;
    s.zones.powerActive = fresh.zones.powerActive;
    s.zones.powerAnim = fresh.zones.powerAnim;
    s.areaHoles.onHole = fresh.areaHoles.onHole;
    s.holeVisit.holeX = fresh.holeVisit.holeX;
    s.holeVisit.holeY = fresh.holeVisit.holeY;
    s.holeVisit.holeLanded = fresh.holeVisit.holeLanded;
    s.holeVisit.levitating = fresh.holeVisit.levitating;
    s.jorrin.alienCollapsed = fresh.jorrin.alienCollapsed;
    s.jorrin.jorrinCalled = fresh.jorrin.jorrinCalled;
    s.jorrin.jorrinAtX = fresh.jorrin.jorrinAtX;
    s.jorrin.jorrinAtY = fresh.jorrin.jorrinAtY;
    s.phoneMarks = fresh.phoneMarks;

    randomGameSetup(s);
    s.newGamePending = false;
}

}  // namespace qz
