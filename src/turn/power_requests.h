// What a power animation does when it ends: the raised requests, carried out
// in a fixed order. Their effects reach into several subsystems.
#pragma once

#include "core/game_state.h"

namespace qz {

// In this order, each only if raised: the movement zones (Up, Down, Left,
// Right; each cleared once done), Push Back Humans, Phone, Eat Candy, Call
// Jorrin, Call Ship. The requests after the movement zones stay raised until
// their own effects clear them, so every later animation carries them out again.
void carryOutPowerRequests(GameState& state);

}  // namespace qz
