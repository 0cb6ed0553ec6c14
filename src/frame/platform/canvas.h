// The pictures-and-text seam: the window surface, its pictures and fonts.
// Everything that reaches the screen goes through a Canvas.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <utility>

struct SDL_Surface;
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

// Reads pictures from their files. By default a picture is decoded on every
// draw and released at once; with keepDecoded it is decoded once and kept,
// which must not change a single presented pixel (a test holds both paths
// against each other).
class PictureStore {
  public:
    explicit PictureStore(bool keepDecoded = true) : keep_(keepDecoded) {}
    ~PictureStore();
    PictureStore(const PictureStore&) = delete;
    PictureStore& operator=(const PictureStore&) = delete;

    // Null when the file is missing or not a well-formed bitmap.
    SDL_Surface* open(const char* path, bool colourKeyed);
    void release(SDL_Surface* picture);

  private:
    bool keep_;
    std::map<std::pair<std::string, bool>, SDL_Surface*> kept_;
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

    // Solid (non-antialiased) text with its top-left corner at (x, y).
    void drawText(FontSize size, const std::string& text, Rgb colour, int x, int y);
    // Centred on the window: x = width / 2 - text width / 2, integer halves.
    void drawTextCentred(FontSize size, const std::string& text, Rgb colour, int y);

    // Shows the frame: flips the surface, or hands it to the window's presentation.
    void present();

    int width() const;
    int height() const;
    SDL_Surface* surface() const { return screen_; }
    // A digest of every pixel, to compare frames without storing them.
    std::uint64_t pixelDigest() const;
    // Reads one pixel back; tests and frame checks use it.
    Rgb pixel(int x, int y) const;
    bool saveBmp(const std::string& path) const;

  private:
    _TTF_Font* font(FontSize size) const;
    void blitText(FontSize size, const std::string& text, Rgb colour, int x, int y, bool centred);

    SDL_Surface* screen_;
    Presentation* presentation_ = nullptr;
    PictureStore& pictures_;
    const Fonts& fonts_;
};

}  // namespace qz
