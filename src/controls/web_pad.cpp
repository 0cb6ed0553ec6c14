// The fields that follow a native pad's device are not used here.
#pragma clang diagnostic ignored "-Wunused-private-field"
#include "controls/pad.h"

namespace qz {

// The browser build plays with the keyboard only: it finds no pad.

bool Pad::open() {
    return false;
}

void Pad::close() {}

bool Pad::take(const SDL_Event&, std::vector<PadChange>&) {
    return false;
}

bool Pad::wentAway(std::vector<PadChange>&) {
    return false;
}

}  // namespace qz
