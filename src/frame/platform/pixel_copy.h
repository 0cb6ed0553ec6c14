// Plain copies and fills onto a software surface, clipped as the display
// library clips its blits, for where its own routines are slow.
#pragma once

#include <cstdint>

struct SDL_Surface;
struct SDL_Rect;

namespace qz {

// Whether two surfaces hold their pixels alike: bytes a pixel and channel masks.
bool samePixelFormat(const SDL_Surface* a, const SDL_Surface* b);

// Whether `picture` can be copied byte for byte onto `target`: the same
// pixel format, no colour key, neither needing a lock.
bool plainCopyFits(const SDL_Surface* picture, const SDL_Surface* target);

// Copies the `source` part of `picture` (all of it when null) to (x, y) on
// `target`, clipped to both; `drawn` becomes the part of `target` written.
void copyPicture(const SDL_Surface* picture, const SDL_Rect* source, SDL_Surface* target, int x,
                 int y, SDL_Rect& drawn);

// Fills a rectangle of a 3-byte-a-pixel surface with the mapped colour
// `value`; `drawn` becomes the part written.
void fillThreeByteRect(SDL_Surface* target, int x, int y, int w, int h, std::uint32_t value,
                       SDL_Rect& drawn);

// Whether `widenPixels` can copy `frame` onto `target`: three bytes a pixel
// to four, the same channel masks.
bool widensTo(const SDL_Surface* frame, const SDL_Surface* target);

// Copies the frame to (left, top) of `target`, each pixel's three bytes into
// four with the fourth 0, as the display library converts them, only faster.
void widenPixels(const SDL_Surface* frame, SDL_Surface* target, int left, int top);

}  // namespace qz
