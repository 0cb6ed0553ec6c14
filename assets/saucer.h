// The flying saucer that brought Quillo, in the ship sprite, the title
// picture, the logo and the time indicator alike.
#pragma once

#include <cairo.h>

// A saucer 150 units wide with its disc's centre at (cx, cy), scaled.
void drawSaucer(cairo_t* cr, double cx, double cy, double scale);

// The beam of light under a saucer: a cone from (cx, topY) to bottomY,
// topWidth wide at the top and bottomWidth at the bottom, drawn soft.
void drawBeam(cairo_t* cr, double cx, double topY, double bottomY, double topWidth,
              double bottomWidth);

// ship.bmp, 150 x 225: the saucer with its beam reaching the bottom row.
void drawShipSprite(cairo_t* cr);
