#include "characters/capture.h"

#include "items/hole_contents.h"
#include "world/play_field.h"

namespace qz {
namespace {

constexpr int WalkOffStep = 5;
// The scientist drifts with the alien towards this x, one pixel a turn.
constexpr int CarryX = 600;
// Carried this far down, both are taken to Washington DC and put down higher
// up; carried on down to the release line, the alien is let go.
constexpr int CarryJumpY = 350;
constexpr int ScientistAfterJumpY = 75;
constexpr int AlienAfterJumpY = 100;
constexpr int ReleaseY = 200;

void endCapture(PursuerState& p) {
    p.pursuerActive = false;
    p.alienCaught = false;
}

void carry(GameState& s) {
    PursuerState& p = s.pursuer;
    if (p.pursuerX != CarryX) {
        const int dx = p.pursuerX > CarryX ? -1 : 1;
        p.pursuerX += dx;
        s.alienX += dx;
    }
    ++p.pursuerY;
    // An alien moved away by a power while held (or caught low in Washington
    // DC) is not carried past the bottom of the play field.
    if (s.alienY < AlienBottomLimit) {
        ++s.alienY;
    }
}

}  // namespace

void captureStep(GameState& s) {
    PursuerState& p = s.pursuer;
    if (!p.alienCaught) {
        return;
    }
    if (p.pursuerY >= CarryJumpY && p.pursuerIsScientist) {
        p.pursuerY = ScientistAfterJumpY;
        s.alienY = AlienAfterJumpY;
        s.area = WashingtonDC;
    } else if (p.pursuerY == ReleaseY && s.area == WashingtonDC) {
        endCapture(p);
    } else if (!p.pursuerIsScientist) {
        // The agent takes back a piece, or the candy, and walks off; it does
        // not hold the alien, who moves freely meanwhile.
        theftStep(s);
        if (p.pursuerX <= 0) {
            endCapture(p);
            s.items.pieceTheftArmed = true;  // the next catch may take a piece again
        } else {
            p.pursuerFacing = FacingLeft;
            p.pursuerX -= WalkOffStep;
        }
    } else {
        carry(s);
    }
}

}  // namespace qz
