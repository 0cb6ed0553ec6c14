// The 800 x 400 ground pictures of the play field: the grass of the open
// areas, the lawns and plazas of Washington DC, and the inside of a hole.
#pragma once

#include <cairo.h>

void drawGrassGround(cairo_t* cr);
void drawWashingtonGround(cairo_t* cr);
void drawHoleGround(cairo_t* cr);

// Grass texture over a rectangle (blades, tufts and small flowers); shared
// with the title picture and the indicator panels.
void scatterGrass(cairo_t* cr, double x, double y, double w, double h, unsigned seed,
                  double density);
