#include "core/pursuer_state.h"

#include "core/game_state.h"

namespace qz {

bool walkingAllowed(const GameState& state) {
    return !(state.pursuer.alienCaught && state.pursuer.pursuerIsScientist);
}

}  // namespace qz
