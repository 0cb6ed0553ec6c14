// Scenario goldens: tests/scenario/goldens/<name>.txt, compared with a run, or
// rewritten from it when the environment holds QZ_UPDATE_GOLDENS=1.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/scenario_runner.h"

namespace qz::test {

// On a mismatch, names the first differing turn and its fields.
::testing::AssertionResult matchesGolden(const std::string& name, unsigned seed,
                                         const std::vector<TurnRecord>& records);

}  // namespace qz::test
