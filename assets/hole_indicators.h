// The 150 x 150 hole indicator panel at the bottom left of the screen: the
// only sign of the invisible holes.
#pragma once

#include <cairo.h>

void drawNoHolePanel(cairo_t* cr);          // fauna1.bmp: a calm meadow
void drawUnsearchedHolePanel(cairo_t* cr);  // undischole.bmp: a hole, unexplored
void drawSearchedHolePanel(cairo_t* cr);    // dischole.bmp: a hole already searched
