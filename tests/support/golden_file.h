// Scenario goldens: tests/scenario/goldens/<name>.txt, compared with a run, or
// rewritten from it when the environment holds QZ_UPDATE_GOLDENS=1.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "harness/scenario_runner.h"

namespace qz::test {

// A golden's seed and key script, from which it replays.
struct Golden {
    std::string name;
    unsigned seed = 0;
    std::vector<ScriptedTurn> script;
};

// The seed and script lines of a golden file; nothing when it lacks them.
std::optional<Golden> readGolden(const std::filesystem::path& path);

// On a mismatch, names the first differing turn and its fields.
::testing::AssertionResult matchesGolden(const std::string& name, unsigned seed,
                                         const std::vector<TurnOutcome>& records);

}  // namespace qz::test
