#include "turn/key_press.h"

#include "items/energy_and_time.h"
#include "items/hole_contents.h"
#include "world/hole_visit.h"
#include "world/power_zones.h"

namespace qz {
namespace {

void titleKeys(GameState& s, HeldKeys held) {
    if (held[GameKey::Instructions]) {
        s.instructionsShown = true;
    }
    if (held[GameKey::Start] && !s.instructionsShown) {
        s.mode = PlayMode::Arrival;
    }
    // Any key turns the page; the key after the last page goes back to the title.
    if (s.instructionsShown) {
        if (s.instructionPage < 3) {
            ++s.instructionPage;
        } else {
            s.instructionPage = 0;
            s.instructionsShown = false;
        }
    }
}

}  // namespace

void handleKeyPress(GameState& s, HeldKeys held) {
    if (s.mode == PlayMode::GameOver) {
        // The same press then counts as a title key: S starts the next game at once.
        s.mode = PlayMode::Title;
    }
    if (s.mode == PlayMode::Title) {
        titleKeys(s, held);
    }
    if (held[GameKey::Power]) {
        if (s.area == InsideHole) {
            reviveFlower(s);
        } else if (s.zones.inZoneCell) {
            payPowerCost(s);  // whatever the zone does, also nothing
            activateZone(s);
        }
    }
    if (held[GameKey::Drop]) {
        startLevitation(s);
    }
}

}  // namespace qz
