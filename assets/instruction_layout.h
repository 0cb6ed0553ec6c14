// The building blocks of the instruction pages: the page itself, headings,
// wrapped text with bold words, keycaps and small framed illustrations.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

#include "palette.h"

namespace page {

inline constexpr double kLeft = 48;
inline constexpr double kRight = 752;
inline constexpr Colour kInk = rgb(34, 40, 44);
inline constexpr Colour kHeading = rgb(20, 110, 100);
inline constexpr Colour kAccent = rgb(196, 84, 20);

}  // namespace page

// Grass, the paper panel, the title with its page number and the footer.
void drawPageFrame(cairo_t* cr, const std::string& title, int pageNumber,
                   const std::string& footer);

// A section heading in the game's font; returns the y below it.
double drawSectionHeading(cairo_t* cr, double x, double y, const std::string& text);

// A run of text in one weight; paragraphs are lists of them.
struct Span {
    std::string text;
    bool bold = false;
};

// Wraps the spans into the given width, the first baseline at y; returns the
// y of the next line.
double drawParagraph(cairo_t* cr, double x, double y, double width, const std::vector<Span>& spans,
                     double size = 16.5, double lineHeight = 21);

enum class Arrow { Left, Right, Up, Down };

// Keycaps with their top-left at (x, y), 28 high; each returns its width.
double drawKeycap(cairo_t* cr, double x, double y, const std::string& label);
double drawArrowKeycap(cairo_t* cr, double x, double y, Arrow arrow);

// A rounded, outlined box in a soft colour behind a group of lines.
void drawNoteBox(cairo_t* cr, double x, double y, double w, double h, Colour fill);
