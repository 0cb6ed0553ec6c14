#include "view/status_bar.h"

#include "core/graphics_files.h"
#include "view/status_text.h"

namespace qz {

void drawTopBand(Drawing& drawing, const std::array<bool, 3>& piecesHeld) {
    drawing.fill(0, 0, 800, 50, Rgb{255, 0, 0});
    for (std::size_t piece = 0; piece < piecesHeld.size(); ++piece) {
        if (piecesHeld[piece]) {
            drawing.drawSprite(pic::phonePieceIcons[piece], nullptr, PieceIconAt[piece]);
        }
    }
}

void drawStatusPanel(Drawing& drawing) {
    drawing.fill(150, 450, 650, 150, Rgb{0, 0, 0});
}

void drawLogoAndLabels(Drawing& drawing) {
    drawStatusText(drawing, "Score", 710, 470);
    drawing.drawSprite(pic::logo, nullptr, Point{400, 500});
    drawStatusText(drawing, "Energy", 200, 490);
}

void drawEnergyBar(Drawing& drawing, int energy) {
    if (energy <= 0) {
        return;
    }
    const Rect columns{0, 0, energy, 50};
    drawing.drawSprite(pic::energyBar, &columns, Point{200, 515});
}

void drawCandyCounter(Drawing& drawing, int candyCount) {
    // 132 pixels wide in our font: at 680 its last letter ran off the screen.
    drawStatusText(drawing, "Crunko's Pieces", 668, 540);
    drawStatusText(drawing, decimal(candyCount), 725, 560);
}

void drawScore(Drawing& drawing, std::int64_t score) {
    drawStatusText(drawing, decimal(score), 725, 490);
}

}  // namespace qz
