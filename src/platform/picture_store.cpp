#include "platform/picture_store.h"

#include <SDL/SDL.h>
#include <SDL/SDL_thread.h>

#include <algorithm>
#include <string_view>

#include "platform/pixel_copy.h"
#include "platform/surfaces.h"

namespace qz {

PictureStore::~PictureStore() {
    stopReading_ = true;
    finishReading();
    for (auto& pictures : kept_) {
        for (auto& entry : pictures) {
            freeSurface(entry.second);
        }
    }
}

SDL_Surface* PictureStore::read(Picture picture) {
    ++filesOpened_;
    // The frame's own format: blits become plain copies, never conversions.
    return readPicture(picture, target_ ? target_ : SDL_GetVideoSurface());
}

SDL_Surface* PictureStore::find(std::string_view path, bool colourKeyed) {
    const std::lock_guard lock(keeping_);
    const auto& kept = kept_[colourKeyed ? 1 : 0];
    const auto found = kept.find(path);
    return found == kept.end() ? nullptr : found->second;
}

bool PictureStore::keep(const Picture& picture) {
    if (find(picture.path, picture.colourKeyed)) {
        return true;
    }
    SDL_Surface* surface = read(picture);
    if (!surface) {
        return false;
    }
    const SDL_Surface* target = target_ ? target_ : SDL_GetVideoSurface();
    const bool runs = picture.colourKeyed && target && samePixelFormat(surface, target);
    OpaqueRuns opaque = runs ? findOpaqueRuns(surface) : OpaqueRuns{};
    const std::lock_guard lock(keeping_);
    kept_[picture.colourKeyed ? 1 : 0].emplace(picture.path, surface);
    if (runs) {
        runs_.emplace(surface, std::move(opaque));
    }
    return true;
}

const char* PictureStore::preload(std::span<const Picture> pictures, const SDL_Surface* target) {
    target_ = target;
    for (const Picture& picture : pictures) {
        if (!keep(picture)) {
            return picture.path;
        }
    }
    return nullptr;
}

const char* PictureStore::preloadFirst(std::span<const Picture> pictures, std::size_t now,
                                       const SDL_Surface* target) {
    const auto first = pictures.first(std::min(now, pictures.size()));
    if (const char* missing = preload(first, target)) {
        return missing;
    }
    unread_ = pictures.subspan(first.size());
    return nullptr;
}

void PictureStore::startReading() {
    // The browser build has one thread: there the turn that leaves the title reads them.
#ifndef __EMSCRIPTEN__
    if (!unread_.empty() && !reader_) {
        reading_ = unread_;
        auto read = [](void* store) {
            auto* self = static_cast<PictureStore*>(store);
            self->readRest(self->reading_);
            return 0;
        };
        reader_ = SDL_CreateThread(read, this);
        // Without a second thread, the first draw of play reads them.
        unread_ = reader_ ? std::span<const Picture>{} : unread_;
    }
#endif
}

void PictureStore::readRest(std::span<const Picture> pictures) {
    for (const Picture& picture : pictures) {
        if (stopReading_) {
            return;
        }
        if (!keep(picture)) {
            unreadable_ = picture.path;
            return;
        }
    }
}

const char* PictureStore::finishReading() {
    if (reader_) {
        SDL_WaitThread(reader_, nullptr);
        reader_ = nullptr;
    }
    readRest(unread_);
    unread_ = {};
    return unreadable_;
}

SDL_Surface* PictureStore::open(Picture picture) {
    if (SDL_Surface* kept = find(picture.path, picture.colourKeyed)) {
        return kept;
    }
    // Not kept yet: the first draw of play waits here for the second thread.
    finishReading();
    if (keep(picture)) {
        return find(picture.path, picture.colourKeyed);
    }
    return nullptr;
}

const OpaqueRuns* PictureStore::opaqueRuns(const SDL_Surface* picture) const {
    const std::lock_guard lock(keeping_);
    const auto found = runs_.find(picture);
    return found == runs_.end() ? nullptr : &found->second;
}

}  // namespace qz
