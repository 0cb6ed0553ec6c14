// The long soak, from the command line:
//   qz-soak [--turns N] [--seeds N] [--first-seed N]
// Prints how often each mode and event was reached, every failure, and the
// resident memory along the way; exits 1 on any failure.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "platform/sdl/headless_display.h"
#include "soak/soak_run.h"

namespace {

// A line of /proc/self/status in kB, such as VmRSS or VmHWM.
long statusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(status, line)) {
        if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':') {
            return std::atol(line.c_str() + length + 1);
        }
    }
    return -1;
}

// The tally so far, so a run stopped early still tells what it reached.
void showProgress(const qz::soak::SoakTally& tally) {
    std::fprintf(stderr, "qz-soak: %ld turns, resident %ld kB, peak %ld kB\n%s", tally.turns,
                 statusKb("VmRSS"), statusKb("VmHWM"), tally.report().c_str());
}

}  // namespace

int main(int argc, char** argv) {
    long turns = 4000000;
    int seeds = 200;
    unsigned firstSeed = 1000;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--turns") {
            turns = std::atol(argv[i + 1]);
        } else if (option == "--seeds") {
            seeds = std::atoi(argv[i + 1]);
        } else if (option == "--first-seed") {
            firstSeed = static_cast<unsigned>(std::atol(argv[i + 1]));
        } else {
            std::fprintf(stderr, "usage: qz-soak [--turns N] [--seeds N] [--first-seed N]\n");
            return 2;
        }
    }
    if (seeds < 1 || turns < seeds) {
        std::fprintf(stderr, "qz-soak: need at least one turn per seed\n");
        return 2;
    }
    qz::HeadlessDisplay display(QZ_TEST_DATA_DIR);
    if (!display.ok()) {
        std::fprintf(stderr, "qz-soak: no headless display on %s\n", QZ_TEST_DATA_DIR);
        return 1;
    }
    // The display library turns Ctrl+C and SIGTERM into a quit event, which
    // a soak never reads: let them stop it.
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    qz::PictureStore pictures;
    qz::KeptCanvas canvas(display.screen(), pictures, display.fonts());
    qz::soak::SoakOptions options;
    options.firstSeed = firstSeed;
    options.seeds = seeds;
    options.turnsPerSeed = turns / seeds;
    options.progressEvery = 100000;
    options.progress = showProgress;
    const qz::soak::SoakTally tally = qz::soak::runSoak(canvas, options);
    std::printf("seeds %u..%u\n%speak resident %ld kB\n", firstSeed,
                firstSeed + static_cast<unsigned>(seeds) - 1, tally.report().c_str(),
                statusKb("VmHWM"));
    return tally.failureCount == 0 ? 0 : 1;
}
