// The random-input soak: many seeds of a mashing player through the real
// turns on the virtual clock, every invariant checked after every turn,
// with a count of how often each mode and event was reached.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace qz::soak {

struct SoakTally {
    long turns = 0;
    // Turns spent in each mode, and how often each event happened.
    std::map<std::string, long> reached;
    // The longest stretch each lasting state ran, in turns.
    std::map<std::string, int> longest;
    long failureCount = 0;
    std::vector<std::string> failures;  // the first few, each with seed and turn

    // The counts, one "name count" line each, then the failures.
    std::string report() const;
};

struct SoakOptions {
    unsigned firstSeed = 1;
    int seeds = 1;
    long turnsPerSeed = 1000;
    // Virtual time one turn may take: the drop-off's 2.5 s and a frame.
    std::uint32_t turnBudgetMs = 2600;
    // Wall time one turn may take before the run counts as hung and stops.
    int hangSeconds = 60;
    // Called every `progressEvery` turns with the tally so far.
    long progressEvery = 0;
    void (*progress)(const SoakTally& tally) = nullptr;
};

SoakTally runSoak(Canvas& canvas, const SoakOptions& options);

}  // namespace qz::soak
