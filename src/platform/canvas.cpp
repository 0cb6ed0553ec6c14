#include "platform/canvas.h"

#include <algorithm>

#include <SDL/SDL.h>

#include "platform/pixel_copy.h"
#include "platform/presentation.h"
#include "platform/surfaces.h"

namespace qz {

// What every canvas shares.

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

std::uint32_t Canvas::rgbOf(Rgb colour) {
    return std::uint32_t(colour.r) << 16 | std::uint32_t(colour.g) << 8 | colour.b;
}

void Canvas::countDrawn(const SDL_Rect& area) {
    bytesDrawn_ += std::uint64_t(area.w) * area.h * screen_->format->BytesPerPixel;
}

void Canvas::blitAt(SDL_Surface* picture, int x, int y) {
    if (!picture) {
        return;
    }
    SDL_Rect destination = sdlRect(x, y, 0, 0);
    blitKeyed(picture, screen_, destination);
    countDrawn(destination);
}

void Canvas::draw(const Drawing& drawing, std::size_t from) {
    for (const DrawRequest& request : drawing.requests().subspan(from)) {
        switch (request.kind) {
            case DrawRequest::Kind::Sprite:
                drawSprite(request.picture, request.partial ? &request.box : nullptr,
                           drawing.positions(request));
                break;
            case DrawRequest::Kind::Fill:
                fill(request.box.x, request.box.y, request.box.w, request.box.h, request.colour);
                break;
            case DrawRequest::Kind::Text:
                drawText(request.size, request.text, request.colour, request.at.x, request.at.y);
                break;
            case DrawRequest::Kind::CentredText:
                drawTextCentred(request.size, request.text, request.colour, request.at.y);
                break;
        }
    }
}

int Canvas::width() const {
    return screen_->w;
}
int Canvas::height() const {
    return screen_->h;
}

Rgb Canvas::pixel(int x, int y) {
    surface();  // brought up to date
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
    surface();  // brought up to date
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
    return SDL_SaveBMP(surface(), path.c_str()) == 0;
}

// The game's canvas.

KeptCanvas::KeptCanvas(Presentation& presentation, PictureStore& pictures, const Fonts& fonts)
    : Canvas(presentation.frame(), &presentation, fonts), pictures_(pictures) {}

void KeptCanvas::drawSprite(Picture picture, const Rect* part, std::span<const Point> positions) {
    if (std::find(unreadable_.begin(), unreadable_.end(), picture.path) != unreadable_.end()) {
        return;
    }
    SDL_Surface* kept = pictures_.open(picture);
    if (!kept) {
        unreadable_.push_back(picture.path);
        return;
    }
    for (const Point& at : positions) {
        DrawCommand command;
        command.kind = DrawCommand::Kind::Picture;
        command.picture = kept;
        command.partial = part != nullptr;
        command.sourceX = part ? part->x : 0;
        command.sourceY = part ? part->y : 0;
        // The corner as the display library takes it: far-off places wrap.
        command.x = static_cast<Sint16>(at.x);
        command.y = static_cast<Sint16>(at.y);
        command.w = part ? part->w : kept->w;
        command.h = part ? part->h : kept->h;
        pending_.push_back(std::move(command));
    }
}

void KeptCanvas::fill(int x, int y, int w, int h, Rgb colour) {
    DrawCommand command;
    command.kind = DrawCommand::Kind::Fill;
    command.colour = mapColour(screen_, colour.r, colour.g, colour.b);
    // The corner and sizes as the display library would take them.
    command.x = static_cast<Sint16>(x);
    command.y = static_cast<Sint16>(y);
    command.w = static_cast<Uint16>(w);
    command.h = static_cast<Uint16>(h);
    pending_.push_back(std::move(command));
}

void KeptCanvas::placeText(FontSize size, const std::string& text, Rgb colour, int x, int y,
                           bool centred) {
    const SDL_Surface* rendered = texts_.rendered(font(size), text, rgbOf(colour), screen_);
    if (!rendered) {
        return;
    }
    DrawCommand command;
    command.kind = DrawCommand::Kind::Text;
    command.font = font(size);
    command.text = text;
    command.colour = rgbOf(colour);
    command.x = static_cast<Sint16>(centred ? screen_->w / 2 - rendered->w / 2 : x);
    command.y = static_cast<Sint16>(y);
    command.w = rendered->w;
    command.h = rendered->h;
    pending_.push_back(std::move(command));
}

void KeptCanvas::carryOut(const DrawCommand& c) {
    const bool direct = !mustLock(screen_);
    switch (c.kind) {
        case DrawCommand::Kind::Picture: {
            auto* picture = const_cast<SDL_Surface*>(c.picture);
            SDL_Rect source = sdlRect(c.sourceX, c.sourceY, c.w, c.h);
            SDL_Rect* part = c.partial ? &source : nullptr;
            SDL_Rect destination = sdlRect(c.x, c.y, c.w, c.h);
            if (direct && plainCopyFits(picture, screen_)) {
                // The display library copies these with uncached 8-byte stores.
                copyPicture(picture, part, screen_, c.x, c.y, destination);
            } else if (const OpaqueRuns* opaque = direct && samePixelFormat(picture, screen_)
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
            if (!direct || screen_->format->BytesPerPixel != 3) {
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

void KeptCanvas::flush() {
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
        setClip(screen_, clip);
        for (const DrawCommand& command : pending_) {
            if (command.area().overlaps(area)) {
                carryOut(command);
            }
        }
    }
    setClip(screen_, whole);
    shown_.swap(pending_);
    pending_.clear();
}

void KeptCanvas::present() {
    flush();
    if (presentation_) {
        presentation_->present(unshown_);
    } else {
        SDL_Flip(screen_);
    }
    unshown_.clear();
    pictures_.startReading();
}

SDL_Surface* KeptCanvas::surface() {
    flush();
    return screen_;
}

// The plain way.

void ReadingCanvas::drawSprite(Picture picture, const Rect* part,
                               std::span<const Point> positions) {
    ++filesOpened_;
    SDL_Surface* read = readPicture(picture, nullptr);
    if (!read) {
        return;
    }
    for (const Point& at : positions) {
        SDL_Rect source = sdlRect(part ? part->x : 0, part ? part->y : 0, part ? part->w : read->w,
                                  part ? part->h : read->h);
        SDL_Rect destination = sdlRect(at.x, at.y, source.w, source.h);
        SDL_UpperBlit(read, part ? &source : nullptr, screen_, &destination);
        countDrawn(destination);
    }
    SDL_FreeSurface(read);
}

void ReadingCanvas::fill(int x, int y, int w, int h, Rgb colour) {
    SDL_Rect area = sdlRect(x, y, w, h);
    SDL_FillRect(screen_, &area, SDL_MapRGB(screen_->format, colour.r, colour.g, colour.b));
    countDrawn(area);
}

void ReadingCanvas::placeText(FontSize size, const std::string& text, Rgb colour, int x, int y,
                              bool centred) {
    if (SDL_Surface* rendered = renderSolidText(font(size), text, rgbOf(colour))) {
        blitAt(rendered, centred ? screen_->w / 2 - rendered->w / 2 : x, y);
        SDL_FreeSurface(rendered);
    }
}

void ReadingCanvas::present() {
    SDL_Flip(screen_);
}

}  // namespace qz
