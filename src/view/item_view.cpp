#include "view/item_view.h"

#include "core/graphics_files.h"
#include "view/world_view.h"

namespace qz {

const Picture* candyPicture(int look) {
    if (look >= 0 && look <= 9) {
        return &pic::candy[0];
    }
    if (look >= 11 && look <= 18) {
        return &pic::candy[1];
    }
    if (look >= 20 && look <= 28) {
        return &pic::candy[2];
    }
    if (look >= 30 && look <= 35) {
        return &pic::candy[3];
    }
    return nullptr;
}

void drawCandy(Drawing& drawing, int x, int y, int look) {
    if (const Picture* picture = candyPicture(look)) {
        drawing.drawSprite(*picture, nullptr, Point{x, y});
    }
}

void drawTimeIndicator(Drawing& drawing, int quarter) {
    if (quarter >= 0 && quarter <= 4) {
        drawing.drawSprite(pic::timeIndicator[static_cast<std::size_t>(quarter)], nullptr,
                           Point{100, 10});
    }
}

void drawHoleSight(Drawing& drawing, HoleSight sight) {
    switch (sight) {
        case HoleSight::Piece1:
        case HoleSight::Piece2:
        case HoleSight::Piece3:
            drawPhonePiece(drawing,
                           static_cast<int>(sight) - static_cast<int>(HoleSight::Piece1) + 1);
            break;
        case HoleSight::FlowerDead:
        case HoleSight::FlowerAlive:
            drawFlower(drawing, sight == HoleSight::FlowerAlive);
            break;
        case HoleSight::Nothing:
            break;
    }
}

void drawPhonePiece(Drawing& drawing, int piece) {
    drawing.drawSprite(pic::phonePieces[static_cast<std::size_t>(piece - 1)], nullptr,
                       Point{150, 375});
}

}  // namespace qz
