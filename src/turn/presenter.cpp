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
                    return Wait{std::int64_t(cue.value) * 1000};
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
                return Wait{std::int64_t(record.end.holdMs) * 1000};
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

// A turn that follows its last one's pace counts from where that pace was
// meant to end, not from when the wait was seen to be over: the host's
// wake came when it could, and the turn's own start (its input read, a pad
// asked) is part of the turn. The host's schedule has made the clock read
// that end at the wake however late it came (platform/wait_schedule.h), so
// nothing a turn did not do itself is counted in it.
std::int64_t pacedStartUs(const Runtime& rt, std::int64_t now) {
    return rt.turnEndUs >= 0 ? rt.turnEndUs : now;
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
                return Wait{end - now};
            }
            return std::nullopt;
        }
    }
    if (rt.frameTimer.getTicks(rt.clock) <= FrameMs - 1) {
        // Read again: time has passed since the first reading. A second reading
        // beyond the frame must not wrap into a wait of 49 days.
        const std::uint32_t elapsed = rt.frameTimer.getTicks(rt.clock);
        if (elapsed < FrameMs) {
            return Wait{std::int64_t(FrameMs - elapsed) * 1000};
        }
    }
    return std::nullopt;
}

}  // namespace qz
