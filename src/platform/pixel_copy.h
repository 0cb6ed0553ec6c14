// Plain copies and fills onto a software surface, clipped as the display
// library clips its blits, for where its own routines are slow.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/draw_list.h"

struct SDL_Surface;
struct SDL_Rect;

namespace qz {

// The display library's rectangle, its fields narrowed as it keeps them.
SDL_Rect sdlRect(int x, int y, int w, int h);

// Whether two surfaces hold their pixels alike: bytes a pixel and channel masks.
bool samePixelFormat(const SDL_Surface* a, const SDL_Surface* b);

// Whether `picture` can be copied byte for byte onto `target`: the same
// pixel format, no colour key, neither needing a lock.
bool plainCopyFits(const SDL_Surface* picture, const SDL_Surface* target);

// Copies the `source` part of `picture` (all of it when null) to (x, y) on
// `target`, clipped to both; `drawn` becomes the part of `target` written.
void copyPicture(const SDL_Surface* picture, const SDL_Rect* source, SDL_Surface* target, int x,
                 int y, SDL_Rect& drawn);

// The opaque runs of a colour-keyed picture, row by row.
struct OpaqueRuns {
    std::vector<std::uint32_t> rowStart;  // where each row's runs begin in `runs`; h + 1 entries
    std::vector<std::pair<std::uint16_t, std::uint16_t>> runs;  // first column, length
};

// Finds every run of pixels other than the picture's colour key.
OpaqueRuns findOpaqueRuns(const SDL_Surface* picture);

// As copyPicture, but only the opaque runs: a colour-keyed blit whose runs
// are copied with the C library's copy rather than the display library's.
void copyOpaqueRuns(const SDL_Surface* picture, const OpaqueRuns& opaque, const SDL_Rect* source,
                    SDL_Surface* target, int x, int y, SDL_Rect& drawn);

// Fills a rectangle of a 3-byte-a-pixel surface with the mapped colour
// `value`; `drawn` becomes the part written.
void fillThreeByteRect(SDL_Surface* target, int x, int y, int w, int h, std::uint32_t value,
                       SDL_Rect& drawn);

// Whether `widenPixels` can copy `frame` onto `target`: three bytes a pixel
// to four, the same channel masks.
bool widensTo(const SDL_Surface* frame, const SDL_Surface* target);

// Copies the frame to (left, top) of `target`, each pixel's three bytes into
// four with the fourth 0, as the display library converts them, only faster.
// Only `part` of the frame, when given, to its own place.
void widenPixels(const SDL_Surface* frame, SDL_Surface* target, int left, int top);
void widenPixels(const SDL_Surface* frame, SDL_Surface* target, int left, int top,
                 const ScreenArea& part);

}  // namespace qz
