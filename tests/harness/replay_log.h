// A replay written as text, for goldens a reader can review: the seed and
// the script, the first turn in full, then for each turn the fields that
// changed and its sound requests.
#pragma once

#include <string>
#include <vector>

#include "harness/scenario_runner.h"

namespace qz {

std::string writeReplayLog(unsigned seed, const std::vector<TurnOutcome>& records);

// The first turn at which two replay logs part, with each field (and the
// sound requests) that differs there, expected against actual. Empty when
// they agree.
std::string firstDifference(const std::string& expectedLog, const std::string& actualLog);

}  // namespace qz
