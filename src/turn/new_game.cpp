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
    // A new game starts from the start values of GameState's definition. What
    // it carries over from the last game is named here; anything else, a
    // field added later included, starts afresh.
    GameState next{};

    // The run's own: the mode and the title's bookkeeping, the counters of
    // draws, the random generator, and the time bonus only a run's first game
    // earns.
    next.mode = s.mode;
    next.quitRequested = s.quitRequested;
    next.instructionsShown = s.instructionsShown;
    next.instructionPage = s.instructionPage;
    next.titleBlinkCountdown = s.titleBlinkCountdown;
    next.titleBlinkPhase = s.titleBlinkPhase;
    next.themeCountdown = s.themeCountdown;
    next.arrivalFrame = s.arrivalFrame;
    next.alienAnimFrame = s.alienAnimFrame;
    next.characterDrawCount = s.characterDrawCount;
    next.random = s.random;
    next.shipCall.timeBonusReserve = s.shipCall.timeBonusReserve;

    // The alien's area and bearing; it lands at the start position.
    next.area = s.area;
    next.alienFacing = s.alienFacing;
    next.alienWalking = s.alienWalking;

    // What the random set-up deals again, or what only its next use reads.
    next.areaHoles.selectedLayout = s.areaHoles.selectedLayout;
    next.areaHoles.holeCount = s.areaHoles.holeCount;
    next.areaHoles.holeIndex = s.areaHoles.holeIndex;
    next.holeVisit.areaBeforeHole = s.holeVisit.areaBeforeHole;
    next.holeVisit.itemInReach = s.holeVisit.itemInReach;
    next.holeVisit.contentsRow = s.holeVisit.contentsRow;
    next.zones.zoneLayout = s.zones.zoneLayout;
    next.zones.zoneCell = s.zones.zoneCell;
    next.zones.zoneKind = s.zones.zoneKind;
    next.items.pieceTheftArmed = s.items.pieceTheftArmed;
    next.candy = s.candy;
    next.jorrin.jorrinX = s.jorrin.jorrinX;
    next.jorrin.jorrinY = s.jorrin.jorrinY;
    next.jorrin.jorrinFacing = s.jorrin.jorrinFacing;
    next.jorrin.jorrinExitDir = s.jorrin.jorrinExitDir;

    // A pursuer on the scene stays for the next game, but no longer pushes
    // the alien back.
    next.pursuer = s.pursuer;
    next.pursuer.pushBackInForce = PursuerState{}.pushBackInForce;

    s = next;
    randomGameSetup(s);
}

}  // namespace qz
