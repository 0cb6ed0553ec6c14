// The clock seam: the millisecond tick counter and waiting.
#pragma once

#include <cstdint>

namespace qz {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::uint32_t ticks() = 0;
    virtual void delay(std::uint32_t ms) = 0;
    // A finer reading, in microseconds, and a wait as fine, so a turn can be
    // paced to the frame without the tick's rounding; -1 from a clock
    // without one, which is then paced on its milliseconds.
    virtual std::int64_t microseconds() { return -1; }
    virtual void delayMicroseconds(std::int64_t) {}
};

// The real time: SDL's tick counter and SDL_Delay natively, the page's
// schedule of waits in the browser (web_clock.cpp).
class SystemClock final : public Clock {
  public:
    std::uint32_t ticks() override;
    void delay(std::uint32_t ms) override;
    std::int64_t microseconds() override;
    void delayMicroseconds(std::int64_t us) override;
};

// A clock that only moves when told: delay advances it and returns at once,
// so headless runs take no wall time and every run reads the same ticks.
class VirtualClock final : public Clock {
  public:
    explicit VirtualClock(std::uint32_t start = 0) : now_(start) {}
    std::uint32_t ticks() override { return now_; }
    void delay(std::uint32_t ms) override { now_ += ms; }
    void advance(std::uint32_t ms) { now_ += ms; }

  private:
    std::uint32_t now_;
};

}  // namespace qz
