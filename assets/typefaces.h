// The typefaces of the artwork, loaded straight from the font files so every
// machine sets the same letters: the game's Bookman for headings and the
// logo, Nimbus Sans for plain reading text.
#pragma once

#include <cairo.h>

#include <string>

#include "palette.h"

enum class Typeface { Game, Sans, SansBold };

void useTypeface(cairo_t* cr, Typeface face, double size);
double textWidth(cairo_t* cr, const std::string& text);

// Text with its baseline at y: starting at x, or centred on x.
void drawText(cairo_t* cr, double x, double y, const std::string& text, Colour c);
void drawCentredText(cairo_t* cr, double cx, double y, const std::string& text, Colour c);

// Display lettering: a thick outline under a (gradient or plain) fill.
void drawOutlinedText(cairo_t* cr, double x, double y, const std::string& text, Colour fill,
                      Colour line, double lineWidth);

// Releases the font files (at the end of the program).
void closeTypefaces();
