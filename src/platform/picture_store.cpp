#include "platform/picture_store.h"

#include <SDL/SDL.h>

#include <string_view>

#include "platform/canvas.h"
#include "platform/file_checks.h"
#include "platform/pixel_copy.h"

namespace qz {

PictureStore::~PictureStore() {
    for (auto& pictures : kept_) {
        for (auto& entry : pictures) {
            SDL_FreeSurface(entry.second);
        }
    }
}

SDL_Surface* PictureStore::read(const char* path, bool colourKeyed) {
    if (!bitmapFileIsWellFormed(path)) {
        return nullptr;
    }
    ++filesOpened_;
    SDL_RWops* file = SDL_RWFromFile(path, "rb");
    SDL_Surface* picture = file ? SDL_LoadBMP_RW(file, 1) : nullptr;
    if (!picture) {
        return nullptr;
    }
    const SDL_Surface* target = target_ ? target_ : SDL_GetVideoSurface();
    if (keep_ && target && !samePixelFormat(picture, target)) {
        // The frame's own format: blits become plain copies, never conversions.
        if (SDL_Surface* converted = SDL_ConvertSurface(picture, target->format, 0)) {
            SDL_FreeSurface(picture);
            picture = converted;
        }
    }
    if (colourKeyed) {
        SDL_SetColorKey(picture, SDL_SRCCOLORKEY | SDL_RLEACCEL,
                        SDL_MapRGB(picture->format, ColourKey.r, ColourKey.g, ColourKey.b));
    }
    return picture;
}

const char* PictureStore::preload(std::span<const PictureFile> pictures,
                                  const SDL_Surface* target) {
    target_ = target;
    for (const PictureFile& picture : pictures) {
        if (!open(picture.path, picture.colourKeyed)) {
            return picture.path;
        }
    }
    return nullptr;
}

SDL_Surface* PictureStore::open(const char* path, bool colourKeyed) {
    if (!keep_) {
        return read(path, colourKeyed);
    }
    auto& kept = kept_[colourKeyed ? 1 : 0];
    if (auto found = kept.find(std::string_view(path)); found != kept.end()) {
        return found->second;
    }
    SDL_Surface* picture = read(path, colourKeyed);
    if (picture) {
        kept.emplace(path, picture);
        const SDL_Surface* target = target_ ? target_ : SDL_GetVideoSurface();
        if (colourKeyed && target && samePixelFormat(picture, target)) {
            runs_.emplace(picture, findOpaqueRuns(picture));
        }
    }
    return picture;
}

const OpaqueRuns* PictureStore::opaqueRuns(const SDL_Surface* picture) const {
    const auto found = runs_.find(picture);
    return found == runs_.end() ? nullptr : &found->second;
}

void PictureStore::release(SDL_Surface* picture) {
    if (!keep_) {
        SDL_FreeSurface(picture);
    }
}

}  // namespace qz
