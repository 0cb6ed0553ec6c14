#include "view/title_screens.h"

#include <array>

#include "core/graphics_files.h"

namespace qz {
namespace {

struct TitleLine {
    const char* text;
    int y;
};

constexpr std::array<std::array<TitleLine, 3>, 2> titleLines{{
    {{{"Quillo Zoruri", 50}, {"Press S to start", 80}, {"Press I for Instructions", 110}}},
    {{{"A stranded alien's way home", 40},
      {"Made from scratch by the Quillo Zoruri team", 70},
      {"Press S to start", 100}}},
}};

}  // namespace

void drawTitleScreen(Drawing& drawing, int phase) {
    drawing.drawSprite(pic::title, nullptr, Point{0, 0});
    if (phase != 0 && phase != 1) {
        return;
    }
    for (const TitleLine& line : titleLines[static_cast<std::size_t>(phase)]) {
        drawing.drawTextCentred(FontSize::Medium, line.text, TitleTextColour, line.y);
    }
}

void drawInstructionPage(Drawing& drawing, int page) {
    if (page >= 1 && page <= 3) {
        drawing.drawSprite(pic::instructionPages[static_cast<std::size_t>(page - 1)], nullptr,
                           Point{0, 0});
    }
}

}  // namespace qz
