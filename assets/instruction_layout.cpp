#include "instruction_layout.h"

#include <algorithm>
#include <numbers>
#include <sstream>

#include "cairo_shapes.h"
#include "grounds.h"
#include "typefaces.h"

void drawPageFrame(cairo_t* cr, const std::string& title, int pageNumber,
                   const std::string& footer) {
    setLinearGradient(cr, 0, 0, palette::grassLight, 0, 600, palette::grass);
    cairo_paint(cr);
    scatterGrass(cr, 0, 0, 800, 600, 60 + static_cast<unsigned>(pageNumber), 0.7);

    // Paper
    roundedRectPath(cr, 20, 14, 760, 540, 16);
    setColour(cr, palette::outline, 0.35);
    cairo_fill(cr);
    roundedRectPath(cr, 16, 10, 760, 540, 16);
    setLinearGradient(cr, 0, 10, rgb(255, 251, 236), 0, 550, rgb(246, 236, 206));
    fillAndOutlineCurrent(cr, 3);

    useTypeface(cr, Typeface::Game, 34);
    drawOutlinedText(cr, page::kLeft, 56, title, palette::suit, palette::outline, 4);
    useTypeface(cr, Typeface::SansBold, 15);
    std::ostringstream number;
    number << "Page " << pageNumber << " of 3";
    drawText(cr, page::kRight - textWidth(cr, number.str()), 42, number.str(), page::kHeading);
    roundLine(cr, page::kLeft, 70, page::kRight, 70, page::kHeading, 2);

    // Footer on a dark strip below the paper.
    roundedRectPath(cr, 60, 560, 680, 32, 12);
    setColour(cr, palette::outline, 0.85);
    cairo_fill(cr);
    useTypeface(cr, Typeface::SansBold, 16);
    drawCentredText(cr, 400, 582, footer, palette::glow);
}

double drawSectionHeading(cairo_t* cr, double x, double y, const std::string& text) {
    useTypeface(cr, Typeface::Game, 21);
    drawText(cr, x, y, text, page::kHeading);
    return y + 24;
}

double drawParagraph(cairo_t* cr, double x, double y, double width, const std::vector<Span>& spans,
                     double size, double lineHeight) {
    double penX = x;
    bool lineStarted = false;
    bool spaceBefore = false;  // the text so far ended with a space
    for (const Span& span : spans) {
        useTypeface(cr, span.bold ? Typeface::SansBold : Typeface::Sans, size);
        const double space = textWidth(cr, " ");
        std::istringstream words(span.text);
        std::string word;
        // Spans join without a gap unless one of them has a space at the seam.
        bool gapBefore = spaceBefore || (!span.text.empty() && span.text.front() == ' ');
        while (words >> word) {
            const double w = textWidth(cr, word);
            double gap = (lineStarted && gapBefore) ? space : 0.0;
            if (lineStarted && penX + gap + w > x + width) {
                y += lineHeight;
                penX = x;
                gap = 0;
            }
            drawText(cr, penX + gap, y, word, span.bold ? page::kAccent : page::kInk);
            penX += gap + w;
            lineStarted = true;
            gapBefore = true;
        }
        spaceBefore = !span.text.empty() && span.text.back() == ' ';
    }
    return y + lineHeight;
}

double drawKeycap(cairo_t* cr, double x, double y, const std::string& label) {
    useTypeface(cr, Typeface::SansBold, 15);
    const double w = std::max(28.0, textWidth(cr, label) + 16);
    outlinedBox(cr, x, y + 3, w, 26, 5, rgb(150, 150, 140), 1.5);
    outlinedBox(cr, x, y, w, 25, 5, palette::white, 1.5);
    drawCentredText(cr, x + w / 2, y + 18, label, page::kInk);
    return w;
}

double drawArrowKeycap(cairo_t* cr, double x, double y, Arrow arrow) {
    const double w = drawKeycap(cr, x, y, "");
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, y + 12.5);
    const double turns[] = {std::numbers::pi, 0.0, -std::numbers::pi / 2, std::numbers::pi / 2};
    cairo_rotate(cr, turns[static_cast<int>(arrow)]);
    cairo_move_to(cr, 7, 0);
    cairo_line_to(cr, 0, -6);
    cairo_line_to(cr, 0, -2.5);
    cairo_line_to(cr, -7, -2.5);
    cairo_line_to(cr, -7, 2.5);
    cairo_line_to(cr, 0, 2.5);
    cairo_line_to(cr, 0, 6);
    cairo_close_path(cr);
    setColour(cr, page::kInk);
    cairo_fill(cr);
    cairo_restore(cr);
    return w;
}

void drawNoteBox(cairo_t* cr, double x, double y, double w, double h, Colour fill) {
    roundedRectPath(cr, x, y, w, h, 10);
    fillAndOutline(cr, fill, 1.5, rgb(180, 160, 120));
}
