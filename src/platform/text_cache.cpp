#include "platform/text_cache.h"

#include <algorithm>

#include "platform/surfaces.h"

namespace qz {

TextCache::~TextCache() {
    for (Entry& entry : entries_) {
        freeSurface(entry.surface);
    }
}

SDL_Surface* TextCache::rendered(_TTF_Font* font, const std::string& text, std::uint32_t rgb,
                                 const SDL_Surface* target) {
    ++uses_;
    for (Entry& entry : entries_) {
        if (entry.font == font && entry.rgb == rgb && entry.text == text) {
            entry.lastUse = uses_;
            return entry.surface;
        }
    }
    SDL_Surface* surface = renderKeyedText(font, text, rgb, target);
    if (!surface) {
        return nullptr;
    }
    if (entries_.size() < capacity_) {
        entries_.push_back(Entry{font, rgb, text, surface, uses_});
        return surface;
    }
    Entry& oldest =
        *std::min_element(entries_.begin(), entries_.end(),
                          [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
    freeSurface(oldest.surface);
    oldest = Entry{font, rgb, text, surface, uses_};
    return surface;
}

}  // namespace qz
