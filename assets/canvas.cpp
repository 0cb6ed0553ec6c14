#include "canvas.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

struct Argb {
    int a, r, g, b;
};

Argb pixelAt(cairo_surface_t* surface, int x, int y) {
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    std::uint32_t v;
    std::memcpy(&v, data + y * stride + x * 4, 4);
    return Argb{static_cast<int>(v >> 24), static_cast<int>((v >> 16) & 0xff),
                static_cast<int>((v >> 8) & 0xff), static_cast<int>(v & 0xff)};
}

std::uint8_t unpremultiply(int c, int a) {
    return static_cast<std::uint8_t>(std::min(255, (c * 255 + a / 2) / a));
}

}  // namespace

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

Rgb8 awayFromKey(Rgb8 c) {
    if (keyDistance(c) > kKeyMargin) {
        return c;
    }
    // Near-key colours are a vivid violet-pink; shifting green keeps the hue
    // family but leaves no doubt.
    c.g = static_cast<std::uint8_t>(c.g > 127 ? c.g - 60 : c.g + 60);
    return c;
}

RgbImage Canvas::keyedImage() const {
    cairo_surface_flush(surface_);
    RgbImage image(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Argb p = pixelAt(surface_, x, y);
            if (p.a < 128) {
                image.at(x, y) = kColourKey;
            } else {
                image.at(x, y) = awayFromKey(Rgb8{unpremultiply(p.r, p.a), unpremultiply(p.g, p.a),
                                                  unpremultiply(p.b, p.a)});
            }
        }
    }
    return image;
}

RgbImage Canvas::opaqueImage() const {
    cairo_surface_flush(surface_);
    RgbImage image(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            // Premultiplied colour is exactly the colour over black.
            const Argb p = pixelAt(surface_, x, y);
            image.at(x, y) =
                awayFromKey(Rgb8{static_cast<std::uint8_t>(p.r), static_cast<std::uint8_t>(p.g),
                                 static_cast<std::uint8_t>(p.b)});
        }
    }
    return image;
}

void paintDitheredLayer(cairo_t* cr, int width, int height,
                        const std::function<void(cairo_t*)>& draw) {
    static constexpr int kBayer[4][4] = {
        {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    Canvas layer(width, height);
    draw(layer.cr());
    cairo_surface_t* s = layer.surface();
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint32_t v;
            std::memcpy(&v, data + y * stride + x * 4, 4);
            const int a = static_cast<int>(v >> 24);
            const int threshold = (kBayer[y & 3][x & 3] * 16) + 8;
            if (a == 0 || a < threshold) {
                v = 0;
            } else {
                const auto r = unpremultiply(static_cast<int>((v >> 16) & 0xff), a);
                const auto g = unpremultiply(static_cast<int>((v >> 8) & 0xff), a);
                const auto b = unpremultiply(static_cast<int>(v & 0xff), a);
                v = 0xff000000u | static_cast<std::uint32_t>(r) << 16 |
                    static_cast<std::uint32_t>(g) << 8 | b;
            }
            std::memcpy(data + y * stride + x * 4, &v, 4);
        }
    }
    cairo_surface_mark_dirty(s);
    cairo_save(cr);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
}
