#include <emscripten.h>

#include "platform/clock.h"

namespace qz {
namespace {

double workStart = -1;

// How long the game ran since it last woke: the page keeps these, to
// measure a turn's time in the browser.
void noteWork() {
    if (workStart >= 0) {
        EM_ASM(
            {
                if (Module.noteTurnWork)
                    Module.noteTurnWork($0);
            },
            emscripten_get_now() - workStart);
    }
}

void sleep(unsigned ms) {
    noteWork();
    emscripten_sleep(ms);
    workStart = emscripten_get_now();
}

}  // namespace

// The browser's clock; a wait hands the page back to the browser until it
// is over (the build's ASYNCIFY unwinds the turn and winds it up again), so
// the page never freezes in a turn's waits.

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
