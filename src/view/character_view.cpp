#include "view/character_view.h"

#include "view/character_sprites.h"

namespace qz {
namespace {

constexpr int MarkSize = 10;
constexpr Rgb MarkColour{255, 255, 255};

}  // namespace

void drawPursuer(Drawing& drawing, const PursuerPicture& picture) {
    if (picture.isScientist) {
        drawScientist(drawing, picture.x, picture.y, picture.facing, picture.characterDrawCount);
    } else {
        drawFbiAgent(drawing, picture.x, picture.y, picture.facing, picture.characterDrawCount);
    }
}

void drawPhoneMarks(Drawing& drawing, const PhoneMarks& marks) {
    for (int i = 0; i < marks.count; ++i) {
        const Point at = marks.at[static_cast<std::size_t>(i)];
        drawing.fill(at.x, at.y, MarkSize, MarkSize, MarkColour);
    }
}

void drawJorrinVisit(Drawing& drawing, const JorrinVisitPicture& picture) {
    drawJorrin(drawing, picture.jorrin.x, picture.jorrin.y, picture.jorrinFacing,
               picture.characterDrawCount);
    if (picture.alienCollapsed) {
        drawAlienCollapse(drawing, picture.alien.x, picture.alien.y, picture.alienFacing);
    } else {
        drawAlienWalk(drawing, picture.alien.x, picture.alien.y, picture.alienFacing,
                      picture.alienWalking, picture.alienAnimFrame);
    }
}

}  // namespace qz
