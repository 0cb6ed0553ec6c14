// A display without a window: the display library's dummy driver, a real
// 800 x 600 software surface and the real fonts. Tests and frame dumps draw here.
#pragma once

#include <string>

#include "platform/canvas.h"

namespace qz {

class HeadlessDisplay {
  public:
    // dataFolder holds graphics/ and the font; the process moves into it.
    explicit HeadlessDisplay(const std::string& dataFolder);
    ~HeadlessDisplay();
    HeadlessDisplay(const HeadlessDisplay&) = delete;
    HeadlessDisplay& operator=(const HeadlessDisplay&) = delete;

    bool ok() const { return screen_ != nullptr && fonts_.small != nullptr; }
    SDL_Surface* screen() const { return screen_; }
    const Fonts& fonts() const { return fonts_; }

  private:
    SDL_Surface* screen_ = nullptr;
    Fonts fonts_;
};

}  // namespace qz
