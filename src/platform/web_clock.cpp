#include <emscripten.h>

#include "platform/clock.h"

namespace qz {
namespace {

double wokeAt = -1;

// Hands the page back to the browser for `ms`; the build's ASYNCIFY unwinds
// the turn and winds it up again, so the page never freezes in a turn's
// waits. The page keeps how long the game ran since it last woke, and when
// it woke, to measure a turn in the browser.
void sleep(unsigned ms) {
    if (wokeAt >= 0) {
        EM_ASM(
            {
                if (Module.noteTurnWork)
                    Module.noteTurnWork($0, $1);
            },
            emscripten_get_now() - wokeAt, wokeAt);
    }
    emscripten_sleep(ms);
    wokeAt = emscripten_get_now();
}

}  // namespace

std::uint32_t SdlClock::ticks() {
    return static_cast<std::uint32_t>(emscripten_get_now());
}

void SdlClock::delay(std::uint32_t ms) {
    sleep(ms);
}

std::int64_t SdlClock::microseconds() {
    return static_cast<std::int64_t>(emscripten_get_now() * 1000.0);
}

void SdlClock::delayMicroseconds(std::int64_t us) {
    // The browser's timers count whole milliseconds.
    sleep(static_cast<unsigned>((us + 500) / 1000));
}

}  // namespace qz
