#include "characters/jorrin.h"

#include "items/energy_and_time.h"
#include "world/play_field.h"

namespace qz {
namespace {

// Where a rescue from outside a hole starts, by the side drawn: top, right, bottom.
constexpr Point RescueStarts[3]{{325, 50}, {750, 225}, {325, 425}};
// Inside a hole he comes down from the top, on the far side from the alien.
constexpr int HoleEntryY = 50;
constexpr int HoleEntryRightX = 650;
constexpr int HoleEntryLeftX = 85;
constexpr int HoleMiddleX = 290;
// He drops down the hole this fast and lands once below this line.
constexpr int HoleDropStep = 8;
constexpr int HoleFloorLine = 328;
// His 100-pixel picture stands on the alien's ground line 25 pixels above
// its 75-pixel box.
constexpr int StandAbove = 25;
// Off the play field: above its top row, below its bottom row, mostly past
// the right border or wholly past the left one.
constexpr int OffRightX = 774;
constexpr int OffLeftX = -50;

// One pixel towards the target; true once there.
bool stepTowards(int& position, int target) {
    if (target > position) {
        ++position;
    } else if (target < position) {
        --position;
    } else {
        return true;
    }
    return false;
}

// Where the alien stands on the screen being shown.
Point alienOnScreen(const GameState& s) {
    if (s.area == InsideHole) {
        return {s.holeVisit.holeX, s.holeVisit.holeY};
    }
    return {s.alienX, s.alienY};
}

void stepColumn(GameState& s) {
    JorrinState& j = s.jorrin;
    // Inside a hole he first has to come down to the floor.
    if (j.jorrinAtX || (s.area == InsideHole && !j.jorrinAtY)) {
        return;
    }
    const int target = alienOnScreen(s).x;
    if (target > j.jorrinX) {
        j.jorrinFacing = FacingRight;
    } else if (target < j.jorrinX) {
        j.jorrinFacing = FacingLeft;
    }
    j.jorrinAtX = stepTowards(j.jorrinX, target);
}

// Only ever sets the flag: inside a hole a rescue counts him on the row once
// he is down the hole, and the called visit's own row step that follows must
// not take that back, or he would bob about the floor for ever.
void stepRow(GameState& s) {
    JorrinState& j = s.jorrin;
    if (stepTowards(j.jorrinY, alienOnScreen(s).y - StandAbove)) {
        j.jorrinAtY = true;
    }
}

void dropDownHole(JorrinState& j) {
    if (j.jorrinY > HoleFloorLine) {
        j.jorrinAtY = true;
    } else {
        j.jorrinY += HoleDropStep;
    }
}

void stepOff(JorrinState& j) {
    switch (j.jorrinExitDir) {
        case ExitUp:
            --j.jorrinY;
            break;
        case ExitRight:
            ++j.jorrinX;
            break;
        case ExitDown:
            ++j.jorrinY;
            break;
        case ExitLeft:
            --j.jorrinX;
            break;
        default:
            break;
    }
}

bool offPlayField(const JorrinState& j) {
    return j.jorrinY <= PlayFieldTop || j.jorrinY >= PlayFieldBottom || j.jorrinX > OffRightX ||
           j.jorrinX <= OffLeftX;
}

void revive(GameState& s) {
    --s.lives;
    s.jorrin.alienCollapsed = false;
    s.jorrin.jorrinAtX = false;
    s.jorrin.jorrinAtY = false;
    s.energy = RevivalEnergy;
}

// The called visit ends once Jorrin is off the field, whatever the candy
// count: every piece is paid.
void endCalledVisit(GameState& s) {
    deliverCandy(s);
    s.jorrin.jorrinCalled = false;
    s.jorrin.jorrinAtX = false;
    s.jorrin.jorrinAtY = false;
    s.zones.powerRequest[CallJorrin] = false;
}

}  // namespace

bool jorrinVisitRuns(const GameState& state) {
    return state.jorrin.alienCollapsed || state.jorrin.jorrinCalled;
}

void startRescue(GameState& state) {
    JorrinState& j = state.jorrin;
    if (state.energy > 0 || j.alienCollapsed) {
        return;
    }
    if (state.area == InsideHole) {
        j.jorrinY = HoleEntryY;
        if (state.holeVisit.holeX > HoleMiddleX) {
            j.jorrinX = HoleEntryRightX;
            j.jorrinFacing = FacingLeft;
        } else {
            j.jorrinX = HoleEntryLeftX;
        }
    } else {
        const int side = state.random.deal() % 3;
        j.jorrinExitDir = static_cast<JorrinExit>(state.random.deal() % 3 + 1);
        j.jorrinX = RescueStarts[side].x;
        j.jorrinY = RescueStarts[side].y;
    }
    j.alienCollapsed = true;
}

void startCalledVisit(GameState& state) {
    if (state.zones.powerRequest[CallJorrin] && state.candyCount > 0) {
        state.jorrin.jorrinCalled = true;
    }
}

JorrinVisitPicture jorrinVisitStep(GameState& state) {
    JorrinState& j = state.jorrin;
    const bool rescue = j.alienCollapsed;
    stepColumn(state);
    const bool rowReached = j.jorrinAtY;
    if (rescue && !j.jorrinAtY) {
        if (state.area == InsideHole) {
            dropDownHole(j);
        } else {
            stepRow(state);
        }
    }
    if (j.jorrinCalled && !rowReached) {
        stepRow(state);
    }
    if (j.jorrinAtX && j.jorrinAtY) {
        stepOff(j);
        if (rescue) {
            revive(state);
        }
        if (j.jorrinCalled && offPlayField(j)) {
            endCalledVisit(state);
        }
    }

    const JorrinVisitPicture picture{
        {j.jorrinX, j.jorrinY}, j.jorrinFacing,    state.characterDrawCount, alienOnScreen(state),
        j.alienCollapsed,       state.alienFacing, state.alienWalking,       state.alienAnimFrame};
    ++state.characterDrawCount;
    if (!j.alienCollapsed) {
        ++state.alienAnimFrame;
    }
    return picture;
}

}  // namespace qz
