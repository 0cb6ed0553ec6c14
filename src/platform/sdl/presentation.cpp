#include "platform/presentation.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/display.h"
#include "platform/pixel_copy.h"

namespace qz {
namespace {

// In the display's own depth: asked for 24 bits on a 32-bit display, the
// library keeps a shadow and converts it pixel by pixel at every flip.
constexpr Uint32 WindowFlags = SDL_HWSURFACE | SDL_SRCALPHA | SDL_ANYFORMAT;
constexpr int Depth = 24;

// Room without bounds: the display takes any size (or does not say).
constexpr ScreenSize AnySize{1 << 20, 1 << 20};

}  // namespace

int largestFittingScale(int asked, std::span<const ScreenSize> room) {
    for (int scale = asked; scale > 1; --scale) {
        for (const ScreenSize& size : room) {
            if (size.w >= FrameWidth * scale && size.h >= FrameHeight * scale) {
                return scale;
            }
        }
    }
    return 1;
}

std::vector<ScreenSize> Presentation::room(bool fullscreen) const {
    if (!fullscreen) {
        return {screen_.w > 0 && screen_.h > 0 ? screen_ : AnySize};
    }
    SDL_Rect** modes = SDL_ListModes(nullptr, WindowFlags | SDL_FULLSCREEN);
    if (modes == reinterpret_cast<SDL_Rect**>(-1)) {
        return {AnySize};
    }
    std::vector<ScreenSize> sizes;
    for (int i = 0; modes && modes[i]; ++i) {
        sizes.push_back({modes[i]->w, modes[i]->h});
    }
    return sizes;
}

void replicatePixels(SDL_Surface* frame, SDL_Surface* target, int n, int left, int top) {
    replicatePixels(frame, target, n, left, top, ScreenArea{0, 0, frame->w, frame->h});
}

void replicatePixels(SDL_Surface* frame, SDL_Surface* target, int n, int left, int top,
                     const ScreenArea& part) {
    SDL_LockSurface(frame);
    SDL_LockSurface(target);
    const int bpp = frame->format->BytesPerPixel;
    const auto width = static_cast<std::size_t>(part.x1 - part.x0);
    for (int y = part.y0; y < part.y1; ++y) {
        const auto* source =
            static_cast<const Uint8*>(frame->pixels) + y * frame->pitch + part.x0 * bpp;
        auto* first = static_cast<Uint8*>(target->pixels) + (top + y * n) * target->pitch +
                      (left + part.x0 * n) * bpp;
        if (n == 1) {
            std::memcpy(first, source, width * bpp);
            continue;
        }
        Uint8* out = first;
        for (int x = part.x0; x < part.x1; ++x, source += bpp) {
            for (int k = 0; k < n; ++k, out += bpp) {
                std::memcpy(out, source, static_cast<std::size_t>(bpp));
            }
        }
        // The other rows of the block are copies of the first.
        for (int k = 1; k < n; ++k) {
            std::memcpy(first + k * target->pitch, first, width * n * bpp);
        }
    }
    SDL_UnlockSurface(target);
    SDL_UnlockSurface(frame);
}

Presentation::~Presentation() {
    close();
}

namespace {

// The largest whole scale the screen holds the frame at; 0 when it holds
// not even the frame, or does not say how large it is.
int wholeScreenScale(ScreenSize screen) {
    return std::min(screen.w / FrameWidth, screen.h / FrameHeight);
}

}  // namespace

SDL_Surface* Presentation::setMode(bool fullscreen) {
    const Uint32 flags = WindowFlags | (fullscreen ? SDL_FULLSCREEN : 0);
    SDL_Surface* window = nullptr;
    if (fullscreen && wholeScreenScale(screen_) >= 1) {
        // Full screen in the screen's own size, the frame centred in it at
        // the largest whole scale it holds. The screen's mode never changes,
        // and the other modes a library lists (sdl12-compat lists sizes it
        // would stretch to the screen) are never taken.
        shownAt_ = wholeScreenScale(screen_);
        window = SDL_SetVideoMode(screen_.w, screen_.h, Depth, flags);
    }
    if (!window) {
        // Without a screen that holds even 800 x 600, unscaled and centred
        // in whatever mode there is.
        shownAt_ = largestFittingScale(scale_, room(fullscreen));
        window = SDL_SetVideoMode(FrameWidth * shownAt_, FrameHeight * shownAt_, Depth, flags);
    }
    if (window) {
        SDL_WM_SetCaption(WindowCaption, "");
    }
    return window;
}

bool Presentation::open(int scale, bool fullscreen) {
    scale_ = scale;
    // Before the first mode is set this is the screen; afterwards, the window.
    if (const SDL_VideoInfo* info = SDL_GetVideoInfo()) {
        screen_ = {info->current_w, info->current_h};
    }
    window_ = setMode(fullscreen);
    fullscreen_ = fullscreen && window_;
    if (!window_ && fullscreen) {
        window_ = setMode(false);
    }
    if (!window_) {
        return false;
    }
    // The game's frame is 24 bits a pixel, whatever the window's depth.
    frame_ = SDL_CreateRGBSurface(SDL_SWSURFACE, FrameWidth, FrameHeight, Depth, 0xFF0000, 0xFF00,
                                  0xFF, 0);
    return frame_ != nullptr;
}

void Presentation::close() {
    if (frame_) {
        SDL_FreeSurface(frame_);
        frame_ = nullptr;
    }
    window_ = nullptr;  // the display library frees the window itself
}

void Presentation::toggleFullscreen() {
    const bool wanted = !fullscreen_;
    if (SDL_Surface* window = setMode(wanted)) {
        window_ = window;
        fullscreen_ = wanted;
    } else {
        // Back to the mode that worked; without one, frames wait for the next switch.
        window_ = setMode(fullscreen_);
    }
    if (window_) {
        SDL_FillRect(window_, nullptr, SDL_MapRGB(window_->format, 0, 0, 0));
    }
    wholeDue_ = true;
    present();
}

bool Presentation::copyPart(const ScreenArea& part, int left, int top) {
    if (samePixelFormat(frame_, window_)) {
        replicatePixels(frame_, window_, shownAt_, left, top, part);
    } else if (shownAt_ == 1 && widensTo(frame_, window_)) {
        widenPixels(frame_, window_, left, top, part);
    } else {
        return false;
    }
    return true;
}

void Presentation::present() {
    if (!window_ || !frame_) {
        return;
    }
    const int left = (window_->w - FrameWidth * shownAt_) / 2;
    const int top = (window_->h - FrameHeight * shownAt_) / 2;
    if (left < 0 || top < 0) {
        return;  // a mode smaller than asked for: nothing sensible to show
    }
    if (!copyPart(ScreenArea{0, 0, FrameWidth, FrameHeight}, left, top)) {
        if (SDL_Surface* converted = SDL_ConvertSurface(frame_, window_->format, 0)) {
            replicatePixels(converted, window_, shownAt_, left, top);
            SDL_FreeSurface(converted);
        }
    }
    SDL_Flip(window_);
    wholeDue_ = false;
}

void Presentation::present(std::span<const ScreenArea> changed) {
    // A double-buffered screen shows a whole other buffer at each flip.
    if (wholeDue_ || !window_ || !frame_ || (window_->flags & SDL_DOUBLEBUF)) {
        present();
        return;
    }
    const int left = (window_->w - FrameWidth * shownAt_) / 2;
    const int top = (window_->h - FrameHeight * shownAt_) / 2;
    std::vector<SDL_Rect> shown;
    for (const ScreenArea& changedPart : changed) {
        const ScreenArea part = changedPart.clippedTo(ScreenArea{0, 0, FrameWidth, FrameHeight});
        if (part.empty()) {
            continue;
        }
        if (left < 0 || top < 0 || !copyPart(part, left, top)) {
            present();
            return;
        }
        const int n = shownAt_;
        shown.push_back(sdlRect(left + part.x0 * n, top + part.y0 * n, (part.x1 - part.x0) * n,
                                (part.y1 - part.y0) * n));
    }
    if (!shown.empty()) {
        SDL_UpdateRects(window_, static_cast<int>(shown.size()), shown.data());
    }
}

}  // namespace qz
