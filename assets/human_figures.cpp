#include "human_figures.h"

#include <initializer_list>

#include "cairo_shapes.h"
#include "sprite_sheet.h"

namespace {

constexpr double kLine = 1.5;

// The standing and stepping leg positions of the grown-ups (hips at y 60).
struct Stride {
    double frontAnkleX, backAnkleX, frontHandX, backHandX;
};

Stride strideOf(bool stepping) {
    return stepping ? Stride{11, 37, 8, 40} : Stride{19, 30, 13, 36};
}

void drawAgentHead(cairo_t* cr) {
    outlinedBox(cr, 20, 20, 9, 9, 2, palette::faceShade, kLine);       // neck
    outlinedEllipse(cr, 31.5, 15, 2.4, 3.2, palette::faceShade, 1.2);  // ear
    outlinedEllipse(cr, 24, 14, 8.6, 10, palette::face, kLine);
    // Nose, pointing the way he looks.
    cairo_move_to(cr, 16.2, 13);
    cairo_line_to(cr, 13.6, 18);
    cairo_line_to(cr, 16.6, 18.6);
    fillAndOutline(cr, palette::face, 1.1);
    // Crew cut
    cairo_new_path(cr);
    cairo_move_to(cr, 15.6, 10);
    cairo_curve_to(cr, 15, 2.5, 33, 1.5, 32.8, 11);
    cairo_line_to(cr, 30, 9);
    cairo_line_to(cr, 17, 8.5);
    cairo_close_path(cr);
    fillAndOutline(cr, rgb(60, 42, 30), 1.2);
    // Sunglasses and a stern mouth.
    outlinedBox(cr, 14.5, 11, 14, 4.6, 1.8, palette::black, 0.8);
    roundLine(cr, 17, 12.2, 19.5, 12.2, rgb(120, 150, 190), 1.0);
    roundLine(cr, 17.5, 20.6, 22.5, 20.3, palette::outline, 1.3);
    // The earpiece wire.
    cairo_move_to(cr, 32, 17);
    cairo_curve_to(cr, 34, 21, 31, 23, 32, 27);
    setColour(cr, rgb(230, 230, 220));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

void drawAgentBody(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 16, 27);
    cairo_line_to(cr, 33, 27);
    cairo_curve_to(cr, 37, 28, 37.5, 32, 37, 36);
    cairo_line_to(cr, 34.5, 63);
    cairo_line_to(cr, 15, 63);
    cairo_line_to(cr, 12.5, 36);
    cairo_curve_to(cr, 12, 31, 13, 28, 16, 27);
    cairo_close_path(cr);
    setLinearGradient(cr, 12, 0, rgb(56, 62, 80), 38, 0, palette::suitDark);
    fillAndOutlineCurrent(cr, kLine);
    // Shirt, tie and lapels.
    cairo_move_to(cr, 19.5, 27.5);
    cairo_line_to(cr, 29.5, 27.5);
    cairo_line_to(cr, 24.5, 45);
    cairo_close_path(cr);
    fillAndOutline(cr, palette::white, 1.0);
    cairo_move_to(cr, 23.3, 29);
    cairo_line_to(cr, 25.7, 29);
    cairo_line_to(cr, 26.4, 42);
    cairo_line_to(cr, 24.5, 45);
    cairo_line_to(cr, 22.6, 42);
    cairo_close_path(cr);
    fillAndOutline(cr, rgb(176, 30, 42), 0.8);
    roundLine(cr, 24.5, 46, 24.5, 62, rgb(20, 22, 30), 1.0);
    outlinedEllipse(cr, 24.5, 52, 0.9, 0.9, palette::metal, 0);
}

void drawScientistHead(cairo_t* cr) {
    outlinedBox(cr, 20, 21, 9, 8, 2, palette::faceShade, kLine);
    // Wild hair sticking out behind and above.
    cairo_new_path(cr);
    cairo_move_to(cr, 19, 8);
    cairo_line_to(cr, 18, 1);
    cairo_line_to(cr, 23, 5);
    cairo_line_to(cr, 26, 0);
    cairo_line_to(cr, 28.5, 5);
    cairo_line_to(cr, 34, 1.5);
    cairo_line_to(cr, 33, 7);
    cairo_line_to(cr, 39, 8);
    cairo_line_to(cr, 35, 12);
    cairo_line_to(cr, 40, 16);
    cairo_line_to(cr, 34.5, 18);
    cairo_line_to(cr, 37, 23);
    cairo_line_to(cr, 30, 21);
    cairo_close_path(cr);
    fillAndOutline(cr, rgb(236, 236, 240), 1.2);
    outlinedEllipse(cr, 24, 14, 8.6, 10, palette::face, kLine);
    outlinedEllipse(cr, 31.2, 15.5, 2.2, 3.0, palette::faceShade, 1.1);
    // Big nose, moustache, round glasses.
    cairo_move_to(cr, 16.5, 12.5);
    cairo_curve_to(cr, 11, 16, 12.5, 19.5, 17, 19);
    fillAndOutline(cr, palette::face, 1.1);
    cairo_move_to(cr, 15.5, 20.5);
    cairo_curve_to(cr, 18, 18.8, 22, 19, 24, 21.5);
    cairo_curve_to(cr, 21, 22.8, 17.5, 22.5, 15.5, 20.5);
    fillAndOutline(cr, rgb(210, 210, 214), 0.9);
    for (double x : {17.8, 25.0}) {
        ellipsePath(cr, x, 12.5, 3.2, 3.2);
        fillAndOutline(cr, rgb(214, 240, 250), 1.2);
        outlinedEllipse(cr, x - 1.0, 12.8, 1.0, 1.1, palette::pupil, 0);
    }
    roundLine(cr, 21, 12.3, 21.8, 12.3, palette::outline, 1.0);
}

void drawLabCoat(cairo_t* cr, bool stepping) {
    const double flare = stepping ? 3.0 : 0.0;
    cairo_new_path(cr);
    cairo_move_to(cr, 16, 27);
    cairo_line_to(cr, 33, 27);
    cairo_curve_to(cr, 37, 28, 38, 32, 37.5, 36);
    cairo_line_to(cr, 39 + flare, 80);
    cairo_line_to(cr, 10 - flare, 80);
    cairo_line_to(cr, 12, 36);
    cairo_curve_to(cr, 11.5, 31, 13, 28, 16, 27);
    cairo_close_path(cr);
    setLinearGradient(cr, 10, 0, palette::labCoat, 40, 0, palette::labShade);
    fillAndOutlineCurrent(cr, kLine);
    // Shirt with a green bow tie, the coat's edge and a pocket of pens.
    cairo_move_to(cr, 19.5, 27.5);
    cairo_line_to(cr, 29.5, 27.5);
    cairo_line_to(cr, 24.5, 40);
    cairo_close_path(cr);
    fillAndOutline(cr, rgb(150, 190, 230), 1.0);
    cairo_move_to(cr, 21, 27.5);
    cairo_line_to(cr, 24.5, 30);
    cairo_line_to(cr, 28, 27.5);
    cairo_line_to(cr, 28, 32.5);
    cairo_line_to(cr, 24.5, 30);
    cairo_line_to(cr, 21, 32.5);
    cairo_close_path(cr);
    fillAndOutline(cr, rgb(40, 160, 80), 0.8);
    roundLine(cr, 24.5, 40, 24.5, 79, palette::stoneDark, 1.0);
    outlinedBox(cr, 28, 44, 6, 6, 1, palette::labCoat, 0.9);
    roundLine(cr, 29.5, 41.5, 29.5, 44.5, rgb(40, 90, 200), 1.3);
    roundLine(cr, 32, 42, 32, 44.5, rgb(210, 40, 40), 1.3);
}

void drawButterflyNet(cairo_t* cr, double handX, double handY, double swing) {
    const double hoopX = 6 + swing;
    roundLine(cr, handX, handY, hoopX + 2, 17, palette::outline, 3.0);
    roundLine(cr, handX, handY, hoopX + 2, 17, palette::bark, 1.6);
    // The net bag hangs behind the hoop.
    cairo_move_to(cr, hoopX - 4.5, 9);
    cairo_curve_to(cr, hoopX - 9, 14, hoopX - 6, 24, hoopX - 2, 25);
    cairo_curve_to(cr, hoopX + 1, 22, hoopX + 4, 14, hoopX + 4.5, 9);
    fillAndOutline(cr, rgb(236, 240, 224), 1.0);
    for (double t = -3; t <= 3; t += 2) {
        roundLine(cr, hoopX + t, 10, hoopX + t * 0.5 - 3, 22, rgb(170, 180, 160), 0.6);
    }
    ellipsePath(cr, hoopX, 9, 5.5, 3.0);
    setColour(cr, palette::outline);
    cairo_set_line_width(cr, 2.6);
    cairo_stroke_preserve(cr);
    setColour(cr, palette::metalDark);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

}  // namespace

void drawPersonLeg(cairo_t* cr, double hipX, double hipY, double ankleX, double ankleY,
                   Colour cloth, Colour shoe, double thickness) {
    roundLine(cr, hipX, hipY, ankleX, ankleY, palette::outline, thickness + 3);
    roundLine(cr, hipX, hipY, ankleX, ankleY, cloth, thickness);
    outlinedBox(cr, ankleX - 6.5, ankleY - 1, 10, 4.5, 2.2, shoe, 1.2);
}

void drawPersonArm(cairo_t* cr, double shoulderX, double shoulderY, double handX, double handY,
                   Colour sleeve, double thickness) {
    roundLine(cr, shoulderX, shoulderY, handX, handY, palette::outline, thickness + 3);
    roundLine(cr, shoulderX, shoulderY, handX, handY, sleeve, thickness);
    outlinedEllipse(cr, handX, handY + 1.5, 2.6, 2.8, palette::face, 1.1);
}

void drawFbiAgent(cairo_t* cr, bool stepping) {
    const Stride s = strideOf(stepping);
    const Colour trousers = rgb(34, 38, 50);
    drawPersonArm(cr, 34, 31, s.backHandX, 58, rgb(30, 33, 44), 4.5);
    drawPersonLeg(cr, 29, 60, s.backAnkleX, 94.5, trousers, palette::black, 6);
    drawPersonLeg(cr, 20, 60, s.frontAnkleX, 94.5, trousers, palette::black, 6);
    drawAgentBody(cr);
    drawAgentHead(cr);
    drawPersonArm(cr, 16, 31, s.frontHandX, 58, rgb(48, 54, 70), 4.5);
}

void drawScientist(cairo_t* cr, bool stepping) {
    const Stride s = strideOf(stepping);
    const Colour trousers = rgb(110, 110, 120);
    const Colour shoes = rgb(110, 66, 36);
    drawPersonArm(cr, 34, 31, s.backHandX, 57, palette::labShade, 4.5);
    drawPersonLeg(cr, 29, 70, s.backAnkleX, 94.5, trousers, shoes, 5.5);
    drawPersonLeg(cr, 20, 70, s.frontAnkleX, 94.5, trousers, shoes, 5.5);
    drawLabCoat(cr, stepping);
    drawScientistHead(cr);
    const double handX = stepping ? 9 : 12;
    drawButterflyNet(cr, handX, 50, stepping ? -1.5 : 0);
    drawPersonArm(cr, 16, 31, handX, 49, palette::labCoat, 4.5);
}

void drawFbiSheet(cairo_t* cr, bool facingRight) {
    drawSheet(cr, 50, 100, 2, facingRight,
              [](cairo_t* c, int frame) { drawFbiAgent(c, frame == 1); });
}

void drawScientistSheet(cairo_t* cr, bool facingRight) {
    drawSheet(cr, 50, 100, 2, facingRight,
              [](cairo_t* c, int frame) { drawScientist(c, frame == 1); });
}
