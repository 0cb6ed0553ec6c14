// Text that comes from outside the game: telling well-formed UTF-8 from
// other bytes, and UTF-16 turned into UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qz {

// The length of the well-formed UTF-8 character of two bytes or more that
// starts at `at`, or 0 when none does.
std::size_t utf8CharacterAt(std::string_view text, std::size_t at);

// Whether every byte of the text belongs to a well-formed UTF-8 character.
bool isUtf8(std::string_view text);

// UTF-16 in the given byte order, in UTF-8. A surrogate without its other
// half, or a last byte on its own, becomes U+FFFD as Windows makes it.
std::string utf8OfUtf16(std::string_view bytes, bool bigEndian);

}  // namespace qz
