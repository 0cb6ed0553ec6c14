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

// Every field by name, for the replay record; a new field goes here too
// (frame/replay/state_fields.cpp counts them at compile time).
template <class F>
constexpr void forEachField(const PursuerState& s, F&& f) {
    f("pursuerActive", s.pursuerActive);
    f("pursuerIsScientist", s.pursuerIsScientist);
    f("alienCaught", s.alienCaught);
    f("pushBackInForce", s.pushBackInForce);
}

// While the scientist carries the alien, its keys are ignored (Escape and the
// window's close button still work).
struct GameState;
bool walkingAllowed(const GameState& state);

}  // namespace qz
