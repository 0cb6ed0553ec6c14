#include "saucer.h"

#include <cmath>
#include <numbers>

#include "cairo_shapes.h"
#include "canvas.h"
#include "palette.h"

void drawSaucer(cairo_t* cr, double cx, double cy, double scale) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, scale, scale);
    const double line = 2.0;

    // Underside with the glowing emitter.
    outlinedEllipse(cr, 0, 10, 32, 8, palette::metalDark, line);
    outlinedEllipse(cr, 0, 14, 14, 4.5, palette::glow, line * 0.7);

    // Dome of glass.
    cairo_new_path(cr);
    cairo_arc(cr, 0, -10, 27, std::numbers::pi, 2 * std::numbers::pi);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(-9, -24, 2, 0, -10, 30);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.95, 1.0, 1.0);
    cairo_pattern_add_color_stop_rgb(g, 0.5, palette::glass.r, palette::glass.g, palette::glass.b);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.30, 0.55, 0.75);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColour(cr, palette::outline);
    cairo_set_line_width(cr, line);
    cairo_stroke(cr);

    // The disc, metal shaded from the top.
    ellipsePath(cr, 0, 0, 72, 15);
    setLinearGradient(cr, 0, -15, rgb(236, 242, 248), 0, 15, palette::metalDark);
    fillAndOutlineCurrent(cr, line);
    ellipsePath(cr, 0, -5, 46, 8);
    setLinearGradient(cr, 0, -13, palette::white, 0, 3, palette::metal);
    fillAndOutlineCurrent(cr, line * 0.7);

    // Rim lights.
    static constexpr Colour kLights[3] = {palette::glow, rgb(255, 150, 60), rgb(120, 240, 130)};
    for (int i = 0; i < 9; ++i) {
        const double a = std::numbers::pi * (0.12 + 0.76 * i / 8.0);
        const double x = -62 * std::cos(a);
        const double y = 5 + 5 * std::sin(a);
        outlinedEllipse(cr, x, y, 4.2, 3.2, kLights[i % 3], line * 0.6);
    }
    cairo_restore(cr);
}

void drawBeam(cairo_t* cr, double cx, double topY, double bottomY, double topWidth,
              double bottomWidth) {
    cairo_move_to(cr, cx - topWidth / 2, topY);
    cairo_line_to(cr, cx + topWidth / 2, topY);
    cairo_line_to(cr, cx + bottomWidth / 2, bottomY);
    cairo_line_to(cr, cx - bottomWidth / 2, bottomY);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, topY, 0, bottomY);
    cairo_pattern_add_color_stop_rgba(p, 0, 1.0, 0.97, 0.6, 0.95);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.75, 1.0, 0.85, 0.45);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void drawShipSprite(cairo_t* cr) {
    // The beam is dithered so the Forest shows through it in the game.
    paintDitheredLayer(cr, 150, 225, [](cairo_t* c) { drawBeam(c, 75, 62, 225, 44, 128); });
    drawSaucer(cr, 75, 44, 1.0);
}
