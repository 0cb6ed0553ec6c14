// A quit asked of the game from outside its window and keyboard: on Windows,
// the console it shares stopping (Ctrl+C, Ctrl+Break, the console closed).
// The event reader hands it on as the window's close, so the game ends as
// it ends on Escape, its recording with its end line.
#pragma once

namespace qz {

// Safe from any thread, and before the display is open.
void requestQuit();

// Whether a quit was asked since the last time this said so.
bool takeQuitRequest();

}  // namespace qz
