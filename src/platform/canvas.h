// The pictures-and-text seam: the window surface, its pictures and fonts.
// Everything that reaches the screen goes through a Canvas.
//
// With kept pictures a Canvas draws a frame's commands when the frame is
// shown or read, and only where they differ from the last frame's: the
// pixels come out exactly as if every command had been drawn in order. The
// surface is the Canvas's own; nothing else may draw onto it.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/draw_list.h"
#include "platform/picture_store.h"
#include "platform/text_cache.h"

struct SDL_Surface;
struct SDL_Rect;
struct _TTF_Font;

namespace qz {

struct Point {
    int x;
    int y;
};

// A frame cut out of a sprite sheet.
struct FrameRect {
    int x;
    int y;
    int w;
    int h;
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

struct Fonts {
    _TTF_Font* small = nullptr;
    _TTF_Font* medium = nullptr;
    _TTF_Font* large = nullptr;
};

class Presentation;

class Canvas {
  public:
    Canvas(SDL_Surface* screen, PictureStore& pictures, const Fonts& fonts)
        : screen_(screen), pictures_(pictures), fonts_(fonts) {}
    // The game's window: `frame` is drawn into and shown through `presentation`.
    Canvas(Presentation& presentation, PictureStore& pictures, const Fonts& fonts);

    // The one picture routine: read the bitmap, key it when it is a sprite,
    // copy the whole picture or one frame of it to each position, release it.
    void drawSprite(const char* path, bool colourKeyed, const FrameRect* frame,
                    std::span<const Point> positions);
    void drawSprite(const char* path, bool colourKeyed, const FrameRect* frame, Point position) {
        drawSprite(path, colourKeyed, frame, std::span<const Point>(&position, 1));
    }

    void fill(int x, int y, int w, int h, Rgb colour);

    // Solid (non-antialiased) text with its top-left corner at (x, y). Kept
    // rendered between turns when the picture store keeps its pictures.
    void drawText(FontSize size, const std::string& text, Rgb colour, int x, int y);
    // Centred on the window: x = width / 2 - text width / 2, integer halves.
    void drawTextCentred(FontSize size, const std::string& text, Rgb colour, int y);

    // Shows the frame: flips the surface, or hands it to the window's
    // presentation. Then the picture store may read the pictures it has left.
    void present();
    // Waits until the picture store has read every picture it was given;
    // false when one could not be read.
    bool finishReadingPictures() { return pictures_.finishReading() == nullptr; }

    int width() const;
    int height() const;
    // The frame with everything drawn so far on it.
    SDL_Surface* surface();
    // A digest of every pixel, to compare frames without storing them.
    std::uint64_t pixelDigest();
    // Reads one pixel back; tests and frame checks use it.
    Rgb pixel(int x, int y);
    bool saveBmp(const std::string& path);
    // Bytes of the frame written by draws and fills so far (after clipping).
    std::uint64_t bytesDrawn() const { return bytesDrawn_; }
    std::size_t textsKept() const { return texts_.size(); }

  private:
    _TTF_Font* font(FontSize size) const;
    void countDrawn(const SDL_Rect& area);
    void blitText(FontSize size, const std::string& text, Rgb colour, int x, int y, bool centred);
    // Draws now, or keeps the command for the frame's end.
    void draw(DrawCommand command);
    void carryOut(const DrawCommand& command);
    void blitAt(SDL_Surface* picture, int x, int y);
    // Brings the surface up to date with the commands kept since the last time.
    void flush();

    SDL_Surface* screen_;
    Presentation* presentation_ = nullptr;
    PictureStore& pictures_;
    const Fonts& fonts_;
    TextCache texts_;
    std::uint64_t bytesDrawn_ = 0;
    std::vector<DrawCommand> pending_;  // drawn since the frame was last brought up to date
    std::vector<DrawCommand> shown_;    // what the surface shows
    std::vector<ScreenArea> unshown_;   // drawn since the frame was last presented
};

}  // namespace qz
