#include "program/message_line.h"

#include <cstdio>

#include "program/unicode_text.h"

namespace qz {
namespace {

void addEscaped(std::string& line, unsigned char byte) {
    char hex[5];
    std::snprintf(hex, sizeof hex, "\\x%02x", byte);
    line += hex;
}

}  // namespace

std::string messageLine(std::string_view text) {
    std::string line = "quillo-zoruri: ";
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte < 0x80 ? 1 : utf8CharacterAt(text, i);
        // A C1 control is 0x80 to 0x9f on its own, which a terminal reading
        // eight-bit controls obeys (0x9b starts a command, as ESC [ does), or
        // the same written in UTF-8: 0xc2, then 0x80 to 0x9f. Any other byte
        // that is not UTF-8 passes on its own.
        const bool c1 =
            (length == 0 && byte <= 0x9f) ||
            (byte == 0xc2 && length == 2 && static_cast<unsigned char>(text[i + 1]) <= 0x9f);
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
