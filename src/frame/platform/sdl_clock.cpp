#include <SDL/SDL.h>

#include "frame/platform/clock.h"

namespace qz {

std::uint32_t SdlClock::ticks() {
    return SDL_GetTicks();
}
void SdlClock::delay(std::uint32_t ms) {
    SDL_Delay(ms);
}

}  // namespace qz
