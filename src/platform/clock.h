// The clock seams: reading the time, and sleeping, which not every clock can.
#pragma once

#include <cstdint>

namespace qz {

// The time as the game reads it: the millisecond tick counter, and a finer
// reading, in microseconds, so a turn can be paced to the frame without the
// tick's rounding; -1 from a clock without one, which is then paced on its
// milliseconds.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::uint32_t ticks() = 0;
    virtual std::int64_t microseconds() { return -1; }
};

// A clock that can also be slept on, in milliseconds and, where it reads
// microseconds, as finely.
class SleepingClock : public Clock {
  public:
    virtual void delay(std::uint32_t ms) = 0;
    virtual void delayMicroseconds(std::int64_t us) {
        delay(static_cast<std::uint32_t>((us + 999) / 1000));
    }
};

// The real time natively: SDL's tick counter and SDL_Delay (sdl_clock.cpp).
class SystemClock final : public SleepingClock {
  public:
    std::uint32_t ticks() override;
    void delay(std::uint32_t ms) override;
    std::int64_t microseconds() override;
    void delayMicroseconds(std::int64_t us) override;
};

// The real time in the browser, the page's clock (web_clock.cpp). It cannot
// sleep: the browser would freeze with it, so the game hands its waits to
// the page's frame callback instead.
class PageClock final : public Clock {
  public:
    std::uint32_t ticks() override;
    std::int64_t microseconds() override;
};

// A clock that only moves when told: delay advances it and returns at once,
// so headless runs take no wall time and every run reads the same ticks.
class VirtualClock final : public SleepingClock {
  public:
    explicit VirtualClock(std::uint32_t start = 0) : now_(start) {}
    std::uint32_t ticks() override { return now_; }
    void delay(std::uint32_t ms) override { now_ += ms; }
    void advance(std::uint32_t ms) { now_ += ms; }

  private:
    std::uint32_t now_;
};

}  // namespace qz
