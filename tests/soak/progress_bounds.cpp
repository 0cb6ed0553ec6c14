#include "soak/progress_bounds.h"

#include "characters/jorrin.h"
#include "world/play_field.h"

namespace qz::soak {
namespace {

// The widest walk a character can have: from past the left border (x -50)
// to the right one, and from the top band's edge to the status area's.
constexpr int WidestWalk = ScreenWidth + 50;
constexpr int TallestWalk = PlayFieldBottom - PlayFieldTop;
// Jorrin's drop down a hole: from y 50, 8 pixels a turn, to below y 328.
constexpr int DropTurns = (328 - 50) / 8 + 2;

bool inPlay(const GameState& before, const GameState& after) {
    return before.mode == PlayMode::Play && after.mode == PlayMode::Play;
}

bool inHole(const GameState& before, const GameState& after) {
    return before.area == InsideHole || after.area == InsideHole;
}

// The alien kept its screen and its place on it.
bool alienStill(const GameState& before, const GameState& after) {
    return before.area == after.area && before.alienX == after.alienX &&
           before.alienY == after.alienY && before.holeVisit.holeX == after.holeVisit.holeX &&
           before.holeVisit.holeY == after.holeVisit.holeY;
}

// Levitating, the player may hold the alien up with Up as it falls.
Phase fall(const GameState& before, const GameState& after) {
    if (after.area != InsideHole || after.holeVisit.holeLanded) {
        return Phase::Over;
    }
    const bool held = !inPlay(before, after) || after.holeVisit.levitating;
    return held ? Phase::Waiting : Phase::Running;
}

// Four frames and the turn that carries the power out. It waits while Jorrin
// visits (he is drawn instead). Inside a hole it runs on until the alien is
// out again, and then goes on from the frame it left with, so its count
// starts again there.
Phase powerAnimation(const GameState& before, const GameState& after) {
    if (!after.zones.powerActive || inHole(before, after)) {
        return Phase::Over;
    }
    const bool held = !inPlay(before, after) || jorrinVisitRuns(before) || jorrinVisitRuns(after);
    return held ? Phase::Waiting : Phase::Running;
}

// A collapsed alien lies still, and Jorrin closes in by a pixel a turn on
// each side not yet reached. Only a scientist carrying it moves it, and a
// carry to another screen makes Jorrin start again.
Phase collapse(const GameState& before, const GameState& after) {
    if (!after.jorrin.alienCollapsed || before.area != after.area) {
        return Phase::Over;
    }
    return inPlay(before, after) && alienStill(before, after) ? Phase::Running : Phase::Waiting;
}

// A called visit follows an alien that walks; it must end while the alien
// stands still. A rescue has its own bound, and a revival sends Jorrin to
// the alien once more.
Phase calledVisit(const GameState& before, const GameState& after) {
    if (!after.jorrin.jorrinCalled || before.jorrin.alienCollapsed != after.jorrin.alienCollapsed) {
        return Phase::Over;
    }
    const bool held =
        !inPlay(before, after) || !alienStill(before, after) || after.jorrin.alienCollapsed;
    return held ? Phase::Waiting : Phase::Running;
}

Phase capture(const GameState& before, const GameState& after) {
    if (!after.pursuer.alienCaught) {
        return Phase::Over;
    }
    return inPlay(before, after) ? Phase::Running : Phase::Waiting;
}

// A pursuer right of the alien in the right half walks right, one at or left
// of it with x up to 401 walks left, two pixels a turn; any other stands
// still until the alien moves.
Phase pushBack(const GameState& before, const GameState& after) {
    const PursuerState& p = before.pursuer;
    if (!after.pursuer.pushBackInForce || !after.pursuer.pursuerActive) {
        return Phase::Over;
    }
    const bool walks = (p.pursuerX > before.alienX && p.pursuerX > ScreenWidth / 2) ||
                       (p.pursuerX <= before.alienX && p.pursuerX <= ScreenWidth / 2 + 1) ||
                       p.pursuerY <= PlayFieldTop || p.pursuerY >= PlayFieldBottom;
    const bool moving = inPlay(before, after) && !inHole(before, after) && p.pursuerActive &&
                        p.pushBackInForce && p.pursuerDelay == 0 && !p.alienCaught;
    return moving && walks && alienStill(before, after) ? Phase::Running : Phase::Waiting;
}

// The countdown waits inside a hole and while a power animation runs.
Phase shipCall(const GameState& before, const GameState& after) {
    if (!after.shipCall.callActive) {
        return Phase::Over;
    }
    const bool held = !inPlay(before, after) || inHole(before, after) || before.zones.powerActive ||
                      after.zones.powerActive;
    return held ? Phase::Waiting : Phase::Running;
}

}  // namespace

const std::vector<ProgressBound>& progressBounds() {
    static const std::vector<ProgressBound> bounds{
        // 12 pixels a turn from y 20 to past 321, and the landing turn.
        {"fall", 27, fall},
        {"power animation", 5, powerAnimation},
        // Down the hole, then the widest column and the tallest row as if
        // walked one after the other, and the revival turn.
        {"collapse", DropTurns + WidestWalk + TallestWalk + 1, collapse},
        // To the alien (inside a hole the row before the column), then off
        // the field the long way.
        {"called visit", TallestWalk + WidestWalk + WidestWalk + 1, calledVisit},
        // The scientist carries the alien from the top of the window down to
        // y 350, then from y 75 to its release at 200. No key is read while
        // he carries, but a Move zone used just before the catch can take
        // both out of Washington once, for one more carry from 75. The
        // agent walks off faster.
        {"capture", (350 + 1) + (200 - 75) + (350 - 75 + 1) + (200 - 75) + 1, capture},
        // Across the widest half, 2 pixels a turn, and the turn that finds it gone.
        {"push-back", ScreenWidth / 2 / 2 + 1, pushBack},
        // Four quarters and the lapse, 241 turns each.
        {"ship call", (CallQuarters + 1) * (CallQuarterTurns + 1), shipCall},
    };
    return bounds;
}

ProgressWatch::ProgressWatch()
    : running_(progressBounds().size(), 0), longest_(progressBounds().size(), 0) {}

std::vector<std::string> ProgressWatch::afterTurn(const GameState& before, const GameState& after) {
    std::vector<std::string> stuck;
    const std::vector<ProgressBound>& bounds = progressBounds();
    for (std::size_t i = 0; i < bounds.size(); ++i) {
        const ProgressBound& bound = bounds[i];
        switch (bound.phase(before, after)) {
            case Phase::Over:
                running_[i] = 0;
                break;
            case Phase::Waiting:
                break;
            case Phase::Running:
                ++running_[i];
                if (running_[i] > longest_[i]) {
                    longest_[i] = running_[i];
                }
                if (running_[i] == bound.turns + 1) {
                    stuck.push_back(std::string(bound.name) + " still running after " +
                                    std::to_string(bound.turns) + " turns");
                }
                break;
        }
    }
    return stuck;
}

void ProgressWatch::reset() {
    running_.assign(running_.size(), 0);
}

}  // namespace qz::soak
