#include "program/unicode_text.h"

#include <cstdint>

namespace qz {
namespace {

bool continues(std::string_view text, std::size_t at, unsigned char low = 0x80,
               unsigned char high = 0xbf) {
    if (at >= text.size()) {
        return false;
    }
    const auto byte = static_cast<unsigned char>(text[at]);
    return byte >= low && byte <= high;
}

constexpr char32_t Replacement = 0xfffd;

void addUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xc0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xe0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    }
}

bool highSurrogate(char32_t unit) {
    return unit >= 0xd800 && unit <= 0xdbff;
}
bool lowSurrogate(char32_t unit) {
    return unit >= 0xdc00 && unit <= 0xdfff;
}

}  // namespace

std::size_t utf8CharacterAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    // The second byte's range, narrowed where a wider one would spell an
    // overlong form, a surrogate or more than U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xbf;
    std::size_t length = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : 0x80;
        high = lead == 0xed ? 0x9f : 0xbf;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : 0x80;
        high = lead == 0xf4 ? 0x8f : 0xbf;
    } else {
        return 0;
    }
    if (!continues(text, at + 1, low, high)) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!continues(text, at + i)) {
            return 0;
        }
    }
    return length;
}

bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        // A NUL is well-formed UTF-8 but never in text a person wrote: it is
        // what UTF-16 without its mark looks like.
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte == 0 ? 0 : byte < 0x80 ? 1 : utf8CharacterAt(text, i);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

std::string utf8OfUtf16(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    auto unitAt = [&](std::size_t at) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        return static_cast<char32_t>(bigEndian ? first << 8 | second : second << 8 | first);
    };
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t unit = unitAt(i);
        if (highSurrogate(unit) && i + 3 < bytes.size() && lowSurrogate(unitAt(i + 2))) {
            addUtf8(out, 0x10000 + ((unit - 0xd800) << 10) + (unitAt(i + 2) - 0xdc00));
            i += 2;
        } else {
            addUtf8(out, highSurrogate(unit) || lowSurrogate(unit) ? Replacement : unit);
        }
    }
    if (i < bytes.size()) {
        addUtf8(out, Replacement);
    }
    return out;
}

}  // namespace qz
