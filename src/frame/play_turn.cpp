// The Play turn: its seventeen steps, in the order they happen and are drawn.
// Later steps draw over earlier ones; nothing is shown before the turn ends.
#include "characters/character_sprites.h"
#include "frame/play_modes.h"
#include "frame/sound_cues.h"
#include "items/candy.h"
#include "items/energy_and_time.h"
#include "items/hole_search.h"
#include "items/status_bar.h"
#include "world/area_map.h"
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

// 3. The holes of the area underfoot; inside a hole, its contents and the fall.
void prepareArea(Runtime& rt) {
    GameState& s = rt.state;
    if (isHoleArea(s.area)) {
        selectAreaHoles(s);
    } else if (s.area == InsideHole) {
        showHoleContents(rt);
    } else if (s.area != Forest && s.area != WashingtonDC) {
        s.areaHoles.holeCount = 0;
    }
}

// 4. Exactly one of: Jorrin's visit, the alien inside a hole, the power pose,
// or the alien walking.
void drawAlien(Runtime& rt) {
    GameState& s = rt.state;
    if (s.jorrin.alienCollapsed || s.jorrin.jorrinCalled) {
        return;  // Jorrin's visit draws the alien.
    }
    if (s.area == InsideHole || s.zones.powerActive) {
        return;  // The hole visit and the power animation draw the alien.
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
    const GameState& s = rt.state;
    if (isOutdoorArea(s.area) && !s.zones.inZoneCell) {
        drawAreaName(rt.canvas, s.area);
    }
}

// 14. Eating waits until the name line is drawn.
void eatCandyWhenInForce(Runtime& rt) {
    if (rt.state.candy.eatCandyInForce) {
        eatCandyPiece(rt.state);
    }
}

// 17.
void endGameWhenNoLivesLeft(Runtime& rt) {
    if (rt.state.lives == 0) {
        rt.state.mode = PlayMode::GameOver;
    }
}

}  // namespace

TurnEnd playTurn(Runtime& rt) {
    fadeShipSound(rt);           // 1
    drawGround(rt);              // 2
    prepareArea(rt);             // 3
    drawAlien(rt);               // 4
    pickUpOrDrawCandy(rt);       // 5
                                 // 6  pursuer step
                                 // 7  capture step
    drawFrontScenery(rt);        // 8
                                 // 9  rescue check
    drawStatusBar(rt);           // 10
    countDownShipCall(rt);       // 11
    showHoleIndicator(rt);       // 12
    drawNameLine(rt);            // 13
    eatCandyWhenInForce(rt);     // 14
                                 // 15 landing test
                                 // 16 phone marks
    endGameWhenNoLivesLeft(rt);  // 17
    return TurnEnd::PresentAndPace;
}

}  // namespace qz
