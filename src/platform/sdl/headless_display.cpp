#include "platform/sdl/headless_display.h"

#include <SDL/SDL.h>

#include "platform/display.h"
#include "platform/host.h"

namespace qz {

HeadlessDisplay::HeadlessDisplay(const std::string& dataFolder) {
    SDL_putenv(const_cast<char*>("SDL_VIDEODRIVER=dummy"));
    if (!enterFolder(dataFolder).empty() || SDL_Init(SDL_INIT_VIDEO) != 0) {
        return;
    }
    startFontLibrary();
    screen_ = openWindow();
    openFonts(fonts_);
}

HeadlessDisplay::~HeadlessDisplay() {
    closeFonts(fonts_);
    stopFontLibrary();
    SDL_Quit();
}

}  // namespace qz
