// The white status texts and the decimal form of numbers.
#pragma once

#include <cstdint>
#include <string>

#include "core/drawing.h"

namespace qz {

// Plain decimal: no padding, no separators.
std::string decimal(std::int64_t value);

// White text in the small font, by its top-left corner.
void drawStatusText(Drawing& drawing, const std::string& text, int x, int y);

}  // namespace qz
