#include "support/golden_file.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "harness/replay_log.h"

namespace qz::test {

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

::testing::AssertionResult matchesGolden(const std::string& name, unsigned seed,
                                         const std::vector<TurnOutcome>& records) {
    const std::string path = std::string(QZ_GOLDEN_DIR) + "/" + name + ".txt";
    const std::string actual =
        "# Replay checked by the scenario tests in tests/scenario/. Rewrite it with\n"
        "# QZ_UPDATE_GOLDENS=1 and review the change with git diff.\n" +
        writeReplayLog(seed, records);
    const char* update = std::getenv("QZ_UPDATE_GOLDENS");
    if (update != nullptr && std::string(update) == "1") {
        std::ofstream(path, std::ios::binary) << actual;
        return ::testing::AssertionSuccess() << "rewrote " << path;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return ::testing::AssertionFailure()
               << "no golden " << path << "; write it with QZ_UPDATE_GOLDENS=1";
    }
    std::stringstream expected;
    expected << file.rdbuf();
    const std::string difference = firstDifference(expected.str(), actual);
    if (difference.empty()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "the run differs from " << path << ":\n"
           << difference
           << "If the change is meant, rewrite the golden with QZ_UPDATE_GOLDENS=1 and say why "
              "in the commit.";
}

}  // namespace qz::test
