#include "platform/file_checks.h"

#include <array>
#include <cstdint>
#include <fstream>

namespace qz {
namespace {

std::uint32_t le32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}
std::uint16_t le16(const unsigned char* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}

// Reads `count` bytes at `at`; false when the file holds fewer.
bool readAt(std::ifstream& in, std::uint64_t at, unsigned char* bytes, std::size_t count) {
    in.seekg(static_cast<std::streamoff>(at));
    return static_cast<bool>(
        in.read(reinterpret_cast<char*>(bytes), static_cast<std::streamsize>(count)));
}

}  // namespace

bool bitmapFileIsWellFormed(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return false;
    }
    const auto fileSize = static_cast<std::uint64_t>(in.tellg());
    std::array<unsigned char, 54> h{};
    in.seekg(0);
    if (fileSize < h.size() || !in.read(reinterpret_cast<char*>(h.data()), h.size())) {
        return false;
    }
    if (h[0] != 'B' || h[1] != 'M') {
        return false;
    }
    const std::uint32_t dataOffset = le32(&h[10]);
    const std::uint32_t infoSize = le32(&h[14]);
    if (infoSize != 40 && infoSize != 56 && infoSize != 108 && infoSize != 124) {
        return false;
    }
    const auto width = static_cast<std::int32_t>(le32(&h[18]));
    const auto height = static_cast<std::int32_t>(le32(&h[22]));
    const std::uint16_t planes = le16(&h[26]);
    const std::uint16_t bits = le16(&h[28]);
    const std::uint32_t compression = le32(&h[30]);
    if (planes != 1 || width <= 0 || width > 16384 || height == 0 || height < -16384 ||
        height > 16384) {
        return false;
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
        return false;
    }
    // Plain rows, or bit fields for 32-bit pictures; run-length data is not used here.
    if (compression != 0 && !(compression == 3 && bits == 32)) {
        return false;
    }
    const std::uint64_t rows = static_cast<std::uint64_t>(height < 0 ? -height : height);
    const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
    return dataOffset >= 14 + infoSize && dataOffset <= fileSize &&
           stride * rows <= fileSize - dataOffset;
}

bool waveFileIsWellFormed(const std::string& path) {
    // Only the chunks' headers are read: the theme's samples alone are 4 MB,
    // which the mixer reads once it is sure of them.
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return false;
    }
    const auto size = static_cast<std::uint64_t>(in.tellg());
    unsigned char head[16];
    if (size > (std::uint64_t{64} << 20) || size < 12 || !readAt(in, 0, head, 12) ||
        std::string(head, head + 4) != "RIFF" || std::string(head + 8, head + 12) != "WAVE") {
        return false;
    }
    bool haveFormat = false;
    bool haveData = false;
    std::uint64_t pos = 12;
    while (pos + 8 <= size) {
        if (!readAt(in, pos, head, 8)) {
            return false;
        }
        const std::string id(head, head + 4);
        const std::uint64_t length = le32(head + 4);
        const std::uint64_t body = pos + 8;
        if (length > size - body) {
            return false;
        }
        if (id == "fmt ") {
            if (length < 16 || !readAt(in, body, head, 16)) {
                return false;
            }
            const std::uint16_t format = le16(head);
            const std::uint16_t channels = le16(head + 2);
            const std::uint32_t rate = le32(head + 4);
            const std::uint16_t bits = le16(head + 14);
            static constexpr std::array<std::uint32_t, 7> rates{8000,  11025, 16000, 22050,
                                                                32000, 44100, 48000};
            bool knownRate = false;
            for (std::uint32_t r : rates) {
                knownRate = knownRate || r == rate;
            }
            if (format != 1 || channels < 1 || channels > 2 || (bits != 8 && bits != 16) ||
                !knownRate) {
                return false;
            }
            haveFormat = true;
        } else if (id == "data") {
            haveData = haveFormat;
        }
        pos = body + length + (length & 1);
    }
    return haveFormat && haveData;
}

}  // namespace qz
