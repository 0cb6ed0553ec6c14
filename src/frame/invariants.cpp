#include "frame/invariants.h"

#include <algorithm>
#include <array>
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

void checkNotNegative(Broken& broken, const std::string& name, int value) {
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
    } else {
        // A step that starts inside a limit ends less than a step beyond it.
        checkRange(broken, "alienX", s.alienX, AlienLeftLimit - AlienStep + 1,
                   AlienRightLimit + AlienStep - 1);
        checkRange(broken, "alienY", s.alienY, AlienTopLimit - AlienStep + 1,
                   AlienBottomLimit + AlienStep - 1);
    }
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
    return broken;
}

}  // namespace qz
