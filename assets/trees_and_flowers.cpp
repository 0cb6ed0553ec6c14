#include "trees_and_flowers.h"

#include <cmath>
#include <iterator>
#include <numbers>

#include "cairo_shapes.h"
#include "palette.h"

namespace {

struct Blob {
    double x, y, r;
};

// The crown is a bunch of overlapping circles: outlined all together first,
// then filled, so only the outer silhouette carries the dark line.
void drawCrown(cairo_t* cr, const Blob* blobs, int count, double line) {
    for (int i = 0; i < count; ++i) {
        ellipsePath(cr, blobs[i].x, blobs[i].y, blobs[i].r, blobs[i].r);
    }
    setColour(cr, palette::outline);
    cairo_set_line_width(cr, line * 2);
    cairo_stroke_preserve(cr);
    setColour(cr, palette::leaf);
    cairo_fill(cr);
    for (int i = 0; i < count; ++i) {
        // Shade low and right, light up high and left.
        ellipsePath(cr, blobs[i].x + blobs[i].r * 0.25, blobs[i].y + blobs[i].r * 0.3,
                    blobs[i].r * 0.7, blobs[i].r * 0.6);
        setColour(cr, palette::leafDark, 0.55);
        cairo_fill(cr);
    }
    for (int i = 0; i < count; ++i) {
        ellipsePath(cr, blobs[i].x - blobs[i].r * 0.3, blobs[i].y - blobs[i].r * 0.35,
                    blobs[i].r * 0.45, blobs[i].r * 0.35);
        setColour(cr, palette::leafLight, 0.9);
        cairo_fill(cr);
    }
}

void drawTrunk(cairo_t* cr, double cx, double top, double bottom, double halfWidth) {
    cairo_move_to(cr, cx - halfWidth * 0.8, top);
    cairo_line_to(cr, cx + halfWidth * 0.8, top);
    cairo_curve_to(cr, cx + halfWidth, bottom - 20, cx + halfWidth, bottom - 6,
                   cx + halfWidth * 1.8, bottom);
    cairo_line_to(cr, cx - halfWidth * 1.8, bottom);
    cairo_curve_to(cr, cx - halfWidth, bottom - 6, cx - halfWidth, bottom - 20,
                   cx - halfWidth * 0.8, top);
    cairo_close_path(cr);
    setLinearGradient(cr, cx - halfWidth, 0, palette::bark, cx + halfWidth, 0, palette::barkDark);
    fillAndOutlineCurrent(cr, 1.8);
}

}  // namespace

void drawForestTree(cairo_t* cr) {
    drawTrunk(cr, 37.5, 100, 198, 7);
    // Bark lines.
    roundLine(cr, 35, 130, 34, 160, palette::barkDark, 1.2);
    roundLine(cr, 41, 145, 42, 180, palette::barkDark, 1.2);
    static constexpr Blob kCrown[] = {{37, 24, 21}, {18, 46, 17}, {56, 44, 17},
                                      {24, 78, 20}, {51, 76, 21}, {37, 56, 22},
                                      {14, 70, 12}, {62, 66, 11}, {38, 98, 15}};
    drawCrown(cr, kCrown, static_cast<int>(std::size(kCrown)), 1.8);
}

void drawRoundTree(cairo_t* cr, double x, double y, double scale) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    drawTrunk(cr, 0, -40, 0, 5);
    static constexpr Blob kCrown[] = {{0, -58, 20}, {-16, -46, 14}, {16, -46, 14}, {0, -40, 14}};
    drawCrown(cr, kCrown, 4, 1.6);
    cairo_restore(cr);
}

void drawMeadowFlower(cairo_t* cr, double x, double y, double r, int kind) {
    static constexpr Colour kPetals[] = {palette::petalWhite, palette::petalYellow,
                                         palette::petalBlue, palette::petalRed};
    const Colour petal = kPetals[kind % 4];
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * std::numbers::pi / 5;
        ellipsePath(cr, x + r * 0.6 * std::cos(a), y + r * 0.6 * std::sin(a), r * 0.55, r * 0.55);
    }
    setColour(cr, petal);
    cairo_fill(cr);
    ellipsePath(cr, x, y, r * 0.35, r * 0.35);
    setColour(cr, kind % 4 == 1 ? rgb(220, 120, 30) : palette::petalYellow);
    cairo_fill(cr);
}

void drawFlower(cairo_t* cr, bool alive) {
    if (alive) {
        roundLine(cr, 7.5, 24, 7.5, 9, palette::outline, 3.2);
        roundLine(cr, 7.5, 24, 7.5, 9, palette::leaf, 1.4);
        cairo_move_to(cr, 7.5, 19);
        cairo_curve_to(cr, 10, 15, 13.5, 15, 14, 16.5);
        cairo_curve_to(cr, 12, 19, 10, 19.5, 7.5, 19);
        fillAndOutline(cr, palette::leafLight, 1.0);
        for (int i = 0; i < 6; ++i) {
            const double a = i * std::numbers::pi / 3;
            ellipsePath(cr, 7.5 + 3.6 * std::cos(a), 6.5 + 3.6 * std::sin(a), 2.6, 2.6);
        }
        fillAndOutline(cr, palette::petalRed, 1.0);
        outlinedEllipse(cr, 7.5, 6.5, 2.4, 2.4, palette::petalYellow, 0.9);
        return;
    }
    // Wilted: the stem bends over and the head hangs grey-brown.
    cairo_move_to(cr, 5, 24);
    cairo_curve_to(cr, 5, 14, 8, 8, 12, 12);
    setColour(cr, palette::outline);
    cairo_set_line_width(cr, 3.0);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb(120, 110, 70));
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    cairo_move_to(cr, 5, 20);
    cairo_curve_to(cr, 3, 18, 1.5, 19, 1, 21.5);
    cairo_curve_to(cr, 3, 22, 4, 21.5, 5, 20);
    fillAndOutline(cr, rgb(128, 116, 76), 0.9);
    for (int i = 0; i < 5; ++i) {
        const double a = std::numbers::pi * (0.15 + 0.18 * i);
        ellipsePath(cr, 11.5 + 3.2 * std::cos(a), 15 + 3.2 * std::sin(a), 1.8, 2.6);
    }
    fillAndOutline(cr, rgb(140, 118, 100), 0.9);
    outlinedEllipse(cr, 11.5, 14.5, 2.0, 1.8, rgb(98, 82, 60), 0.8);
}
