// What must end does end: every state that only lasts a while (a fall, a
// power animation, a collapse, Jorrin's called visit, a capture, a
// push-back, the ship call's countdown) gets a bound in turns, derived from
// the rules, and a state that outlives its bound is a stuck game.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/game_state.h"

namespace qz::soak {

// How a lasting state stands after a turn.
enum class Phase {
    Over,     // not in force: its count starts again
    Waiting,  // in force, but held still by something that rightly holds it
    Running,  // in force and meant to move on: the turn counts
};

struct ProgressBound {
    const char* name;
    int turns;  // the most turns it may run
    // Its phase after a turn, given the state before and after it.
    Phase (*phase)(const GameState& before, const GameState& after);
};

// The bounds the soak holds every game to.
const std::vector<ProgressBound>& progressBounds();

class ProgressWatch {
  public:
    ProgressWatch();
    // Counts the turn just played; gives a description of each state that has
    // now outlived its bound (once per stretch).
    std::vector<std::string> afterTurn(const GameState& before, const GameState& after);
    // The longest stretch each bound has seen, for the report.
    const std::vector<int>& longest() const { return longest_; }
    // A new program run: nothing carries over.
    void reset();

  private:
    std::vector<int> running_;
    std::vector<int> longest_;
};

}  // namespace qz::soak
