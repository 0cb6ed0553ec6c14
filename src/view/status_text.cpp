#include "view/status_text.h"

#include <sstream>

namespace qz {

std::string decimal(std::int64_t value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

void drawStatusText(Drawing& drawing, const std::string& text, int x, int y) {
    drawing.drawText(FontSize::Small, text, White, x, y);
}

}  // namespace qz
