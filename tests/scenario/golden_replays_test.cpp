// Every golden replay, from its seed and key script alone: run twice in one
// process and once with the state copied out and back every turn. All three
// runs must agree turn by turn, and with the golden.
#include <filesystem>
#include <optional>
#include <vector>

#include "support/game_fixture.h"
#include "support/golden_file.h"

namespace qz::test {
namespace {

class GoldenReplays : public GameTest {
  protected:
    std::vector<TurnOutcome> replay(const Golden& golden, bool restore) {
        start(golden.seed).restoreEveryTurn(restore);
        std::vector<TurnOutcome> records;
        for (const ScriptedTurn& input : golden.script) {
            records.push_back(runner().runTurn(input));
        }
        return records;
    }
};

TEST_F(GoldenReplays, EachRunsTheSameTwiceAndWithTheStateRestoredEveryTurn) {
    int goldens = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QZ_GOLDEN_DIR)) {
        const std::optional<Golden> golden = readGolden(entry.path());
        ASSERT_TRUE(golden) << entry.path() << " has no seed and script lines";
        ++goldens;
        const std::vector<TurnOutcome> first = replay(*golden, false);
        EXPECT_TRUE(replay(*golden, false) == first) << golden->name << ": the second run differs";
        EXPECT_TRUE(replay(*golden, true) == first)
            << golden->name << ": the run with the state restored every turn differs";
        EXPECT_TRUE(matchesGolden(golden->name, golden->seed, first));
    }
    EXPECT_GT(goldens, 0);
}

}  // namespace
}  // namespace qz::test
