#include "platform/wait_schedule.h"

#include <gtest/gtest.h>

#include <vector>

namespace qz {
namespace {

constexpr double TurnMs = 33;
constexpr double WorkMs = 1.2;

// A page whose frame callback comes at every refresh (a little after it, by
// `callbackLateMs`), running a game that paces its turns as the presenter
// does: each turn's wait ends one turn after the turn began, on the game's
// clock. Returns when each turn began, on the page's clock.
std::vector<double> playTurns(double refreshHz, int turns, double callbackLateMs = 0.3,
                              double stallAtMs = -1, double stallMs = 0) {
    WaitSchedule schedule;
    std::vector<double> starts;
    double pacedStartUs = 0;
    for (int refresh = 0; int(starts.size()) < turns; ++refresh) {
        double now = refresh * 1000.0 / refreshHz + callbackLateMs;
        if (stallAtMs >= 0 && now >= stallAtMs) {
            now += stallMs;
            stallAtMs = -1;
        }
        while (schedule.due(now) && int(starts.size()) < turns) {
            schedule.wake(now);
            pacedStartUs = schedule.gameMs(now);
            starts.push_back(now);
            now += WorkMs;
            schedule.waitFor(now, pacedStartUs + TurnMs - schedule.gameMs(now));
        }
    }
    return starts;
}

TEST(WaitSchedule, TurnsKeepTheirPaceAtEveryRefreshRateAndNeverStartEarly) {
    for (const double hz : {30.0, 50.0, 60.0, 75.0, 90.0, 120.0, 144.0, 165.0}) {
        SCOPED_TRACE(hz);
        const std::vector<double> starts = playTurns(hz, 1900);
        const double period = (starts.back() - starts.front()) / double(starts.size() - 1);
        EXPECT_NEAR(period, TurnMs, TurnMs * 0.001);
        for (std::size_t i = 0; i < starts.size(); ++i) {
            // Never before its turn, and late by less than a refresh.
            const double due = starts.front() + double(i) * TurnMs;
            ASSERT_GE(starts[i], due - 1e-9) << "turn " << i;
            ASSERT_LT(starts[i], due + 1000.0 / hz + 0.5) << "turn " << i;
        }
    }
}

TEST(WaitSchedule, AShortStallIsMadeUpAndALongOneIsDroppedWithoutRacing) {
    // 80 ms stuck: the turns due meanwhile run at once, and the pace holds.
    const std::vector<double> shortStall = playTurns(60, 300, 0.3, 3000, 80);
    EXPECT_NEAR(shortStall.back() - shortStall.front(), 299 * TurnMs, 17);
    // Five seconds hidden: a few turns of catching up, then the pace again
    // from where the page came back.
    const std::vector<double> longStall = playTurns(60, 300, 0.3, 3000, 5000);
    int atOnce = 0;
    for (std::size_t i = 1; i < longStall.size(); ++i) {
        atOnce += longStall[i] - longStall[i - 1] < TurnMs / 2 ? 1 : 0;
    }
    EXPECT_LE(atOnce, int(WaitSchedule::CatchUpMs / TurnMs) + 1);
    EXPECT_NEAR(longStall.back() - longStall.front(), 299 * TurnMs + 5000, 120);
}

}  // namespace
}  // namespace qz
