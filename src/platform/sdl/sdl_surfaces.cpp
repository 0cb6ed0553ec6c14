#include "platform/surfaces.h"

#include <SDL/SDL.h>

#include "platform/canvas.h"
#include "platform/file_checks.h"
#include "platform/pixel_copy.h"
#include "platform/text_cache.h"

namespace qz {

SDL_Surface* readPicture(Picture picture, const SDL_Surface* target) {
    if (!bitmapFileIsWellFormed(picture.path)) {
        return nullptr;
    }
    SDL_RWops* file = SDL_RWFromFile(picture.path, "rb");
    SDL_Surface* read = file ? SDL_LoadBMP_RW(file, 1) : nullptr;
    if (!read) {
        return nullptr;
    }
    if (target && !samePixelFormat(read, target)) {
        if (SDL_Surface* converted = SDL_ConvertSurface(read, target->format, 0)) {
            SDL_FreeSurface(read);
            read = converted;
        }
    }
    if (picture.colourKeyed) {
        SDL_SetColorKey(read, SDL_SRCCOLORKEY | SDL_RLEACCEL,
                        SDL_MapRGB(read->format, ColourKey.r, ColourKey.g, ColourKey.b));
    }
    return read;
}

SDL_Surface* renderKeyedText(_TTF_Font* font, const std::string& text, std::uint32_t rgb,
                             const SDL_Surface* target) {
    SDL_Surface* solid = renderSolidText(font, text, rgb);
    if (!solid) {
        return nullptr;
    }
    // Converting keeps the keyed background keyed, mapped to the target's
    // format; the text's own colour can never equal it (it is its complement).
    SDL_Surface* surface = SDL_ConvertSurface(solid, target->format, SDL_SRCCOLORKEY);
    if (!surface) {
        return solid;
    }
    SDL_FreeSurface(solid);
    SDL_SetColorKey(surface, SDL_SRCCOLORKEY | SDL_RLEACCEL, surface->format->colorkey);
    return surface;
}

void freeSurface(SDL_Surface* surface) {
    SDL_FreeSurface(surface);
}

bool mustLock(const SDL_Surface* surface) {
    return SDL_MUSTLOCK(surface);
}

std::uint32_t colourKeyOf(const SDL_Surface* surface) {
    return surface->format->colorkey & ~surface->format->Amask;
}

std::uint32_t mapColour(const SDL_Surface* surface, std::uint8_t r, std::uint8_t g,
                        std::uint8_t b) {
    return SDL_MapRGB(surface->format, r, g, b);
}

void setClip(SDL_Surface* surface, const SDL_Rect& clip) {
    SDL_SetClipRect(surface, &clip);
}

void blitKeyed(SDL_Surface* picture, SDL_Surface* target, SDL_Rect& destination) {
    SDL_UpperBlit(picture, nullptr, target, &destination);
}

}  // namespace qz
