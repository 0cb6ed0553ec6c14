// Plants: the Forest's tree and the flower that waits in a hole.
#pragma once

#include <cairo.h>

// forest-tree.bmp, 75 x 200.
void drawForestTree(cairo_t* cr);
// A smaller round tree or bush for backgrounds, base of the trunk at (x, y).
void drawRoundTree(cairo_t* cr, double x, double y, double scale);

// flower-alive.bmp and flower-dead.bmp, 15 x 25.
void drawFlower(cairo_t* cr, bool alive);
// A tiny flower head for meadows, centred on (x, y).
void drawMeadowFlower(cairo_t* cr, double x, double y, double r, int kind);
