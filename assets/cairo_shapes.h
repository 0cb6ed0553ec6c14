// The few shapes every piece of artwork is built from, filled and outlined
// the same way so the whole game shares one line.
#pragma once

#include <cairo.h>

#include "palette.h"

void setColour(cairo_t* cr, Colour c, double alpha = 1.0);

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);
void starPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points);

// Fills the current path, then strokes it in the outline colour (width 0: no stroke).
void fillAndOutline(cairo_t* cr, Colour fill, double lineWidth, Colour line = palette::outline);
// Fills the current path with the source already set (a gradient, say), then outlines it.
void fillAndOutlineCurrent(cairo_t* cr, double lineWidth, Colour line = palette::outline);

// A vertical or any two-point gradient used as the source.
void setLinearGradient(cairo_t* cr, double x0, double y0, Colour c0, double x1, double y1,
                       Colour c1);

// Shorthands: an outlined ellipse, an outlined rounded box, a round-capped line.
void outlinedEllipse(cairo_t* cr, double cx, double cy, double rx, double ry, Colour fill,
                     double lineWidth);
void outlinedBox(cairo_t* cr, double x, double y, double w, double h, double radius, Colour fill,
                 double lineWidth);
void roundLine(cairo_t* cr, double x0, double y0, double x1, double y1, Colour c, double width);

// A soft radial glow of colour c fading to nothing at radius r.
void paintGlow(cairo_t* cr, double cx, double cy, double r, Colour c, double alpha);
