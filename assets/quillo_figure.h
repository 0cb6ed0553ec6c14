// Quillo, the stranded alien: its figure in every pose, always drawn facing
// left (towards -x) in a 50 x 75 box with its feet on the bottom row.
#pragma once

#include <cairo.h>

struct QuilloPose {
    bool stepping = false;  // legs apart, leaning into the step
    bool armsUp = false;    // the power pose
    double headDrop = 0.0;  // pixels the head sinks (negative: rises)
    bool glowing = false;   // antennae lit with power
};

void drawQuillo(cairo_t* cr, const QuilloPose& pose);

// Quillo collapsed on its side, head to the left, in a 50 x 30 box.
void drawQuilloCollapsed(cairo_t* cr);

// The big friendly face (head and antennae only), centred on (cx, cy); at
// scale 1 the head is 34 wide. Used for the end screen, the icon and pages.
void drawQuilloFace(cairo_t* cr, double cx, double cy, double scale);

// The sheets the game reads.
void drawQuilloWalkSheet(cairo_t* cr, bool facingRight);
void drawQuilloHeadBobSheet(cairo_t* cr, bool facingRight);
void drawQuilloDeath(cairo_t* cr, bool facingRight);
void drawQuilloFacePicture(cairo_t* cr);

// The assist layer's: the face of a won game (300 x 210), a small head for
// each life (22 x 26) and the walking sheet's outline (100 x 75).
void drawQuilloHomeFacePicture(cairo_t* cr);
void drawQuilloLifeHead(cairo_t* cr);
void drawQuilloOutlineSheet(cairo_t* cr, bool facingRight);
