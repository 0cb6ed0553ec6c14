#include <initializer_list>

#include "cairo_shapes.h"
#include "human_figures.h"
#include "sprite_sheet.h"

namespace {

constexpr double kLine = 1.4;
constexpr Colour kCap = rgb(214, 44, 40);
constexpr Colour kStripeA = rgb(60, 120, 220);
constexpr Colour kStripeB = rgb(255, 214, 70);
constexpr Colour kShorts = rgb(52, 84, 150);
constexpr Colour kHair = rgb(150, 86, 40);

void shirtPath(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 17, 31);
    cairo_line_to(cr, 32, 31);
    cairo_curve_to(cr, 35, 32, 35.5, 36, 35, 40);
    cairo_line_to(cr, 34, 53);
    cairo_line_to(cr, 15, 53);
    cairo_line_to(cr, 14, 40);
    cairo_curve_to(cr, 13.5, 35, 14, 32, 17, 31);
    cairo_close_path(cr);
}

void drawShirt(cairo_t* cr) {
    shirtPath(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    setColour(cr, kStripeA);
    cairo_fill(cr);
    cairo_new_path(cr);
    for (double y = 34; y < 54; y += 6) {
        cairo_rectangle(cr, 10, y, 30, 3);
    }
    setColour(cr, kStripeB);
    cairo_fill(cr);
    cairo_restore(cr);
    shirtPath(cr);
    setColour(cr, palette::outline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
}

void drawHead(cairo_t* cr) {
    // Hair peeking out at the back, under the cap.
    cairo_move_to(cr, 30, 12);
    cairo_line_to(cr, 36, 16);
    cairo_line_to(cr, 33, 18);
    cairo_line_to(cr, 35.5, 22);
    cairo_line_to(cr, 30, 22);
    cairo_close_path(cr);
    fillAndOutline(cr, kHair, 1.1);
    outlinedEllipse(cr, 24, 18, 10, 11, palette::face, kLine);
    outlinedEllipse(cr, 33, 19, 2.2, 3.0, palette::faceShade, 1.1);
    // Cap with its peak pointing the way he looks.
    cairo_new_path(cr);
    cairo_move_to(cr, 14, 14);
    cairo_curve_to(cr, 14, 3, 34, 2, 34.5, 13);
    cairo_line_to(cr, 14, 14);
    cairo_close_path(cr);
    fillAndOutline(cr, kCap, kLine);
    cairo_move_to(cr, 16, 13.5);
    cairo_curve_to(cr, 11, 12, 6, 13, 4.5, 15);
    cairo_line_to(cr, 16, 15.5);
    cairo_close_path(cr);
    fillAndOutline(cr, rgb(170, 30, 30), 1.1);
    outlinedEllipse(cr, 25, 5.5, 1.6, 1.2, palette::white, 0.8);
    // Eyes, freckles and a grin.
    for (double x : {17.5, 24.0}) {
        outlinedEllipse(cr, x, 19, 1.6, 2.2, palette::pupil, 0);
    }
    setColour(cr, rgb(190, 110, 70));
    for (double x : {20.0, 22.0, 27.0}) {
        ellipsePath(cr, x, 23, 0.6, 0.6);
    }
    cairo_fill(cr);
    cairo_move_to(cr, 15.5, 24.5);
    cairo_curve_to(cr, 17.5, 27.5, 21, 27.5, 22.5, 25);
    setColour(cr, palette::outline);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

}  // namespace

void drawJorrin(cairo_t* cr, bool stepping) {
    const Colour sneaker = palette::white;
    const double frontFoot = stepping ? 13 : 20;
    const double backFoot = stepping ? 35 : 29;
    drawPersonArm(cr, 32, 35, stepping ? 38 : 34, 50, palette::face, 3.4);
    drawPersonLeg(cr, 28, 55, backFoot, 70.5, palette::face, sneaker, 3.6);
    drawPersonLeg(cr, 21, 55, frontFoot, 70.5, palette::face, sneaker, 3.6);
    // Shorts
    cairo_move_to(cr, 15, 51);
    cairo_line_to(cr, 34, 51);
    cairo_line_to(cr, 35, 60);
    cairo_line_to(cr, 26, 60);
    cairo_line_to(cr, 24.5, 57);
    cairo_line_to(cr, 23, 60);
    cairo_line_to(cr, 14, 60);
    cairo_close_path(cr);
    fillAndOutline(cr, kShorts, kLine);
    drawShirt(cr);
    drawHead(cr);
    drawPersonArm(cr, 17, 35, stepping ? 10 : 14, 50, palette::face, 3.4);
    // Short sleeves in the shirt's blue.
    outlinedEllipse(cr, 16.5, 35.5, 2.6, 3.0, kStripeA, 1.0);
}

void drawJorrinSheet(cairo_t* cr, bool facingRight) {
    // The game cuts 75 rows facing left and 100 facing right from the same top
    // corner. He stands in the top 75 rows of both, so he does not jump when he
    // turns, and his feet meet Quillo's when he walks up to it.
    const int height = facingRight ? 100 : 75;
    drawSheet(cr, 50, height, 2, facingRight,
              [](cairo_t* c, int frame) { drawJorrin(c, frame == 0); });
}
