#include "platform/headless_display.h"

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/display.h"

namespace qz {

HeadlessDisplay::HeadlessDisplay(const std::string& dataFolder) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (chdir(dataFolder.c_str()) != 0 || SDL_Init(SDL_INIT_VIDEO) != 0) {
        return;
    }
    TTF_Init();
    screen_ = openWindow();
    openFonts(fonts_);
}

HeadlessDisplay::~HeadlessDisplay() {
    closeFonts(fonts_);
    TTF_Quit();
    SDL_Quit();
}

}  // namespace qz
