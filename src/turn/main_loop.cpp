#include "turn/main_loop.h"

#include "turn/key_press.h"
#include "turn/movement.h"
#include "turn/play_modes.h"

namespace qz {

namespace {

// A sleep ends a little after the moment asked for, a tenth of a
// millisecond or so. Left alone, those overshoots would add up turn after
// turn; a turn beginning that little after the last one's end counts from
// that end instead.
constexpr std::int64_t WakeSlackUs = 1000;

}  // namespace

std::int64_t turnStart(const Runtime& rt, std::int64_t now) {
    const std::int64_t late = now - rt.turnEndUs;
    return rt.turnEndUs >= 0 && late >= 0 && late < WakeSlackUs ? rt.turnEndUs : now;
}

void pace(Runtime& rt) {
    // Waiting whole milliseconds from tick readings makes turns 32 to 34 ms
    // long; a clock with a fine reading waits out the frame to the microsecond.
    rt.turnEndUs = -1;
    if (rt.turnStartUs >= 0) {
        if (const std::int64_t now = rt.clock.microseconds(); now >= 0) {
            const std::int64_t end = rt.turnStartUs + std::int64_t(FrameMs) * 1000;
            if (end > now) {
                rt.clock.delayMicroseconds(end - now);
                rt.turnEndUs = end;
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

void takeEvents(Runtime& rt) {
    GameState& s = rt.state;
    for (const InputEvent& event : rt.turnInput.events) {
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
            finishModeChange(rt, before);
        }
    }
}

}  // namespace

void startTurnClock(Runtime& rt) {
    rt.frameTimer.start(rt.clock);
    rt.turnStartUs = turnStart(rt, rt.clock.microseconds());
    rt.turnEndUs = -1;
}

bool runTurn(Runtime& rt) {
    GameState& s = rt.state;
    startTurnClock(rt);
    rt.turnInput = rt.input.readTurn();
    if (rt.overlay) {
        rt.overlay->turnStarts(s, rt.turnInput);
    }
    takeEvents(rt);
    if (s.energy > 0 && s.mode != PlayMode::Arrival) {
        movementStep(s, rt.turnInput.held, rt.sound);
    }
    // Out of the title every picture is in memory: the turn that leaves it
    // waits for the pictures still being read. One that cannot be read ends
    // the game, which then says which.
    if (s.mode != PlayMode::Title && !rt.canvas.finishReadingPictures()) {
        s.quitRequested = true;
        return false;
    }
    const PlayMode before = s.mode;
    const TurnEnd end = runModeTurn(rt);
    finishModeChange(rt, before);
    if (rt.overlay && end.present) {
        rt.overlay->turnEnds(s, rt.canvas);
    }
    if (end.present) {
        rt.canvas.present();
    }
    if (end.holdMs > 0) {
        rt.clock.delay(end.holdMs);
    }
    if (end.pace) {
        pace(rt);
    }
    return !s.quitRequested;
}

void runMainLoop(Runtime& rt) {
    while (runTurn(rt)) {
    }
}

}  // namespace qz
