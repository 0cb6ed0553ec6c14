#include "characters/pursuer_state.h"

#include "frame/game_state.h"

namespace qz {

bool walkingAllowed(const GameState& state) {
    return !(state.pursuer.alienCaught && state.pursuer.pursuerIsScientist);
}

}  // namespace qz
