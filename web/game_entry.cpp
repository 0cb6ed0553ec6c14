// The page's entry. The game runs from the browser's frame callback: each
// call goes on from where the last stopped, once the wait it handed back is
// over, and returns to the browser at the next wait that is not yet over,
// so the page never blocks.
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
// The game's clock: the page's, on the schedule of the game's waits.
qz::ScheduledClock gameClock(pageClock);
qz::Game* game = nullptr;

std::optional<std::int64_t> goOn() {
    if (const std::optional<qz::Wait> wait = game->advance()) {
        return wait->us;
    }
    return std::nullopt;
}

void frame() {
    if (!qz::goOnWhileDue(gameClock, goOn)) {
        const int status = game->close();
        delete game;
        game = nullptr;
        emscripten_cancel_main_loop();
        std::exit(status);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const qz::ParsedOptions parsed = qz::parseCommandLine(argc, argv);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "%s", qz::messageLine(parsed.error).c_str());
        return 2;
    }
    game = new qz::Game(gameClock);
    if (const int refused = game->open(parsed.options)) {
        delete game;
        return refused;
    }
    // Called at the browser's every frame; the game's own waits decide when
    // it goes on. main ends here: the game lives on in the callback.
    emscripten_set_main_loop(frame, 0, true);
    return 0;
}
