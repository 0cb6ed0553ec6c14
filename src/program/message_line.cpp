#include "program/message_line.h"

#include <cstdio>

namespace qz {
namespace {

void addEscaped(std::string& line, unsigned char byte) {
    char hex[5];
    std::snprintf(hex, sizeof hex, "\\x%02x", byte);
    line += hex;
}

bool continues(std::string_view text, std::size_t at, unsigned char low = 0x80,
               unsigned char high = 0xbf) {
    if (at >= text.size()) {
        return false;
    }
    const auto byte = static_cast<unsigned char>(text[at]);
    return byte >= low && byte <= high;
}

// The length of the well-formed UTF-8 character of two bytes or more that
// starts at `at`, or 0 when none does.
std::size_t characterAt(std::string_view text, std::size_t at) {
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

}  // namespace

std::string messageLine(std::string_view text) {
    std::string line = "quillo-zoruri: ";
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte < 0x80 ? 1 : characterAt(text, i);
        // A C1 control is 0x80 to 0x9f on its own, which a terminal reading
        // eight-bit controls obeys (0x9b starts a command, as ESC [ does), or
        // the same written in UTF-8: 0xc2, then 0x80 to 0x9f. Any other byte
        // that is not UTF-8 passes on its own.
        const bool c1 = (length == 0 && byte <= 0x9f) ||
                        (byte == 0xc2 && length == 2 && continues(text, i + 1, 0x80, 0x9f));
        const std::size_t taken = length == 0 ? 1 : length;
        if (byte < 0x20 || byte == 0x7f || c1) {
            for (std::size_t b = i; b < i + taken; ++b) {
                addEscaped(line, static_cast<unsigned char>(text[b]));
            }
        } else {
            line += text.substr(i, taken);
        }
        i += taken;
    }
    return line + '\n';
}

}  // namespace qz
