#include "grounds.h"

#include <cmath>
#include <initializer_list>
#include <numbers>

#include "cairo_shapes.h"
#include "palette.h"
#include "seeded_random.h"
#include "trees_and_flowers.h"

namespace {

constexpr double kW = 800;
constexpr double kH = 400;

void mottle(cairo_t* cr, SeededRandom& rnd, double x, double y, double w, double h, int count,
            Colour dark, Colour light, double alpha) {
    for (int i = 0; i < count; ++i) {
        const double r = rnd.uniform(15, 55);
        ellipsePath(cr, rnd.uniform(x, x + w), rnd.uniform(y, y + h), r * 1.6, r);
        setColour(cr, rnd.below(2) == 0 ? dark : light, alpha);
        cairo_fill(cr);
    }
}

void drawTuft(cairo_t* cr, double x, double y, double size) {
    for (int i = -3; i <= 3; ++i) {
        const double tipX = x + i * size * 0.35;
        const double tipY = y - size * (1.0 - std::abs(i) * 0.12);
        cairo_move_to(cr, x + i * 1.2, y);
        cairo_curve_to(cr, x + i * 1.5, y - size * 0.5, tipX, tipY + size * 0.2, tipX, tipY);
    }
    setColour(cr, palette::grassDeep);
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    setColour(cr, palette::grassTip);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

void pavedArea(cairo_t* cr, double x, double y, double w, double h, double tile) {
    cairo_rectangle(cr, x, y, w, h);
    fillAndOutline(cr, palette::stone, 2.0, palette::stoneDark);
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    setColour(cr, palette::stoneDark, 0.55);
    cairo_set_line_width(cr, 1.0);
    for (double tx = x + tile; tx < x + w; tx += tile) {
        cairo_move_to(cr, tx, y);
        cairo_line_to(cr, tx, y + h);
    }
    for (double ty = y + tile; ty < y + h; ty += tile) {
        cairo_move_to(cr, x, ty);
        cairo_line_to(cr, x + w, ty);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void gravelPath(cairo_t* cr, double x, double y, double w, double h, SeededRandom& rnd) {
    roundedRectPath(cr, x, y, w, h, 4);
    fillAndOutline(cr, palette::path, 1.5, rgb(180, 156, 110));
    const int pebbles = static_cast<int>(w * h / 40);
    for (int i = 0; i < pebbles; ++i) {
        ellipsePath(cr, rnd.uniform(x + 2, x + w - 2), rnd.uniform(y + 2, y + h - 2), 0.9, 0.7);
        setColour(cr, rnd.below(2) == 0 ? rgb(190, 166, 120) : rgb(240, 226, 190));
        cairo_fill(cr);
    }
}

void hedge(cairo_t* cr, double x, double y, double w, double h) {
    roundedRectPath(cr, x, y, w, h, h / 2);
    fillAndOutline(cr, palette::leafDark, 1.5);
    roundedRectPath(cr, x + 3, y + 2, w - 6, h * 0.4, h / 4);
    setColour(cr, palette::leaf);
    cairo_fill(cr);
}

void flowerBed(cairo_t* cr, double x, double y, double w, double h, SeededRandom& rnd) {
    roundedRectPath(cr, x, y, w, h, 5);
    fillAndOutline(cr, palette::earth, 1.5);
    for (double fx = x + 6; fx < x + w - 4; fx += 8) {
        for (double fy = y + 6; fy < y + h - 3; fy += 8) {
            drawMeadowFlower(cr, fx + rnd.uniform(-1, 1), fy + rnd.uniform(-1, 1), 3.2,
                             rnd.below(2) == 0 ? 3 : 1);
        }
    }
}

}  // namespace

void scatterGrass(cairo_t* cr, double x, double y, double w, double h, unsigned seed,
                  double density) {
    SeededRandom rnd(seed);
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    const int blades = static_cast<int>(w * h * density / 36);
    static constexpr Colour kBlade[] = {palette::grassDeep, palette::grassLight, palette::grassTip,
                                        rgb(60, 132, 48)};
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 1.0);
    for (int i = 0; i < blades; ++i) {
        const double bx = rnd.uniform(x - 4, x + w + 4);
        const double by = rnd.uniform(y, y + h + 6);
        const double len = rnd.uniform(2.5, 6.5);
        cairo_move_to(cr, bx, by);
        cairo_line_to(cr, bx + rnd.uniform(-2, 2), by - len);
        setColour(cr, kBlade[rnd.below(4)], rnd.uniform(0.45, 0.85));
        cairo_stroke(cr);
    }
    const int tufts = static_cast<int>(w * h * density / 4000);
    for (int i = 0; i < tufts; ++i) {
        drawTuft(cr, rnd.uniform(x, x + w), rnd.uniform(y + 8, y + h + 4), rnd.uniform(6, 10));
    }
    const int clumps = static_cast<int>(w * h * density / 9000);
    for (int i = 0; i < clumps; ++i) {
        const double cx = rnd.uniform(x, x + w);
        const double cy = rnd.uniform(y, y + h);
        const int kind = rnd.below(4);
        for (int j = 0; j < 4 + rnd.below(4); ++j) {
            drawMeadowFlower(cr, cx + rnd.uniform(-14, 14), cy + rnd.uniform(-8, 8),
                             rnd.uniform(2.0, 3.0), kind);
        }
    }
    cairo_restore(cr);
}

void drawGrassGround(cairo_t* cr) {
    setLinearGradient(cr, 0, 0, rgb(84, 166, 62), 0, kH, rgb(70, 150, 54));
    cairo_paint(cr);
    SeededRandom rnd(11);
    mottle(cr, rnd, 0, 0, kW, kH, 260, palette::grassDeep, palette::grassLight, 0.13);
    scatterGrass(cr, 0, 0, kW, kH, 12, 1.0);
}

void drawWashingtonGround(cairo_t* cr) {
    // Mown lawn: broad stripes of two greens.
    setColour(cr, rgb(82, 166, 64));
    cairo_paint(cr);
    for (double x = 0; x < kW; x += 80) {
        cairo_rectangle(cr, x, 0, 40, kH);
    }
    setColour(cr, rgb(104, 182, 76), 0.6);
    cairo_fill(cr);
    SeededRandom rnd(21);
    scatterGrass(cr, 0, 0, kW, kH, 22, 0.45);

    // Gravel walks linking the plazas, the fountain and Jorrin's front door.
    gravelPath(cr, 0, 330, kW, 24, rnd);
    gravelPath(cr, 150, 200, 24, 134, rnd);
    gravelPath(cr, 624, 200, 24, 134, rnd);
    gravelPath(cr, 388, 180, 24, 30, rnd);
    gravelPath(cr, 338, 314, 24, 20, rnd);
    gravelPath(cr, 230, 100, 340, 20, rnd);

    // Plazas under the government buildings (drawn at (93, 41) and (566, 41)).
    pavedArea(cr, 80, 22, 165, 184, 16);
    pavedArea(cr, 553, 22, 165, 184, 16);

    // Fountain plaza between them.
    outlinedEllipse(cr, 400, 110, 82, 70, palette::stone, 2.0);
    ellipsePath(cr, 400, 110, 60, 50);
    fillAndOutline(cr, rgb(186, 180, 166), 1.5, palette::stoneDark);
    outlinedEllipse(cr, 400, 110, 48, 38, palette::water, 2.5);
    ellipsePath(cr, 390, 100, 30, 16);
    setColour(cr, palette::white, 0.25);
    cairo_fill(cr);
    // Ripples round the jet.
    for (double r : {16.0, 26.0, 36.0}) {
        ellipsePath(cr, 400, 112, r, r * 0.78);
        setColour(cr, palette::white, 0.35);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    outlinedEllipse(cr, 400, 112, 10, 8, palette::stone, 1.5);
    paintGlow(cr, 400, 106, 12, palette::white, 0.9);

    // Hedges and flower beds.
    hedge(cr, 20, 220, 110, 14);
    hedge(cr, 670, 220, 110, 14);
    flowerBed(cr, 20, 250, 110, 60, rnd);
    flowerBed(cr, 670, 250, 110, 60, rnd);
    flowerBed(cr, 250, 364, 110, 26, rnd);
    flowerBed(cr, 440, 364, 110, 26, rnd);
    hedge(cr, 40, 370, 150, 14);
    hedge(cr, 610, 370, 150, 14);
    for (double x : {30.0, 770.0}) {
        outlinedEllipse(cr, x, 150, 18, 16, palette::leaf, 1.8);
        ellipsePath(cr, x - 5, 144, 8, 6);
        setColour(cr, palette::leafLight);
        cairo_fill(cr);
    }
}

void drawHoleGround(cairo_t* cr) {
    SeededRandom rnd(31);
    // Layers of earth, darker the deeper the eye goes into the walls.
    setLinearGradient(cr, 0, 0, rgb(70, 46, 30), 0, kH, rgb(96, 64, 40));
    cairo_paint(cr);
    for (int band = 0; band < 9; ++band) {
        const double y0 = band * 44 + rnd.uniform(-6, 6);
        cairo_move_to(cr, 0, y0);
        for (double x = 0; x <= kW; x += 50) {
            cairo_line_to(cr, x, y0 + 7 * std::sin(x / 90 + band) + rnd.uniform(-2, 2));
        }
        cairo_line_to(cr, kW, y0 + 18);
        cairo_line_to(cr, 0, y0 + 18);
        cairo_close_path(cr);
        setColour(cr, band % 2 == 0 ? palette::earthDark : palette::earthLight, 0.25);
        cairo_fill(cr);
    }
    // The chamber: lighter in the middle, walls closing in at the sides.
    cairo_pattern_t* room = cairo_pattern_create_radial(400, 260, 60, 400, 260, 470);
    cairo_pattern_add_color_stop_rgba(room, 0, 0.75, 0.55, 0.36, 0.35);
    cairo_pattern_add_color_stop_rgba(room, 0.6, 0.3, 0.2, 0.12, 0.0);
    cairo_pattern_add_color_stop_rgba(room, 1, 0.08, 0.05, 0.03, 0.7);
    cairo_set_source(cr, room);
    cairo_paint(cr);
    // Daylight falls from the opening above, where Quillo drops in.
    cairo_move_to(cr, 320, 0);
    cairo_line_to(cr, 420, 0);
    cairo_line_to(cr, 500, 360);
    cairo_line_to(cr, 240, 360);
    cairo_close_path(cr);
    cairo_pattern_t* light = cairo_pattern_create_linear(0, 0, 0, 360);
    cairo_pattern_add_color_stop_rgba(light, 0, 1.0, 0.95, 0.7, 0.35);
    cairo_pattern_add_color_stop_rgba(light, 1, 1.0, 0.9, 0.6, 0.04);
    cairo_set_source(cr, light);
    cairo_fill(cr);
    cairo_pattern_destroy(light);
    cairo_pattern_destroy(room);
    // Stones in the walls and a few alien-green crystals.
    for (int i = 0; i < 24; ++i) {
        const double x = rnd.below(2) == 0 ? rnd.uniform(0, 220) : rnd.uniform(580, kW);
        const double y = rnd.uniform(30, 330);
        const double r = rnd.uniform(5, 15);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, rnd.uniform(-0.6, 0.6));
        outlinedEllipse(cr, 0, 0, r * rnd.uniform(1.1, 1.7), r, rgb(118, 106, 92), 1.6);
        ellipsePath(cr, -r * 0.35, -r * 0.35, r * 0.5, r * 0.28);
        setColour(cr, palette::stoneDark, 0.8);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    for (double cx : {90.0, 700.0, 160.0, 620.0}) {
        const double cy = rnd.uniform(150, 300);
        for (int k = -1; k <= 1; ++k) {
            cairo_move_to(cr, cx + k * 6 - 3, cy + 10);
            cairo_line_to(cr, cx + k * 8, cy - 10 + std::abs(k) * 5);
            cairo_line_to(cr, cx + k * 6 + 3, cy + 10);
            cairo_close_path(cr);
            fillAndOutline(cr, rgb(120, 236, 200), 1.2);
        }
    }
    // Roots hanging from the grass above.
    for (int i = 0; i < 16; ++i) {
        const double x = rnd.uniform(10, 790);
        const double len = rnd.uniform(30, 110);
        cairo_move_to(cr, x, 0);
        cairo_curve_to(cr, x + rnd.uniform(-20, 20), len * 0.4, x + rnd.uniform(-20, 20), len * 0.7,
                       x + rnd.uniform(-10, 10), len);
        setColour(cr, palette::outline);
        cairo_set_line_width(cr, 3.4);
        cairo_stroke_preserve(cr);
        setColour(cr, rgb(150, 110, 70));
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
    }
    // The turf overhead, seen from below.
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, kW, 0);
    for (double x = kW; x >= 0; x -= 20) {
        cairo_line_to(cr, x, 7 + 3 * std::sin(x / 13) + 2 * std::sin(x / 5));
    }
    cairo_close_path(cr);
    fillAndOutline(cr, palette::earthDark, 1.5, palette::black);
    // The floor Quillo walks on, its surface at row 357.
    cairo_move_to(cr, 0, 352);
    for (double x = 0; x <= kW; x += 40) {
        cairo_line_to(cr, x, 356 + 3 * std::sin(x / 37));
    }
    cairo_line_to(cr, kW, kH);
    cairo_line_to(cr, 0, kH);
    cairo_close_path(cr);
    setLinearGradient(cr, 0, 352, palette::earthLight, 0, kH, palette::earth);
    fillAndOutlineCurrent(cr, 2.5, palette::earthDark);
    for (int i = 0; i < 140; ++i) {
        ellipsePath(cr, rnd.uniform(0, kW), rnd.uniform(362, kH), rnd.uniform(1, 3),
                    rnd.uniform(1, 2));
        setColour(cr, rnd.below(2) == 0 ? palette::earthDark : palette::stone, 0.7);
        cairo_fill(cr);
    }
}
