// The Play turn: its seventeen steps, in the order they happen and are drawn.
// Each leaves what it shows in the turn's record, so later steps draw over
// earlier ones and nothing is shown before the presenter carries it out.
#include "characters/capture.h"
#include "characters/jorrin.h"
#include "characters/phone_marks.h"
#include "characters/pursuer.h"
#include "characters/ship_call.h"
#include "core/sound_cues.h"
#include "items/candy.h"
#include "items/energy_and_time.h"
#include "items/hole_search.h"
#include "turn/game_end.h"
#include "turn/play_modes.h"
#include "turn/power_requests.h"
#include "view/character_sprites.h"
#include "view/character_view.h"
#include "view/item_view.h"
#include "view/status_bar.h"
#include "view/world_view.h"
#include "world/area_map.h"
#include "world/hole_visit.h"
#include "world/power_zones.h"
#include "world/scenery.h"

namespace qz {
namespace {

// 1. The ship's hum fades once play begins; later turns find nothing to fade.
void fadeShipSound(RulesView& t) {
    t.cues.fadeOut(ChannelUfo, 300);
}

// 2.
void drawGround(RulesView& t) {
    drawBackground(t.draws, t.state.area);
}

// 3, inside a hole: a piece or the flower on the floor; a piece within reach is taken.
void showHoleContents(RulesView& t) {
    drawHoleSight(t.draws, searchHole(t.state));
}

// The drop sound plays while the alien falls, from the first turn to landing.
void fallIntoHole(RulesView& t) {
    if (const auto cost = fallStep(t.state)) {
        playWhenSilent(t.cues, ChannelDrop, Sound::Drop);
        spendTimeUnits(t.state, *cost);
    }
}

// 3. The holes of the area underfoot; inside a hole, its contents and the fall.
void prepareArea(RulesView& t) {
    GameState& s = t.state;
    if (isHoleArea(s.area)) {
        selectAreaHoles(s);
    } else if (s.area == InsideHole) {
        showHoleContents(t);
        fallIntoHole(t);
    } else if (s.area != Forest && s.area != WashingtonDC) {
        s.areaHoles.holeCount = 0;
    }
}

// 4.1 Jorrin walks up to the alien, which is drawn over him.
void showJorrinVisit(RulesView& t) {
    drawJorrinVisit(t.draws, jorrinVisitStep(t.state));
    t.cues.wait(JorrinVisitWaitMs);
}

void drawAlienInsideHole(RulesView& t) {
    GameState& s = t.state;
    const int x = s.holeVisit.holeX;
    const int y = s.holeVisit.holeY;
    const HoleAlienPose pose = holeAlienPose(s);
    if (pose.powerCellX) {
        drawAlienHeadBob(t.draws, x, y, s.alienFacing, *pose.powerCellX);
    }
    if (pose.walkCount) {
        drawAlienWalk(t.draws, x, y, s.alienFacing, s.alienWalking, *pose.walkCount);
    }
    if (pose.levitationCellX) {
        drawAlienHeadBob(t.draws, x, y, s.alienFacing, *pose.levitationCellX);
    }
    spendTimeUnits(s, pose.timeUnits);
}

// Four turns of head-bob, each 30 ms longer; the fifth shows no alien and
// carries out what the zones asked for.
void runPowerAnimation(RulesView& t) {
    GameState& s = t.state;
    const PowerAnimationTurn turn = powerAnimationStep(s);
    if (turn.cellX) {
        drawAlienHeadBob(t.draws, s.alienX, s.alienY, s.alienFacing, *turn.cellX);
        t.cues.wait(30);
    }
    if (turn.ended) {
        carryOutPowerRequests(s);
    }
}

// 4. Exactly one of: Jorrin's visit, the alien inside a hole, the power pose,
// or the alien walking.
void drawAlien(RulesView& t) {
    GameState& s = t.state;
    if (jorrinVisitRuns(s)) {
        showJorrinVisit(t);
        return;
    }
    if (s.area == InsideHole) {
        drawAlienInsideHole(t);
        return;
    }
    if (s.zones.powerActive) {
        runPowerAnimation(t);
        return;
    }
    drawAlienWalk(t.draws, s.alienX, s.alienY, s.alienFacing, s.alienWalking, s.alienAnimFrame);
    ++s.alienAnimFrame;
}

// 5. A touched piece is counted and replaced; otherwise it is drawn over
// the alien where it lies.
void pickUpOrDrawCandy(RulesView& t) {
    if (const auto candy = candyStep(t.state)) {
        drawCandy(t.draws, candy->x, candy->y, candy->look);
    }
}

// 6. The pursuer's appearance countdown, its placement, or its chase. It
// reads the arrows held now, as the movement step did.
void runPursuer(RulesView& t) {
    if (const auto picture = pursuerStep(t.state, t.input.held)) {
        drawPursuer(t.draws, *picture);
    }
}

// 7.
void runCapture(RulesView& t) {
    captureStep(t.state);
}

// 8. Trees and buildings stand in front of every character.
void drawFrontScenery(RulesView& t) {
    if (t.state.area == Forest) {
        drawForestTrees(t.draws, t.state.area);
    } else if (t.state.area == WashingtonDC) {
        drawWashingtonBuildings(t.draws);
    }
}

// 10.
void drawStatusBar(RulesView& t) {
    const GameState& s = t.state;
    drawTopBand(t.draws, s.phonePieceHeld);
    drawStatusPanel(t.draws);
    drawLogoAndLabels(t.draws);
    drawEnergyBar(t.draws, s.energy);
    drawCandyCounter(t.draws, s.candyCount);
    drawScore(t.draws, s.score);
}

// 11. The ship-call countdown and its time indicator.
void countDownShipCall(RulesView& t) {
    if (const auto quarter = stepShipCall(t.state)) {
        drawTimeIndicator(t.draws, *quarter);
    }
}

// 12. The panel at the bottom left tells whether a hole is underfoot.
void showHoleIndicator(RulesView& t) {
    drawHoleIndicator(t.draws, chooseHoleIndicator(t.state));
}

// 13. The zone's name while standing in a zone cell, otherwise the area's.
void drawNameLine(RulesView& t) {
    GameState& s = t.state;
    if (!isOutdoorArea(s.area)) {
        return;
    }
    if (s.zones.inZoneCell) {
        drawZoneName(t.draws, lookUpZoneKind(s), s.area);
    } else {
        drawAreaName(t.draws, s.area);
    }
}

// 14. Eating waits until the name line is drawn.
void eatCandyWhenInForce(RulesView& t) {
    if (t.state.candy.eatCandyInForce) {
        eatCandyPiece(t.state);
    }
}

// 15. The ship has come for the alien.
void endGameWhenLanded(RulesView& t) {
    if (shipHasLanded(t.state)) {
        endGame(t.state);
    }
}

// 16. Drawn over everything else.
void showPhoneMarks(RulesView& t) {
    drawPhoneMarks(t.draws, stepPhoneMarks(t.state));
}

// 17.
void endGameWhenNoLivesLeft(RulesView& t) {
    if (t.state.lives == 0) {
        endGame(t.state);
    }
}

}  // namespace

FrameEnd playTurn(RulesView& t) {
    fadeShipSound(t);           // 1
    drawGround(t);              // 2
    prepareArea(t);             // 3
    drawAlien(t);               // 4
    pickUpOrDrawCandy(t);       // 5
    runPursuer(t);              // 6
    runCapture(t);              // 7
    drawFrontScenery(t);        // 8
    startRescue(t.state);       // 9
    drawStatusBar(t);           // 10
    countDownShipCall(t);       // 11
    showHoleIndicator(t);       // 12
    drawNameLine(t);            // 13
    eatCandyWhenInForce(t);     // 14
    endGameWhenLanded(t);       // 15
    showPhoneMarks(t);          // 16
    endGameWhenNoLivesLeft(t);  // 17
    return PresentAndPace;
}

}  // namespace qz
