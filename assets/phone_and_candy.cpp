#include "phone_and_candy.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "cairo_shapes.h"
#include "palette.h"

namespace {

constexpr Colour kPhoneBody = rgb(255, 204, 60);
constexpr Colour kPhoneShade = rgb(224, 150, 30);
constexpr Colour kScreen = rgb(90, 230, 220);

// The handset, in a 25 x 30 box: earpiece at the top, mouthpiece below.
void drawHandset(cairo_t* cr) {
    cairo_move_to(cr, 7, 3);
    cairo_curve_to(cr, 15, 1, 22, 3, 22, 8);
    cairo_line_to(cr, 15, 10);
    cairo_curve_to(cr, 13, 14, 13, 16, 15, 20);
    cairo_line_to(cr, 22, 22);
    cairo_curve_to(cr, 22, 27, 15, 29, 7, 27);
    cairo_curve_to(cr, 1, 22, 1, 8, 7, 3);
    cairo_close_path(cr);
    setLinearGradient(cr, 2, 0, kPhoneBody, 22, 0, kPhoneShade);
    cairo_fill_preserve(cr);
    setColour(cr, palette::outline);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    outlinedBox(cr, 15, 3.5, 6, 5, 2, kScreen, 1.1);
    outlinedBox(cr, 15, 21.5, 6, 5, 2, kScreen, 1.1);
    roundLine(cr, 6, 8, 6, 22, palette::white, 1.4);
}

// The keypad with its screen, in a w x 30 box.
void drawKeypad(cairo_t* cr, double w) {
    outlinedBox(cr, 1.5, 1.5, w - 3, 27, 4, rgb(70, 200, 230), 1.6);
    outlinedBox(cr, 5, 4.5, w - 10, 7, 1.5, rgb(220, 255, 200), 1.1);
    static constexpr Colour kKeys[] = {rgb(255, 90, 70), palette::glow, rgb(120, 240, 120)};
    const int columns = w > 30 ? 4 : 3;
    const double pitch = (w - 10) / columns;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < columns; ++col) {
            outlinedEllipse(cr, 5 + pitch * (col + 0.5), 15.5 + row * 4.6, pitch * 0.36, 1.8,
                            kKeys[(row + col) % 3], 0.8);
        }
    }
}

// The antenna dish on its stand, in a w x 30 box.
void drawDish(cairo_t* cr, double w) {
    const double cx = w / 2;
    const double r = std::min(w * 0.4, 13.0);
    // A wide base with status lights; the wider piece shows more of them.
    outlinedBox(cr, cx - w * 0.4, 23, w * 0.8, 6, 2, palette::metalDark, 1.4);
    for (double x = cx - w * 0.4 + 4; x < cx + w * 0.4 - 2; x += 5) {
        outlinedEllipse(cr, x, 26, 1.2, 1.2, rgb(120, 255, 140), 0);
    }
    roundLine(cr, cx, 24, cx, 16, palette::outline, 4.6);
    roundLine(cr, cx, 24, cx, 16, palette::metal, 2.2);
    cairo_save(cr);
    cairo_translate(cr, cx, 15);
    cairo_rotate(cr, -0.5);
    cairo_new_path(cr);
    cairo_arc(cr, 0, -r * 0.45, r, 0.2, std::numbers::pi - 0.2);
    cairo_close_path(cr);
    setLinearGradient(cr, -r, 0, palette::white, r, 0, palette::metalDark);
    fillAndOutlineCurrent(cr, 1.6);
    roundLine(cr, 0, 0, 0, -r * 0.9, palette::outline, 2.8);
    roundLine(cr, 0, 0, 0, -r * 0.9, palette::metal, 1.2);
    outlinedEllipse(cr, 0, -r * 0.9 - 1, 2.8, 2.8, rgb(120, 255, 140), 1.2);
    cairo_restore(cr);
}

void wrapperEnd(cairo_t* cr, double x, double dir) {
    cairo_move_to(cr, x, 7.5);
    cairo_line_to(cr, x + dir * 5.5, 3.5);
    cairo_line_to(cr, x + dir * 5.5, 11.5);
    cairo_close_path(cr);
    fillAndOutline(cr, palette::candyPink, 1.1);
}

}  // namespace

void drawPhonePiece(cairo_t* cr, int piece) {
    if (piece == 1) {
        drawHandset(cr);
    } else if (piece == 2) {
        drawKeypad(cr, 35);
    } else {
        drawDish(cr, 45);
    }
}

void drawPhonePieceIcon(cairo_t* cr, int piece) {
    if (piece == 2) {
        drawKeypad(cr, 25);
    } else {
        drawDish(cr, 30);
    }
}

void drawCandy(cairo_t* cr, int kind) {
    switch (kind) {
        case 1:  // wrapped sweet
            wrapperEnd(cr, 4.5, -1);
            wrapperEnd(cr, 10.5, 1);
            outlinedEllipse(cr, 7.5, 7.5, 4.6, 4.0, rgb(255, 84, 120), 1.2);
            outlinedEllipse(cr, 6.2, 6.2, 1.4, 1.0, palette::white, 0);
            break;
        case 2:  // lollipop
            roundLine(cr, 8, 9, 12.5, 14, palette::outline, 3);
            roundLine(cr, 8, 9, 12.5, 14, palette::white, 1.4);
            outlinedEllipse(cr, 6.5, 6.5, 5.6, 5.6, palette::petalYellow, 1.2);
            cairo_new_path(cr);
            for (double a = 0; a < 5 * std::numbers::pi; a += 0.2) {
                cairo_line_to(cr, 6.5 + a * 0.33 * std::cos(a), 6.5 + a * 0.33 * std::sin(a));
            }
            setColour(cr, rgb(240, 60, 50));
            cairo_set_line_width(cr, 1.4);
            cairo_stroke(cr);
            break;
        case 3:  // striped candy
            outlinedBox(cr, 1.5, 4, 12, 7, 3.5, palette::white, 1.2);
            cairo_save(cr);
            roundedRectPath(cr, 1.5, 4, 12, 7, 3.5);
            cairo_clip(cr);
            for (double x = -4; x < 16; x += 4) {
                cairo_move_to(cr, x, 11);
                cairo_line_to(cr, x + 4, 4);
            }
            setColour(cr, rgb(230, 40, 50));
            cairo_set_line_width(cr, 1.8);
            cairo_stroke(cr);
            cairo_restore(cr);
            roundedRectPath(cr, 1.5, 4, 12, 7, 3.5);
            setColour(cr, palette::outline);
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
            break;
        default:  // chocolate in gold foil
            outlinedBox(cr, 1.5, 2.5, 12, 10, 1.5, palette::chocolate, 1.2);
            roundLine(cr, 7.5, 3, 7.5, 12, rgb(70, 36, 20), 1.0);
            roundLine(cr, 2, 7.5, 13, 7.5, rgb(70, 36, 20), 1.0);
            cairo_move_to(cr, 1.5, 9);
            cairo_line_to(cr, 13.5, 6);
            cairo_line_to(cr, 13.5, 12.5);
            cairo_line_to(cr, 1.5, 12.5);
            cairo_close_path(cr);
            fillAndOutline(cr, palette::gold, 1.1);
            break;
    }
}
