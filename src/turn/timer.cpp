#include "turn/timer.h"

namespace qz {

void Timer::start(Clock& clock) {
    started = true;
    paused = false;
    startTicks = clock.ticks();
}

void Timer::stop() {
    started = false;
    paused = false;
}

void Timer::pause(Clock& clock) {
    if (started && !paused) {
        paused = true;
        pausedTicks = clock.ticks() - startTicks;
    }
}

// Does not look at `started`: stopping clears `paused`, so a stopped timer
// never gets here.
void Timer::unpause(Clock& clock) {
    if (paused) {
        paused = false;
        startTicks = clock.ticks() - pausedTicks;
        pausedTicks = 0;
    }
}

std::uint32_t Timer::getTicks(Clock& clock) const {
    if (!started) {
        return 0;
    }
    if (paused) {
        return pausedTicks;
    }
    return clock.ticks() - startTicks;
}

}  // namespace qz
