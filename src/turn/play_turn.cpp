// The Play turn: its seventeen steps, in the order they happen and are drawn.
// Later steps draw over earlier ones; nothing is shown before the turn ends.
#include "characters/capture.h"
#include "characters/character_sprites.h"
#include "characters/jorrin.h"
#include "characters/phone_marks.h"
#include "characters/pursuer.h"
#include "characters/ship_call.h"
#include "core/sound_cues.h"
#include "items/candy.h"
#include "items/energy_and_time.h"
#include "items/hole_search.h"
#include "items/status_bar.h"
#include "turn/game_end.h"
#include "turn/play_modes.h"
#include "turn/power_requests.h"
#include "world/area_map.h"
#include "world/hole_visit.h"
#include "world/power_zones.h"
#include "world/scenery.h"

namespace qz {
namespace {

// 1. The ship's hum fades once play begins; later turns find nothing to fade.
void fadeShipSound(Runtime& rt) {
    rt.sound.fadeOut(ChannelUfo, 300);
}

// 2.
void drawGround(Runtime& rt) {
    drawBackground(rt.canvas, rt.state.area);
}

// 3, inside a hole: a piece or the flower on the floor; a piece within reach is taken.
void showHoleContents(Runtime& rt) {
    drawHoleSight(rt.canvas, searchHole(rt.state));
}

// The drop sound plays while the alien falls, from the first turn to landing.
void fallIntoHole(Runtime& rt) {
    if (const auto cost = fallStep(rt.state)) {
        playWhenSilent(rt.sound, ChannelDrop, Sound::Drop);
        spendTimeUnits(rt.state, *cost);
    }
}

// 3. The holes of the area underfoot; inside a hole, its contents and the fall.
void prepareArea(Runtime& rt) {
    GameState& s = rt.state;
    if (isHoleArea(s.area)) {
        selectAreaHoles(s);
    } else if (s.area == InsideHole) {
        showHoleContents(rt);
        fallIntoHole(rt);
    } else if (s.area != Forest && s.area != WashingtonDC) {
        s.areaHoles.holeCount = 0;
    }
}

// 4.1 Jorrin walks up to the alien, which is drawn over him.
void showJorrinVisit(Runtime& rt) {
    drawJorrinVisit(rt.canvas, jorrinVisitStep(rt.state));
    rt.clock.delay(JorrinVisitWaitMs);
}

void drawAlienInsideHole(Runtime& rt) {
    GameState& s = rt.state;
    const int x = s.holeVisit.holeX;
    const int y = s.holeVisit.holeY;
    const HoleAlienPose pose = holeAlienPose(s);
    if (pose.powerCellX) {
        drawAlienHeadBob(rt.canvas, x, y, s.alienFacing, *pose.powerCellX);
    }
    if (pose.walkCount) {
        drawAlienWalk(rt.canvas, x, y, s.alienFacing, s.alienWalking, *pose.walkCount);
    }
    if (pose.levitationCellX) {
        drawAlienHeadBob(rt.canvas, x, y, s.alienFacing, *pose.levitationCellX);
    }
    spendTimeUnits(s, pose.timeUnits);
}

// Four turns of head-bob, each 30 ms longer; the fifth shows no alien and
// carries out what the zones asked for.
void runPowerAnimation(Runtime& rt) {
    GameState& s = rt.state;
    const PowerAnimationTurn turn = powerAnimationStep(s);
    if (turn.cellX) {
        drawAlienHeadBob(rt.canvas, s.alienX, s.alienY, s.alienFacing, *turn.cellX);
        rt.clock.delay(30);
    }
    if (turn.ended) {
        carryOutPowerRequests(s);
    }
}

// 4. Exactly one of: Jorrin's visit, the alien inside a hole, the power pose,
// or the alien walking.
void drawAlien(Runtime& rt) {
    GameState& s = rt.state;
    if (jorrinVisitRuns(s)) {
        showJorrinVisit(rt);
        return;
    }
    if (s.area == InsideHole) {
        drawAlienInsideHole(rt);
        return;
    }
    if (s.zones.powerActive) {
        runPowerAnimation(rt);
        return;
    }
    drawAlienWalk(rt.canvas, s.alienX, s.alienY, s.alienFacing, s.alienWalking, s.alienAnimFrame);
    ++s.alienAnimFrame;
}

// 5. A touched piece is counted and replaced; otherwise it is drawn over
// the alien where it lies.
void pickUpOrDrawCandy(Runtime& rt) {
    if (const auto candy = candyStep(rt.state)) {
        drawCandy(rt.canvas, candy->x, candy->y, candy->look);
    }
}

// 6. The pursuer's appearance countdown, its placement, or its chase. It
// reads the arrows held now, as the movement step did.
void runPursuer(Runtime& rt) {
    if (const auto picture = pursuerStep(rt.state, rt.turnInput.held)) {
        drawPursuer(rt.canvas, *picture);
    }
}

// 7.
void runCapture(Runtime& rt) {
    captureStep(rt.state);
}

// 8. Trees and buildings stand in front of every character.
void drawFrontScenery(Runtime& rt) {
    if (rt.state.area == Forest) {
        drawForestTrees(rt.canvas, rt.state.area);
    } else if (rt.state.area == WashingtonDC) {
        drawWashingtonBuildings(rt.canvas);
    }
}

// 10.
void drawStatusBar(Runtime& rt) {
    const GameState& s = rt.state;
    drawTopBand(rt.canvas, s.phonePieceHeld);
    drawStatusPanel(rt.canvas);
    drawLogoAndLabels(rt.canvas);
    drawEnergyBar(rt.canvas, s.energy);
    drawCandyCounter(rt.canvas, s.candyCount);
    drawScore(rt.canvas, s.score);
}

// 11. The ship-call countdown and its time indicator.
void countDownShipCall(Runtime& rt) {
    if (const auto quarter = stepShipCall(rt.state)) {
        drawTimeIndicator(rt.canvas, *quarter);
    }
}

// 12. The panel at the bottom left tells whether a hole is underfoot.
void showHoleIndicator(Runtime& rt) {
    drawHoleIndicator(rt.canvas, chooseHoleIndicator(rt.state));
}

// 13. The zone's name while standing in a zone cell, otherwise the area's.
void drawNameLine(Runtime& rt) {
    GameState& s = rt.state;
    if (!isOutdoorArea(s.area)) {
        return;
    }
    if (s.zones.inZoneCell) {
        drawZoneName(rt.canvas, lookUpZoneKind(s), s.area);
    } else {
        drawAreaName(rt.canvas, s.area);
    }
}

// 14. Eating waits until the name line is drawn.
void eatCandyWhenInForce(Runtime& rt) {
    if (rt.state.candy.eatCandyInForce) {
        eatCandyPiece(rt.state);
    }
}

// 15. The ship has come for the alien.
void endGameWhenLanded(Runtime& rt) {
    if (shipHasLanded(rt.state)) {
        endGame(rt.state);
    }
}

// 16. Drawn over everything else.
void showPhoneMarks(Runtime& rt) {
    drawPhoneMarks(rt.canvas, stepPhoneMarks(rt.state));
}

// 17.
void endGameWhenNoLivesLeft(Runtime& rt) {
    if (rt.state.lives == 0) {
        endGame(rt.state);
    }
}

}  // namespace

TurnEnd playTurn(Runtime& rt) {
    fadeShipSound(rt);           // 1
    drawGround(rt);              // 2
    prepareArea(rt);             // 3
    drawAlien(rt);               // 4
    pickUpOrDrawCandy(rt);       // 5
    runPursuer(rt);              // 6
    runCapture(rt);              // 7
    drawFrontScenery(rt);        // 8
    startRescue(rt.state);       // 9
    drawStatusBar(rt);           // 10
    countDownShipCall(rt);       // 11
    showHoleIndicator(rt);       // 12
    drawNameLine(rt);            // 13
    eatCandyWhenInForce(rt);     // 14
    endGameWhenLanded(rt);       // 15
    showPhoneMarks(rt);          // 16
    endGameWhenNoLivesLeft(rt);  // 17
    return PresentAndPace;
}

}  // namespace qz
