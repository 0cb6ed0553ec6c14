#include <SDL/SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/canvas.h"
#include "platform/file_checks.h"
#include "platform/surfaces.h"
#include "platform/text_cache.h"
#include "platform/web/web_surfaces.h"

namespace qz {
namespace {

std::uint32_t packed(Rgb colour) {
    return std::uint32_t(colour.r) << 16 | std::uint32_t(colour.g) << 8 | colour.b;
}

std::uint32_t little(const std::vector<std::uint8_t>& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    }
    return value;
}

}  // namespace

SDL_Surface* makeMemorySurface(int w, int h) {
    auto* format = static_cast<SDL_PixelFormat*>(std::calloc(1, sizeof(SDL_PixelFormat)));
    auto* surface = static_cast<SDL_Surface*>(std::calloc(1, sizeof(SDL_Surface)));
    format->BitsPerPixel = 24;
    format->BytesPerPixel = 3;
    format->Rmask = 0xFF0000;
    format->Gmask = 0xFF00;
    format->Bmask = 0xFF;
    format->Rshift = 16;
    format->Gshift = 8;
    surface->format = format;
    surface->w = w;
    surface->h = h;
    surface->pitch = (w * 3 + 3) & ~3;
    surface->pixels = std::calloc(static_cast<std::size_t>(surface->pitch) * h + 1, 1);
    surface->clip_rect = SDL_Rect{0, 0, w, h};
    surface->refcount = 1;
    return surface;
}

SDL_Surface* readBitmap(const char* path) {
    if (!bitmapFileIsWellFormed(path)) {
        return nullptr;
    }
    std::FILE* file = std::fopen(path, "rb");
    if (!file) {
        return nullptr;
    }
    // Read whole onto the heap: the page's stack is small (64 KiB with newer compilers).
    std::vector<std::uint8_t> bytes;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long size = std::ftell(file);
        bytes.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
        std::rewind(file);
        bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    }
    std::fclose(file);
    // The game's pictures are all 24-bit and uncompressed; the header is checked above.
    const std::uint32_t offset = little(bytes, 10, 4);
    const int w = static_cast<int>(little(bytes, 18, 4));
    const auto signedHeight = static_cast<std::int32_t>(little(bytes, 22, 4));
    const int h = signedHeight < 0 ? -signedHeight : signedHeight;
    if (little(bytes, 28, 2) != 24 || little(bytes, 30, 4) != 0) {
        return nullptr;
    }
    const std::size_t stride = (static_cast<std::size_t>(w) * 3 + 3) & ~std::size_t(3);
    if (offset + stride * static_cast<std::size_t>(h) > bytes.size()) {
        return nullptr;
    }
    SDL_Surface* surface = makeMemorySurface(w, h);
    // A file's pixels are blue, green, red: the frame's own byte order.
    for (int y = 0; y < h; ++y) {
        const int fileRow = signedHeight < 0 ? y : h - 1 - y;
        std::memcpy(static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch,
                    bytes.data() + offset + stride * static_cast<std::size_t>(fileRow),
                    static_cast<std::size_t>(w) * 3);
    }
    return surface;
}

SDL_Surface* readPicture(Picture picture, const SDL_Surface*) {
    SDL_Surface* read = readBitmap(picture.path);
    if (read && picture.colourKeyed) {
        read->flags |= SDL_SRCCOLORKEY;
    }
    return read;
}

SDL_Surface* renderKeyedText(_TTF_Font* font, const std::string& text, std::uint32_t rgb,
                             const SDL_Surface*) {
    if (!font || text.empty()) {
        return nullptr;
    }
    const auto composed = composeText(font->atlas, text);
    if (!composed) {
        return nullptr;
    }
    // The text's colour on the colour key: no text is written in it.
    SDL_Surface* surface = makeMemorySurface(composed->w, composed->h);
    surface->flags |= SDL_SRCCOLORKEY;
    const std::uint32_t key = packed(ColourKey);
    for (int y = 0; y < composed->h; ++y) {
        auto* row = static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch;
        for (int x = 0; x < composed->w; ++x) {
            const bool ink = composed->pixels[static_cast<std::size_t>(y * composed->pitch + x)];
            const std::uint32_t value = ink ? rgb : key;
            row[x * 3] = static_cast<std::uint8_t>(value);
            row[x * 3 + 1] = static_cast<std::uint8_t>(value >> 8);
            row[x * 3 + 2] = static_cast<std::uint8_t>(value >> 16);
        }
    }
    return surface;
}

SDL_Surface* renderSolidText(_TTF_Font* font, const std::string& text, std::uint32_t rgb) {
    return renderKeyedText(font, text, rgb, nullptr);
}

void freeSurface(SDL_Surface* surface) {
    if (surface) {
        std::free(surface->pixels);
        std::free(surface->format);
        std::free(surface);
    }
}

bool mustLock(const SDL_Surface*) {
    return false;
}

std::uint32_t colourKeyOf(const SDL_Surface*) {
    return packed(ColourKey);
}

std::uint32_t mapColour(const SDL_Surface*, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return packed(Rgb{r, g, b});
}

void setClip(SDL_Surface* surface, const SDL_Rect& clip) {
    // As the display library clips a clip rectangle: to the surface.
    const int x0 = std::max(clip.x, 0);
    const int y0 = std::max(clip.y, 0);
    const int x1 = std::min(clip.x + clip.w, surface->w);
    const int y1 = std::min(clip.y + clip.h, surface->h);
    surface->clip_rect = SDL_Rect{x0, y0, std::max(x1 - x0, 0), std::max(y1 - y0, 0)};
}

void blitKeyed(SDL_Surface* picture, SDL_Surface* target, SDL_Rect& destination) {
    const OpaqueRuns runs = findOpaqueRuns(picture);
    copyOpaqueRuns(picture, runs, nullptr, target, destination.x, destination.y, destination);
}

}  // namespace qz
