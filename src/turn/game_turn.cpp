#include "turn/game_turn.h"

#include "turn/key_press.h"
#include "turn/movement.h"
#include "turn/play_modes.h"

namespace qz {

namespace {

void takeEvents(RulesView& t) {
    GameState& s = t.state;
    for (const InputEvent& event : t.input.events) {
        if (event.type == InputEvent::Type::Quit) {
            s.quitRequested = true;
        }
        // Looked at for every event while Escape is held, not just its own key-down.
        if (event.held[GameKey::Quit]) {
            if (s.instructionsShown) {
                s.instructionsShown = false;
                s.instructionPage = 0;
            } else {
                s.quitRequested = true;
            }
        }
        if (event.type == InputEvent::Type::KeyDown && walkingAllowed(s)) {
            const PlayMode before = s.mode;
            handleKeyPress(s, event.held);
            finishModeChange(t, before);
        }
    }
}

}  // namespace

void startPacing(Runtime& rt) {
    rt.frameTimer.start(rt.clock);
    rt.turnStartUs = pacedStartUs(rt, rt.clock.microseconds());
    rt.turnEndUs = -1;
}

bool fillTurn(Runtime& rt) {
    GameState& s = rt.state;
    rt.turnInput = rt.input.readTurn();
    if (rt.overlay) {
        rt.overlay->inputRead(s, rt.turnInput);
    }
    RulesView t = rt.freshRecord();
    takeEvents(t);
    if (s.energy > 0 && s.mode != PlayMode::Arrival) {
        movementStep(s, rt.turnInput.held, t.cues);
    }
    // Out of the title every picture is in memory: the turn that leaves it
    // waits for the pictures still being read. One that cannot be read ends
    // the game, which then says which.
    if (s.mode != PlayMode::Title && !rt.canvas.finishReadingPictures()) {
        s.quitRequested = true;
        return false;
    }
    const PlayMode before = s.mode;
    rt.record.end = runModeTurn(t);
    finishModeChange(t, before);
    return true;
}

}  // namespace qz
