// Sprite sheets: frames of one size side by side, each drawn facing left and
// mirrored within its own cell for the right-facing sheet.
#pragma once

#include <cairo.h>

template <typename DrawFrame>
void drawSheet(cairo_t* cr, int frameWidth, int frameHeight, int frames, bool mirrored,
               DrawFrame drawFrame) {
    for (int i = 0; i < frames; ++i) {
        cairo_save(cr);
        cairo_rectangle(cr, i * frameWidth, 0, frameWidth, frameHeight);
        cairo_clip(cr);
        cairo_translate(cr, i * frameWidth, 0);
        if (mirrored) {
            cairo_translate(cr, frameWidth, 0);
            cairo_scale(cr, -1, 1);
        }
        drawFrame(cr, i);
        cairo_restore(cr);
    }
}
