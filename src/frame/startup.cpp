#include "frame/startup.h"

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "frame/data_lookup.h"
#include "frame/graphics_files.h"
#include "frame/main_loop.h"
#include "frame/new_game.h"
#include "frame/platform/display.h"
#include "frame/platform/file_checks.h"

namespace qz {
namespace {

constexpr const char* Program = "quillo-zoruri";

void say(const std::string& line) {
    std::fprintf(stderr, "%s: %s\n", Program, line.c_str());
}

// Moves into the folder with the game's data, so every file name stays relative.
bool enterDataFolder() {
    std::vector<std::string> tried;
    const auto folder = findDataFolder(tried);
    if (folder && chdir(folder->c_str()) == 0) {
        return true;
    }
    std::string list;
    for (const auto& path : tried) {
        list += (list.empty() ? "" : ", ") + path;
    }
    say("cannot find the game's data (a graphics/ folder); looked in: " + list);
    return false;
}

const char* firstUnreadablePicture() {
    for (const char* path : pic::all) {
        if (!bitmapFileIsWellFormed(path)) {
            return path;
        }
    }
    return nullptr;
}

void shutDown(SdlSoundBoard& sound, Fonts& fonts) {
    sound.close();
    SDL_Quit();
    closeFonts(fonts);
    TTF_Quit();
}

}  // namespace

int runGame() {
    if (!enterDataFolder()) {
        return 1;
    }
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    // Without a display, SDL would otherwise fall back to drawing the game as
    // text in the terminal; a player's own choice of driver still wins.
    setenv("SDL_VIDEODRIVER", "x11", 0);
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK) != 0) {
        say("cannot open a display (" + displayError() +
            "); start it from a desktop session, or without one under Xvfb: "
            "xvfb-run -s \"-screen 0 1024x768x24 -noreset\" quillo-zoruri");
        return 1;
    }
    SdlSoundBoard sound;
    if (!sound.open()) {
        say("warning: no sound device (" + displayError() + "); playing without sound");
    }
    TTF_Init();
    Fonts fonts;
    SDL_Surface* screen = openWindow();
    if (!screen) {
        say("cannot open an 800x600 window (" + displayError() + ")");
        shutDown(sound, fonts);
        return 1;
    }
    if (!openFonts(fonts)) {
        say(std::string("cannot read the font file \"") + FontFile + "\"");
        shutDown(sound, fonts);
        return 1;
    }
    if (const char* missing = firstUnreadablePicture()) {
        say(std::string("cannot read the picture ") + missing);
        shutDown(sound, fonts);
        return 1;
    }

    GameState state;
    randomGameSetup(state);
    state.mode = PlayMode::Title;
    if (const std::string missing = sound.loadAll(); !missing.empty()) {
        say("warning: cannot read " + missing + "; those sounds stay silent");
    }
    SdlInput input;
    input.keyState();
    SdlClock clock;
    {
        PictureStore pictures;
        Canvas canvas(screen, pictures, fonts);
        Runtime rt{state, canvas, clock, input, sound};
        runMainLoop(rt);
    }
    shutDown(sound, fonts);
    return 0;
}

}  // namespace qz
