#include <emscripten.h>

#include "platform/clock.h"

namespace qz {
namespace {

// The page's waits go back to the browser: the game hands each one to the
// frame callback (web/game_entry.cpp), so nothing in the page sleeps. A
// delay asked for all the same lets the time pass on the clock.
void passTime(double ms) {
    const double end = emscripten_get_now() + ms;
    while (emscripten_get_now() < end) {
    }
}

}  // namespace

std::uint32_t SdlClock::ticks() {
    return static_cast<std::uint32_t>(emscripten_get_now());
}

void SdlClock::delay(std::uint32_t ms) {
    passTime(ms);
}

std::int64_t SdlClock::microseconds() {
    return static_cast<std::int64_t>(emscripten_get_now() * 1000.0);
}

void SdlClock::delayMicroseconds(std::int64_t us) {
    passTime(double(us) / 1000.0);
}

}  // namespace qz
