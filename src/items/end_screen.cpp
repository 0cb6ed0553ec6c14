#include "items/end_screen.h"

#include "core/graphics_files.h"
#include "items/energy_and_time.h"
#include "items/status_text.h"

namespace qz {

void drawEndScreen(Canvas& canvas, std::int64_t score) {
    canvas.fill(0, 0, 800, 600, Rgb{0, 0, 0});
    canvas.drawSprite(pic::face, nullptr, Point{canvas.width() / 2 - 150, 200});
    canvas.drawTextCentred(FontSize::Large, "Game Over", White, 150);
    canvas.drawTextCentred(FontSize::Large, "Score:" + decimal(score), White, 425);
}

void gameOverStep(GameState& state, Canvas& canvas) {
    addEndBonus(state);
    drawEndScreen(canvas, state.score);
}

}  // namespace qz
