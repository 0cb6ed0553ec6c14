// The Arrival: the ship comes down over the Forest, drops the alien and leaves.
#include "characters/character_sprites.h"
#include "core/sound_cues.h"
#include "items/status_bar.h"
#include "turn/new_game.h"
#include "turn/play_modes.h"
#include "world/scenery.h"

namespace qz {
namespace {

constexpr int LastDescentFrame = 27;
constexpr int DropOffFrame = 28;
constexpr int LastAscentFrame = 57;
// Each frame of the ship's flight is held 30 ms before the turn is paced; the
// landed alien is held for two and a half seconds, unpaced.
constexpr TurnEnd ShipFrame{true, 30, true};
constexpr TurnEnd DropOff{true, 2500, false};

void drawLandedAlien(Runtime& rt) {
    const GameState& s = rt.state;
    // The alien stands still while the ship is about: its frame counter is not advanced.
    drawAlienWalk(rt.canvas, s.alienX, s.alienY, s.alienFacing, false, s.alienAnimFrame);
}

void drawShipScene(Runtime& rt, bool withAlien) {
    drawBackground(rt.canvas, Forest);
    if (withAlien) {
        drawLandedAlien(rt);
    }
    drawShip(rt.canvas, rt.state.shipY);
    drawForestTrees(rt.canvas, Forest);
    drawFaunaPicture(rt.canvas);
    drawTopBand(rt.canvas, rt.state.phonePieceHeld);
    drawStatusPanel(rt.canvas);
    drawLogoAndLabels(rt.canvas);
}

}  // namespace

TurnEnd arrivalTurn(Runtime& rt) {
    GameState& s = rt.state;
    if (s.newGamePending) {
        // The turn after S: only the reset, nothing drawn, presented or paced.
        newGameReset(s);
        return NothingShown;
    }
    s.area = Forest;
    playWhenSilent(rt.sound, ChannelUfo, Sound::Ufo);

    if (s.arrivalFrame <= LastDescentFrame) {
        drawShipScene(rt, false);
        ++s.arrivalFrame;
        s.shipY += 10;
        return ShipFrame;
    }
    if (s.arrivalFrame == DropOffFrame) {
        // Drawn over the last descent picture, so the landed ship stays in view.
        drawLandedAlien(rt);
        drawForestTrees(rt.canvas, Forest);
        drawFaunaPicture(rt.canvas);
        drawStatusPanel(rt.canvas);
        ++s.arrivalFrame;
        return DropOff;
    }
    if (s.arrivalFrame <= LastAscentFrame) {
        s.shipY -= 10;
        drawShipScene(rt, true);
        ++s.arrivalFrame;
        return ShipFrame;
    }
    s.area = Forest;
    s.mode = PlayMode::Play;
    return NothingShown;
}

void enterArrival(Runtime& rt) {
    // The S that started the game silences the title's tune; the Arrival's
    // first turn resets the game.
    rt.sound.halt(ChannelTheme);
    rt.state.newGamePending = true;
}

void leaveArrival(Runtime& rt) {
    rt.state.arrivalFrame = 0;
}

}  // namespace qz
