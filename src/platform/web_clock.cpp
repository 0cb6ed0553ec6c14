#include <emscripten.h>

#include <cmath>

#include "platform/clock.h"
#include "platform/wait_schedule.h"

namespace qz {

// The game's clock in the page reads the page's schedule of waits
// (platform/wait_schedule.h): a wait it handed back ends, to the game, on
// the deadline it asked for, at whichever refresh the browser calls back.
namespace {

double gameMs() {
    return pageSchedule().gameMs(emscripten_get_now());
}

}  // namespace

std::uint32_t SystemClock::ticks() {
    return static_cast<std::uint32_t>(gameMs());
}

std::int64_t SystemClock::microseconds() {
    return std::llround(gameMs() * 1000.0);
}

// Nothing in the page may sleep: the browser would freeze with it. The game
// hands its waits to the frame callback (web/game_entry.cpp) instead, and
// no wait is ever asked of this clock.
void SystemClock::delay(std::uint32_t) {
    emscripten_throw_string("the page's clock cannot sleep");
}

void SystemClock::delayMicroseconds(std::int64_t) {
    emscripten_throw_string("the page's clock cannot sleep");
}

}  // namespace qz
