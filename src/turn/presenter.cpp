#include "turn/presenter.h"

namespace qz {

RulesView Runtime::freshRecord() {
    record.draws.clear();
    record.cues.restart(&sound);
    record.end = NothingShown;
    record.gameTurn = true;
    return RulesView{state, turnInput, record.draws, record.cues};
}

void Presenter::start() {
    step_ = Step::Draws;
    cue_ = 0;
}

std::optional<Wait> Presenter::resume(Runtime& rt) {
    const ShowRecord& record = rt.record;
    switch (step_) {
        case Step::Draws:
            rt.canvas.draw(record.draws);
            step_ = Step::Cues;
            [[fallthrough]];
        case Step::Cues:
            while (cue_ < record.cues.cues().size()) {
                const Cue& cue = record.cues.cues()[cue_++];
                if (!carryOut(cue, rt.sound)) {
                    return Wait{std::int64_t(cue.value) * 1000, false};
                }
            }
            step_ = Step::Show;
            [[fallthrough]];
        case Step::Show:
            step_ = Step::Pace;
            if (record.end.present) {
                if (rt.overlay && record.gameTurn) {
                    // The assist layer draws over the turn's frame.
                    const std::size_t drawn = record.draws.requests().size();
                    rt.overlay->turnEnds(rt.state, rt.record.draws);
                    rt.canvas.draw(record.draws, drawn);
                }
                rt.canvas.present();
            }
            if (record.end.holdMs > 0) {
                return Wait{std::int64_t(record.end.holdMs) * 1000, false};
            }
            [[fallthrough]];
        case Step::Pace:
            step_ = Step::Done;
            if (record.end.pace) {
                return paceWait(rt);
            }
            [[fallthrough]];
        case Step::Done:
            break;
    }
    return std::nullopt;
}

namespace {

// A sleep ends a little after the moment asked for, a tenth of a
// millisecond or so. Left alone, those overshoots would add up turn after
// turn; a turn beginning that little after the last one's end counts from
// that end instead.
constexpr std::int64_t WakeSlackUs = 1000;

}  // namespace

std::int64_t pacedStartUs(const Runtime& rt, std::int64_t now) {
    const std::int64_t late = now - rt.turnEndUs;
    return rt.turnEndUs >= 0 && late >= 0 && late < WakeSlackUs ? rt.turnEndUs : now;
}

std::optional<Wait> paceWait(Runtime& rt) {
    // Waiting whole milliseconds from tick readings makes turns 32 to 34 ms
    // long; a clock with a fine reading waits out the frame to the microsecond.
    rt.turnEndUs = -1;
    if (rt.turnStartUs >= 0) {
        if (const std::int64_t now = rt.clock.microseconds(); now >= 0) {
            const std::int64_t end = rt.turnStartUs + std::int64_t(FrameMs) * 1000;
            if (end > now) {
                rt.turnEndUs = end;
                return Wait{end - now, true};
            }
            return std::nullopt;
        }
    }
    if (rt.frameTimer.getTicks(rt.clock) <= FrameMs - 1) {
        // Read again: time has passed since the first reading. A second reading
        // beyond the frame must not wrap into a wait of 49 days.
        const std::uint32_t elapsed = rt.frameTimer.getTicks(rt.clock);
        if (elapsed < FrameMs) {
            return Wait{std::int64_t(FrameMs - elapsed) * 1000, false};
        }
    }
    return std::nullopt;
}

void sleepFor(SleepingClock& clock, Wait wait) {
    if (wait.fine) {
        clock.delayMicroseconds(wait.us);
    } else {
        clock.delay(static_cast<std::uint32_t>(wait.us / 1000));
    }
}

}  // namespace qz
