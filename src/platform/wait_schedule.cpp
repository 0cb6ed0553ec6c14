#include "platform/wait_schedule.h"

#include <cmath>

namespace qz {

void WaitSchedule::wake(double hostMs) {
    if (!waiting_) {
        return;
    }
    const double late = -leftMs(hostMs);
    if (late > CatchUpMs) {
        baseMs_ += late;
        lateMs_ = 0;
    } else {
        lateMs_ = late > 0 ? late : 0;
    }
}

double ScheduledClock::hostMs() {
    const std::int64_t us = host_.microseconds();
    return us >= 0 ? double(us) / 1000.0 : double(host_.ticks());
}

std::uint32_t ScheduledClock::ticks() {
    return static_cast<std::uint32_t>(std::floor(schedule.gameMs(hostMs())));
}

std::int64_t ScheduledClock::microseconds() {
    const std::int64_t us = host_.microseconds();
    return us < 0 ? -1 : std::llround(schedule.gameMs(double(us) / 1000.0) * 1000.0);
}

void sleepOnSchedule(ScheduledClock& clock, SleepingClock& host, std::int64_t us) {
    clock.schedule.waitFor(clock.hostMs(), double(us) / 1000.0);
    // A sleep may also end early (a signal); sleep on until the wait is due.
    for (double left = clock.schedule.leftMs(clock.hostMs()); left > 0;
         left = clock.schedule.leftMs(clock.hostMs())) {
        if (host.microseconds() >= 0) {
            host.delayMicroseconds(std::llround(std::ceil(left * 1000.0)));
        } else {
            host.delay(static_cast<std::uint32_t>(std::ceil(left)));
        }
    }
    clock.schedule.wake(clock.hostMs());
}

bool goOnWhileDue(ScheduledClock& clock, const GoOn& goOn) {
    const double called = clock.hostMs();
    for (double now = called; clock.schedule.due(now) && now - called < WaitSchedule::CatchUpMs;
         now = clock.hostMs()) {
        clock.schedule.wake(now);
        const std::optional<std::int64_t> us = goOn();
        if (!us) {
            return false;
        }
        clock.schedule.waitFor(clock.hostMs(), double(*us) / 1000.0);
    }
    return true;
}

}  // namespace qz
