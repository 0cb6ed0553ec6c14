#include <SDL/SDL.h>

#include <ctime>

#include "platform/clock.h"

namespace qz {

std::uint32_t SystemClock::ticks() {
    return SDL_GetTicks();
}
void SystemClock::delay(std::uint32_t ms) {
    SDL_Delay(ms);
}

std::int64_t SystemClock::microseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

void SystemClock::delayMicroseconds(std::int64_t us) {
    const timespec wait{static_cast<time_t>(us / 1000000), static_cast<long>(us % 1000000) * 1000};
    nanosleep(&wait, nullptr);
}

}  // namespace qz
