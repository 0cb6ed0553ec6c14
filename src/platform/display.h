// Starting and stopping the display and font libraries; opening and closing
// the window surface and the game's fonts.
#pragma once

#include <string>

#include "platform/canvas.h"

struct SDL_Surface;

namespace qz {

constexpr const char* FontFile = "Souvenir Bold Italic.ttf";
constexpr const char* WindowCaption = "Quillo Zoruri v1.2";

// The display library with video and joystick; false when there is no
// display. Without one, SDL would fall back to drawing the game as text in
// the terminal, so the X11 driver is asked for unless the player chose one.
bool startDisplay();
void stopDisplay();
void startFontLibrary();
void stopFontLibrary();

// The 800 x 600, 24-bit window; null when there is no display.
SDL_Surface* openWindow();

// The font at 16, 20 and 26 points; false when the file cannot be read.
bool openFonts(Fonts& fonts);
void closeFonts(Fonts& fonts);

// The display library's last error, for messages.
std::string displayError();

}  // namespace qz
