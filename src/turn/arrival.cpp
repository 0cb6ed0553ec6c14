// The Arrival: the ship comes down over the Forest, drops the alien and leaves.
#include "core/sound_cues.h"
#include "turn/new_game.h"
#include "turn/play_modes.h"
#include "view/character_sprites.h"
#include "view/status_bar.h"
#include "view/world_view.h"
#include "world/scenery.h"

namespace qz {
namespace {

constexpr int LastDescentFrame = 27;
constexpr int DropOffFrame = 28;
constexpr int LastAscentFrame = 57;
// Each frame of the ship's flight is held 30 ms before the turn is paced; the
// landed alien is held for two and a half seconds, unpaced.
constexpr FrameEnd ShipFrame{true, 30, true};
constexpr FrameEnd DropOff{true, 2500, false};

void drawLandedAlien(RulesView& t) {
    const GameState& s = t.state;
    // The alien stands still while the ship is about: its frame counter is not advanced.
    drawAlienWalk(t.draws, s.alienX, s.alienY, s.alienFacing, false, s.alienAnimFrame);
}

void drawShipScene(RulesView& t, bool withAlien) {
    drawBackground(t.draws, Forest);
    if (withAlien) {
        drawLandedAlien(t);
    }
    drawShip(t.draws, t.state.shipY);
    drawForestTrees(t.draws, Forest);
    drawFaunaPicture(t.draws);
    drawTopBand(t.draws, t.state.phonePieceHeld);
    drawStatusPanel(t.draws);
    drawLogoAndLabels(t.draws);
}

}  // namespace

FrameEnd arrivalTurn(RulesView& t) {
    GameState& s = t.state;
    if (s.newGamePending) {
        // The turn after S: only the reset, nothing drawn, presented or paced.
        newGameReset(s);
        return NothingShown;
    }
    s.area = Forest;
    playWhenSilent(t.cues, ChannelUfo, Sound::Ufo);

    if (s.arrivalFrame <= LastDescentFrame) {
        drawShipScene(t, false);
        ++s.arrivalFrame;
        s.shipY += 10;
        return ShipFrame;
    }
    if (s.arrivalFrame == DropOffFrame) {
        // Drawn over the last descent picture, so the landed ship stays in view.
        drawLandedAlien(t);
        drawForestTrees(t.draws, Forest);
        drawFaunaPicture(t.draws);
        drawStatusPanel(t.draws);
        ++s.arrivalFrame;
        return DropOff;
    }
    if (s.arrivalFrame <= LastAscentFrame) {
        s.shipY -= 10;
        drawShipScene(t, true);
        ++s.arrivalFrame;
        return ShipFrame;
    }
    s.area = Forest;
    s.mode = PlayMode::Play;
    return NothingShown;
}

void enterArrival(RulesView& t) {
    // The S that started the game silences the title's tune; the Arrival's
    // first turn resets the game.
    t.cues.halt(ChannelTheme);
    t.state.newGamePending = true;
}

void leaveArrival(RulesView& t) {
    t.state.arrivalFrame = 0;
}

}  // namespace qz
