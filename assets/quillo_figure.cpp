#include "quillo_figure.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <numbers>

#include "cairo_shapes.h"
#include "sprite_sheet.h"

namespace {

constexpr double kLine = 1.6;

struct HeadLook {
    double look = 0.0;  // -1 looks left, 0 straight at us
    bool glowing = false;
    bool eyesClosed = false;
    bool bigSmile = false;
    bool joyful = false;  // eyes shut in a happy curve
};

void drawAntenna(cairo_t* cr, double baseX, double baseY, double tipX, double tipY, bool glowing) {
    cairo_move_to(cr, baseX, baseY);
    cairo_curve_to(cr, baseX, baseY - 5, tipX, tipY + 5, tipX, tipY);
    setColour(cr, palette::outline);
    cairo_set_line_width(cr, 3.4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    setColour(cr, palette::skinShade);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    if (glowing) {
        starPath(cr, tipX, tipY, 6.5, 2.6, 8);
        fillAndOutline(cr, palette::white, 1.0, palette::glow);
    }
    outlinedEllipse(cr, tipX, tipY, glowing ? 3.6 : 3.0, glowing ? 3.6 : 3.0, palette::glow, 1.3);
}

// Head in its own units: an ellipse 34 x 30 centred on the origin.
void drawHead(cairo_t* cr, const HeadLook& look) {
    const double dx = look.look * 3.0;
    drawAntenna(cr, -6 + dx * 0.5, -13, -11 + dx, -22, look.glowing);
    drawAntenna(cr, 5 + dx * 0.5, -13, 10 + dx, -23, look.glowing);

    ellipsePath(cr, 0, 0, 17, 15);
    cairo_pattern_t* shade = cairo_pattern_create_radial(-5, -6, 2, 0, 0, 18);
    cairo_pattern_add_color_stop_rgb(shade, 0, palette::skinLight.r, palette::skinLight.g,
                                     palette::skinLight.b);
    cairo_pattern_add_color_stop_rgb(shade, 0.55, palette::skin.r, palette::skin.g,
                                     palette::skin.b);
    cairo_pattern_add_color_stop_rgb(shade, 1, palette::skinShade.r, palette::skinShade.g,
                                     palette::skinShade.b);
    cairo_set_source(cr, shade);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shade);
    setColour(cr, palette::outline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);

    // Cheeks
    setColour(cr, rgb(250, 150, 120), 0.75);
    ellipsePath(cr, -12 + dx, 6, 3, 2);
    ellipsePath(cr, 11 + dx, 6, 3, 2);
    cairo_fill(cr);

    for (double ex : {-6.5, 6.5}) {
        const double x = ex + dx;
        if (look.joyful) {
            cairo_new_path(cr);
            cairo_move_to(cr, x - 4, -1);
            cairo_curve_to(cr, x - 2.5, -6, x + 2.5, -6, x + 4, -1);
            setColour(cr, palette::outline);
            cairo_set_line_width(cr, 1.8);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_stroke(cr);
            continue;
        }
        if (look.eyesClosed) {
            // Dizzy crosses
            roundLine(cr, x - 3, -4, x + 3, 2, palette::outline, 1.6);
            roundLine(cr, x - 3, 2, x + 3, -4, palette::outline, 1.6);
            continue;
        }
        outlinedEllipse(cr, x, -2, 5.4, 6.6, palette::white, 1.3);
        const double px = x + look.look * 2.0;
        outlinedEllipse(cr, px, -1, 3.0, 3.8, palette::pupil, 0);
        outlinedEllipse(cr, px - 1.0, -2.6, 1.1, 1.3, palette::white, 0);
    }

    // Mouth
    cairo_new_path(cr);
    if (look.bigSmile) {
        cairo_move_to(cr, -6 + dx, 7);
        cairo_curve_to(cr, -3 + dx, 12.5, 3 + dx, 12.5, 6 + dx, 7);
        cairo_close_path(cr);
        fillAndOutline(cr, rgb(120, 36, 40), 1.2);
    } else if (look.eyesClosed) {
        ellipsePath(cr, dx, 9, 2.2, 1.6);
        fillAndOutline(cr, rgb(120, 36, 40), 1.0);
    } else {
        cairo_move_to(cr, -4 + dx, 8);
        cairo_curve_to(cr, -2 + dx, 11, 2 + dx, 11, 4 + dx, 8);
        setColour(cr, palette::outline);
        cairo_set_line_width(cr, 1.4);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
}

void drawLeg(cairo_t* cr, double hipX, double hipY, double footX, double footY) {
    roundLine(cr, hipX, hipY, footX, footY - 2, palette::outline, 6.4);
    roundLine(cr, hipX, hipY, footX, footY - 2, palette::skinShade, 3.6);
    // Foot points the way Quillo faces (left).
    outlinedEllipse(cr, footX - 1.5, footY - 1.8, 4.2, 2.4, palette::suitShade, 1.2);
}

void drawArm(cairo_t* cr, double shoulderX, double shoulderY, double handX, double handY) {
    roundLine(cr, shoulderX, shoulderY, handX, handY, palette::outline, 5.6);
    roundLine(cr, shoulderX, shoulderY, handX, handY, palette::skin, 3.0);
    outlinedEllipse(cr, handX, handY, 2.4, 2.4, palette::skin, 1.1);
}

void drawBody(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 16, 44);
    cairo_curve_to(cr, 12, 50, 12, 60, 16, 63);
    cairo_line_to(cr, 34, 63);
    cairo_curve_to(cr, 38, 60, 38, 50, 34, 44);
    cairo_close_path(cr);
    setLinearGradient(cr, 14, 0, palette::suit, 38, 0, palette::suitShade);
    fillAndOutlineCurrent(cr, kLine);
    // Belt and the star badge of the crew.
    cairo_rectangle(cr, 13.5, 56, 23, 3);
    setColour(cr, palette::glow);
    cairo_fill(cr);
    starPath(cr, 21, 50, 3.6, 1.6, 5);
    fillAndOutline(cr, palette::glow, 0.8);
}

}  // namespace

void drawQuillo(cairo_t* cr, const QuilloPose& pose) {
    cairo_save(cr);
    if (pose.stepping) {
        // Lean into the step, pivoting on the feet.
        cairo_translate(cr, 25, 74);
        cairo_rotate(cr, -6 * std::numbers::pi / 180);
        cairo_translate(cr, -25, -74);
    }
    // Back arm first, behind the body.
    if (pose.armsUp) {
        drawArm(cr, 32, 47, 40, 33 + pose.headDrop * 0.5);
    } else if (pose.stepping) {
        drawArm(cr, 32, 47, 37, 58);
    } else {
        drawArm(cr, 33, 47, 35, 59);
    }
    if (pose.stepping) {
        drawLeg(cr, 29, 62, 35, 74);
        drawLeg(cr, 21, 62, 13, 73);
    } else {
        drawLeg(cr, 29, 62, 29, 74);
        drawLeg(cr, 21, 62, 20, 74);
    }
    drawBody(cr);
    if (pose.armsUp) {
        drawArm(cr, 17, 47, 8, 33 + pose.headDrop * 0.5);
    } else if (pose.stepping) {
        drawArm(cr, 17, 47, 10, 55);
    } else {
        drawArm(cr, 17, 47, 13, 58);
    }
    cairo_save(cr);
    cairo_translate(cr, 24, 29 + pose.headDrop);
    drawHead(cr, HeadLook{-1.0, pose.glowing, false, pose.glowing});
    cairo_restore(cr);
    cairo_restore(cr);
}

void drawQuilloCollapsed(cairo_t* cr) {
    // Flat on its back along the ground line, head on the left, feet up.
    roundLine(cr, 38, 20, 46, 14, palette::outline, 6.0);
    roundLine(cr, 38, 20, 46, 14, palette::skinShade, 3.2);
    roundLine(cr, 38, 25, 47, 22, palette::outline, 6.0);
    roundLine(cr, 38, 25, 47, 22, palette::skinShade, 3.2);
    outlinedEllipse(cr, 47, 12, 2.2, 3.6, palette::suitShade, 1.1);
    outlinedEllipse(cr, 48, 20, 2.2, 3.6, palette::suitShade, 1.1);
    cairo_save(cr);
    cairo_translate(cr, 33, 22);
    cairo_rotate(cr, -std::numbers::pi / 2);
    cairo_scale(cr, 0.6, 0.6);
    cairo_translate(cr, -25, -53.5);
    drawBody(cr);
    cairo_restore(cr);
    drawArm(cr, 30, 24, 25, 28);
    cairo_save(cr);
    cairo_translate(cr, 17, 18);
    cairo_rotate(cr, -1.0);
    cairo_scale(cr, 0.7, 0.7);
    drawHead(cr, HeadLook{0.0, false, true, false});
    cairo_restore(cr);
}

void drawQuilloFace(cairo_t* cr, double cx, double cy, double scale) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, scale, scale);
    drawHead(cr, HeadLook{0.0, true, false, true});
    cairo_restore(cr);
}

void drawQuilloWalkSheet(cairo_t* cr, bool facingRight) {
    drawSheet(cr, 50, 75, 2, facingRight, [](cairo_t* c, int frame) {
        drawQuillo(c, QuilloPose{frame == 1, false, 0, false});
    });
}

void drawQuilloHeadBobSheet(cairo_t* cr, bool facingRight) {
    static constexpr double kDrop[4] = {0, 3, -3, 3};
    drawSheet(cr, 50, 75, 4, facingRight, [](cairo_t* c, int frame) {
        drawQuillo(c, QuilloPose{false, true, kDrop[frame], frame == 2});
    });
}

void drawQuilloDeath(cairo_t* cr, bool facingRight) {
    drawSheet(cr, 50, 30, 1, facingRight, [](cairo_t* c, int) { drawQuilloCollapsed(c); });
}

void drawQuilloFacePicture(cairo_t* cr) {
    // The glowing antennae reach 29.5 units above the head's centre and the
    // chin 16 below, so 4.5 fills the 210 rows.
    drawQuilloFace(cr, 150, 138, 4.5);
}

void drawQuilloHomeFacePicture(cairo_t* cr) {
    // As the end screen's face, with the eyes shut for joy and the widest
    // smile, among a few stars.
    cairo_save(cr);
    cairo_translate(cr, 150, 138);
    cairo_scale(cr, 4.5, 4.5);
    drawHead(cr, HeadLook{0.0, true, false, true, true});
    cairo_restore(cr);
    static constexpr double kStars[][3] = {{30, 40, 9}, {262, 60, 11}, {45, 170, 7}, {268, 176, 8}};
    for (const auto& star : kStars) {
        cairo_new_path(cr);
        for (int i = 0; i < 10; ++i) {
            const double radius = i % 2 == 0 ? star[2] : star[2] * 0.45;
            const double angle = -1.5707963 + i * 0.6283185;
            cairo_line_to(cr, star[0] + radius * std::cos(angle),
                          star[1] + radius * std::sin(angle));
        }
        cairo_close_path(cr);
        fillAndOutline(cr, rgb(255, 225, 60), 1.2);
    }
}

void drawQuilloLifeHead(cairo_t* cr) {
    drawQuilloFace(cr, 11, 16.5, 0.55);
}

void drawQuilloOutlineSheet(cairo_t* cr, bool facingRight) {
    // The walking sheet's figure, and round it a ring one pixel bright and one
    // dark, so it shows over leaves and stone alike.
    constexpr int kWidth = 100;
    constexpr int kHeight = 75;
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
    cairo_t* sheetCr = cairo_create(sheet);
    drawQuilloWalkSheet(sheetCr, facingRight);
    cairo_destroy(sheetCr);
    cairo_surface_flush(sheet);
    const unsigned char* data = cairo_image_surface_get_data(sheet);
    const int stride = cairo_image_surface_get_stride(sheet);
    auto inside = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) {
            return false;
        }
        std::uint32_t pixel;
        std::memcpy(&pixel, data + y * stride + x * 4, 4);
        return (pixel >> 24) >= 128;
    };
    // How far a pixel outside the figure is from it, in steps of a chessboard king.
    auto distance = [&](int x, int y) {
        for (int d = 1; d <= 2; ++d) {
            for (int dy = -d; dy <= d; ++dy) {
                for (int dx = -d; dx <= d; ++dx) {
                    // A cell's outline stays in its cell.
                    if ((x + dx) / 50 == x / 50 && inside(x + dx, y + dy)) {
                        return d;
                    }
                }
            }
        }
        return 0;
    };
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (inside(x, y)) {
                continue;
            }
            const int d = distance(x, y);
            if (d == 0) {
                continue;
            }
            setColour(cr, d == 1 ? rgb(255, 240, 90) : rgb(20, 20, 30));
            cairo_rectangle(cr, x, y, 1, 1);
            cairo_fill(cr);
        }
    }
    cairo_surface_destroy(sheet);
}
