#include "platform/pixel_copy.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <cstring>

#include "platform/surfaces.h"

namespace qz {

SDL_Rect sdlRect(int x, int y, int w, int h) {
    return SDL_Rect{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
                    static_cast<Uint16>(h)};
}

namespace {

// Clips a w x h block going to (x, y) to the target's clip rectangle,
// moving the source corner (sx, sy) along; false when nothing is left.
bool clipToTarget(const SDL_Surface* target, int& sx, int& sy, int& x, int& y, int& w, int& h) {
    const SDL_Rect& clip = target->clip_rect;
    if (x < clip.x) {
        sx += clip.x - x;
        w -= clip.x - x;
        x = clip.x;
    }
    if (y < clip.y) {
        sy += clip.y - y;
        h -= clip.y - y;
        y = clip.y;
    }
    w = std::min(w, clip.x + clip.w - x);
    h = std::min(h, clip.y + clip.h - y);
    return w > 0 && h > 0;
}

}  // namespace

bool samePixelFormat(const SDL_Surface* a, const SDL_Surface* b) {
    const SDL_PixelFormat* f = a->format;
    const SDL_PixelFormat* g = b->format;
    return f->BytesPerPixel == g->BytesPerPixel && f->Rmask == g->Rmask && f->Gmask == g->Gmask &&
           f->Bmask == g->Bmask;
}

bool plainCopyFits(const SDL_Surface* picture, const SDL_Surface* target) {
    return !(picture->flags & SDL_SRCCOLORKEY) && !(picture->flags & SDL_SRCALPHA) &&
           !picture->format->palette && !mustLock(picture) && !mustLock(target) &&
           samePixelFormat(picture, target);
}

namespace {

// Clips as a blit does, first to the picture, then to the target; false
// when nothing is left to draw.
bool clipCopy(const SDL_Surface* picture, const SDL_Rect* source, const SDL_Surface* target,
              int& sx, int& sy, int& x, int& y, int& w, int& h) {
    sx = source ? source->x : 0;
    sy = source ? source->y : 0;
    w = source ? source->w : picture->w;
    h = source ? source->h : picture->h;
    if (sx < 0) {
        w += sx;
        x -= sx;
        sx = 0;
    }
    if (sy < 0) {
        h += sy;
        y -= sy;
        sy = 0;
    }
    w = std::min(w, picture->w - sx);
    h = std::min(h, picture->h - sy);
    return w > 0 && h > 0 && clipToTarget(target, sx, sy, x, y, w, h);
}

}  // namespace

void copyPicture(const SDL_Surface* picture, const SDL_Rect* source, SDL_Surface* target, int x,
                 int y, SDL_Rect& drawn) {
    drawn = sdlRect(x, y, 0, 0);
    int sx = 0, sy = 0, w = 0, h = 0;
    if (!clipCopy(picture, source, target, sx, sy, x, y, w, h)) {
        return;
    }
    const int bpp = target->format->BytesPerPixel;
    const auto* from = static_cast<const Uint8*>(picture->pixels) + sy * picture->pitch + sx * bpp;
    auto* to = static_cast<Uint8*>(target->pixels) + y * target->pitch + x * bpp;
    for (int row = 0; row < h; ++row) {
        std::memcpy(to + row * target->pitch, from + row * picture->pitch,
                    static_cast<std::size_t>(w) * bpp);
    }
    drawn = sdlRect(x, y, w, h);
}

OpaqueRuns findOpaqueRuns(const SDL_Surface* picture) {
    const SDL_PixelFormat* f = picture->format;
    const int bpp = f->BytesPerPixel;
    const Uint32 key = colourKeyOf(picture);
    OpaqueRuns opaque;
    for (int y = 0; y < picture->h; ++y) {
        opaque.rowStart.push_back(static_cast<std::uint32_t>(opaque.runs.size()));
        const auto* row = static_cast<const Uint8*>(picture->pixels) + y * picture->pitch;
        int runStart = -1;
        for (int x = 0; x <= picture->w; ++x) {
            bool keyed = true;
            if (x < picture->w) {
                Uint32 pixel = 0;
                std::memcpy(&pixel, row + x * bpp, static_cast<std::size_t>(bpp));
                keyed = (pixel & ~f->Amask) == key;
            }
            if (!keyed && runStart < 0) {
                runStart = x;
            } else if (keyed && runStart >= 0) {
                opaque.runs.emplace_back(static_cast<std::uint16_t>(runStart),
                                         static_cast<std::uint16_t>(x - runStart));
                runStart = -1;
            }
        }
    }
    opaque.rowStart.push_back(static_cast<std::uint32_t>(opaque.runs.size()));
    return opaque;
}

void copyOpaqueRuns(const SDL_Surface* picture, const OpaqueRuns& opaque, const SDL_Rect* source,
                    SDL_Surface* target, int x, int y, SDL_Rect& drawn) {
    drawn = sdlRect(x, y, 0, 0);
    int sx = 0, sy = 0, w = 0, h = 0;
    if (!clipCopy(picture, source, target, sx, sy, x, y, w, h)) {
        return;
    }
    const int bpp = target->format->BytesPerPixel;
    for (int row = 0; row < h; ++row) {
        const auto* from = static_cast<const Uint8*>(picture->pixels) + (sy + row) * picture->pitch;
        auto* to = static_cast<Uint8*>(target->pixels) + (y + row) * target->pitch + (x - sx) * bpp;
        const auto r = static_cast<std::size_t>(sy + row);
        for (std::uint32_t i = opaque.rowStart[r]; i < opaque.rowStart[r + 1]; ++i) {
            const int first = std::max(int(opaque.runs[i].first), sx);
            const int last = std::min(opaque.runs[i].first + opaque.runs[i].second, sx + w);
            if (first < last) {
                std::memcpy(to + first * bpp, from + first * bpp,
                            static_cast<std::size_t>(last - first) * bpp);
            }
        }
    }
    drawn = sdlRect(x, y, w, h);
}

void fillThreeByteRect(SDL_Surface* target, int x, int y, int w, int h, std::uint32_t value,
                       SDL_Rect& drawn) {
    drawn = sdlRect(x, y, 0, 0);
    int sx = 0;
    int sy = 0;
    if (w <= 0 || h <= 0 || !clipToTarget(target, sx, sy, x, y, w, h)) {
        return;
    }
    // One row written pixel by pixel, the others copied from it.
    auto* first = static_cast<Uint8*>(target->pixels) + y * target->pitch + x * 3;
    for (int i = 0; i < w; ++i) {
        first[i * 3] = static_cast<Uint8>(value);
        first[i * 3 + 1] = static_cast<Uint8>(value >> 8);
        first[i * 3 + 2] = static_cast<Uint8>(value >> 16);
    }
    for (int row = 1; row < h; ++row) {
        std::memcpy(first + row * target->pitch, first, static_cast<std::size_t>(w) * 3);
    }
    drawn = sdlRect(x, y, w, h);
}

bool widensTo(const SDL_Surface* frame, const SDL_Surface* target) {
    const SDL_PixelFormat* f = frame->format;
    const SDL_PixelFormat* g = target->format;
    return f->BytesPerPixel == 3 && g->BytesPerPixel == 4 && !g->Amask && f->Rmask == g->Rmask &&
           f->Gmask == g->Gmask && f->Bmask == g->Bmask && f->Rmask == 0xFF0000 &&
           f->Gmask == 0xFF00 && f->Bmask == 0xFF;
}

void widenPixels(const SDL_Surface* frame, SDL_Surface* target, int left, int top) {
    widenPixels(frame, target, left, top, ScreenArea{0, 0, frame->w, frame->h});
}

void widenPixels(const SDL_Surface* frame, SDL_Surface* target, int left, int top,
                 const ScreenArea& part) {
    SDL_LockSurface(target);
    for (int y = part.y0; y < part.y1; ++y) {
        const auto* from =
            static_cast<const Uint8*>(frame->pixels) + y * frame->pitch + part.x0 * 3;
        auto* to =
            static_cast<Uint8*>(target->pixels) + (top + y) * target->pitch + (left + part.x0) * 4;
        for (int x = part.x0; x < part.x1; ++x, from += 3, to += 4) {
            const Uint32 pixel = Uint32(from[0]) | Uint32(from[1]) << 8 | Uint32(from[2]) << 16;
            std::memcpy(to, &pixel, 4);
        }
    }
    SDL_UnlockSurface(target);
}

}  // namespace qz
