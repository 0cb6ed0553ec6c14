#include "frame/new_game.h"

namespace qz {

void randomGameSetup(GameState& state) {
    assignHoleLayouts(state);
}

void newGameReset(GameState& s) {
    s.zones.powerRequest.fill(false);

    s.shipCall.callStepCountdown = 240;
    s.shipCall.callQuarter = 4;
    s.shipCall.callActive = false;
    s.zones.callShipPlaced = false;
    s.zones.landingPlaced = false;

    s.alienX = 340;
    s.alienY = 160;
    s.shipY = -225;

    s.lives = 3;
    s.score = 0;
    s.candyCount = 0;
    s.energy = 145;
    s.timeUnits = 9999;
    s.shipCall.bonusPending = true;

    s.items.flowerRevived = false;
    s.pursuer.pushBackInForce = false;
    s.phonePieceHeld.fill(false);

    s.holes.holeLayoutOf.fill(0);
    for (auto& row : s.items.holeContents) {
        row.fill(Empty);
    }

    randomGameSetup(s);
    s.newGamePending = false;
}

}  // namespace qz
