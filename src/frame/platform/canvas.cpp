#include "frame/platform/canvas.h"

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include "frame/platform/file_checks.h"
#include "frame/platform/presentation.h"

namespace qz {

PictureStore::~PictureStore() {
    for (auto& entry : kept_) {
        SDL_FreeSurface(entry.second);
    }
}

SDL_Surface* PictureStore::open(const char* path, bool colourKeyed) {
    const auto key = std::make_pair(std::string(path), colourKeyed);
    if (keep_) {
        if (auto found = kept_.find(key); found != kept_.end()) {
            return found->second;
        }
    }
    if (!bitmapFileIsWellFormed(path)) {
        return nullptr;
    }
    SDL_RWops* file = SDL_RWFromFile(path, "rb");
    SDL_Surface* picture = file ? SDL_LoadBMP_RW(file, 1) : nullptr;
    if (picture && colourKeyed) {
        SDL_SetColorKey(picture, SDL_SRCCOLORKEY | SDL_RLEACCEL,
                        SDL_MapRGB(picture->format, ColourKey.r, ColourKey.g, ColourKey.b));
    }
    if (picture && keep_) {
        kept_.emplace(key, picture);
    }
    return picture;
}

void PictureStore::release(SDL_Surface* picture) {
    if (!keep_) {
        SDL_FreeSurface(picture);
    }
}

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
    for (const Point& at : positions) {
        SDL_Rect destination{static_cast<Sint16>(at.x), static_cast<Sint16>(at.y), source.w,
                             source.h};
        SDL_UpperBlit(picture, frame ? &source : nullptr, screen_, &destination);
    }
    pictures_.release(picture);
}

void Canvas::fill(int x, int y, int w, int h, Rgb colour) {
    SDL_Rect area{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
                  static_cast<Uint16>(h)};
    SDL_FillRect(screen_, &area, SDL_MapRGB(screen_->format, colour.r, colour.g, colour.b));
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

namespace {

SDL_Surface* renderText(_TTF_Font* font, const std::string& text, Rgb colour) {
    if (!font || text.empty()) {
        return nullptr;
    }
    return TTF_RenderText_Solid(font, text.c_str(), SDL_Color{colour.r, colour.g, colour.b, 0});
}

}  // namespace

// Renders the text and places it: `x` is the left edge, or the centre line
// of the window when `centred`.
void Canvas::blitText(FontSize size, const std::string& text, Rgb colour, int x, int y,
                      bool centred) {
    SDL_Surface* rendered = renderText(font(size), text, colour);
    if (!rendered) {
        return;
    }
    const int left = centred ? screen_->w / 2 - rendered->w / 2 : x;
    SDL_Rect destination{static_cast<Sint16>(left), static_cast<Sint16>(y), 0, 0};
    SDL_UpperBlit(rendered, nullptr, screen_, &destination);
    SDL_FreeSurface(rendered);
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
