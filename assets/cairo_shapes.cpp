#include "cairo_shapes.h"

#include <cmath>
#include <numbers>

void setColour(cairo_t* cr, Colour c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_restore(cr);
}

void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double r = std::min(radius, std::min(w, h) / 2);
    const double pi = std::numbers::pi;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -pi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, pi / 2);
    cairo_arc(cr, x + r, y + h - r, r, pi / 2, pi);
    cairo_arc(cr, x + r, y + r, r, pi, 3 * pi / 2);
    cairo_close_path(cr);
}

void starPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / points;
        const double r = (i % 2 == 0) ? outer : inner;
        cairo_line_to(cr, cx + r * std::cos(angle), cy + r * std::sin(angle));
    }
    cairo_close_path(cr);
}

void fillAndOutline(cairo_t* cr, Colour fill, double lineWidth, Colour line) {
    setColour(cr, fill);
    if (lineWidth <= 0) {
        cairo_fill(cr);
        return;
    }
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    fillAndOutlineCurrent(cr, lineWidth, line);
}

void fillAndOutlineCurrent(cairo_t* cr, double lineWidth, Colour line) {
    cairo_fill_preserve(cr);
    setColour(cr, line);
    cairo_set_line_width(cr, lineWidth);
    cairo_stroke(cr);
}

void setLinearGradient(cairo_t* cr, double x0, double y0, Colour c0, double x1, double y1,
                       Colour c1) {
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgb(p, 0, c0.r, c0.g, c0.b);
    cairo_pattern_add_color_stop_rgb(p, 1, c1.r, c1.g, c1.b);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void outlinedEllipse(cairo_t* cr, double cx, double cy, double rx, double ry, Colour fill,
                     double lineWidth) {
    ellipsePath(cr, cx, cy, rx, ry);
    fillAndOutline(cr, fill, lineWidth);
}

void outlinedBox(cairo_t* cr, double x, double y, double w, double h, double radius, Colour fill,
                 double lineWidth) {
    roundedRectPath(cr, x, y, w, h, radius);
    fillAndOutline(cr, fill, lineWidth);
}

void roundLine(cairo_t* cr, double x0, double y0, double x1, double y1, Colour c, double width) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    setColour(cr, c);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void paintGlow(cairo_t* cr, double cx, double cy, double r, Colour c, double alpha) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, r, 0, 2 * std::numbers::pi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}
