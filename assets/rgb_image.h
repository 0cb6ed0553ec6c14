// Plain 8-bit RGB pictures as the game reads them, and the colour key that
// marks the transparent pixels of a sprite.
#pragma once

#include <cstdint>
#include <vector>

struct Rgb8 {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb8&) const = default;
};

// The one transparent colour of every sprite in the game.
inline constexpr Rgb8 kColourKey{229, 77, 253};

// Channel-sum distance below which an opaque pixel could be mistaken for the
// key by eye (or by a careless blitter): artwork never comes this close.
inline constexpr int kKeyMargin = 40;

inline int keyDistance(Rgb8 c) {
    auto d = [](int a, int b) { return a > b ? a - b : b - a; };
    return d(c.r, kColourKey.r) + d(c.g, kColourKey.g) + d(c.b, kColourKey.b);
}

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb8> pixels;  // row-major, top row first

    RgbImage() = default;
    RgbImage(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h) {}
    Rgb8& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgb8& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};
