#include "characters/pursuer.h"

#include <cstdint>

#include "world/area_map.h"
#include "world/play_field.h"

namespace qz {
namespace {

constexpr int ChaseStep = 3;
// Where it stands in relation to the alien while the player steers sideways.
constexpr int ChaseOffset = 10;
// A followed crossing moves it about as far as the alien jumps.
constexpr int AcrossWidth = 750;
constexpr int AcrossHeight = 350;

struct Place {
    int x;
    int y;
};
// The top, right and bottom edge of an area; in Washington DC its two fixed
// places.
constexpr Place EdgePlaces[3] = {{325, 51}, {749, 225}, {325, 425}};
constexpr Place FbiAgentInWashington{170, 150};
constexpr Place ScientistInWashington{600, 150};

void placePursuer(GameState& s) {
    PursuerState& p = s.pursuer;
    const int delays = p.pursuerGaveUp ? DelayAfterGivingUp : PlacementDelay;
    p.pursuerDelay = s.random.deal() % delays;
    p.pursuerIsScientist = s.random.deal() % 10 % 2 == 1;
    Place place{};
    if (s.area == WashingtonDC) {
        static_cast<void>(s.random.deal());  // two draws of no use, kept for the order of the draws
        static_cast<void>(s.random.deal());
        place = p.pursuerIsScientist ? ScientistInWashington : FbiAgentInWashington;
    } else {
        const int side = s.random.deal() % 3 + 1;
        static_cast<void>(s.random.deal());  // of no use, kept for the order of the draws
        p.pursuerIsScientist = false;        // the scientist only sets out from Washington DC
        place = EdgePlaces[side - 1];
    }
    p.pursuerX = place.x;
    p.pursuerY = place.y;
    p.pursuerActive = true;
}

// A crossing counts towards giving up only where the alien keeps its
// bearings, away from the quarter-turn edges.
bool crossingCounts(const GameState& s, Edge edge) {
    return isOutdoorArea(s.area) && !isQuarterTurnEdge(s.area, edge);
}

// Crossings that do not count can carry a pursuer ever further off the
// screen, one shift each; after days of that its place wraps round the
// 32-bit range rather than overflowing.
int shifted(int coordinate, int shift) {
    return static_cast<int>(static_cast<std::uint32_t>(coordinate) +
                            static_cast<std::uint32_t>(shift));
}

// Follows the alien across the edge by `shift` along `coordinate`, or gives up
// after its third counted crossing.
void followOrGiveUp(PursuerState& p, int& coordinate, int shift) {
    if (p.pursuerFollows < MostFollows) {
        coordinate = shifted(coordinate, shift);
        p.pursuerGaveUp = false;
    } else {
        p.pursuerGaveUp = true;
        p.pursuerActive = false;
        p.pursuerFollows = 0;
    }
}

// The alien stands beyond an edge and is carried over it in the next
// movement step. Only the left crossing counts before it follows.
void followCrossing(GameState& s, Edge edge) {
    PursuerState& p = s.pursuer;
    const bool counts = crossingCounts(s, edge);
    switch (edge) {
        case Edge::Left:
            if (p.pursuerX <= 0 && counts) {
                ++p.pursuerFollows;
            }
            followOrGiveUp(p, p.pursuerX, AcrossWidth);
            break;
        case Edge::Right:
            followOrGiveUp(p, p.pursuerX, -AcrossWidth);
            if (p.pursuerX <= 0 && counts) {
                ++p.pursuerFollows;
            }
            break;
        case Edge::Top:
            followOrGiveUp(p, p.pursuerY, AcrossHeight);
            if (p.pursuerY <= AlienTopLimit && counts) {
                ++p.pursuerFollows;
            }
            break;
        case Edge::Bottom:
            followOrGiveUp(p, p.pursuerY, -AcrossHeight);
            if (p.pursuerY >= AlienBottomLimit && counts) {
                ++p.pursuerFollows;
            }
            break;
    }
}

void walk(PursuerState& p, int dx) {
    p.pursuerX += dx;
    p.pursuerFacing = dx < 0 ? FacingLeft : FacingRight;
}

// While the player steers sideways the pursuer always closes in, standing
// still only exactly 10 pixels left of the alien; otherwise it stops within
// 10 pixels either side.
void chaseHorizontally(GameState& s, HeldKeys held) {
    PursuerState& p = s.pursuer;
    if (!held[GameKey::Left] && !held[GameKey::Right]) {
        if (p.pursuerX < s.alienX - ChaseOffset) {
            walk(p, ChaseStep);
        }
        if (p.pursuerX > s.alienX + ChaseOffset) {
            walk(p, -ChaseStep);
        }
        return;
    }
    if (p.pursuerX == s.alienX - ChaseOffset) {
        return;
    }
    // Left is looked at first.
    if (held[GameKey::Left]) {
        if (s.alienX <= AlienLeftLimit) {
            followCrossing(s, Edge::Left);
        } else {
            walk(p, p.pursuerX > s.alienX ? -ChaseStep : ChaseStep);
        }
    } else if (s.alienX >= AlienRightLimit) {
        followCrossing(s, Edge::Right);
    } else {
        walk(p, p.pursuerX < s.alienX ? ChaseStep : -ChaseStep);
    }
}

// While the player steers up or down the pursuer keeps its height, except to
// follow a crossing; otherwise it settles just above the alien's top.
void chaseVertically(GameState& s, HeldKeys held) {
    PursuerState& p = s.pursuer;
    if (held[GameKey::Up]) {
        if (s.alienY <= AlienTopLimit) {
            followCrossing(s, Edge::Top);
        }
    } else if (held[GameKey::Down]) {
        if (s.alienY >= AlienBottomLimit) {
            followCrossing(s, Edge::Bottom);
        }
    } else {
        if (p.pursuerY < s.alienY) {
            p.pursuerY += ChaseStep;
        }
        if (p.pursuerY > s.alienY) {
            p.pursuerY -= ChaseStep;
        }
    }
}

// Walks away from the alien, 2 pixels a turn, until it leaves the play field.
void pushBackStep(GameState& s) {
    PursuerState& p = s.pursuer;
    const bool offField = p.pursuerX < 1 || p.pursuerX > ScreenWidth - 1 ||
                          p.pursuerY <= PlayFieldTop || p.pursuerY > PlayFieldBottom - 1;
    if (offField) {
        p.pursuerActive = false;
        p.pushBackInForce = false;
        s.zones.powerRequest[PushBackHumans] = false;
        return;
    }
    // Two unit steps, the second on the result of the first: one in the
    // middle of the field near the alien cancels out and just turns right.
    walk(p, p.pursuerX > s.alienX && p.pursuerX > ScreenWidth / 2 ? 1 : -1);
    walk(p, p.pursuerX < s.alienX && p.pursuerX <= ScreenWidth / 2 ? -1 : 1);
}

}  // namespace

bool touchesAlien(const GameState& s) {
    // Summed wide: a pursuer far off the screen may stand near the limits.
    const std::int64_t x = s.pursuer.pursuerX;
    const std::int64_t y = s.pursuer.pursuerY;
    return x + 50 >= s.alienX + 40 && x <= s.alienX + 15 && y <= s.alienY + 30 &&
           y + 100 >= s.alienY + 60;
}

std::optional<PursuerPicture> updatePursuer(GameState& s, HeldKeys held, bool isScientist) {
    PursuerState& p = s.pursuer;
    if (p.alienCaught) {
        // The capture step moves a pursuer that holds the alien.
    } else if (p.pushBackInForce) {
        pushBackStep(s);
    } else {
        chaseHorizontally(s, held);
        chaseVertically(s, held);
        if (touchesAlien(s)) {
            p.alienCaught = true;
        }
    }

    if (p.pursuerHidden) {
        if (p.pursuerHideCountdown == 0) {
            p.pursuerHidden = false;
            p.pursuerHideCountdown = LaterHideCountdown;
        } else {
            --p.pursuerHideCountdown;
        }
        return std::nullopt;
    }
    if (!p.pursuerActive) {
        return std::nullopt;
    }
    const PursuerPicture picture{isScientist, p.pursuerX, p.pursuerY, p.pursuerFacing,
                                 s.characterDrawCount};
    ++s.characterDrawCount;
    return picture;
}

std::optional<PursuerPicture> pursuerStep(GameState& s, HeldKeys held) {
    PursuerState& p = s.pursuer;
    if (p.pursuerDelay > 0) {
        --p.pursuerDelay;
        return std::nullopt;
    }
    if (s.area == InsideHole) {
        return std::nullopt;  // it keeps its place until the alien is out again
    }
    if (!p.pursuerActive) {
        placePursuer(s);
        return std::nullopt;
    }
    return updatePursuer(s, held, p.pursuerIsScientist);
}

void startPushBack(GameState& s) {
    s.pursuer.pushBackInForce = true;
}

void hidePursuer(GameState& s, int moveKind) {
    // The scientist keeps hold and comes along: sending him to the edge of
    // the new screen would drag the alien he carries off the window.
    if (s.pursuer.alienCaught && s.pursuer.pursuerIsScientist) {
        return;
    }
    s.pursuer.pursuerHidden = true;
    if (moveKind == MoveUp || moveKind == MoveDown) {
        s.pursuer.pursuerY = 0;
    } else {
        s.pursuer.pursuerX = 0;
    }
}

void endPushBackAtCrossing(GameState& s) {
    if (s.pursuer.pushBackInForce) {
        s.pursuer.pushBackInForce = false;
        s.zones.powerRequest[PushBackHumans] = false;
        s.pursuer.pursuerActive = false;
    }
}

}  // namespace qz
