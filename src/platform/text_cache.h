// Rendered texts kept between turns: labels, names and numbers that repeat.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct SDL_Surface;
struct _TTF_Font;

namespace qz {

// Holds at most `capacity` texts; a new one beyond that takes the place of
// the one drawn longest ago, so a score that keeps changing cannot grow it.
class TextCache {
  public:
    explicit TextCache(std::size_t capacity = 48) : capacity_(capacity) {}
    ~TextCache();
    TextCache(const TextCache&) = delete;
    TextCache& operator=(const TextCache&) = delete;

    // The text as solid rendering draws it, colour keyed, in the format of
    // `target`; the cache owns it. Null for an empty text or a missing font.
    SDL_Surface* rendered(_TTF_Font* font, const std::string& text, std::uint32_t rgb,
                          const SDL_Surface* target);
    std::size_t size() const { return entries_.size(); }

  private:
    struct Entry {
        _TTF_Font* font;
        std::uint32_t rgb;
        std::string text;
        SDL_Surface* surface;
        std::uint64_t lastUse;
    };

    std::size_t capacity_;
    std::uint64_t uses_ = 0;
    std::vector<Entry> entries_;
};

// One solid rendering, as the font library makes it: 8 bits a pixel, the
// background keyed. The caller frees it.
SDL_Surface* renderSolidText(_TTF_Font* font, const std::string& text, std::uint32_t rgb);

}  // namespace qz
