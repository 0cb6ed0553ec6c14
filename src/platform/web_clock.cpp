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

std::uint32_t PageClock::ticks() {
    return static_cast<std::uint32_t>(gameMs());
}

std::int64_t PageClock::microseconds() {
    return std::llround(gameMs() * 1000.0);
}

}  // namespace qz
