// Timer: a stopwatch on the millisecond tick counter; paces each turn.
#pragma once

#include <cstdint>

#include "platform/clock.h"

namespace qz {

// Elapsed times are unsigned differences, so they stay right across the
// tick counter's wrap after about 49.7 days. The clock is passed to each
// reading so that the timer itself stays four plain fields.
class Timer {
  public:
    void start(Clock& clock);
    void stop();
    void pause(Clock& clock);
    void unpause(Clock& clock);
    std::uint32_t getTicks(Clock& clock) const;
    bool isStarted() const { return started; }
    bool isPaused() const { return paused; }

  private:
    std::uint32_t startTicks = 0;
    std::uint32_t pausedTicks = 0;
    bool paused = false;
    bool started = false;
};

}  // namespace qz
