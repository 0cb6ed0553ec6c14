// A cairo drawing surface for one picture, and the two ways a drawing becomes
// game pixels: a hard-edged colour-keyed sprite or an opaque picture.
#pragma once

#include <cairo.h>

#include <functional>

#include "rgb_image.h"

class Canvas {
  public:
    Canvas(int width, int height);  // fully transparent
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Pixels at least half covered become opaque (un-premultiplied), the rest
    // the exact colour key, so no key-tinted fringe ever reaches the screen.
    RgbImage keyedImage() const;
    // Every pixel as drawn over black; colours close to the key are pushed away.
    RgbImage opaqueImage() const;

  private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Moves a colour that could pass for the key far enough away from it.
Rgb8 awayFromKey(Rgb8 c);

// Draws onto a scratch layer, turns its coverage into an ordered dither and
// paints the result: the one way a keyed sprite can suggest a see-through glow.
void paintDitheredLayer(cairo_t* cr, int width, int height,
                        const std::function<void(cairo_t*)>& draw);
