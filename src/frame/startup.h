// The program's life: start-up, the main loop, shutdown.
#pragma once

namespace qz {

// Returns the process exit code: 0 after the player quits, 1 when the game
// cannot start (no display, the font or a picture unreadable).
int runGame();

}  // namespace qz
