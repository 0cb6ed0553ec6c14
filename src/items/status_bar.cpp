#include "items/status_bar.h"

#include "core/graphics_files.h"
#include "items/status_text.h"

namespace qz {

void drawTopBand(Canvas& canvas, const std::array<bool, 3>& piecesHeld) {
    canvas.fill(0, 0, 800, 50, Rgb{255, 0, 0});
    for (std::size_t piece = 0; piece < piecesHeld.size(); ++piece) {
        if (piecesHeld[piece]) {
            canvas.drawSprite(pic::phonePieceIcons[piece], nullptr, PieceIconAt[piece]);
        }
    }
}

void drawStatusPanel(Canvas& canvas) {
    canvas.fill(150, 450, 650, 150, Rgb{0, 0, 0});
}

void drawLogoAndLabels(Canvas& canvas) {
    drawStatusText(canvas, "Score", 710, 470);
    canvas.drawSprite(pic::logo, nullptr, Point{400, 500});
    drawStatusText(canvas, "Energy", 200, 490);
}

void drawEnergyBar(Canvas& canvas, int energy) {
    if (energy <= 0) {
        return;
    }
    const Rect columns{0, 0, energy, 50};
    canvas.drawSprite(pic::energyBar, &columns, Point{200, 515});
}

void drawCandyCounter(Canvas& canvas, int candyCount) {
    // 132 pixels wide in our font: at 680 its last letter ran off the screen.
    drawStatusText(canvas, "Crunko's Pieces", 668, 540);
    drawStatusText(canvas, decimal(candyCount), 725, 560);
}

void drawScore(Canvas& canvas, std::int64_t score) {
    drawStatusText(canvas, decimal(score), 725, 490);
}

}  // namespace qz
