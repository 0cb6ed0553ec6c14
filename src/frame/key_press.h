// The key-press handler: one call per key-down event, reading the held keys.
#pragma once

#include <cstdint>

#include "frame/game_state.h"
#include "frame/platform/sound_board.h"

namespace qz {

// The event only says that some key went down; every test here reads the
// key-state array. Called only while walking is allowed.
void handleKeyPress(GameState& state, const std::uint8_t* keys, SoundBoard& sound);

}  // namespace qz
