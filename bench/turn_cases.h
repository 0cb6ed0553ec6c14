// The turns the benchmark measures: the worst case and a typical turn in
// each area and inside a hole, each reached by a script and a few set fields.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "harness/scripted_input.h"

namespace qz::bench {

struct TurnCase {
    std::string name;
    unsigned seed;
    KeyScript setup;                                // from the title
    std::function<void(GameState&)> adjust;         // after the script
    ScriptedTurn turn;                              // the measured turn's keys
    std::function<bool(const GameState&)> reached;  // the state is the one meant
    // Played before each measured turn, unmeasured, so the frame on screen is
    // the one that comes before the measured turn in play.
    ScriptedTurn leadIn = turn;
};

std::vector<TurnCase> turnCases();

// A game played for a while through every area and a hole, for the start-up
// and memory figures.
KeyScript longGame();

}  // namespace qz::bench
