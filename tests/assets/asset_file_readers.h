// Minimal, strict readers for the three file formats the game data uses,
// written for the tests so they share nothing with the generator.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

std::vector<std::uint8_t> readWholeFile(const std::string& path);

struct Pixel {
    int r = 0, g = 0, b = 0;
    bool operator==(const Pixel&) const = default;
};

inline constexpr Pixel kKey{229, 77, 253};

inline int distanceToKey(Pixel p) {
    auto d = [](int a, int b) { return a > b ? a - b : b - a; };
    return d(p.r, kKey.r) + d(p.g, kKey.g) + d(p.b, kKey.b);
}

struct Bitmap {
    std::uint32_t fileSize = 0;
    std::uint32_t headerSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;  // as stored: positive means bottom-up
    int bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::vector<Pixel> pixels;  // top row first, filled for 24-bit files only

    int rows() const { return height < 0 ? -height : height; }
    Pixel at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Empty when the file is missing or its headers are inconsistent.
std::optional<Bitmap> readBitmap(const std::string& path);

struct Wave {
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int byteRate = 0;
    int blockAlign = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;  // interleaved
    double seconds() const {
        return channels == 0 ? 0.0 : static_cast<double>(samples.size()) / channels / sampleRate;
    }
};

// Empty unless RIFF/WAVE with a fmt chunk and a data chunk that fit the file.
std::optional<Wave> readWave(const std::string& path);

struct PngInfo {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int colourType = -1;
};

std::optional<PngInfo> readPngHeader(const std::string& path);
