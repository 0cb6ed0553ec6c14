#include "platform/canvas.h"

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include "platform/pixel_copy.h"
#include "platform/presentation.h"

namespace qz {

void Canvas::drawSprite(const char* path, bool colourKeyed, const FrameRect* frame,
                        std::span<const Point> positions) {
    SDL_Surface* picture = pictures_.open(path, colourKeyed);
    if (!picture) {
        return;
    }
    for (const Point& at : positions) {
        DrawCommand command;
        command.kind = DrawCommand::Kind::Picture;
        command.picture = picture;
        command.partial = frame != nullptr;
        command.sourceX = frame ? frame->x : 0;
        command.sourceY = frame ? frame->y : 0;
        command.x = at.x;
        command.y = at.y;
        command.w = frame ? frame->w : picture->w;
        command.h = frame ? frame->h : picture->h;
        draw(std::move(command));
    }
    pictures_.release(picture);
}

void Canvas::fill(int x, int y, int w, int h, Rgb colour) {
    DrawCommand command;
    command.kind = DrawCommand::Kind::Fill;
    command.colour = SDL_MapRGB(screen_->format, colour.r, colour.g, colour.b);
    command.x = x;
    command.y = y;
    // The sizes as the display library would take them.
    command.w = static_cast<Uint16>(w);
    command.h = static_cast<Uint16>(h);
    draw(std::move(command));
}

void Canvas::draw(DrawCommand command) {
    if (pictures_.keepsDecoded()) {
        pending_.push_back(std::move(command));
    } else {
        carryOut(command);
    }
}

void Canvas::carryOut(const DrawCommand& c) {
    const bool kept = pictures_.keepsDecoded() && !SDL_MUSTLOCK(screen_);
    switch (c.kind) {
        case DrawCommand::Kind::Picture: {
            auto* picture = const_cast<SDL_Surface*>(c.picture);
            SDL_Rect source = sdlRect(c.sourceX, c.sourceY, c.w, c.h);
            SDL_Rect* part = c.partial ? &source : nullptr;
            SDL_Rect destination = sdlRect(c.x, c.y, c.w, c.h);
            if (kept && plainCopyFits(picture, screen_)) {
                // The display library copies these with uncached 8-byte stores.
                copyPicture(picture, part, screen_, c.x, c.y, destination);
            } else if (const OpaqueRuns* opaque = kept && samePixelFormat(picture, screen_)
                                                      ? pictures_.opaqueRuns(picture)
                                                      : nullptr) {
                // Its runs of a few dozen pixels, too, go faster through memcpy.
                copyOpaqueRuns(picture, *opaque, part, screen_, c.x, c.y, destination);
            } else {
                SDL_UpperBlit(picture, part, screen_, &destination);
            }
            countDrawn(destination);
            break;
        }
        case DrawCommand::Kind::Fill: {
            SDL_Rect area = sdlRect(c.x, c.y, c.w, c.h);
            if (!kept || screen_->format->BytesPerPixel != 3) {
                SDL_FillRect(screen_, &area, c.colour);
            } else {
                // Three bytes a pixel: the display library writes them one at a time.
                fillThreeByteRect(screen_, c.x, c.y, c.w, c.h, c.colour, area);
            }
            countDrawn(area);
            break;
        }
        case DrawCommand::Kind::Text:
            blitAt(texts_.rendered(c.font, c.text, c.colour, screen_), c.x, c.y);
            break;
    }
}

void Canvas::blitAt(SDL_Surface* picture, int x, int y) {
    if (!picture) {
        return;
    }
    SDL_Rect destination = sdlRect(x, y, 0, 0);
    SDL_UpperBlit(picture, nullptr, screen_, &destination);
    countDrawn(destination);
}

void Canvas::flush() {
    if (pending_.empty()) {
        return;
    }
    const SDL_Rect whole = screen_->clip_rect;
    const ScreenArea bounds{whole.x, whole.y, whole.x + whole.w, whole.y + whole.h};
    for (const ScreenArea& changed : changedAreas(shown_, pending_)) {
        const ScreenArea area = changed.clippedTo(bounds);
        if (area.empty()) {
            continue;
        }
        unshown_.push_back(area);
        SDL_Rect clip = sdlRect(area.x0, area.y0, area.x1 - area.x0, area.y1 - area.y0);
        SDL_SetClipRect(screen_, &clip);
        for (const DrawCommand& command : pending_) {
            if (command.area().overlaps(area)) {
                carryOut(command);
            }
        }
    }
    SDL_SetClipRect(screen_, &whole);
    shown_.swap(pending_);
    pending_.clear();
}

void Canvas::countDrawn(const SDL_Rect& area) {
    bytesDrawn_ += std::uint64_t(area.w) * area.h * screen_->format->BytesPerPixel;
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
    if (!pictures_.keepsDecoded()) {
        // Rendered anew for this one draw, as pictures are read anew.
        SDL_Surface* rendered = renderSolidText(font(size), text, rgb);
        if (rendered) {
            blitAt(rendered, centred ? screen_->w / 2 - rendered->w / 2 : x, y);
            SDL_FreeSurface(rendered);
        }
        return;
    }
    const SDL_Surface* rendered = texts_.rendered(font(size), text, rgb, screen_);
    if (!rendered) {
        return;
    }
    DrawCommand command;
    command.kind = DrawCommand::Kind::Text;
    command.font = font(size);
    command.text = text;
    command.colour = rgb;
    command.x = centred ? screen_->w / 2 - rendered->w / 2 : x;
    command.y = y;
    command.w = rendered->w;
    command.h = rendered->h;
    draw(std::move(command));
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
    flush();
    if (!presentation_) {
        SDL_Flip(screen_);
    } else if (pictures_.keepsDecoded()) {
        presentation_->present(unshown_);
    } else {
        presentation_->present();
    }
    unshown_.clear();
    pictures_.startReading();
}

int Canvas::width() const {
    return screen_->w;
}
int Canvas::height() const {
    return screen_->h;
}

SDL_Surface* Canvas::surface() {
    flush();
    return screen_;
}

Rgb Canvas::pixel(int x, int y) {
    flush();
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

std::uint64_t Canvas::pixelDigest() {
    flush();
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

bool Canvas::saveBmp(const std::string& path) {
    flush();
    return SDL_SaveBMP(screen_, path.c_str()) == 0;
}

}  // namespace qz
