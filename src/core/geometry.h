// Points and boxes of the 800 x 600 frame, counted in its pixels from the
// top-left corner: where things are drawn and where the rules test for them.
#pragma once

namespace qz {

constexpr int FrameWidth = 800;
constexpr int FrameHeight = 600;

struct Point {
    int x;
    int y;
};

// A rectangle of the play field or of a picture: a zone cell, or the cell
// of a sprite sheet that is drawn.
struct Rect {
    int x;
    int y;
    int w;
    int h;
};

}  // namespace qz
