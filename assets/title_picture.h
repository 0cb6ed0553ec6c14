// quillo-2.bmp: the 800 x 600 title picture.
#pragma once

#include <cairo.h>

void drawTitlePicture(cairo_t* cr);

// The dusk sky with its stars, shared with the instruction pages.
void drawStarrySky(cairo_t* cr, double width, double height, unsigned seed);
