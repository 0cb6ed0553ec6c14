// Pacing of the turn, and what a turn of the game runs in which mode.
#include "turn/presenter.h"

#include "support/game_fixture.h"

namespace qz::test {
namespace {

// A clock on which every reading costs time, like a busy machine.
class SlowReadingClock final : public Clock {
  public:
    std::uint32_t ticks() override { return now_ += step; }
    std::uint32_t step = 0;
    std::uint32_t now_ = 0;
};

struct PaceCase {
    std::uint32_t turnTook;
    std::uint32_t readingCost;
    std::uint32_t expectedWait;
};

class Pacing : public GameTest, public ::testing::WithParamInterface<PaceCase> {};

TEST_P(Pacing, WaitsOutTheRestOf33Milliseconds) {
    const PaceCase c = GetParam();
    SlowReadingClock clock;
    Runtime rt{state(), canvas(), clock, runner().runtime().input, runner().sound()};
    rt.frameTimer.start(clock);
    clock.now_ += c.turnTook;
    clock.step = c.readingCost;
    const auto wait = paceWait(rt);
    EXPECT_EQ(wait ? wait->us : 0, std::int64_t(c.expectedWait) * 1000);
}

INSTANTIATE_TEST_SUITE_P(Turns, Pacing,
                         ::testing::Values(PaceCase{10, 0, 23}, PaceCase{40, 0, 0},
                                           PaceCase{32, 0, 1}, PaceCase{33, 0, 0},
                                           // The second reading comes after the frame: no wait, and
                                           // above all no wrap-around into a wait of days.
                                           PaceCase{28, 1, 3}, PaceCase{31, 1, 0},
                                           PaceCase{30, 2, 0}, PaceCase{29, 3, 0}));

using GameTurn = GameTest;

// A clock with a fine reading: pacing waits to the microsecond.
class FineClock final : public SleepingClock {
  public:
    std::uint32_t ticks() override { return static_cast<std::uint32_t>(us / 1000); }
    void delay(std::uint32_t ms) override { us += std::int64_t(ms) * 1000; }
    std::int64_t microseconds() override { return us; }
    void delayMicroseconds(std::int64_t wait) override {
        us += wait + overshoot;
        waited += wait;
    }
    std::int64_t us = 5'000'700;  // between two ticks
    std::int64_t waited = 0;
    std::int64_t overshoot = 0;  // how late a sleep wakes
};

TEST_F(GameTurn, AFineClockEndsEveryTurnExactly33MillisecondsAfterItsStart) {
    FineClock clock;
    Runtime rt{state(), canvas(), clock, runner().runtime().input, runner().sound()};
    for (const std::int64_t took : {10'400, 32'500, 32'999, 33'000, 47'000}) {
        const std::int64_t start = clock.us;
        rt.frameTimer.start(clock);
        rt.turnStartUs = clock.microseconds();
        clock.us += took;
        if (const auto wait = paceWait(rt)) {
            sleepFor(clock, *wait);
        }
        EXPECT_EQ(clock.us - start, std::max<std::int64_t>(took, 33'000)) << took;
    }
}

TEST_F(GameTurn, SleepsThatWakeLateDoNotAddUp) {
    FineClock clock;
    clock.overshoot = 150;
    Runtime rt{state(), canvas(), clock, runner().runtime().input, runner().sound()};
    const std::int64_t start = clock.us;
    for (int turn = 0; turn < 100; ++turn) {
        rt.turnStartUs = pacedStartUs(rt, clock.microseconds());
        clock.us += 2'000;
        sleepFor(clock, paceWait(rt).value());
    }
    EXPECT_EQ(clock.us - start, 100 * 33'000 + 150);
}

TEST_F(GameTurn, PlayTurnsArePacedTo33Milliseconds) {
    startPlaying();
    const std::uint32_t start = runner().clock().ticks();
    play(KeyScript().hold({KeyLeft}, 30));
    EXPECT_EQ(runner().clock().ticks() - start, 30u * 33u);
}

TEST_F(GameTurn, TheEndScreenIsPacedLikeEveryOtherTurn) {
    state().mode = PlayMode::GameOver;
    const std::uint32_t start = runner().clock().ticks();
    play(KeyScript().idle(10));
    EXPECT_EQ(runner().clock().ticks() - start, 10u * 33u);
}

TEST_F(GameTurn, WithoutEnergyTheArrowKeysDoNothing) {
    startPlaying();
    state().energy = 0;
    play(KeyScript().hold({KeyLeft, KeyUp}, 5));
    EXPECT_EQ(state().alienX, 340);
    EXPECT_EQ(state().alienY, 160);
    EXPECT_FALSE(state().alienWalking);
}

TEST_F(GameTurn, TheGameEndsInTheTurnThatLosesTheLastLife) {
    startPlaying();
    state().lives = 0;
    const auto records = play(KeyScript().idle(1));
    EXPECT_EQ(state().mode, PlayMode::GameOver);
    // The end screen adds the bonus from the next turn on, once.
    EXPECT_EQ(state().score, 0);
    play(KeyScript().idle(1));
    const int withBonus = state().score;
    EXPECT_EQ(withBonus, 21000 + 145);
    play(KeyScript().idle(5));
    EXPECT_EQ(state().score, withBonus);
}

}  // namespace
}  // namespace qz::test
