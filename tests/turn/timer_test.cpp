#include "turn/timer.h"

#include <gtest/gtest.h>

namespace qz {
namespace {

TEST(Timer, NewOrStoppedTimerReadsZeroAndIgnoresPause) {
    VirtualClock clock(500);
    Timer timer;
    EXPECT_EQ(timer.getTicks(clock), 0u);
    timer.pause(clock);
    EXPECT_FALSE(timer.isPaused());
    EXPECT_EQ(timer.getTicks(clock), 0u);

    timer.start(clock);
    clock.advance(40);
    timer.pause(clock);
    timer.stop();
    // Stopping clears the pause, so unpausing a stopped timer does nothing.
    timer.unpause(clock);
    EXPECT_FALSE(timer.isStarted());
    EXPECT_EQ(timer.getTicks(clock), 0u);
}

TEST(Timer, PausingTwiceKeepsTheFirstValueAndPausedTimeIsNotCounted) {
    VirtualClock clock(1000);
    Timer timer;
    timer.start(clock);
    clock.advance(25);
    timer.pause(clock);
    clock.advance(100);
    timer.pause(clock);
    EXPECT_EQ(timer.getTicks(clock), 25u);
    clock.advance(50);
    timer.unpause(clock);
    EXPECT_FALSE(timer.isPaused());
    clock.advance(10);
    EXPECT_EQ(timer.getTicks(clock), 35u);
}

TEST(Timer, StartingAgainRestartsFromNow) {
    VirtualClock clock;
    Timer timer;
    timer.start(clock);
    clock.advance(70);
    timer.pause(clock);
    timer.start(clock);
    EXPECT_FALSE(timer.isPaused());
    clock.advance(5);
    EXPECT_EQ(timer.getTicks(clock), 5u);
}

TEST(Timer, ElapsedTimeSurvivesTheTickCounterWrapping) {
    VirtualClock clock(0xFFFFFFF0u);
    Timer timer;
    timer.start(clock);
    clock.advance(0x30);
    EXPECT_EQ(timer.getTicks(clock), 0x30u);
    timer.pause(clock);
    clock.advance(1000);
    timer.unpause(clock);
    clock.advance(3);
    EXPECT_EQ(timer.getTicks(clock), 0x33u);
}

}  // namespace
}  // namespace qz
