// instructions-screen-pg1..3.bmp: the three 800 x 600 pages that teach the game.
#pragma once

#include <cairo.h>

void drawInstructionPage(cairo_t* cr, int page);
