// The page's entry. The game runs from the browser's frame callback: each
// call goes on from where the last stopped, once the wait it handed back is
// over, and returns to the browser at the next wait, so the page never
// blocks. The page is told how long each stretch of the game's work took.
#include <emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "program/command_line.h"
#include "program/message_line.h"
#include "program/startup.h"

namespace {

qz::Game* game = nullptr;
double resumeAt = 0;  // ms on the page's clock

// A frame callback comes at the display's refresh, give or take a
// millisecond: one that comes this little before a wait is over goes on,
// where waiting would cost a whole refresh more. Even at 240 Hz a refresh is
// longer, so no wait is cut short by a refresh.
constexpr double RefreshSlackMs = 2.0;

void noteWork(double started) {
    EM_ASM(
        {
            if (Module.noteTurnWork)
                Module.noteTurnWork($0, $1);
        },
        emscripten_get_now() - started, started);
}

void frame() {
    if (emscripten_get_now() < resumeAt - RefreshSlackMs) {
        return;
    }
    for (;;) {
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
        resumeAt = emscripten_get_now() + double(wait->us) / 1000.0;
        if (resumeAt - RefreshSlackMs > emscripten_get_now()) {
            return;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const qz::ParsedOptions parsed = qz::parseCommandLine(argc, argv);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "%s", qz::messageLine(parsed.error).c_str());
        return 2;
    }
    game = new qz::Game;
    if (const int refused = game->open(parsed.options)) {
        delete game;
        return refused;
    }
    // Called at the browser's every frame; the game's own waits decide when
    // it goes on. main ends here: the game lives on in the callback.
    emscripten_set_main_loop(frame, 0, true);
    return 0;
}
