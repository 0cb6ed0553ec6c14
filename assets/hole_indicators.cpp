#include "hole_indicators.h"

#include <cmath>
#include <initializer_list>
#include <numbers>

#include "cairo_shapes.h"
#include "grounds.h"
#include "palette.h"
#include "trees_and_flowers.h"
#include "typefaces.h"

namespace {

constexpr double kSize = 150;

// The meadow every panel shares, so the three read as one instrument.
void drawMeadow(cairo_t* cr, Colour skyTop, Colour skyLow) {
    setLinearGradient(cr, 0, 0, skyTop, 0, 70, skyLow);
    cairo_paint(cr);
    cairo_move_to(cr, 0, 78);
    cairo_curve_to(cr, 40, 56, 90, 62, kSize, 70);
    cairo_line_to(cr, kSize, kSize);
    cairo_line_to(cr, 0, kSize);
    cairo_close_path(cr);
    setLinearGradient(cr, 0, 60, palette::grassLight, 0, kSize, palette::grass);
    cairo_fill(cr);
    scatterGrass(cr, 0, 66, kSize, kSize - 66, 41, 1.2);
}

void drawFrame(cairo_t* cr, Colour colour) {
    roundedRectPath(cr, 3, 3, kSize - 6, kSize - 6, 10);
    setColour(cr, palette::outline);
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    setColour(cr, colour);
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
    // Square off the outer corners so nothing shows through behind the panel.
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_rectangle(cr, 0, 0, kSize, kSize);
    roundedRectPath(cr, 1, 1, kSize - 2, kSize - 2, 12);
    setColour(cr, palette::outline);
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void drawHoleMouth(cairo_t* cr, bool lit) {
    outlinedEllipse(cr, 75, 108, 50, 20, palette::earth, 2.5);
    ellipsePath(cr, 75, 110, 43, 15);
    if (lit) {
        cairo_pattern_t* p = cairo_pattern_create_radial(75, 114, 2, 75, 112, 42);
        cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.92, 0.55);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.45, 0.28, 0.14);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    } else {
        cairo_pattern_t* p = cairo_pattern_create_radial(75, 114, 2, 75, 112, 42);
        cairo_pattern_add_color_stop_rgb(p, 0, 0.0, 0.0, 0.0);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.22, 0.14, 0.08);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
}

void drawButterfly(cairo_t* cr, double x, double y) {
    for (double side : {-1.0, 1.0}) {
        outlinedEllipse(cr, x + side * 5, y - 2, 5, 4, palette::petalYellow, 1.2);
        outlinedEllipse(cr, x + side * 4, y + 4, 3.4, 3, rgb(255, 150, 50), 1.2);
    }
    roundLine(cr, x, y - 5, x, y + 6, palette::outline, 2);
    roundLine(cr, x, y - 5, x - 3, y - 9, palette::outline, 1);
    roundLine(cr, x, y - 5, x + 3, y - 9, palette::outline, 1);
}

}  // namespace

void drawNoHolePanel(cairo_t* cr) {
    drawMeadow(cr, palette::dayTop, palette::dayLow);
    // Sun and a couple of clouds.
    paintGlow(cr, 118, 30, 26, palette::glow, 0.6);
    outlinedEllipse(cr, 118, 30, 12, 12, palette::petalYellow, 1.5);
    for (double cx : {38.0, 70.0}) {
        const double cy = cx < 50 ? 26 : 42;
        ellipsePath(cr, cx, cy, 13, 6);
        ellipsePath(cr, cx + 9, cy - 4, 9, 6);
        ellipsePath(cr, cx - 9, cy + 1, 8, 5);
        setColour(cr, palette::white);
        cairo_fill(cr);
    }
    drawRoundTree(cr, 26, 92, 0.55);
    drawRoundTree(cr, 128, 86, 0.42);
    drawButterfly(cr, 84, 86);
    drawFrame(cr, palette::grassLight);
}

void drawUnsearchedHolePanel(cairo_t* cr) {
    drawMeadow(cr, rgb(40, 30, 70), rgb(120, 70, 110));
    // Rays behind the question mark make it the loudest thing on screen.
    for (int i = 0; i < 12; ++i) {
        const double a = i * std::numbers::pi / 6;
        cairo_move_to(cr, 75, 58);
        cairo_line_to(cr, 75 + 90 * std::cos(a - 0.12), 58 + 90 * std::sin(a - 0.12));
        cairo_line_to(cr, 75 + 90 * std::cos(a + 0.12), 58 + 90 * std::sin(a + 0.12));
        cairo_close_path(cr);
    }
    setColour(cr, palette::glow, 0.35);
    cairo_fill(cr);
    drawHoleMouth(cr, false);
    useTypeface(cr, Typeface::Game, 70);
    drawOutlinedText(cr, 75 - textWidth(cr, "?") / 2, 94, "?", palette::glow, palette::outline, 6);
    useTypeface(cr, Typeface::SansBold, 20);
    const double w = textWidth(cr, "HOLE!");
    outlinedBox(cr, 75 - w / 2 - 6, 10, w + 12, 24, 6, palette::petalRed, 2);
    drawText(cr, 75 - w / 2, 29, "HOLE!", palette::white);
    drawFrame(cr, palette::glow);
}

void drawSearchedHolePanel(cairo_t* cr) {
    drawMeadow(cr, palette::dayTop, palette::dayLow);
    drawHoleMouth(cr, true);
    // A big green tick: this one is done.
    cairo_move_to(cr, 44, 62);
    cairo_line_to(cr, 66, 86);
    cairo_line_to(cr, 110, 28);
    setColour(cr, palette::outline);
    cairo_set_line_width(cr, 17);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb(90, 220, 90));
    cairo_set_line_width(cr, 10);
    cairo_stroke(cr);
    useTypeface(cr, Typeface::SansBold, 15);
    const double w = textWidth(cr, "searched");
    outlinedBox(cr, 75 - w / 2 - 5, 124, w + 10, 19, 5, palette::white, 1.5);
    drawText(cr, 75 - w / 2, 139, "searched", palette::outline);
    drawFrame(cr, rgb(90, 220, 90));
}
