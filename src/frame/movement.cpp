#include "frame/movement.h"

#include "frame/platform/keyboard.h"
#include "items/energy_and_time.h"
#include "world/area_map.h"
#include "world/play_field.h"

namespace qz {
namespace {

constexpr int Step = AlienStep;
constexpr int LevitationStepCost = 50;

void leaveHole(GameState& s) {
    s.area = s.holeVisit.areaBeforeHole;
    s.holeVisit.holeX = HoleVisit{}.holeX;
    s.holeVisit.holeY = HoleVisit{}.holeY;
    s.holeVisit.holeLanded = false;
    s.holeVisit.levitating = false;
}

void stepUp(GameState& s) {
    if (s.area != InsideHole) {
        s.alienY -= Step;
        spendTimeUnits(s, s.holeVisit.levitating ? LevitationStepCost : 1);
    } else if (s.holeVisit.holeY <= HoleTopLimit) {
        leaveHole(s);
        spendTimeUnits(s, 1);
    } else if (s.holeVisit.levitating) {
        s.holeVisit.holeY -= Step;
        spendTimeUnits(s, LevitationStepCost);
    } else {
        spendTimeUnits(s, 1);  // rising needs levitation; the try still costs
    }
}

void stepDown(GameState& s) {
    if (s.area != InsideHole) {
        s.alienY += Step;
    } else if (s.holeVisit.levitating && s.holeVisit.holeY + Step <= HoleBottomLimit) {
        s.holeVisit.holeY += Step;
    }
    spendTimeUnits(s, 1);
}

void stepLeft(GameState& s) {
    if (s.area != InsideHole) {
        s.alienX -= Step;
    } else if (!s.holeVisit.levitating && s.holeVisit.holeX > HoleLeftLimit) {
        s.holeVisit.holeX -= Step;
    }
    spendTimeUnits(s, 1);
}

void stepRight(GameState& s) {
    if (s.area != InsideHole) {
        s.alienX += Step;
    } else if (!s.holeVisit.levitating && s.holeVisit.holeX < HoleRightLimit) {
        s.holeVisit.holeX += Step;
    }
    spendTimeUnits(s, 1);
}

}  // namespace

void runHitTests(GameState& s, SoundBoard& /*sound*/) {
    if (isHoleArea(s.area)) {
        s.areaHoles.onHole = standingOnHole(s);
    }
}

void movementStep(GameState& s, const std::uint8_t* keys, SoundBoard& sound) {
    if (!walkingAllowed(s)) {
        return;
    }
    const bool play = s.mode == PlayMode::Play;

    if (keys[KeyUp] && play) {
        if (s.alienY > AlienTopLimit) {
            stepUp(s);
            runHitTests(s, sound);
        } else {
            crossEdge(s, Edge::Top);
        }
    }
    if (keys[KeyDown] && play) {
        if (s.alienY < AlienBottomLimit) {
            stepDown(s);
            runHitTests(s, sound);
        } else {
            crossEdge(s, Edge::Bottom);
        }
    }
    if (keys[KeyLeft] && play) {
        s.alienFacing = FacingLeft;
        s.alienWalking = true;
        if (s.alienX > AlienLeftLimit) {
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
        if (s.alienX < AlienRightLimit) {
            stepRight(s);
            runHitTests(s, sound);
        } else {
            crossEdge(s, Edge::Right);
        }
    }
    if (keys[KeyX] && s.areaHoles.onHole) {
        if (s.area != InsideHole) {
            s.holeVisit.areaBeforeHole = s.area;
        }
        s.area = InsideHole;
    }
}

}  // namespace qz
