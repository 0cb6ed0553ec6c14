#include "status_pictures.h"

#include "cairo_shapes.h"
#include "palette.h"
#include "saucer.h"
#include "typefaces.h"

void drawTimeIndicator(cairo_t* cr, int quartersLeft) {
    outlinedBox(cr, 1, 1, 78, 30, 8, rgb(28, 32, 62), 2);
    if (quartersLeft == 0) {
        // Ready: the beam is on.
        cairo_move_to(cr, 12, 19);
        cairo_line_to(cr, 20, 19);
        cairo_line_to(cr, 24, 29);
        cairo_line_to(cr, 8, 29);
        cairo_close_path(cr);
        setColour(cr, palette::glow);
        cairo_fill(cr);
    }
    drawSaucer(cr, 16, 15, 0.18);
    for (int i = 0; i < 4; ++i) {
        const double x = 34 + i * 11;
        const bool left = i < quartersLeft;
        outlinedBox(cr, x, 8, 9, 16, 2, left ? rgb(120, 240, 110) : rgb(70, 74, 96), 1.4);
        if (left) {
            cairo_rectangle(cr, x + 2, 10, 2, 12);
            setColour(cr, palette::white, 0.7);
            cairo_fill(cr);
        }
    }
}

void drawEnergyBar(cairo_t* cr) {
    const double x = 1.5, y = 13, w = 142, h = 24;
    roundedRectPath(cr, x, y, w, h, 10);
    cairo_pattern_t* p = cairo_pattern_create_linear(x, 0, x + w, 0);
    cairo_pattern_add_color_stop_rgb(p, 0.0, 0.90, 0.12, 0.10);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 1.0, 0.86, 0.18);
    cairo_pattern_add_color_stop_rgb(p, 1.0, 0.20, 0.82, 0.25);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Candy-cane stripes and a glossy top.
    cairo_save(cr);
    roundedRectPath(cr, x, y, w, h, 10);
    cairo_clip(cr);
    for (double sx = -20; sx < 160; sx += 12) {
        cairo_move_to(cr, sx, y + h);
        cairo_line_to(cr, sx + 10, y);
        cairo_line_to(cr, sx + 15, y);
        cairo_line_to(cr, sx + 5, y + h);
        cairo_close_path(cr);
    }
    setColour(cr, palette::white, 0.22);
    cairo_fill(cr);
    roundedRectPath(cr, x + 4, y + 3, w - 8, 7, 3.5);
    setColour(cr, palette::white, 0.45);
    cairo_fill(cr);
    cairo_restore(cr);
    // A light rim so the bar reads on the black panel.
    roundedRectPath(cr, x, y, w, h, 10);
    setColour(cr, palette::white);
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
    roundedRectPath(cr, x + 1.6, y + 1.6, w - 3.2, h - 3.2, 8.5);
    setColour(cr, palette::outline);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

void drawTitleLettering(cairo_t* cr, double cx, double y, double size, double maxWidth) {
    const char* title = "Quillo Zoruri";
    useTypeface(cr, Typeface::Game, size);
    // The halo stroke adds a tenth of the size on each side.
    const double needed = textWidth(cr, title) + size * 0.25;
    if (needed > maxWidth) {
        size *= maxWidth / needed;
        useTypeface(cr, Typeface::Game, size);
    }
    const double x = cx - textWidth(cr, title) / 2;
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, title);
    // Teal halo, dark outline, warm gradient fill.
    setColour(cr, palette::skin, 0.9);
    cairo_set_line_width(cr, size * 0.2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    setColour(cr, palette::outline);
    cairo_set_line_width(cr, size * 0.1);
    cairo_stroke_preserve(cr);
    setLinearGradient(cr, 0, y - size * 0.75, palette::petalYellow, 0, y, palette::suit);
    cairo_fill(cr);
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, title);
    cairo_save(cr);
    cairo_clip(cr);
    cairo_rectangle(cr, x, y - size * 0.75, textWidth(cr, title), size * 0.22);
    setColour(cr, palette::white, 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawLogo(cairo_t* cr) {
    // Pure black, like the status panel it sits in.
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    drawBeam(cr, 196, 24, 40, 10, 24);
    drawSaucer(cr, 196, 18, 0.4);
    drawTitleLettering(cr, 125, 74, 40, 244);
}
