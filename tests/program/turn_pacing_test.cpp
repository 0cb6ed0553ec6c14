// The game's own speed on a real host's time: the real loop of turns, its
// pause and mute keys reading the live input first as the program's do, on
// the schedule of waits the native program sleeps on and the page's frame
// callback runs. Sleeps that wake late, a clock that reads whole
// milliseconds, an input read that takes time and turns too slow for their
// 33 ms must not change how long the game's turns last.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

#include "harness/recording_sound_board.h"
#include "platform/wait_schedule.h"
#include "program/pause_and_mute.h"
#include "program/turn_loop.h"
#include "support/game_fixture.h"

namespace qz::test {
namespace {

constexpr std::int64_t TurnUs = 33'000;

// The host's time, in microseconds: its sleeps wake late by `lateUs` (a
// busy machine, Windows' timer), its readings are whole milliseconds when
// `wholeMs` (Safari's clock; Firefox's resisting fingerprinting), and each
// reading costs `readingCostUs` (the page's work around the game's).
class HostClock final : public SleepingClock {
  public:
    std::uint32_t ticks() override { return static_cast<std::uint32_t>(us / 1000); }
    std::int64_t microseconds() override {
        us += readingCostUs;
        return wholeMs ? us / 1000 * 1000 : us;
    }
    void delay(std::uint32_t ms) override { delayMicroseconds(std::int64_t(ms) * 1000); }
    void delayMicroseconds(std::int64_t wait) override {
        us += wait + lateUs() + std::exchange(stallUs, 0);
        ++sleeps;
    }
    std::int64_t lateUs() {
        // 1 to 4 ms, never the same twice in a row.
        return lateByUs ? 1000 + (sleeps * 7919) % 3001 : 0;
    }
    std::int64_t us = 7'000'300;
    bool wholeMs = false;
    bool lateByUs = false;
    std::int64_t sleeps = 0;
    std::int64_t stallUs = 0;  // how much later than that the next sleep wakes
    std::int64_t readingCostUs = 0;
};

// The live input: nothing pressed, each read taking `costUs` of the host's
// time (a pad asked, a browser's gamepads read).
class TimedInput final : public InputSource {
  public:
    explicit TimedInput(HostClock& host) : host_(host) {}
    TurnInput readTurn() override {
        host_.us += costUs;
        TurnInput input;
        if (++reads == quitAt) {
            input.events.push_back(InputEvent{InputEvent::Type::Quit, {}, Control::None});
        }
        return input;
    }
    std::int64_t costUs = 0;
    int reads = 0;
    int quitAt = -1;

  private:
    HostClock& host_;
};

class SilentSwitches final : public SoundControls {
  public:
    void pauseAll(bool) override {}
    void mute(bool) override {}
};

class TurnPacing : public GameTest {
  protected:
    HostClock host;
    ScheduledClock clock{host};
    TimedInput input{host};
    RecordingSoundBoard sound{clock, DefaultSoundLengthsMs};
    SilentSwitches switches;
    PauseAndMute controls{input, switches, true};
    std::unique_ptr<Runtime> rt;
    std::unique_ptr<TurnLoop> loop;

    void SetUp() override {
        GameTest::SetUp();
        rt = std::make_unique<Runtime>(Runtime{state(), canvas(), clock, controls, sound});
        loop = std::make_unique<TurnLoop>(*rt, nullptr, nullptr, &controls);
    }

    // The native program: plays `turns` turns, sleeping every wait out, the
    // one after `stallAtTurn` waking `stallUs` late. Gives how many turns
    // began with no sleep before them.
    int sleepThrough(int turns, int stallAtTurn = -1, std::int64_t stallUs = 0) {
        int atOnce = 0;
        for (int turn = 0; turn < turns; ++turn) {
            if (turn == stallAtTurn) {
                host.stallUs = stallUs;
            }
            const std::int64_t sleptBefore = host.sleeps;
            sleepOnSchedule(clock, host, loop->advance().value().us);
            atOnce += host.sleeps == sleptBefore ? 1 : 0;
        }
        return atOnce;
    }
};

TEST_F(TurnPacing, SleepsThatWakeLateAreMadeUpAndAStallIsDroppedWithoutRacing) {
    host.lateByUs = true;
    input.costUs = 300;
    std::int64_t began = host.us;
    sleepThrough(300);
    // The last sleep's lateness is all that shows.
    EXPECT_NEAR(double(host.us - began), 300.0 * TurnUs, 4'000.0);

    // 80 ms stuck: made up by the turns after it, at once.
    began = host.us;
    sleepThrough(300, 150, 80'000);
    EXPECT_NEAR(double(host.us - began), 300.0 * TurnUs, 4'000.0);

    // Five seconds away (a machine back from sleep): the game's time stood
    // still meanwhile, that wake's usual lateness with it, and the turns
    // after it keep their pace.
    began = host.us;
    const int atOnce = sleepThrough(300, 150, 5'000'000);
    EXPECT_NEAR(double(host.us - began), 300.0 * TurnUs + 5'000'000.0, 8'000.0);
    EXPECT_LE(atOnce, 1);
}

TEST_F(TurnPacing, APageOnAWholeMillisecondClockKeepsThePaceWhateverTheInputReadTakes) {
    host.wholeMs = true;
    host.readingCostUs = 150;
    input.costUs = 1000;  // a gamepad read, a whole millisecond on this clock
    const auto goOn = [this]() -> std::optional<std::int64_t> {
        return loop->advance().value().us;
    };
    for (const double hz : {60.0, 75.0}) {
        SCOPED_TRACE(hz);
        const int readsBefore = input.reads;
        double firstTurnMs = -1;
        double lastTurnMs = 0;
        for (int refresh = int(double(host.us) * hz / 1e6) + 1; input.reads - readsBefore < 300;
             ++refresh) {
            // The frame callback comes 0.3 ms after the refresh, or as soon
            // as the last one's work is done.
            host.us = std::max(host.us, std::int64_t(double(refresh) * 1e6 / hz) + 300);
            const int readBefore = input.reads;
            ASSERT_TRUE(goOnWhileDue(clock, goOn));
            if (input.reads > readBefore) {
                lastTurnMs = clock.hostMs();
                firstTurnMs = firstTurnMs < 0 ? lastTurnMs : firstTurnMs;
            }
        }
        // 299 turns from the first callback that ran one to the last: late
        // by at most a refresh, never a millisecond a turn.
        EXPECT_NEAR(lastTurnMs - firstTurnMs, 299 * 33.0, 1000.0 / hz + 1);
    }
}

TEST_F(TurnPacing, TurnsTooSlowForTheirTimeStillHandTheHostBackControl) {
    input.costUs = 45'000;  // every turn outlasts its 33 ms
    input.quitAt = 40;
    const std::optional<Wait> wait = loop->advance();
    ASSERT_TRUE(wait.has_value()) << "the game ran on to its end in one go";
    EXPECT_EQ(wait->us, 0);
    EXPECT_LE(input.reads, 3);
}

}  // namespace
}  // namespace qz::test
