// The keyboard's keys by name, as the display library names them ("left",
// "a", "left shift", "[1]" for the keypad's 1), for the settings file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qz {

// The key's name with each word capitalised and '_' between words
// ("Left_Shift", "Page_Up"), so it stays one word; empty for a code without
// a name.
std::string keyName(int code);

// The code of a key named so, in any mix of cases, with '_' or ' ' between
// its words; nothing for an unknown name.
std::optional<int> keyCodeOfName(std::string_view name);

}  // namespace qz
