// quillo-turn-bench: CPU per turn for the shipped pictures and for pictures
// read from their files on every draw, against the memcpy floor of the bytes
// the turn writes; start-up to the first frame and peak resident memory.
//
//   quillo-turn-bench [--reps N] [--case NAME-START] [--smoke] [data-folder]
//   quillo-turn-bench --pacing [turns] [data-folder]   (on a display: xvfb-run)
//
// The data folder defaults to the benchmark's own (the build folder). Turns
// run headless on the virtual clock, so the deliberate waits cost nothing.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/graphics_files.h"
#include "harness/scenario_runner.h"
#include "pacing.h"
#include "platform/sdl/headless_display.h"
#include "turn_cases.h"

extern char** environ;

namespace {

using namespace qz;

std::int64_t nanos(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}
std::int64_t cpuNow() {
    return nanos(CLOCK_THREAD_CPUTIME_ID);
}

long statusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::atol(line.c_str() + std::strlen(field));
        }
    }
    return -1;
}

// Median and 99th percentile, in microseconds.
struct Spread {
    double median;
    double p99;
};
Spread spread(std::vector<std::int64_t> ns) {
    std::sort(ns.begin(), ns.end());
    const auto at = [&](double q) {
        return double(ns[std::min(ns.size() - 1, std::size_t(q * double(ns.size())))]) / 1000.0;
    };
    return Spread{at(0.5), at(0.99)};
}

// The game's start-up as runGame does it, headless: the display, the fonts,
// the title's picture read; then the first turn presented, after which the
// other pictures are read on a second thread. Afterwards a long game, for
// the peak of resident memory.
int startupChild(const std::string& data, std::int64_t spawnedAt) {
    const std::int64_t entered = nanos(CLOCK_MONOTONIC);
    HeadlessDisplay display(data);
    PictureStore pictures;
    if (!display.ok() ||
        pictures.preloadFirst(pic::all, pic::titlePictureCount, display.screen())) {
        std::fprintf(stderr, "quillo-turn-bench: cannot start on %s\n", data.c_str());
        return 1;
    }
    KeptCanvas canvas(display.screen(), pictures, display.fonts());
    ScenarioRunner runner(canvas, 1);
    runner.runTurn(ScriptedTurn{});
    const std::int64_t firstFrame = nanos(CLOCK_MONOTONIC);
    const double firstFrameMs = double(firstFrame - spawnedAt) / 1e6;
    const double inProgramMs = double(firstFrame - entered) / 1e6;
    const long firstRss = statusKb("VmHWM:");
    const KeyScript game = bench::longGame();
    int opensOutOfTheTitle = -1;
    for (const ScriptedTurn& turn : game.turns()) {
        runner.runTurn(turn);
        if (opensOutOfTheTitle < 0 && runner.state().mode != PlayMode::Title) {
            opensOutOfTheTitle = pictures.filesOpened();
        }
    }
    std::printf(
        "start-up to the first presented frame: %.1f ms from the spawn, %.1f ms from main\n",
        firstFrameMs, inProgramMs);
    std::printf("peak resident memory: %.1f MB at the first frame, %.1f MB after %zu turns\n",
                double(firstRss) / 1024, double(statusKb("VmHWM:")) / 1024,
                game.turns().size() + 1);
    std::printf("picture files opened after the turn that left the title: %d\n",
                pictures.filesOpened() - opensOutOfTheTitle);
    return 0;
}

void runStartupChild(const std::string& self, const std::string& data) {
    const std::string at = std::to_string(nanos(CLOCK_MONOTONIC));
    std::vector<std::string> args{self, "--startup-child", data, at};
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    std::fflush(stdout);
    pid_t child = 0;
    if (posix_spawn(&child, self.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "quillo-turn-bench: cannot start %s\n", self.c_str());
        return;
    }
    int status = 0;
    waitpid(child, &status, 0);
}

// One design's runner, brought to the case's turn.
struct Player {
    ScenarioRunner runner;
    GameState lead;  // before the lead-in turn
    Player(Canvas& canvas, const bench::TurnCase& c) : runner(canvas, c.seed) {
        runner.run(c.setup);
        c.adjust(runner.state());
        lead = runner.state();
    }
    void play(const ScriptedTurn& keys) { runner.step(keys); }
    // The state just before the measured turn.
    GameState leadIn(const bench::TurnCase& c) {
        runner.state() = lead;
        runner.state().random.seed(c.seed);
        play(c.leadIn);
        return runner.state();
    }
    // The lead-in, then the measured turn; the measured turn's CPU time.
    std::int64_t turn(const bench::TurnCase& c) {
        leadIn(c);
        const std::int64_t begun = cpuNow();
        play(c.turn);
        return cpuNow() - begun;
    }
};

// CPU time of copying `bytes` with memcpy, once.
std::int64_t copyTime(std::vector<unsigned char>& from, std::vector<unsigned char>& to,
                      std::size_t bytes, int salt) {
    from[std::size_t(salt) % bytes] = static_cast<unsigned char>(salt);
    const std::int64_t begun = cpuNow();
    std::memcpy(to.data(), from.data(), bytes);
    return cpuNow() - begun;
}

void measure(const bench::TurnCase& c, Canvas& shipped, Canvas& reading, int reps) {
    Player fast(shipped, c);
    Player slow(reading, c);
    if (!c.reached(fast.leadIn(c))) {
        std::printf("%-26s the script no longer reaches this turn\n", c.name.c_str());
        return;
    }
    for (int i = 0; i < 20; ++i) {
        fast.turn(c);
        slow.turn(c);
    }
    // The bytes the turn draws (as the reading design draws them all) and
    // those the shipped design writes.
    slow.leadIn(c);
    std::uint64_t before = reading.bytesDrawn();
    slow.play(c.turn);
    const std::size_t drawn = std::max<std::size_t>(1, reading.bytesDrawn() - before);
    fast.leadIn(c);
    before = shipped.bytesDrawn();
    fast.play(c.turn);
    const std::size_t written = std::max<std::size_t>(1, shipped.bytesDrawn() - before);

    std::vector<unsigned char> from(drawn, 1);
    std::vector<unsigned char> to(drawn, 2);
    std::vector<std::int64_t> fastNs, slowNs, floorNs, writtenFloorNs;
    for (int i = 0; i < reps; ++i) {
        fastNs.push_back(fast.turn(c));
        slowNs.push_back(slow.turn(c));
        floorNs.push_back(copyTime(from, to, drawn, i));
        writtenFloorNs.push_back(copyTime(from, to, written, i));
    }
    const Spread f = spread(fastNs);
    const Spread s = spread(slowNs);
    const Spread m = spread(floorNs);
    const Spread w = spread(writtenFloorNs);
    std::printf("%-26s %8zu %8zu %8.1f %7.1f %8.1f %7.1f %7.1f %7.1f %6.2fx %6.2fx %6.1fx\n",
                c.name.c_str(), drawn, written, f.median, f.p99, s.median, s.p99, m.median,
                w.median, f.median / m.median, f.median / w.median, s.median / f.median);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const std::string self = std::filesystem::canonical("/proc/self/exe").string();
    if (args.size() == 3 && args[0] == "--startup-child") {
        return startupChild(args[1], std::atoll(args[2].c_str()));
    }
    int reps = 1000;
    int pacingTurns = 0;
    std::string only;  // the cases whose names start so
    std::string data = std::filesystem::path(self).parent_path().string();
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--pacing") {
            pacingTurns = 300;
            if (i + 1 < args.size() && std::atoi(args[i + 1].c_str()) > 0) {
                pacingTurns = std::atoi(args[++i].c_str());
            }
        } else if (args[i] == "--case" && i + 1 < args.size()) {
            only = args[++i];
        } else if (args[i] == "--smoke") {
            reps = 5;
        } else if (args[i] == "--reps" && i + 1 < args.size()) {
            reps = std::max(1, std::atoi(args[++i].c_str()));
        } else {
            data = args[i];
        }
    }
    if (pacingTurns > 0) {
        return bench::measurePacing(data, pacingTurns);
    }
    runStartupChild(self, data);

    HeadlessDisplay display(data);
    if (!display.ok()) {
        std::fprintf(stderr, "quillo-turn-bench: cannot open the data folder %s\n", data.c_str());
        return 1;
    }
    PictureStore kept;
    kept.preload(pic::all, display.screen());
    KeptCanvas shipped(display.screen(), kept, display.fonts());
    ReadingCanvas reading(display.screen(), display.fonts());

    std::printf(
        "\nCPU per turn in microseconds, %d turns each, headless. drawn: bytes the turn draws "
        "(all of them in the reading design); written: bytes the shipped design writes; floor: "
        "memcpy of the drawn bytes; wfloor: of the written bytes\n",
        reps);
    std::printf("%-26s %8s %8s %8s %7s %8s %7s %7s %7s %7s %7s %7s\n", "turn", "drawn", "written",
                "shipped", "p99", "reading", "p99", "floor", "wfloor", "/floor", "/wfloor", "gain");
    for (const bench::TurnCase& c : bench::turnCases()) {
        if (c.name.rfind(only, 0) != 0) {
            continue;
        }
        measure(c, shipped, reading, reps);
    }
    return 0;
}
