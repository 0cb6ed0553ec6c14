// What the game says on its standard error passes no control byte to the
// terminal, in any of its forms, and leaves other text as it is.
#include "program/message_line.h"

#include <gtest/gtest.h>

namespace qz::test {
namespace {

TEST(MessageLine, ShowsEveryControlByteAndPassesUtf8TextAsItIs) {
    const std::pair<std::string, std::string> lines[] = {
        {"plain", "plain"},
        {"\x1b]0;owned\x07", "\\x1b]0;owned\\x07"},
        {"a\x7f", "a\\x7f"},
        // C1 on its own byte (0x9b: the terminal's CSI) and in UTF-8.
        {"\x9b"
         "2J",
         "\\x9b2J"},
        {"\x80\x9f", "\\x80\\x9f"},
        {"\xc2\x9b"
         "2J",
         "\\xc2\\x9b2J"},
        // UTF-8 passes whole, though its later bytes may lie in C1's range.
        {"caf\xc3\xa9 \xe2\x82\xac \xe2\x80\x9b \xf0\x9f\x91\xbe \xc2\xa0",
         "caf\xc3\xa9 \xe2\x82\xac \xe2\x80\x9b \xf0\x9f\x91\xbe \xc2\xa0"},
        // A character cut short or overlong is no UTF-8: its C1-range bytes
        // are shown, the others pass.
        {"\xe2\x82"
         "x",
         "\xe2\\x82x"},
        {"\xe0\x9b\xbf", "\xe0\\x9b\xbf"},
        {"\xed\xa0\x80", "\xed\xa0\\x80"},
        {"\xe9t\xe9", "\xe9t\xe9"},
    };
    for (const auto& [text, shown] : lines) {
        EXPECT_EQ(messageLine(text), "quillo-zoruri: " + shown + "\n") << shown;
    }
}

}  // namespace
}  // namespace qz::test
