// quillo-end-frame: the frame a recorded game ends on, as the player saw it
// when they paused there. Replays the recording headless through the game's
// own loop, then shows the pause's frame over its last turn, and writes it:
// the Windows test pauses a game it walks with keys, grabs the window, and
// holds the grab to this frame of Linux's.
//
//   quillo-end-frame RECORDING OUT.bmp [data-folder]
#include <cstdio>
#include <filesystem>
#include <string>

#include "harness/scenario_runner.h"
#include "platform/sdl/headless_display.h"
#include "program/pause_and_mute.h"
#include "program/recorded_session.h"
#include "program/session_recorder.h"
#include "turn/game_turn.h"

int main(int argc, char** argv) {
    using namespace qz;
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: quillo-end-frame RECORDING OUT.bmp [data-folder]\n");
        return 2;
    }
    const LoadedSession loaded = loadSession(argv[1]);
    if (!loaded.error.empty()) {
        std::fprintf(stderr, "quillo-end-frame: %s\n", loaded.error.c_str());
        return 1;
    }
    const std::string self = std::filesystem::canonical("/proc/self/exe").string();
    const std::string data =
        argc == 4 ? argv[3] : std::filesystem::path(self).parent_path().parent_path().string();
    HeadlessDisplay display(data);
    if (!display.ok()) {
        std::fprintf(stderr, "quillo-end-frame: cannot start on %s\n", data.c_str());
        return 1;
    }
    PictureStore pictures;
    KeptCanvas canvas(display.screen(), pictures, display.fonts());
    ScenarioRunner runner(canvas, loaded.session.seed);
    SessionPlayer player(loaded.session, runner.input(), runner.sound());
    Runtime runtime{runner.state(), canvas, runner.clock(), player, player};
    if (const std::string astray = playToEnd(runtime, runner.clock(), nullptr, &player);
        !astray.empty()) {
        std::fprintf(stderr, "quillo-end-frame: %s\n", astray.c_str());
        return 1;
    }
    startPacing(runtime);
    fillPausedTurn(runtime);
    Presenter presenter;
    presenter.start();
    while (const auto wait = presenter.resume(runtime)) {
        sleepFor(runner.clock(), *wait);
    }
    return canvas.saveBmp(argv[2]) ? 0 : 1;
}
