#include "program/message_line.h"

#include <cstdio>

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
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // A C1 control written in UTF-8: 0xc2, then 0x80 to 0x9f.
        const bool c1 = byte == 0xc2 && i + 1 < text.size() &&
                        (static_cast<unsigned char>(text[i + 1]) & 0xe0) == 0x80;
        if (byte < 0x20 || byte == 0x7f) {
            addEscaped(line, byte);
        } else if (c1) {
            addEscaped(line, byte);
            addEscaped(line, static_cast<unsigned char>(text[++i]));
        } else {
            line += text[i];
        }
    }
    return line + '\n';
}

}  // namespace qz
