// The page's schedule of the game's waits. The browser calls the page back
// only at the display's refresh, so a wait rarely ends on time; counted from
// whenever the callback came, each late wake would push every later turn
// back, and the game would run slow at 50, 75 or 144 Hz. The schedule keeps
// deadlines instead: a wait ends at the deadline the game asked for, and the
// game's clock reads that deadline when it goes on, however late the wake,
// so the next wait is counted from the deadline and the lateness is made
// up. A wake later than the catch-up bound (a page back from the
// background, a long stall) drops the time missed rather than race through it.
#pragma once

namespace qz {

class WaitSchedule {
  public:
    // Lateness made up by running the turns due at once; beyond it, the
    // game's time stands still for the rest.
    static constexpr double CatchUpMs = 100;

    // Whether the last wait is over at this moment of the page's clock.
    bool due(double pageMs) const { return !waiting_ || pageMs >= deadlineMs_ + baseMs_; }
    // The game goes on: from here its clock reads the deadline it waited for.
    void wake(double pageMs);
    // The game hands back a wait of this length, from its clock's now.
    void waitFor(double pageMs, double ms) {
        deadlineMs_ = gameMs(pageMs) + ms;
        waiting_ = true;
    }
    // The game's clock: the page's, less the time the schedule has let pass
    // unseen (the stalls dropped, and how late the last wake came).
    double gameMs(double pageMs) const { return pageMs - baseMs_ - lateMs_; }

  private:
    bool waiting_ = false;  // none yet: the game goes on at once
    double deadlineMs_ = 0;
    double baseMs_ = 0;  // the stalls dropped so far
    double lateMs_ = 0;  // how late the last wake came
};

// The page's one schedule: its frame callback wakes it, its clock reads it.
WaitSchedule& pageSchedule();

}  // namespace qz
