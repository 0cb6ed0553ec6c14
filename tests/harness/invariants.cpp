#include "harness/invariants.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "items/energy_and_time.h"
#include "items/item_invariant.h"
#include "world/play_field.h"

namespace qz {
namespace {

using Broken = std::vector<std::string>;

void checkRange(Broken& broken, const std::string& name, int value, int low, int high) {
    if (value < low || value > high) {
        broken.push_back(name + " " + std::to_string(value) + " is outside " + std::to_string(low) +
                         ".." + std::to_string(high));
    }
}

void checkNotNegative(Broken& broken, const std::string& name, std::int64_t value) {
    if (value < 0) {
        broken.push_back(name + " " + std::to_string(value) + " is below 0");
    }
}

void checkPosition(Broken& broken, const GameState& s) {
    if (s.area == InsideHole) {
        const HoleVisit& v = s.holeVisit;
        checkRange(broken, "holeX", v.holeX, HoleLeftLimit, HoleRightLimit);
        // Rising stops once at or above the top limit, so within a step of it.
        checkRange(broken, "holeY", v.holeY, HoleTopLimit - AlienStep + 1, HoleBottomLimit);
        return;
    }
    if (s.pursuer.alienCaught && s.pursuer.pursuerIsScientist) {
        // The scientist carries the alien towards x 600 and down past the
        // walking limits (and a power ending during the carry may move the
        // alien as well): it stays on the window.
        checkRange(broken, "alienX while carried", s.alienX, AlienLeftLimit - AlienStep + 1,
                   ScreenWidth - 1);
        checkRange(broken, "alienY while carried", s.alienY, AlienTopLimit - AlienStep + 1,
                   ScreenHeight - 1);
        return;
    }
    // A step that starts inside a limit ends less than a step beyond it.
    checkRange(broken, "alienX", s.alienX, AlienLeftLimit - AlienStep + 1,
               AlienRightLimit + AlienStep - 1);
    checkRange(broken, "alienY", s.alienY, AlienTopLimit - AlienStep + 1,
               AlienBottomLimit + AlienStep - 1);
}

// Until the first random set-up every layout is 0; from then on Area Four has
// layout 0 and Areas One to Three share 1, 2 and 3.
void checkHoleLayouts(Broken& broken, const GameState& s) {
    const auto& layouts = s.areaHoles.holeLayoutOf;
    const bool gameUnderWay = s.mode == PlayMode::Play || s.mode == PlayMode::GameOver;
    const bool dealt = std::any_of(layouts.begin(), layouts.end(), [](int l) { return l != 0; });
    if (!gameUnderWay && !dealt) {
        return;
    }
    std::array<int, 3> outer{layouts[0], layouts[1], layouts[2]};
    std::sort(outer.begin(), outer.end());
    if (layouts[3] != 0 || outer != std::array<int, 3>{1, 2, 3}) {
        broken.push_back("holeLayoutOf " + std::to_string(layouts[0]) + " " +
                         std::to_string(layouts[1]) + " " + std::to_string(layouts[2]) + " " +
                         std::to_string(layouts[3]) +
                         " is not 1, 2, 3 in some order followed by 0");
    }
    checkRange(broken, "selectedLayout", s.areaHoles.selectedLayout, 0, HoleLayoutCount - 1);
}

void checkJorrin(Broken& broken, const GameState& s) {
    const JorrinState& j = s.jorrin;
    if (j.jorrinFacing != FacingLeft && j.jorrinFacing != FacingRight) {
        broken.push_back("jorrinFacing " + std::to_string(j.jorrinFacing) + " is neither 4 nor 6");
    }
    checkRange(broken, "jorrinExitDir", j.jorrinExitDir, ExitUp, ExitDown);
    // Reaching the collapsed alien revives it in the same turn. A called visit
    // that has already reached the alien when the energy runs out keeps its
    // flags, and the rescue revives it in the next turn.
    if (j.alienCollapsed && !j.jorrinCalled && j.jorrinAtX && j.jorrinAtY) {
        broken.push_back("Jorrin stands at the collapsed alien and has not revived it");
    }
    if (!j.alienCollapsed && !j.jorrinCalled && (j.jorrinAtX || j.jorrinAtY)) {
        broken.push_back("no visit runs but Jorrin still counts a column or row as reached");
    }
    // Only the raised request calls him, and only the end of his visit clears it.
    if (j.jorrinCalled && !s.zones.powerRequest[CallJorrin]) {
        broken.push_back("a called visit runs without the Call Jorrin request");
    }
}

void checkShipCallAndMarks(Broken& broken, const GameState& s) {
    const ShipCallState& call = s.shipCall;
    checkRange(broken, "callQuarter", call.callQuarter, 0, CallQuarters);
    checkRange(broken, "callStepCountdown", call.callStepCountdown, 0, CallQuarterTurns);
    // The Call Ship request stays raised until the next game.
    if (call.callActive && !s.zones.powerRequest[CallShip]) {
        broken.push_back("the ship call runs without the Call Ship request");
    }
    if (s.mode == PlayMode::Play && !call.bonusPending) {
        broken.push_back("the end bonus is already paid during play");
    }
    const PhoneMarkState& m = s.phoneMarks;
    checkRange(broken, "phoneMarkBlink", m.phoneMarkBlink, 0, PhoneMarkBlinkEnd);
    if (!m.phoneMarksOn && m.phoneMarkHolesSeen != 0) {
        broken.push_back("the phone marks are off but still count holes seen");
    }
    if (m.phoneMarksOn && !s.zones.powerRequest[Phone]) {
        broken.push_back("the phone marks show without the Phone request");
    }
}

void checkPursuer(Broken& broken, const GameState& s) {
    const PursuerState& p = s.pursuer;
    checkRange(broken, "pursuerFollows", p.pursuerFollows, 0, MostFollows);
    checkRange(broken, "pursuerDelay", p.pursuerDelay, 0, PlacementDelay - 1);
    checkRange(broken, "pursuerHideCountdown", p.pursuerHideCountdown, 0, LaterHideCountdown);
    if (p.pursuerFacing != FacingLeft && p.pursuerFacing != FacingRight) {
        broken.push_back("pursuerFacing " + std::to_string(p.pursuerFacing) +
                         " is neither left nor right");
    }
    if (p.alienCaught && p.pursuerIsScientist && s.area == InsideHole) {
        broken.push_back("the scientist holds the alien inside a hole");
    }
}

// Each area holds at most one zone of each kind Phone..MoveRight; the world
// holds one Call Ship and one Landing zone once they are placed (none
// before), each in cell 0, 1, 3 or 4.
void checkZones(Broken& broken, const GameState& s) {
    std::array<int, NoZone> shipZones{};  // counts of CallShip and Landing
    for (std::size_t area = 0; area < s.zones.zoneLayout.size(); ++area) {
        std::array<int, NoZone> kinds{};
        for (std::size_t cell = 0; cell < 9; ++cell) {
            const int kind = s.zones.zoneLayout[static_cast<AreaId>(area)][cell / 3][cell % 3];
            if (kind < Phone || kind > NoZone) {
                broken.push_back("zone kind " + std::to_string(kind) + " in area " +
                                 std::to_string(area) + " cell " + std::to_string(cell));
                continue;
            }
            if (kind == NoZone) {
                continue;
            }
            ++kinds[static_cast<std::size_t>(kind)];
            if (kind >= CallShip) {
                ++shipZones[static_cast<std::size_t>(kind)];
                if (cell != 0 && cell != 1 && cell != 3 && cell != 4) {
                    broken.push_back("zone kind " + std::to_string(kind) + " in cell " +
                                     std::to_string(cell) + " of area " + std::to_string(area));
                }
            }
        }
        for (int kind = Phone; kind <= MoveRight; ++kind) {
            if (kinds[static_cast<std::size_t>(kind)] > 1) {
                broken.push_back("area " + std::to_string(area) + " holds " +
                                 std::to_string(kinds[static_cast<std::size_t>(kind)]) +
                                 " zones of kind " + std::to_string(kind));
            }
        }
    }
    const auto expectPlaced = [&](int kind, bool placed) {
        const int count = shipZones[static_cast<std::size_t>(kind)];
        if (count != (placed ? 1 : 0)) {
            broken.push_back(std::to_string(count) + " zones of kind " + std::to_string(kind) +
                             (placed ? ", not 1" : " before it is placed"));
        }
    };
    expectPlaced(CallShip, s.zones.callShipPlaced);
    expectPlaced(Landing, s.zones.landingPlaced);
}

}  // namespace

std::vector<std::string> checkInvariants(const GameState& s) {
    Broken broken;
    const int mode = static_cast<int>(s.mode);
    if (s.mode != PlayMode::Title && s.mode != PlayMode::Arrival && s.mode != PlayMode::Play &&
        s.mode != PlayMode::GameOver) {
        broken.push_back("mode " + std::to_string(mode) +
                         " is none of Title, Arrival, Play, GameOver");
    }
    checkRange(broken, "energy", s.energy, 0, MaxEnergy);
    checkNotNegative(broken, "lives", s.lives);
    checkNotNegative(broken, "score", s.score);
    checkRange(broken, "area", s.area, Forest, InsideHole);
    if (s.mode == PlayMode::Play) {
        checkPosition(broken, s);
    }
    checkHoleLayouts(broken, s);
    checkItemInvariants(s, broken);
    checkJorrin(broken, s);
    checkShipCallAndMarks(broken, s);
    checkZones(broken, s);
    checkPursuer(broken, s);
    return broken;
}

}  // namespace qz
