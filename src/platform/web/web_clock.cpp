#include <emscripten.h>

#include <cmath>

#include "platform/clock.h"

namespace qz {

std::uint32_t PageClock::ticks() {
    return static_cast<std::uint32_t>(emscripten_get_now());
}

std::int64_t PageClock::microseconds() {
    return std::llround(emscripten_get_now() * 1000.0);
}

}  // namespace qz
