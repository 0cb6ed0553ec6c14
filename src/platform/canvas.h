// The pictures-and-text seam: the window surface, its pictures and fonts.
// Everything that reaches the screen goes through a Canvas. The game draws on
// a KeptCanvas; a ReadingCanvas draws the same frames the plain way, to prove
// them the same. The surface is the canvas's own; nothing else draws on it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/drawing.h"
#include "platform/draw_list.h"
#include "platform/picture_store.h"
#include "platform/text_cache.h"

struct SDL_Surface;
struct SDL_Rect;
struct _TTF_Font;

namespace qz {

struct Fonts {
    _TTF_Font* small = nullptr;
    _TTF_Font* medium = nullptr;
    _TTF_Font* large = nullptr;
};

class Presentation;

class Canvas {
  public:
    virtual ~Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // The one picture routine: the whole picture, or the part of it given
    // (a cell of a sprite sheet), at each position; a sprite over its key.
    virtual void drawSprite(Picture picture, const Rect* part,
                            std::span<const Point> positions) = 0;
    void drawSprite(Picture picture, const Rect* part, Point position) {
        drawSprite(picture, part, std::span<const Point>(&position, 1));
    }

    virtual void fill(int x, int y, int w, int h, Rgb colour) = 0;

    // Solid (non-antialiased) text with its top-left corner at (x, y).
    void drawText(FontSize size, const std::string& text, Rgb colour, int x, int y) {
        placeText(size, text, colour, x, y, false);
    }
    // Centred on the window: x = width / 2 - text width / 2, integer halves.
    void drawTextCentred(FontSize size, const std::string& text, Rgb colour, int y) {
        placeText(size, text, colour, 0, y, true);
    }

    // Carries out a frame's draws in their order, from the `from`th on.
    void draw(const Drawing& drawing, std::size_t from = 0);

    // Shows the frame: flips the surface, or hands it to the window's presentation.
    virtual void present() = 0;
    // Waits until every picture the game draws has been read; false when
    // one could not be.
    virtual bool finishReadingPictures() { return true; }

    int width() const;
    int height() const;
    // The frame with everything drawn so far on it.
    virtual SDL_Surface* surface() = 0;
    // A digest of every pixel, to compare frames without storing them.
    std::uint64_t pixelDigest();
    // Reads one pixel back; tests and frame checks use it.
    Rgb pixel(int x, int y);
    bool saveBmp(const std::string& path);
    // Bytes of the frame written by draws and fills so far (after clipping).
    std::uint64_t bytesDrawn() const { return bytesDrawn_; }

  protected:
    Canvas(SDL_Surface* screen, Presentation* presentation, const Fonts& fonts)
        : screen_(screen), presentation_(presentation), fonts_(fonts) {}

    // Renders the text and places it: `x` is the left edge, or the centre
    // line of the window when `centred`.
    virtual void placeText(FontSize size, const std::string& text, Rgb colour, int x, int y,
                           bool centred) = 0;
    _TTF_Font* font(FontSize size) const;
    static std::uint32_t rgbOf(Rgb colour);
    void countDrawn(const SDL_Rect& area);
    void blitAt(SDL_Surface* picture, int x, int y);

    SDL_Surface* screen_;
    Presentation* presentation_;
    const Fonts& fonts_;
    std::uint64_t bytesDrawn_ = 0;
};

// The game's canvas. Pictures are kept decoded and texts kept rendered; a
// frame's commands are drawn when it is shown or read, and only where they
// differ from the last frame's, so the pixels come out exactly as if every
// command had been drawn in order. Only the changed areas reach the window.
class KeptCanvas final : public Canvas {
  public:
    KeptCanvas(SDL_Surface* screen, PictureStore& pictures, const Fonts& fonts)
        : Canvas(screen, nullptr, fonts), pictures_(pictures) {}
    // The game's window: its frame is drawn into and shown through `presentation`.
    KeptCanvas(Presentation& presentation, PictureStore& pictures, const Fonts& fonts);

    void drawSprite(Picture picture, const Rect* part, std::span<const Point> positions) override;
    void fill(int x, int y, int w, int h, Rgb colour) override;
    // Then the picture store may read the pictures it has left.
    void present() override;
    bool finishReadingPictures() override { return pictures_.finishReading() == nullptr; }
    SDL_Surface* surface() override;
    std::size_t textsKept() const { return texts_.size(); }

  private:
    void placeText(FontSize size, const std::string& text, Rgb colour, int x, int y,
                   bool centred) override;
    void carryOut(const DrawCommand& command);
    // Brings the surface up to date with the commands kept since the last time.
    void flush();

    PictureStore& pictures_;
    // Pictures that could not be read: a missing one is not looked for at every draw.
    std::vector<std::string_view> unreadable_;
    TextCache texts_;
    std::vector<DrawCommand> pending_;  // drawn since the frame was last brought up to date
    std::vector<DrawCommand> shown_;    // what the surface shows
    std::vector<ScreenArea> unshown_;   // drawn since the frame was last presented
};

// The plain way, kept to prove the game's canvas right: every picture read
// from its file at every draw, every text rendered anew, each drawn at once
// by the display library, and the whole frame shown.
class ReadingCanvas final : public Canvas {
  public:
    ReadingCanvas(SDL_Surface* screen, const Fonts& fonts) : Canvas(screen, nullptr, fonts) {}

    void drawSprite(Picture picture, const Rect* part, std::span<const Point> positions) override;
    void fill(int x, int y, int w, int h, Rgb colour) override;
    void present() override;
    SDL_Surface* surface() override { return screen_; }
    // Picture files read so far.
    int filesOpened() const { return filesOpened_; }

  private:
    void placeText(FontSize size, const std::string& text, Rgb colour, int x, int y,
                   bool centred) override;

    int filesOpened_ = 0;
};

}  // namespace qz
