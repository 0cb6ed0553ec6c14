// Every golden replay, from its seed and key script alone: run twice in one
// process and once with the state copied out and back every turn. All three
// runs must agree turn by turn, and with the golden.
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "support/game_fixture.h"
#include "support/golden_file.h"

namespace qz::test {
namespace {

struct Golden {
    std::string name;
    unsigned seed = 0;
    std::vector<ScriptedTurn> script;
};

// The seed and script lines of a golden file; nothing when it lacks them.
std::optional<Golden> readGolden(const std::filesystem::path& path) {
    Golden golden{path.stem().string(), 0, {}};
    std::ifstream file(path);
    std::string line;
    bool seeded = false;
    while (std::getline(file, line)) {
        if (line.rfind("seed ", 0) == 0) {
            golden.seed = static_cast<unsigned>(std::stoul(line.substr(5)));
            seeded = true;
        } else if (line.rfind("script ", 0) == 0) {
            const auto script = parseInputs(line.substr(7));
            if (!seeded || !script) {
                return std::nullopt;
            }
            golden.script = *script;
            return golden;
        }
    }
    return std::nullopt;
}

class GoldenReplays : public GameTest {
  protected:
    std::vector<TurnRecord> replay(const Golden& golden, bool restore) {
        start(golden.seed).restoreEveryTurn(restore);
        std::vector<TurnRecord> records;
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
        const std::vector<TurnRecord> first = replay(*golden, false);
        EXPECT_TRUE(replay(*golden, false) == first) << golden->name << ": the second run differs";
        EXPECT_TRUE(replay(*golden, true) == first)
            << golden->name << ": the run with the state restored every turn differs";
        EXPECT_TRUE(matchesGolden(golden->name, golden->seed, first));
    }
    EXPECT_GT(goldens, 0);
}

}  // namespace
}  // namespace qz::test
