// quillo-frame-dump: plays the scripted start of a game headless and writes
// chosen frames as BMP pictures, for the README screenshot and for looking at
// the game without a display.
//
//   quillo-frame-dump [--seed N] <data-folder> <out-folder> [turn...]
//
// Without turns it writes the frames listed in DefaultTurns.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "harness/scenario_runner.h"
#include "platform/sdl/headless_display.h"

namespace {

using namespace qz;

// The title for a second, S, the ship's landing, then a walk through the
// Forest, across Area One and into Area Two.
KeyScript startOfGame() {
    return KeyScript()
        .idle(30)
        .hold({KeyS}, 1)
        .idle(59)
        .hold({KeyRight}, 40)
        .hold({KeyDown}, 24)
        .hold({KeyLeft}, 30)
        .hold({KeyUp}, 30)
        .hold({KeyRight}, 120)
        .hold({KeyDown}, 30)
        .idle(10);
}

// The title, the ship landing, Quillo walking through a Forest clearing (the
// README's screenshot), Quillo in Area Two.
const std::vector<int> DefaultTurns{30, 60, 100, 330};

int usage() {
    std::fprintf(stderr,
                 "usage: quillo-frame-dump [--seed N] <data-folder> <out-folder> [turn...]\n");
    return 2;
}

bool parseNumber(const char* text, long& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text, &end, 10);
    return errno == 0 && end != text && *end == '\0' && value >= 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    unsigned seed = 7;
    if (args.size() >= 2 && args[0] == "--seed") {
        long value = 0;
        if (!parseNumber(args[1].c_str(), value)) {
            return usage();
        }
        seed = static_cast<unsigned>(value);
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.size() < 2) {
        return usage();
    }
    std::set<int> wanted;
    for (std::size_t i = 2; i < args.size(); ++i) {
        long turn = 0;
        if (!parseNumber(args[i].c_str(), turn) || turn < 1) {
            return usage();
        }
        wanted.insert(static_cast<int>(turn));
    }
    if (wanted.empty()) {
        wanted.insert(DefaultTurns.begin(), DefaultTurns.end());
    }

    std::error_code error;
    const std::filesystem::path out = std::filesystem::absolute(args[1], error);
    if (!error) {
        std::filesystem::create_directories(out, error);
    }
    if (error) {
        std::fprintf(stderr, "quillo-frame-dump: cannot create %s\n", args[1].c_str());
        return 1;
    }

    HeadlessDisplay display(args[0]);
    if (!display.ok()) {
        std::fprintf(stderr, "quillo-frame-dump: cannot open the data folder %s\n",
                     args[0].c_str());
        return 1;
    }
    PictureStore pictures;
    KeptCanvas canvas(display.screen(), pictures, display.fonts());
    ScenarioRunner runner(canvas, seed);

    const KeyScript script = startOfGame();
    int written = 0;
    for (const ScriptedTurn& input : script.turns()) {
        const TurnOutcome record = runner.runTurn(input);
        if (wanted.count(record.turn) == 0) {
            continue;
        }
        char name[32];
        std::snprintf(name, sizeof name, "frame-%05d.bmp", record.turn);
        const std::string path = (out / name).string();
        if (!canvas.saveBmp(path)) {
            std::fprintf(stderr, "quillo-frame-dump: cannot write %s\n", path.c_str());
            return 1;
        }
        std::string where;
        for (const FieldValue& field : record.state) {
            if (field.name == "area" || field.name == "alienX" || field.name == "alienY") {
                where += " " + field.name + " " + field.value;
            }
        }
        std::printf("%s %s\n", path.c_str(), where.c_str());
        ++written;
    }
    if (written < static_cast<int>(wanted.size())) {
        std::fprintf(stderr, "quillo-frame-dump: the script has %zu turns; later ones skipped\n",
                     script.turns().size());
    }
    return 0;
}
