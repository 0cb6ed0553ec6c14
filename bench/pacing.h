// The turn period of the game's turns, presented and paced as in play, on a
// real window, for --pacing.
#pragma once

#include <string>

namespace qz::bench {

// Plays `turns` walking turns on an X display and prints the period between
// turn starts (median, p99, worst) and the CPU each turn took. Returns the
// process exit code.
int measurePacing(const std::string& dataFolder, int turns);

}  // namespace qz::bench
