// Readying the system's sound for the display library to open.
#pragma once

namespace qz {

// Keeps the system's sound library from printing its own complaints when
// there is no device: the game says so in one line of its own.
void quietSoundDevice();

}  // namespace qz
