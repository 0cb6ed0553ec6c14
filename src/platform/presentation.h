// The window the game's 800 x 600 frame is shown in: its scale, full screen
// or not, and switching between the two while the game runs.
#pragma once

#include <span>
#include <vector>

#include "core/geometry.h"
#include "platform/draw_list.h"

struct SDL_Surface;

namespace qz {

struct ScreenSize {
    int w = 0;
    int h = 0;
};

// The largest scale, at most `asked`, whose window one of `room` holds: the
// screen for a window, the full-screen modes for full screen. 1 when none
// holds even that.
int largestFittingScale(int asked, std::span<const ScreenSize> room);

class Presentation {
  public:
    Presentation() = default;
    ~Presentation();
    Presentation(const Presentation&) = delete;
    Presentation& operator=(const Presentation&) = delete;

    // Opens the window and the frame the game draws into; false when no
    // video mode can be had at all.
    bool open(int scale, bool fullscreen);
    void close();

    // The game draws here; it outlives every change of video mode.
    SDL_Surface* frame() const { return frame_; }
    // Copies the frame onto the window, scaled and centred, and shows it.
    void present();
    // The same when only `changed` differs from the frame last shown.
    void present(std::span<const ScreenArea> changed);
    // Window to full screen or back. When the mode cannot be had the game
    // goes on in the mode it had; it never ends here.
    void toggleFullscreen();
    bool fullscreen() const { return fullscreen_; }
    // The scale the current mode shows the game at: the one asked for, or
    // the largest smaller one the screen holds.
    int shownScale() const { return shownAt_; }
    // The screen the game started on; 0 x 0 when the display does not tell.
    ScreenSize screen() const { return screen_; }

  private:
    SDL_Surface* setMode(bool fullscreen);
    // Where a window or a full-screen mode can go.
    std::vector<ScreenSize> room(bool fullscreen) const;
    // Copies `part` of the frame onto the window; false when it cannot be
    // done part by part.
    bool copyPart(const ScreenArea& part, int left, int top);

    SDL_Surface* window_ = nullptr;
    SDL_Surface* frame_ = nullptr;
    int scale_ = 1;    // as asked for
    int shownAt_ = 1;  // as the current mode allows
    ScreenSize screen_;
    bool fullscreen_ = false;
    bool wholeDue_ = true;  // the window does not show the last frame
};

// Copies `frame` onto `target` with every pixel an n x n block, its top-left
// corner at (left, top). Both surfaces have the same pixel format and the
// target is large enough. Only `part` of the frame, when given.
void replicatePixels(SDL_Surface* frame, SDL_Surface* target, int n, int left, int top);
void replicatePixels(SDL_Surface* frame, SDL_Surface* target, int n, int left, int top,
                     const ScreenArea& part);

}  // namespace qz
