// The pictures of the status bar and the top band: the ship-call time
// indicator, the energy bar and the logo.
#pragma once

#include <cairo.h>

// time-*.bmp, 80 x 32: `quartersLeft` 4 (template) down to 0 (none left).
void drawTimeIndicator(cairo_t* cr, int quartersLeft);
// crunkos-pieces-energy-bar.bmp, 145 x 50.
void drawEnergyBar(cairo_t* cr);
// quillo-logo.bmp, 250 x 90 on black.
void drawLogo(cairo_t* cr);
// "Quillo Zoruri" in display lettering, its baseline centred on (cx, y),
// made smaller than `size` where needed to stay within maxWidth.
void drawTitleLettering(cairo_t* cr, double cx, double y, double size, double maxWidth);
