#include "frame/main_loop.h"

#include "frame/key_press.h"
#include "frame/movement.h"
#include "frame/play_modes.h"

namespace qz {

void pace(Runtime& rt) {
    // Waiting whole milliseconds from tick readings makes turns 32 to 34 ms
    // long; a clock with a fine reading waits out the frame to the microsecond.
    if (rt.turnStartUs >= 0) {
        if (const std::int64_t now = rt.clock.microseconds(); now >= 0) {
            const std::int64_t left = rt.turnStartUs + std::int64_t(FrameMs) * 1000 - now;
            if (left > 0) {
                rt.clock.delayMicroseconds(left);
            }
            return;
        }
    }
    if (rt.frameTimer.getTicks(rt.clock) <= FrameMs - 1) {
        // Read again: time has passed since the first reading. A second reading
        // beyond the frame must not wrap into a wait of 49 days.
        const std::uint32_t elapsed = rt.frameTimer.getTicks(rt.clock);
        if (elapsed < FrameMs) {
            rt.clock.delay(FrameMs - elapsed);
        }
    }
}

namespace {

void drainEvents(Runtime& rt) {
    GameState& s = rt.state;
    InputEvent event;
    while (rt.input.poll(event)) {
        if (event.type == InputEvent::Type::Quit) {
            s.quitRequested = true;
        }
        // Looked at for every event while Escape is held, not just its own key-down.
        if (rt.input.keyState()[KeyEscape]) {
            if (s.instructionsShown) {
                s.instructionsShown = false;
                s.instructionPage = 0;
            } else {
                s.quitRequested = true;
            }
        }
        if (event.type == InputEvent::Type::KeyDown && walkingAllowed(s)) {
            handleKeyPress(s, rt.input.keyState(), rt.sound);
        }
    }
}

}  // namespace

bool runTurn(Runtime& rt) {
    GameState& s = rt.state;
    rt.frameTimer.start(rt.clock);
    rt.turnStartUs = rt.clock.microseconds();
    drainEvents(rt);
    if (s.energy > 0 && s.mode != PlayMode::Arrival) {
        rt.input.pump();
        movementStep(s, rt.input.keyState(), rt.sound);
    }
    if (runModeTurn(rt) == TurnEnd::PresentAndPace) {
        rt.canvas.present();
        pace(rt);
    }
    return !s.quitRequested;
}

void runMainLoop(Runtime& rt) {
    while (runTurn(rt)) {
    }
}

}  // namespace qz
