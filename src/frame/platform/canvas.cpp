#include "frame/platform/canvas.h"

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include "frame/platform/pixel_copy.h"
#include "frame/platform/presentation.h"

namespace qz {

void Canvas::drawSprite(const char* path, bool colourKeyed, const FrameRect* frame,
                        std::span<const Point> positions) {
    SDL_Surface* picture = pictures_.open(path, colourKeyed);
    if (!picture) {
        return;
    }
    SDL_Rect source{};
    if (frame) {
        source = SDL_Rect{static_cast<Sint16>(frame->x), static_cast<Sint16>(frame->y),
                          static_cast<Uint16>(frame->w), static_cast<Uint16>(frame->h)};
    }
    const bool kept = pictures_.keepsDecoded() && !SDL_MUSTLOCK(screen_);
    const bool plainCopy = kept && plainCopyFits(picture, screen_);
    const OpaqueRuns* opaque = kept && colourKeyed && samePixelFormat(picture, screen_)
                                   ? pictures_.opaqueRuns(picture)
                                   : nullptr;
    for (const Point& at : positions) {
        SDL_Rect destination{static_cast<Sint16>(at.x), static_cast<Sint16>(at.y), source.w,
                             source.h};
        if (plainCopy) {
            // The display library copies these with uncached 8-byte stores.
            copyPicture(picture, frame ? &source : nullptr, screen_, at.x, at.y, destination);
        } else if (opaque) {
            // Its runs of a few dozen pixels, too, go faster through memcpy.
            copyOpaqueRuns(picture, *opaque, frame ? &source : nullptr, screen_, at.x, at.y,
                           destination);
        } else {
            SDL_UpperBlit(picture, frame ? &source : nullptr, screen_, &destination);
        }
        countDrawn(destination);
    }
    pictures_.release(picture);
}

void Canvas::countDrawn(const SDL_Rect& area) {
    bytesDrawn_ += std::uint64_t(area.w) * area.h * screen_->format->BytesPerPixel;
}

void Canvas::fill(int x, int y, int w, int h, Rgb colour) {
    SDL_Rect area{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
                  static_cast<Uint16>(h)};
    const Uint32 value = SDL_MapRGB(screen_->format, colour.r, colour.g, colour.b);
    if (!pictures_.keepsDecoded() || screen_->format->BytesPerPixel != 3 || SDL_MUSTLOCK(screen_)) {
        SDL_FillRect(screen_, &area, value);
        countDrawn(area);
        return;
    }
    // Three bytes a pixel: the display library writes them one at a time.
    SDL_Rect drawn{};
    fillThreeByteRect(screen_, x, y, w, h, value, drawn);
    countDrawn(drawn);
}

_TTF_Font* Canvas::font(FontSize size) const {
    switch (size) {
        case FontSize::Small:
            return fonts_.small;
        case FontSize::Medium:
            return fonts_.medium;
        case FontSize::Large:
            return fonts_.large;
    }
    return nullptr;
}

// Renders the text and places it: `x` is the left edge, or the centre line
// of the window when `centred`.
void Canvas::blitText(FontSize size, const std::string& text, Rgb colour, int x, int y,
                      bool centred) {
    const std::uint32_t rgb =
        std::uint32_t(colour.r) << 16 | std::uint32_t(colour.g) << 8 | colour.b;
    const bool keep = pictures_.keepsDecoded();
    SDL_Surface* rendered = keep ? texts_.rendered(font(size), text, rgb, screen_)
                                 : renderSolidText(font(size), text, rgb);
    if (!rendered) {
        return;
    }
    const int left = centred ? screen_->w / 2 - rendered->w / 2 : x;
    SDL_Rect destination{static_cast<Sint16>(left), static_cast<Sint16>(y), 0, 0};
    SDL_UpperBlit(rendered, nullptr, screen_, &destination);
    countDrawn(destination);
    if (!keep) {
        SDL_FreeSurface(rendered);
    }
}

void Canvas::drawText(FontSize size, const std::string& text, Rgb colour, int x, int y) {
    blitText(size, text, colour, x, y, false);
}

void Canvas::drawTextCentred(FontSize size, const std::string& text, Rgb colour, int y) {
    blitText(size, text, colour, 0, y, true);
}

Canvas::Canvas(Presentation& presentation, PictureStore& pictures, const Fonts& fonts)
    : screen_(presentation.frame()),
      presentation_(&presentation),
      pictures_(pictures),
      fonts_(fonts) {}

void Canvas::present() {
    if (presentation_) {
        presentation_->present();
    } else {
        SDL_Flip(screen_);
    }
}

int Canvas::width() const {
    return screen_->w;
}
int Canvas::height() const {
    return screen_->h;
}

Rgb Canvas::pixel(int x, int y) const {
    SDL_LockSurface(screen_);
    const SDL_PixelFormat* f = screen_->format;
    const auto* row = static_cast<const Uint8*>(screen_->pixels) + y * screen_->pitch;
    const Uint8* p = row + x * f->BytesPerPixel;
    Uint32 value = 0;
    for (int i = 0; i < f->BytesPerPixel; ++i) {
        value |= Uint32(p[i]) << (8 * i);
    }
    SDL_UnlockSurface(screen_);
    Rgb colour{};
    SDL_GetRGB(value, screen_->format, &colour.r, &colour.g, &colour.b);
    return colour;
}

std::uint64_t Canvas::pixelDigest() const {
    // FNV-1a over the visible bytes of every row (the pitch padding is not part of the picture).
    std::uint64_t hash = 1469598103934665603ULL;
    SDL_LockSurface(screen_);
    const int rowBytes = screen_->w * screen_->format->BytesPerPixel;
    for (int y = 0; y < screen_->h; ++y) {
        const auto* row = static_cast<const Uint8*>(screen_->pixels) + y * screen_->pitch;
        for (int i = 0; i < rowBytes; ++i) {
            hash = (hash ^ row[i]) * 1099511628211ULL;
        }
    }
    SDL_UnlockSurface(screen_);
    return hash;
}

bool Canvas::saveBmp(const std::string& path) const {
    return SDL_SaveBMP(screen_, path.c_str()) == 0;
}

}  // namespace qz
