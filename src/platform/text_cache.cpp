#include "platform/text_cache.h"

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <algorithm>

namespace qz {

SDL_Surface* renderSolidText(_TTF_Font* font, const std::string& text, std::uint32_t rgb) {
    if (!font || text.empty()) {
        return nullptr;
    }
    const SDL_Color colour{static_cast<Uint8>(rgb >> 16), static_cast<Uint8>(rgb >> 8),
                           static_cast<Uint8>(rgb), 0};
    return TTF_RenderText_Solid(font, text.c_str(), colour);
}

TextCache::~TextCache() {
    for (Entry& entry : entries_) {
        SDL_FreeSurface(entry.surface);
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
    SDL_Surface* solid = renderSolidText(font, text, rgb);
    if (!solid) {
        return nullptr;
    }
    // Converting keeps the keyed background keyed, mapped to the target's
    // format; the text's own colour can never equal it (it is its complement).
    SDL_Surface* surface = SDL_ConvertSurface(solid, target->format, SDL_SRCCOLORKEY);
    if (surface) {
        SDL_FreeSurface(solid);
        SDL_SetColorKey(surface, SDL_SRCCOLORKEY | SDL_RLEACCEL, surface->format->colorkey);
    } else {
        surface = solid;
    }
    if (entries_.size() < capacity_) {
        entries_.push_back(Entry{font, rgb, text, surface, uses_});
        return surface;
    }
    Entry& oldest =
        *std::min_element(entries_.begin(), entries_.end(),
                          [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
    SDL_FreeSurface(oldest.surface);
    oldest = Entry{font, rgb, text, surface, uses_};
    return surface;
}

}  // namespace qz
