#include "buildings.h"

#include <initializer_list>
#include <numbers>

#include "cairo_shapes.h"
#include "palette.h"

namespace {

constexpr Colour kMarble = rgb(246, 244, 236);
constexpr Colour kMarbleShade = rgb(204, 202, 194);
constexpr double kLine = 1.6;

void drawColumn(cairo_t* cr, double x, double top, double bottom) {
    outlinedBox(cr, x - 4.5, top, 9, bottom - top, 1, kMarble, kLine * 0.8);
    cairo_rectangle(cr, x + 1.2, top + 1, 2.5, bottom - top - 2);
    setColour(cr, kMarbleShade);
    cairo_fill(cr);
    outlinedBox(cr, x - 6, top - 2, 12, 3, 0.5, kMarble, kLine * 0.7);
    outlinedBox(cr, x - 6, bottom - 1, 12, 3, 0.5, kMarble, kLine * 0.7);
}

void drawWindow(cairo_t* cr, double x, double y, double w, double h) {
    outlinedBox(cr, x - 2, y - 2, w + 4, h + 4, 1, palette::white, kLine * 0.8);
    outlinedBox(cr, x, y, w, h, 0.5, rgb(120, 180, 220), kLine * 0.6);
    roundLine(cr, x + w / 2, y, x + w / 2, y + h, palette::white, 1.4);
    roundLine(cr, x, y + h / 2, x + w, y + h / 2, palette::white, 1.4);
}

}  // namespace

void drawGovernmentBuilding(cairo_t* cr) {
    const double cx = 69.5;
    // Flag on the lantern.
    roundLine(cr, cx, 1, cx, 12, palette::outline, 1.2);
    cairo_rectangle(cr, cx + 0.5, 1, 9, 5.5);
    fillAndOutline(cr, palette::petalRed, 0.8);
    cairo_rectangle(cr, cx + 0.5, 1, 4, 3);
    setColour(cr, palette::petalBlue);
    cairo_fill(cr);
    // Lantern, dome and drum.
    outlinedBox(cr, cx - 5, 9, 10, 9, 2, kMarble, kLine);
    cairo_new_path(cr);
    cairo_arc(cr, cx, 44, 29, std::numbers::pi, 2 * std::numbers::pi);
    cairo_close_path(cr);
    setLinearGradient(cr, cx - 29, 0, palette::white, cx + 29, 0, kMarbleShade);
    fillAndOutlineCurrent(cr, kLine);
    for (double x : {-17.0, -6.0, 6.0, 17.0}) {
        cairo_move_to(cr, cx + x * 0.3, 16.5);
        cairo_curve_to(cr, cx + x * 0.9, 22, cx + x, 34, cx + x, 44);
    }
    setColour(cr, kMarbleShade);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    outlinedBox(cr, cx - 34, 42, 68, 16, 1, kMarble, kLine);
    for (double x = cx - 28; x <= cx + 28; x += 8) {
        outlinedBox(cr, x - 1.6, 45, 3.2, 10, 1, kMarbleShade, 0.8);
    }
    // Pediment and the frieze under it.
    cairo_move_to(cr, 6, 76);
    cairo_line_to(cr, cx, 56);
    cairo_line_to(cr, 133, 76);
    cairo_close_path(cr);
    fillAndOutline(cr, kMarble, kLine);
    cairo_move_to(cr, 22, 73);
    cairo_line_to(cr, cx, 60);
    cairo_line_to(cr, 117, 73);
    cairo_close_path(cr);
    fillAndOutline(cr, kMarbleShade, kLine * 0.6);
    outlinedBox(cr, 4, 75, 131, 8, 1, kMarble, kLine);
    // The hall behind the columns, its door and windows.
    cairo_rectangle(cr, 12, 83, 115, 47);
    fillAndOutline(cr, rgb(218, 214, 200), kLine);
    outlinedBox(cr, cx - 8, 102, 16, 28, 7, rgb(120, 82, 50), kLine);
    drawWindow(cr, 33, 96, 10, 14);
    drawWindow(cr, 96, 96, 10, 14);
    for (double x = 17; x <= 123; x += 21.2) {
        drawColumn(cr, x, 86, 128);
    }
    // Steps
    outlinedBox(cr, 4, 130, 131, 7, 1, kMarble, kLine);
    outlinedBox(cr, 1.5, 137, 136, 7, 1, kMarbleShade, kLine);
    outlinedBox(cr, 1, 144, 137, 7, 1, kMarble, kLine);
}

void drawJorrinHouse(cairo_t* cr) {
    const Colour wall = rgb(250, 226, 150);
    const Colour wallShade = rgb(222, 190, 110);
    const Colour roof = rgb(178, 70, 48);
    const Colour roofDark = rgb(126, 46, 34);
    // Chimney behind the roof.
    outlinedBox(cr, 150, 6, 14, 26, 1, rgb(170, 90, 70), kLine);
    outlinedBox(cr, 148, 3, 18, 6, 1, rgb(140, 70, 56), kLine);
    // Garage on the right with its own lower roof.
    cairo_rectangle(cr, 200, 52, 92, 50);
    fillAndOutline(cr, wallShade, kLine);
    cairo_move_to(cr, 194, 54);
    cairo_line_to(cr, 212, 34);
    cairo_line_to(cr, 292, 34);
    cairo_line_to(cr, 299, 54);
    cairo_close_path(cr);
    fillAndOutline(cr, roof, kLine);
    outlinedBox(cr, 212, 62, 68, 40, 2, rgb(236, 236, 230), kLine);
    for (double y = 70; y < 100; y += 8) {
        roundLine(cr, 214, y, 278, y, rgb(180, 180, 176), 1.3);
    }
    // The house itself.
    cairo_rectangle(cr, 16, 40, 186, 62);
    setLinearGradient(cr, 16, 0, wall, 202, 0, wallShade);
    fillAndOutlineCurrent(cr, kLine);
    cairo_move_to(cr, 6, 44);
    cairo_line_to(cr, 48, 10);
    cairo_line_to(cr, 172, 10);
    cairo_line_to(cr, 212, 44);
    cairo_close_path(cr);
    setLinearGradient(cr, 0, 10, roof, 0, 44, roofDark);
    fillAndOutlineCurrent(cr, kLine);
    for (double y = 19; y < 44; y += 8) {
        roundLine(cr, 48 - (y - 10) * 1.2 + 2, y, 172 + (y - 10) * 1.15 - 2, y, roofDark, 1.0);
    }
    // Attic window in the gable.
    outlinedEllipse(cr, 110, 26, 8, 8, palette::white, kLine);
    outlinedEllipse(cr, 110, 26, 5.5, 5.5, rgb(120, 180, 220), 1.0);
    // Door with a step and windows with curtains.
    outlinedBox(cr, 96, 58, 20, 44, 2, rgb(60, 140, 90), kLine);
    outlinedEllipse(cr, 111, 81, 1.6, 1.6, palette::gold, 0.8);
    for (double x : {30.0, 58.0, 136.0, 164.0}) {
        drawWindow(cr, x, 56, 18, 20);
        cairo_rectangle(cr, x, 56, 5, 20);
        cairo_rectangle(cr, x + 13, 56, 5, 20);
        setColour(cr, rgb(236, 110, 90), 0.85);
        cairo_fill(cr);
    }
    // Bushes and flowers along the front.
    for (double x : {26.0, 48.0, 70.0, 142.0, 164.0, 186.0}) {
        outlinedEllipse(cr, x, 97, 11, 8, palette::leaf, kLine);
        ellipsePath(cr, x - 3, 94, 4, 3);
        setColour(cr, palette::leafLight);
        cairo_fill(cr);
    }
    setColour(cr, palette::petalRed);
    for (double x : {22.0, 30.0, 45.0, 52.0, 67.0, 139.0, 146.0, 161.0, 183.0, 190.0}) {
        ellipsePath(cr, x, 93 + (static_cast<int>(x) % 3), 1.6, 1.6);
    }
    cairo_fill(cr);
    outlinedBox(cr, 92, 100, 28, 5, 1, palette::stone, kLine);
}
