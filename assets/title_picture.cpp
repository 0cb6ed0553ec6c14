#include "title_picture.h"

#include <cmath>

#include "cairo_shapes.h"
#include "grounds.h"
#include "palette.h"
#include "quillo_figure.h"
#include "saucer.h"
#include "seeded_random.h"
#include "status_pictures.h"
#include "trees_and_flowers.h"

namespace {

void drawHill(cairo_t* cr, double y0, double amplitude, double phase, Colour top, Colour bottom) {
    cairo_move_to(cr, 0, 600);
    for (double x = 0; x <= 800; x += 10) {
        cairo_line_to(cr, x, y0 - amplitude * std::sin(x / 160 + phase) - 8 * std::sin(x / 47));
    }
    cairo_line_to(cr, 800, 600);
    cairo_close_path(cr);
    setLinearGradient(cr, 0, y0 - amplitude, top, 0, 600, bottom);
    cairo_fill_preserve(cr);
    setColour(cr, palette::outline, 0.6);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

}  // namespace

void drawStarrySky(cairo_t* cr, double width, double height, unsigned seed) {
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, height);
    cairo_pattern_add_color_stop_rgb(sky, 0, palette::nightTop.r, palette::nightTop.g,
                                     palette::nightTop.b);
    cairo_pattern_add_color_stop_rgb(sky, 0.55, palette::dusk.r, palette::dusk.g, palette::dusk.b);
    cairo_pattern_add_color_stop_rgb(sky, 1, palette::horizon.r, palette::horizon.g,
                                     palette::horizon.b);
    cairo_set_source(cr, sky);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    SeededRandom rnd(seed);
    for (int i = 0; i < static_cast<int>(width * height / 2600); ++i) {
        const double x = rnd.uniform(0, width);
        const double y = rnd.uniform(0, height * 0.7);
        const double r = rnd.uniform(0.5, 1.3);
        ellipsePath(cr, x, y, r, r);
        setColour(cr, palette::white, rnd.uniform(0.4, 0.9));
        cairo_fill(cr);
    }
}

void drawTitlePicture(cairo_t* cr) {
    // A calm sky at the top, where the game writes its blue title texts.
    drawStarrySky(cr, 800, 380, 51);
    paintGlow(cr, 700, 64, 60, palette::petalWhite, 0.18);
    outlinedEllipse(cr, 700, 64, 24, 24, rgb(246, 240, 210), 0);
    ellipsePath(cr, 692, 58, 5, 4);
    ellipsePath(cr, 706, 74, 4, 3);
    setColour(cr, rgb(220, 212, 180));
    cairo_fill(cr);

    // Rolling hills, far to near.
    drawHill(cr, 330, 18, 0.5, rgb(40, 96, 70), rgb(30, 70, 50));
    drawRoundTree(cr, 60, 330, 0.9);
    drawRoundTree(cr, 730, 318, 1.1);
    drawRoundTree(cr, 768, 326, 0.8);
    drawHill(cr, 392, 22, 2.0, palette::grassLight, palette::grass);
    scatterGrass(cr, 0, 370, 800, 230, 52, 0.8);

    // The saucer hovers over the meadow, its beam on the grass.
    cairo_save(cr);
    cairo_move_to(cr, 530, 236);
    cairo_line_to(cr, 600, 236);
    cairo_line_to(cr, 660, 418);
    cairo_line_to(cr, 470, 418);
    cairo_close_path(cr);
    cairo_pattern_t* beam = cairo_pattern_create_linear(0, 236, 0, 418);
    cairo_pattern_add_color_stop_rgba(beam, 0, 1.0, 0.97, 0.6, 0.7);
    cairo_pattern_add_color_stop_rgba(beam, 1, 0.8, 1.0, 0.8, 0.2);
    cairo_set_source(cr, beam);
    cairo_fill(cr);
    cairo_pattern_destroy(beam);
    cairo_restore(cr);
    ellipsePath(cr, 565, 418, 96, 14);
    setColour(cr, rgb(250, 255, 190), 0.35);
    cairo_fill(cr);
    paintGlow(cr, 565, 200, 160, palette::glass, 0.15);
    drawSaucer(cr, 565, 212, 1.5);

    // Quillo waves from the hill, big and friendly.
    ellipsePath(cr, 210, 398, 46, 7);
    setColour(cr, palette::grassDeep, 0.5);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 270, 218);
    cairo_scale(cr, -2.4, 2.4);  // facing right, towards the saucer
    drawQuillo(cr, QuilloPose{false, true, 0, true});
    cairo_restore(cr);

    // Flowers in the foreground and the name of the game.
    SeededRandom rnd(53);
    for (int i = 0; i < 40; ++i) {
        drawMeadowFlower(cr, rnd.uniform(0, 800), rnd.uniform(430, 595), rnd.uniform(3, 5),
                         rnd.below(4));
    }
    paintGlow(cr, 400, 505, 330, palette::skin, 0.18);
    drawTitleLettering(cr, 400, 530, 92, 760);
}
