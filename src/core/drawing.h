// A frame's draws as a plain record: what a turn asks to be drawn, in order,
// for the canvas to carry out. Making one touches no picture, font or window.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/geometry.h"

namespace qz {

// A picture file and whether it is drawn as a sprite (colour keyed).
struct Picture {
    const char* path;
    bool colourKeyed;
};

struct Rgb {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
};

// The one transparent colour of every sprite.
constexpr Rgb ColourKey{229, 77, 253};
// Every status text and name is written in it.
constexpr Rgb White{255, 255, 255};

enum class FontSize { Small = 16, Medium = 20, Large = 26 };

// One draw: a picture (or a cell of it) at some positions, a fill, or a text.
struct DrawRequest {
    enum class Kind : std::uint8_t { Sprite, Fill, Text, CentredText };

    Kind kind = Kind::Sprite;
    Picture picture{};
    bool partial = false;
    Rect box{};  // Sprite: the cell drawn when `partial`; Fill: the box filled
    // Sprite: positions [first, first + count) of the drawing's points.
    std::uint32_t first = 0;
    std::uint32_t count = 0;
    Rgb colour{};
    FontSize size = FontSize::Small;
    std::string text;
    Point at{};  // Text: the top-left corner; CentredText: only y counts
};

// The draws of one frame. Cleared for the next frame, it keeps its memory.
class Drawing {
  public:
    // The whole picture, or the part of it given (a cell of a sprite
    // sheet), at each position; a sprite over its key.
    void drawSprite(Picture picture, const Rect* part, std::span<const Point> positions);
    void drawSprite(Picture picture, const Rect* part, Point position) {
        drawSprite(picture, part, std::span<const Point>(&position, 1));
    }
    void fill(int x, int y, int w, int h, Rgb colour);
    // Solid (non-antialiased) text with its top-left corner at (x, y).
    void drawText(FontSize size, const std::string& text, Rgb colour, int x, int y);
    // Centred on the frame: x = width / 2 - text width / 2, integer halves.
    void drawTextCentred(FontSize size, const std::string& text, Rgb colour, int y);

    static constexpr int width() { return FrameWidth; }
    static constexpr int height() { return FrameHeight; }

    std::span<const DrawRequest> requests() const {
        return std::span<const DrawRequest>(requests_).first(used_);
    }
    std::span<const Point> positions(const DrawRequest& request) const {
        return std::span<const Point>(points_).subspan(request.first, request.count);
    }
    bool empty() const { return used_ == 0; }
    void clear();

  private:
    // The next request, in a slot of an earlier frame where there is one.
    DrawRequest& add(DrawRequest::Kind kind);
    void addText(DrawRequest::Kind kind, FontSize size, const std::string& text, Rgb colour,
                 Point at);

    std::vector<DrawRequest> requests_;
    std::size_t used_ = 0;  // requests_ beyond it are kept for their memory
    std::vector<Point> points_;
};

}  // namespace qz
