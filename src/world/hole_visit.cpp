
#include "world/hole_visit.h"
#include "core/game_state.h"
#include "world/play_field.h"

namespace qz {
namespace {

constexpr int FallSpeed = 12;
constexpr int LandingLine = 321;  // past it the fall ends, at 332

// Pieces lie at x 150; the alien reaches a bigger piece from further along.
constexpr int PieceX = 150;
constexpr int AlienReach = 20;

// The levitation pose bobs up to this head-bob frame and holds it.
constexpr int LastLevitationCellX = 100;

int pieceWidth(int content) {
    switch (content) {
        case PhonePiece1:
            return 25;
        case PhonePiece2:
            return 35;
        case PhonePiece3:
            return 45;
        default:
            return 0;
    }
}

}  // namespace

void dropIntoHole(GameState& s) {
    if (s.area != InsideHole) {
        s.holeVisit.areaBeforeHole = s.area;
        if (isHoleArea(s.area)) {
            // The indicator may not have run since the last crossing.
            s.holeVisit.contentsRow = s.area - AreaOne;
        }
    }
    s.area = InsideHole;
}

void startLevitation(GameState& s) {
    if (s.area == InsideHole) {
        s.holeVisit.levitating = true;
    }
}

int holeStepUp(GameState& s) {
    HoleVisit& v = s.holeVisit;
    if (v.holeY <= HoleTopLimit) {
        leaveHole(s);
        return 1;
    }
    if (v.levitating) {
        v.holeY -= AlienStep;
        return LevitationCost;
    }
    return 1;  // rising needs levitation; the try still costs
}

int holeStepDown(GameState& s) {
    HoleVisit& v = s.holeVisit;
    if (v.levitating && v.holeY + AlienStep <= HoleBottomLimit) {
        v.holeY += AlienStep;
    }
    return 1;
}

int holeStepLeft(GameState& s) {
    HoleVisit& v = s.holeVisit;
    if (!v.levitating && v.holeX > HoleLeftLimit) {
        v.holeX -= AlienStep;
    }
    return 1;
}

int holeStepRight(GameState& s) {
    HoleVisit& v = s.holeVisit;
    if (!v.levitating && v.holeX < HoleRightLimit) {
        v.holeX += AlienStep;
    }
    return 1;
}

void leaveHole(GameState& s) {
    static const HoleVisit fresh{};
    s.area = s.holeVisit.areaBeforeHole;
    s.holeVisit.holeX = fresh.holeX;
    s.holeVisit.holeY = fresh.holeY;
    s.holeVisit.holeLanded = fresh.holeLanded;
    s.holeVisit.levitating = fresh.levitating;
    // Levitation stops here, and so does its pose: the next power shows all
    // four frames. A power animation still running goes on from where it is.
    if (!s.zones.powerActive) {
        s.zones.powerAnim = 0;
    }
}

std::optional<int> fallStep(GameState& s) {
    HoleVisit& v = s.holeVisit;
    if (v.holeLanded) {
        return std::nullopt;
    }
    if (v.holeY > LandingLine) {
        v.holeLanded = true;
        return 0;
    }
    v.holeY += FallSpeed;
    return FallStepCost;
}

bool itemInReachTest(const GameState& s) {
    const HoleVisit& v = s.holeVisit;
    // A hole entered from the Forest or Washington (just after a crossing)
    // shows no contents, so nothing in it is in reach either.
    if (!isHoleArea(v.areaBeforeHole)) {
        return false;
    }
    const auto row = static_cast<std::size_t>(v.contentsRow);
    const auto column = static_cast<std::size_t>(s.areaHoles.holeIndex);
    const int width = pieceWidth(s.items.holeContents[row][column]);
    return width > 0 && v.holeX >= PieceX && v.holeX + AlienReach <= PieceX + width;
}

HoleAlienPose holeAlienPose(GameState& s) {
    HoleAlienPose pose;
    int& anim = s.zones.powerAnim;
    const bool levitating = s.holeVisit.levitating;
    if (s.zones.powerActive) {
        pose.powerCellX = anim;
        anim += HeadBobStep;
    } else if (!levitating) {
        pose.walkCount = s.alienAnimFrame;
        ++s.alienAnimFrame;
    }
    if (levitating) {
        // Frames 0, 50, 100, then 100 held.
        if (anim < LastLevitationCellX) {
            pose.levitationCellX = anim;
            anim += HeadBobStep;
        } else {
            anim = LastLevitationCellX;
            pose.levitationCellX = anim;
        }
        pose.timeUnits = LevitationCost;
    } else {
        anim = 0;
    }
    return pose;
}

}  // namespace qz
