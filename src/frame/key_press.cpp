#include "frame/key_press.h"

#include "frame/platform/keyboard.h"
#include "frame/sound_cues.h"
#include "items/energy_and_time.h"
#include "items/hole_contents.h"

namespace qz {
namespace {

void titleKeys(GameState& s, const std::uint8_t* keys, SoundBoard& sound) {
    if (keys[KeyI]) {
        s.instructionsShown = true;
    }
    if (keys[KeyS] && !s.instructionsShown) {
        sound.halt(ChannelTheme);
        s.newGamePending = true;
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

void useZone(GameState& s) {
    payPowerCost(s);
    const int kind = s.zones.zoneKind;
    const bool raises =
        (kind >= Phone && kind <= MoveRight) || (kind == CallShip && s.pursuer.pursuerActive);
    if (raises) {
        s.zones.powerActive = true;
        s.zones.powerRequest[static_cast<std::size_t>(kind)] = true;
    }
}

}  // namespace

void handleKeyPress(GameState& s, const std::uint8_t* keys, SoundBoard& sound) {
    if (s.mode == PlayMode::GameOver) {
        // The same press then counts as a title key: S starts the next game at once.
        s.mode = PlayMode::Title;
    }
    if (s.mode == PlayMode::Title) {
        titleKeys(s, keys, sound);
    }
    if (keys[KeyZ]) {
        if (s.zones.inZoneCell && s.area != InsideHole) {
            useZone(s);
        }
        if (s.area == InsideHole) {
            reviveFlower(s);
        }
    }
    if (keys[KeyX] && s.area == InsideHole) {
        s.holeVisit.levitating = true;
    }
}

}  // namespace qz
