#include "turn/game_end.h"

namespace qz {

void endGame(GameState& state) {
    state.mode = PlayMode::GameOver;
    PursuerState& p = state.pursuer;
    if (p.alienCaught) {
        // The pursuer leaves with the capture, as at a capture's own end.
        p.alienCaught = false;
        p.pursuerActive = false;
        p.pursuerIsScientist = PursuerState{}.pursuerIsScientist;
        state.items.pieceTheftArmed = true;
    }
}

}  // namespace qz
