#include "frame/movement.h"

#include "frame/platform/keyboard.h"
#include "items/energy_and_time.h"
#include "world/area_map.h"

namespace qz {
namespace {

constexpr int Step = 5;
constexpr int LevitationStepCost = 50;

void leaveHole(GameState& s) {
    s.area = s.hole.areaBeforeHole;
    s.hole.holeX = 340;
    s.hole.holeY = 20;
    s.hole.holeLanded = false;
    s.hole.levitating = false;
}

void stepUp(GameState& s) {
    if (s.area != InsideHole) {
        s.alienY -= Step;
        spendTimeUnits(s, s.hole.levitating ? LevitationStepCost : 1);
    } else if (s.hole.holeY <= 20) {
        leaveHole(s);
        spendTimeUnits(s, 1);
    } else if (s.hole.levitating) {
        s.hole.holeY -= Step;
        spendTimeUnits(s, LevitationStepCost);
    } else {
        spendTimeUnits(s, 1);  // rising needs levitation; the try still costs
    }
}

void stepDown(GameState& s) {
    if (s.area != InsideHole) {
        s.alienY += Step;
    } else if (s.hole.levitating && s.hole.holeY <= 329) {
        s.hole.holeY += Step;
    }
    spendTimeUnits(s, 1);
}

void stepLeft(GameState& s) {
    if (s.area != InsideHole) {
        s.alienX -= Step;
    } else if (!s.hole.levitating && s.hole.holeX > 75) {
        s.hole.holeX -= Step;
    }
    spendTimeUnits(s, 1);
}

void stepRight(GameState& s) {
    if (s.area != InsideHole) {
        s.alienX += Step;
    } else if (!s.hole.levitating && s.hole.holeX <= 664) {
        s.hole.holeX += Step;
    }
    spendTimeUnits(s, 1);
}

}  // namespace

void runHitTests(GameState& s, SoundBoard& /*sound*/) {
    if (isHoleArea(s.area)) {
        s.holes.onHole = standingOnHole(s);
    }
}

void movementStep(GameState& s, const std::uint8_t* keys, SoundBoard& sound) {
    if (!walkingAllowed(s)) {
        return;
    }
    const bool play = s.mode == PlayMode::Play;

    if (keys[KeyUp] && play) {
        if (s.alienY > 30) {
            stepUp(s);
            runHitTests(s, sound);
        } else {
            crossEdge(s, Edge::Top);
        }
    }
    if (keys[KeyDown] && play) {
        if (s.alienY <= 374) {
            stepDown(s);
            runHitTests(s, sound);
        } else {
            crossEdge(s, Edge::Bottom);
        }
    }
    if (keys[KeyLeft] && play) {
        s.alienFacing = FacingLeft;
        s.alienWalking = true;
        if (s.alienX > 0) {
            stepLeft(s);
            runHitTests(s, sound);
        } else {
            crossEdge(s, Edge::Left);
        }
    }
    if (!keys[KeyLeft]) {
        s.alienWalking = false;
    }
    if (keys[KeyRight] && play) {
        s.alienFacing = FacingRight;
        s.alienWalking = true;
        if (s.alienX <= 749) {
            stepRight(s);
            runHitTests(s, sound);
        } else {
            crossEdge(s, Edge::Right);
        }
    }
    if (keys[KeyX] && s.holes.onHole) {
        if (s.area != InsideHole) {
            s.hole.areaBeforeHole = s.area;
        }
        s.area = InsideHole;
    }
}

}  // namespace qz
