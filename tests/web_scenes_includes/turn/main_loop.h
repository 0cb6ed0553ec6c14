// The browser test's native scenes still include a turn of the game by the
// name its file had before; this stands in until they name turn/game_turn.h.
#pragma once

#include "turn/game_turn.h"
