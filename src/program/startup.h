// The program's life: start-up, the main loop, shutdown.
#pragma once

#include "program/command_line.h"

namespace qz {

// Returns the process exit code: 0 after the player quits or a replay ends,
// 1 when the game cannot start (no display, the data, the font or a picture
// unreadable, a recording that cannot be opened) or a recording could not be
// written to its end, 2 for a replay file it cannot use, 3 when a replay ends
// in another state than the recording did.
int runGame(const Options& options);

}  // namespace qz
