#include "frame/new_game.h"

#include <cstdlib>

#include "world/power_zones.h"

namespace qz {
namespace {

// Four selectors for the people, each 1..3: Jorrin's arrival side (never
// used), the way he walks off, and two for the pursuer (never used: every
// placement draws its own). The unused ones are drawn all the same, in
// their place, so the draws that follow stay where they are.
void drawPeopleSelectors(GameState& s) {
    static_cast<void>(std::rand());
    s.jorrin.jorrinExitDir = std::rand() % 3 + 1;
    static_cast<void>(std::rand());
    static_cast<void>(std::rand());
}

}  // namespace

void randomGameSetup(GameState& state) {
    assignHoleLayouts(state);
    generateZoneLayouts(state);
    placeShipZones(state);
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
    s.phonePieceHeld = fresh.phonePieceHeld;

    s.areaHoles.holeLayoutOf = fresh.areaHoles.holeLayoutOf;
    s.items.holeContents = fresh.items.holeContents;

    randomGameSetup(s);
    s.newGamePending = false;
}

}  // namespace qz
