// What the game says on its standard error, one line at a time.
#pragma once

#include <string>
#include <string_view>

namespace qz {

// "quillo-zoruri: ", the text and a line end. A control byte in the text is
// shown as \xNN, a C1 control in UTF-8 or on its own byte included: the text
// may quote a stranger's file, and a terminal obeys the control bytes it is
// sent (to retitle itself, or clear the screen). UTF-8 text passes as it is.
std::string messageLine(std::string_view text);

}  // namespace qz
