// The schedule of the game's waits, on every host. A wait rarely ends on
// time: the page is called back only at the display's refresh, and a sleep
// wakes late on a busy machine or on Windows' timer tick. Counted from
// whenever the wake came, each late wake would push every later turn back,
// and the game would run slow, by how much depending on the machine. The
// schedule keeps deadlines instead: a wait ends at the deadline the game
// asked for, and the game's clock reads that deadline when it goes on,
// however late the wake, so the next wait is counted from the deadline and
// the lateness is made up. A wake later than the catch-up bound (a page back
// from the background, a machine back from sleep, a long stall) drops the
// time missed rather than race through it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/clock.h"

namespace qz {

class WaitSchedule {
  public:
    // Lateness made up by running the turns due at once; beyond it, the
    // game's time stands still for the rest.
    static constexpr double CatchUpMs = 100;

    // Whether the last wait is over at this moment of the host's clock.
    bool due(double hostMs) const { return leftMs(hostMs) <= 0; }
    // How much of the last wait is left at this moment of the host's clock.
    double leftMs(double hostMs) const { return waiting_ ? deadlineMs_ + baseMs_ - hostMs : 0; }
    // The game goes on: from here its clock reads the deadline it waited for.
    void wake(double hostMs);
    // The game hands back a wait of this length, from its clock's now.
    void waitFor(double hostMs, double ms) {
        deadlineMs_ = gameMs(hostMs) + ms;
        waiting_ = true;
    }
    // The game's clock: the host's, less the time the schedule has let pass
    // unseen (the stalls dropped, and how late the last wake came).
    double gameMs(double hostMs) const { return hostMs - baseMs_ - lateMs_; }

  private:
    bool waiting_ = false;  // none yet: the game goes on at once
    double deadlineMs_ = 0;
    double baseMs_ = 0;  // the stalls dropped so far
    double lateMs_ = 0;  // how late the last wake came
};

// The game's clock on a schedule of waits: the host's time, as the schedule
// lets the game see it. Fine where the host's clock is.
class ScheduledClock final : public Clock {
  public:
    explicit ScheduledClock(Clock& host) : host_(host) {}
    std::uint32_t ticks() override;
    std::int64_t microseconds() override;
    // The host's time now, in milliseconds.
    double hostMs();

    WaitSchedule schedule;

  private:
    Clock& host_;
};

// Runs the game up to its next wait and gives that wait's length in
// microseconds; none once the game is over.
using GoOn = std::function<std::optional<std::int64_t>()>;

// Sleeps a wait of `us` of the game's time out on the host, the clock's host,
// and goes on from its deadline: the native program's and Windows' way of
// waiting. The page lets the browser run instead, until the wait is due.
void sleepOnSchedule(ScheduledClock& clock, SleepingClock& host, std::int64_t us);

// The page's frame callback: goes on with the game through every wait due by
// the host's now, so a turn never starts before its time and one that the
// refresh made late is made up by those after it; for no longer than the
// catch-up bound, so a device too slow to keep up still gets its page back.
// False once the game is over.
bool goOnWhileDue(ScheduledClock& clock, const GoOn& goOn);

}  // namespace qz
