#include "pacing.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "core/graphics_files.h"
#include "harness/recording_sound_board.h"
#include "harness/scenario_runner.h"
#include "harness/scripted_input.h"
#include "platform/display.h"
#include "platform/presentation.h"
#include "platform/wait_schedule.h"
#include "turn/new_game.h"

namespace qz::bench {
namespace {

double millis(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

double at(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(q * double(values.size())))];
}

}  // namespace

int measurePacing(const std::string& dataFolder, int turns) {
    if (chdir(dataFolder.c_str()) != 0 || !startDisplay()) {
        std::fprintf(stderr, "quillo-turn-bench: no display (run it under xvfb-run)\n");
        return 1;
    }
    startFontLibrary();
    int status = 1;
    {
        Presentation presentation;
        Fonts fonts;
        PictureStore pictures;
        if (presentation.open(1, false) && openFonts(fonts) &&
            !pictures.preload(pic::all, presentation.frame())) {
            KeptCanvas canvas(presentation, pictures, fonts);
            GameState state;
            state.random.seed(1);
            randomGameSetup(state);
            // The real time, on the schedule of waits the game sleeps on.
            SystemClock host;
            ScheduledClock clock(host);
            ScriptedInput input;
            RecordingSoundBoard sound(clock, DefaultSoundLengthsMs);
            Runtime rt{state, canvas, clock, input, sound};
            TurnLoop loop(rt);
            KeyScript script = KeyScript().hold({KeyS}, 1).idle(59);
            for (int walked = 0; walked < turns + 1; walked += 60) {
                script.hold({KeyRight}, 30).hold({KeyLeft}, 30);
            }
            std::vector<double> periods;
            std::vector<double> cpu;
            double previous = 0;
            bool measured = false;  // the previous turn is one to count
            for (const ScriptedTurn& turn : script.turns()) {
                const double now = millis(CLOCK_MONOTONIC);
                if (measured && int(periods.size()) < turns) {
                    periods.push_back(now - previous);
                }
                previous = now;
                // Turns with deliberate waits (the arrival, a power pose) are left out.
                measured = state.mode == PlayMode::Play && !state.zones.powerActive;
                const double cpuBefore = millis(CLOCK_THREAD_CPUTIME_ID);
                input.beginTurn(turn);
                sound.clearRequests();
                while (const auto wait = loop.advanceTurn()) {
                    sleepOnSchedule(clock, host, wait->us);
                }
                cpu.push_back(millis(CLOCK_THREAD_CPUTIME_ID) - cpuBefore);
            }
            double total = 0;
            for (double period : periods) {
                total += period;
            }
            std::printf(
                "turn period over %zu turns: median %.2f ms, p99 %.2f ms, worst %.2f ms; "
                "mean %.3f ms (drift %+.1f ms over the run)\n",
                periods.size(), at(periods, 0.5), at(periods, 0.99), at(periods, 1.0),
                total / double(periods.size()), total - double(periods.size()) * FrameMs);
            std::printf("CPU per turn, presenting included: median %.2f ms, p99 %.2f ms\n",
                        at(cpu, 0.5), at(cpu, 0.99));
            status = 0;
        }
        closeFonts(fonts);
    }
    stopDisplay();
    stopFontLibrary();
    return status;
}

}  // namespace qz::bench
