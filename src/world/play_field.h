// The play field between the top band and the status area, and the alien's
// box on it. Every walking limit and hit test measures against these.
#pragma once

namespace qz {

constexpr int ScreenWidth = 800;
constexpr int ScreenHeight = 600;
constexpr int PlayFieldTop = 50;      // first row below the red top band
constexpr int PlayFieldBottom = 450;  // first row of the status area

// The alien's box: (alienX, alienY) is its top-left corner.
constexpr int AlienWidth = 50;
constexpr int AlienHeight = 75;

// Where walking stops and the next step crosses into the neighbouring area.
// The top limit lets the head reach into the top band.
constexpr int AlienLeftLimit = 0;
constexpr int AlienRightLimit = ScreenWidth - AlienWidth;  // 750
constexpr int AlienTopLimit = 30;
constexpr int AlienBottomLimit = PlayFieldBottom - AlienHeight;  // 375

// One walking step. A step starts only inside a limit, so the alien can end
// up less than a step beyond it, never more.
constexpr int AlienStep = 5;

}  // namespace qz
