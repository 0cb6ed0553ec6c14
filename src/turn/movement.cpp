#include "turn/movement.h"

#include "characters/pursuer.h"
#include "items/candy.h"
#include "items/energy_and_time.h"
#include "world/area_map.h"
#include "world/hole_geometry.h"
#include "world/hole_visit.h"
#include "world/play_field.h"
#include "world/power_zones.h"

namespace qz {
namespace {

struct Arrow {
    Edge edge;
    int dx;
    int dy;
    int (*holeStep)(GameState&);
};

constexpr Arrow Up{Edge::Top, 0, -AlienStep, holeStepUp};
constexpr Arrow Down{Edge::Bottom, 0, AlienStep, holeStepDown};
constexpr Arrow Left{Edge::Left, -AlienStep, 0, holeStepLeft};
constexpr Arrow Right{Edge::Right, AlienStep, 0, holeStepRight};

// Inside a hole the arrows move the alien within the hole and never cross an
// edge, so it always comes out where it fell in.
void arrowStep(GameState& s, CueList& sound, const Arrow& arrow, bool withinLimit) {
    if (s.area == InsideHole) {
        spendTimeUnits(s, arrow.holeStep(s));
        runHitTests(s, sound);
    } else if (withinLimit) {
        s.alienX += arrow.dx;
        s.alienY += arrow.dy;
        // Levitation left on outdoors makes an Up step as dear as rising.
        const bool dear = arrow.edge == Edge::Top && s.holeVisit.levitating;
        spendTimeUnits(s, dear ? LevitationCost : 1);
        runHitTests(s, sound);
    } else {
        endPushBackAtCrossing(s);
        crossEdge(s, arrow.edge);
    }
}

}  // namespace

void runHitTests(GameState& s, CueList& sound) {
    if (s.area == InsideHole) {
        s.holeVisit.itemInReach = itemInReachTest(s);
        return;
    }
    s.zones.inZoneCell = zoneCellTest(s);
    if (isHoleArea(s.area)) {
        s.areaHoles.onHole = standingOnHole(s);
        s.candy.candyTouched = candyTouchTest(s, sound);
    } else {
        s.areaHoles.onHole = false;  // the Forest and Washington have no holes
    }
}

void movementStep(GameState& s, HeldKeys held, CueList& sound) {
    if (!walkingAllowed(s)) {
        return;
    }
    const bool play = s.mode == PlayMode::Play;

    if (held[GameKey::Up] && play) {
        arrowStep(s, sound, Up, s.alienY > AlienTopLimit);
    }
    if (held[GameKey::Down] && play) {
        arrowStep(s, sound, Down, s.alienY < AlienBottomLimit);
    }
    if (held[GameKey::Left] && play) {
        s.alienFacing = FacingLeft;
        s.alienWalking = true;
        arrowStep(s, sound, Left, s.alienX > AlienLeftLimit);
    }
    if (!held[GameKey::Left]) {
        s.alienWalking = false;
    }
    if (held[GameKey::Right] && play) {
        s.alienFacing = FacingRight;
        s.alienWalking = true;
        arrowStep(s, sound, Right, s.alienX < AlienRightLimit);
    }
    if (held[GameKey::Drop] && s.areaHoles.onHole) {
        dropIntoHole(s);
    }
}

}  // namespace qz
