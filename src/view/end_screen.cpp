#include "view/end_screen.h"

#include "core/graphics_files.h"
#include "view/status_text.h"

namespace qz {

void drawEndScreen(Drawing& drawing, std::int64_t score) {
    drawing.fill(0, 0, 800, 600, Rgb{0, 0, 0});
    drawing.drawSprite(pic::face, nullptr, Point{drawing.width() / 2 - 150, 200});
    drawing.drawTextCentred(FontSize::Large, "Game Over", White, 150);
    drawing.drawTextCentred(FontSize::Large, "Score:" + decimal(score), White, 425);
}

}  // namespace qz
