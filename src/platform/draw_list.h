// A frame's drawing as a list of commands, kept from one frame to the next:
// only where the lists differ can the picture differ, so only there is the
// new list drawn again.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct SDL_Surface;
struct _TTF_Font;

namespace qz {

// A box of the frame: x0 <= x < x1, y0 <= y < y1.
struct ScreenArea {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;

    bool empty() const { return x1 <= x0 || y1 <= y0; }
    bool overlaps(const ScreenArea& other) const;
    ScreenArea joinedWith(const ScreenArea& other) const;
    ScreenArea clippedTo(const ScreenArea& bounds) const;
    bool operator==(const ScreenArea&) const = default;
};

// One picture, fill or text, with everything that decides its pixels. Two
// equal commands drawn over the same pixels leave the same pixels.
struct DrawCommand {
    enum class Kind : std::uint8_t { Picture, Fill, Text };

    Kind kind = Kind::Picture;
    // Picture: the kept picture; the part of it drawn when `partial`.
    const SDL_Surface* picture = nullptr;
    bool partial = false;
    int sourceX = 0;
    int sourceY = 0;
    // Fill: the colour mapped to the frame's format. Text: 0xRRGGBB.
    std::uint32_t colour = 0;
    _TTF_Font* font = nullptr;
    std::string text;
    // Where it draws: the top-left corner, and the size before clipping.
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    ScreenArea area() const { return ScreenArea{x, y, x + w, y + h}; }
    bool operator==(const DrawCommand&) const = default;
};

// The areas where the frame drawn by `after` can differ from the one drawn
// by `before` onto the same pixels: those of every command one list has and
// the other lacks, matched in order. Overlapping areas are joined, so no
// pixel lies in two of them.
std::vector<ScreenArea> changedAreas(std::span<const DrawCommand> before,
                                     std::span<const DrawCommand> after);

}  // namespace qz
