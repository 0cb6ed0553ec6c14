// The game's four sounds by name: plain names the rules ask for and the
// sound board plays, with nothing of the mixer behind them.
#pragma once

namespace qz {

enum class Sound { Ufo = 0, Drop = 1, Candy = 2, Theme = 3 };
constexpr int SoundCount = 4;

}  // namespace qz
