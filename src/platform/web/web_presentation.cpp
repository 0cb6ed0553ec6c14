#include <SDL/SDL.h>
#include <emscripten.h>

#include "platform/display.h"
#include "platform/presentation.h"
#include "platform/surfaces.h"
#include "platform/web/web_surfaces.h"

namespace qz {

// The browser build's window is the page's 800 x 600 canvas; the page
// scales it to fit. The game's frame is its own memory; presenting copies
// the changed parts into the locked screen, which the browser's emulation
// puts on the canvas when it is unlocked.

Presentation::~Presentation() {
    close();
}

bool Presentation::open(int scale, bool fullscreen) {
    scale_ = scale;
    shownAt_ = 1;
    fullscreen_ = false;
    (void)fullscreen;  // only the player can ask a page for full screen
    window_ = SDL_SetVideoMode(FrameWidth, FrameHeight, 32, SDL_SWSURFACE);
    if (!window_) {
        return false;
    }
    SDL_WM_SetCaption(WindowCaption, "");
    screen_ = {FrameWidth, FrameHeight};
    frame_ = makeMemorySurface(FrameWidth, FrameHeight);
    return true;
}

void Presentation::close() {
    freeSurface(frame_);
    frame_ = nullptr;
    window_ = nullptr;
}

void Presentation::toggleFullscreen() {
    // The page's own: the canvas fills the screen, scaled as in the page.
    EM_ASM({
        if (Module.toggleFullscreen) {
            Module.toggleFullscreen();
        }
    });
}

bool Presentation::copyPart(const ScreenArea& part, int left, int top) {
    // The screen holds red, green, blue and an opaque alpha in that byte
    // order; the frame blue, green, red.
    for (int y = part.y0; y < part.y1; ++y) {
        const auto* from =
            static_cast<const Uint8*>(frame_->pixels) + y * frame_->pitch + part.x0 * 3;
        auto* to = static_cast<Uint8*>(window_->pixels) + (top + y) * window_->pitch +
                   (left + part.x0) * 4;
        for (int x = part.x0; x < part.x1; ++x, from += 3, to += 4) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
            to[3] = 0xFF;
        }
    }
    return true;
}

void Presentation::present() {
    wholeDue_ = true;
    present(std::span<const ScreenArea>());
}

void Presentation::present(std::span<const ScreenArea> changed) {
    if (!window_ || !frame_) {
        return;
    }
    SDL_LockSurface(window_);
    if (wholeDue_) {
        copyPart(ScreenArea{0, 0, FrameWidth, FrameHeight}, 0, 0);
        wholeDue_ = false;
    }
    for (const ScreenArea& changedPart : changed) {
        const ScreenArea part = changedPart.clippedTo(ScreenArea{0, 0, FrameWidth, FrameHeight});
        if (!part.empty()) {
            copyPart(part, 0, 0);
        }
    }
    SDL_UnlockSurface(window_);
}

}  // namespace qz
