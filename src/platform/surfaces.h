// The surfaces the canvas draws on, as the display library makes them in a
// window and as the browser build makes them in plain memory: reading a
// picture, rendering a text, keying, clipping and mapping colours. Everything
// else the canvas does with their pixels is its own code, the same in both.
#pragma once

#include <cstdint>
#include <string>

#include "platform/picture_store.h"

struct SDL_Surface;
struct SDL_Rect;
struct _TTF_Font;

namespace qz {

// Reads a picture from its file, converted to the format of `target` unless
// that is null, keyed when it is a sprite; null when the file is missing or
// not a well-formed bitmap. The caller frees it with freeSurface.
SDL_Surface* readPicture(Picture picture, const SDL_Surface* target);

// The text as solid rendering draws it, colour keyed, in the format of
// `target`; null for an empty text or a missing font. Freed with freeSurface.
SDL_Surface* renderKeyedText(_TTF_Font* font, const std::string& text, std::uint32_t rgb,
                             const SDL_Surface* target);

void freeSurface(SDL_Surface* surface);

// Whether the pixels may only be touched between a lock and an unlock.
bool mustLock(const SDL_Surface* surface);
// The pixel value of the surface's colour key, its alpha bits cleared.
std::uint32_t colourKeyOf(const SDL_Surface* surface);
// The pixel value of a colour on the surface.
std::uint32_t mapColour(const SDL_Surface* surface, std::uint8_t r, std::uint8_t g, std::uint8_t b);
// Later draws land only inside `clip`.
void setClip(SDL_Surface* surface, const SDL_Rect& clip);
// Draws a colour-keyed surface at the place `destination` gives; its size
// becomes the part written, as the display library's blit leaves it.
void blitKeyed(SDL_Surface* picture, SDL_Surface* target, SDL_Rect& destination);

}  // namespace qz
