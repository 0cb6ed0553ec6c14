// The pursuer's flags that the rest of the game reads.
#pragma once

namespace qz {

// A pursuer present at the end of a game is still present in the next one:
// only pushBackInForce is cleared by a new game.
struct PursuerState {
    bool pursuerActive = false;
    bool pursuerIsScientist = false;
    bool alienCaught = false;
    bool pushBackInForce = false;
};

// While the scientist carries the alien, its keys are ignored (Escape and the
// window's close button still work).
struct GameState;
bool walkingAllowed(const GameState& state);

}  // namespace qz
