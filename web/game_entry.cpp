// The page's entry. The game runs from the browser's frame callback: each
// call goes on from where the last stopped, once the wait it handed back is
// over, and returns to the browser at the next wait that is not yet over,
// so the page never blocks. The page is told how long each stretch of the
// game's work took.
#include <emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "platform/clock.h"
#include "platform/wait_schedule.h"
#include "program/command_line.h"
#include "program/message_line.h"
#include "program/startup.h"

namespace {

qz::PageClock pageClock;
qz::Game* game = nullptr;

void noteWork(double started) {
    EM_ASM(
        {
            if (Module.noteTurnWork)
                Module.noteTurnWork($0, $1);
        },
        emscripten_get_now() - started, started);
}

// Goes on with the game once its wait is over, as far as the waits due by
// now: a turn never starts before its time, and one that the refresh made
// late is made up by those after it (platform/wait_schedule.h). A device
// too slow to keep up still hands the browser back its page now and then.
void frame() {
    qz::WaitSchedule& schedule = qz::pageSchedule();
    const double called = emscripten_get_now();
    double now = called;
    while (schedule.due(now) && now - called < qz::WaitSchedule::CatchUpMs) {
        schedule.wake(now);
        const double started = emscripten_get_now();
        const std::optional<qz::Wait> wait = game->advance();
        noteWork(started);
        if (!wait) {
            const int status = game->close();
            delete game;
            game = nullptr;
            emscripten_cancel_main_loop();
            std::exit(status);
        }
        now = emscripten_get_now();
        schedule.waitFor(now, double(wait->us) / 1000.0);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const qz::ParsedOptions parsed = qz::parseCommandLine(argc, argv);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "%s", qz::messageLine(parsed.error).c_str());
        return 2;
    }
    game = new qz::Game(pageClock);
    if (const int refused = game->open(parsed.options)) {
        delete game;
        return refused;
    }
    // Called at the browser's every frame; the game's own waits decide when
    // it goes on. main ends here: the game lives on in the callback.
    emscripten_set_main_loop(frame, 0, true);
    return 0;
}
