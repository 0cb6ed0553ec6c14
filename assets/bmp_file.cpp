#include "bmp_file.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

std::uint32_t get32(const std::vector<std::uint8_t>& in, std::size_t at) {
    return static_cast<std::uint32_t>(in[at]) | static_cast<std::uint32_t>(in[at + 1]) << 8 |
           static_cast<std::uint32_t>(in[at + 2]) << 16 |
           static_cast<std::uint32_t>(in[at + 3]) << 24;
}

std::uint32_t get16(const std::vector<std::uint8_t>& in, std::size_t at) {
    return static_cast<std::uint32_t>(in[at]) | static_cast<std::uint32_t>(in[at + 1]) << 8;
}

// Rows of a 24-bit BMP are padded to a multiple of four bytes.
std::uint32_t rowStride(int width) {
    return (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
}

}  // namespace

bool writeBmp(const std::string& path, const RgbImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) {
        return false;
    }
    const std::uint32_t stride = rowStride(image.width);
    const std::uint32_t dataSize = stride * static_cast<std::uint32_t>(image.height);
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;

    std::vector<std::uint8_t> out;
    out.reserve(offset + dataSize);
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + dataSize);
    put32(out, 0);  // reserved
    put32(out, offset);
    put32(out, kInfoHeaderSize);
    put32(out, static_cast<std::uint32_t>(image.width));
    put32(out, static_cast<std::uint32_t>(image.height));  // positive: bottom-up
    put16(out, 1);                                         // planes
    put16(out, 24);                                        // bits per pixel
    put32(out, 0);                                         // BI_RGB
    put32(out, dataSize);
    put32(out, 2835);  // 72 dpi
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb8 c = image.at(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(image.width) * 3; pad < stride; ++pad) {
            out.push_back(0);
        }
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}

std::optional<RgbImage> readBmp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    const std::vector<std::uint8_t> in{std::istreambuf_iterator<char>(file),
                                       std::istreambuf_iterator<char>()};
    if (in.size() < kFileHeaderSize + kInfoHeaderSize || in[0] != 'B' || in[1] != 'M') {
        return std::nullopt;
    }
    const std::uint32_t offset = get32(in, 10);
    const auto width = static_cast<std::int32_t>(get32(in, 18));
    const auto rawHeight = static_cast<std::int32_t>(get32(in, 22));
    if (get16(in, 28) != 24 || get32(in, 30) != 0 || width <= 0 || width > 8192 || rawHeight == 0 ||
        rawHeight > 8192 || rawHeight < -8192) {
        return std::nullopt;
    }
    const bool bottomUp = rawHeight > 0;
    const int height = bottomUp ? rawHeight : -rawHeight;
    const std::uint32_t stride = rowStride(width);
    if (offset + static_cast<std::uint64_t>(stride) * height > in.size()) {
        return std::nullopt;
    }
    RgbImage image(width, height);
    for (int row = 0; row < height; ++row) {
        const int y = bottomUp ? height - 1 - row : row;
        const std::size_t base = offset + static_cast<std::size_t>(row) * stride;
        for (int x = 0; x < width; ++x) {
            const std::size_t p = base + static_cast<std::size_t>(x) * 3;
            image.at(x, y) = Rgb8{in[p + 2], in[p + 1], in[p]};
        }
    }
    return image;
}
