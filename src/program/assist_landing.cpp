#include "program/assist_landing.h"

#include <algorithm>

#include "core/graphics_files.h"
#include "view/character_sprites.h"
#include "view/world_view.h"
#include "world/play_field.h"
#include "world/scenery.h"

namespace qz {
namespace {

constexpr int ComeDownTurns = 30;
constexpr int LiftTurns = 30;
constexpr int ShipWidth = 150;
constexpr int ShipHeight = 225;
constexpr int ShipOffScreenY = -ShipHeight;
// The saucer's hull takes the picture's top rows; the beam hangs below them.
constexpr int HullHeight = 60;

constexpr Rgb BeamLight{255, 244, 170};
constexpr Rgb BeamGlow{255, 255, 230};

// Where `turn` of `turns` puts a move from `from` to `to`.
int along(int from, int to, int turn, int turns) {
    return from + (to - from) * std::clamp(turn, 0, turns) / turns;
}

// Rungs of light between the hull and `bottom`, shimmering upwards.
void drawBeam(Drawing& drawing, int centreX, int top, int bottom, int turn) {
    for (int y = top; y < bottom; y += 6) {
        const int depth = y - top;
        const int half = 10 + depth / 5;
        const bool glowing = ((y - top) / 6 + turn) % 3 == 0;
        drawing.fill(centreX - half, y, 2 * half, 3, glowing ? BeamGlow : BeamLight);
    }
}

}  // namespace

void drawLanding(Drawing& drawing, const GameState& state, int turn) {
    drawing.fill(0, 0, ScreenWidth, ScreenHeight, Rgb{0, 0, 0});
    const int area = state.area == InsideHole ? state.holeVisit.areaBeforeHole : state.area;
    drawBackground(drawing, area);
    const int centreX = state.alienX + AlienWidth / 2;
    const int feetY = state.alienY + AlienHeight;
    const int shipX = centreX - ShipWidth / 2;
    // Down until the hull hangs just above the alien's head; over the top
    // band, when the alien stands high.
    const int landedY = state.alienY - 10 - HullHeight;
    int shipY = landedY;
    int alienY = state.alienY;
    bool alienShown = true;
    bool beamShown = false;
    if (turn < ComeDownTurns) {
        shipY = along(ShipOffScreenY, landedY, turn, ComeDownTurns);
    } else if (turn < ComeDownTurns + LiftTurns) {
        const int lift = turn - ComeDownTurns;
        alienY = along(state.alienY, landedY + HullHeight - AlienHeight / 2, lift, LiftTurns);
        beamShown = true;
    } else {
        shipY = along(landedY, ShipOffScreenY, turn - ComeDownTurns - LiftTurns,
                      LandingTurns - ComeDownTurns - LiftTurns);
        alienShown = false;
    }
    drawing.fill(0, 0, ScreenWidth, PlayFieldTop, Rgb{255, 0, 0});
    drawing.drawTextCentred(FontSize::Large, "Going home!", White, 10);
    drawing.drawSprite(pic::ship, nullptr, Point{shipX, shipY});
    if (beamShown) {
        drawBeam(drawing, centreX, landedY + HullHeight, feetY, turn);
    }
    if (alienShown) {
        drawAlienWalk(drawing, state.alienX, alienY, state.alienFacing, false, 0);
    }
    drawing.fill(0, PlayFieldBottom, ScreenWidth, ScreenHeight - PlayFieldBottom, Rgb{0, 0, 0});
}

void drawHomeEndScreen(Drawing& drawing) {
    // Over "Game Over" and the face the lost game shows too.
    drawing.fill(0, 140, ScreenWidth, 40, Rgb{0, 0, 0});
    drawing.drawTextCentred(FontSize::Large, "Going home!", White, 150);
    const Point faceAt{drawing.width() / 2 - 150, 200};
    drawing.fill(faceAt.x, faceAt.y, 300, 210, Rgb{0, 0, 0});
    drawing.drawSprite(pic::assistHomeFace, nullptr, faceAt);
}

}  // namespace qz
