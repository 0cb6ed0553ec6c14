#include "items/hole_search.h"

#include "items/hole_contents.h"
#include "world/scenery.h"

namespace qz {

HoleSight searchHole(GameState& s) {
    int* content = cellOfVisitedHole(s);
    if (content == nullptr) {
        return HoleSight::Nothing;
    }
    switch (*content) {
        case PhonePiece1:
        case PhonePiece2:
        case PhonePiece3: {
            const int piece = *content;
            if (!s.holeVisit.itemInReach) {
                return static_cast<HoleSight>(static_cast<int>(HoleSight::Piece1) + piece - 1);
            }
            *content = Searched;
            s.phonePieceHeld[static_cast<std::size_t>(piece - 1)] = true;
            recordFoundPiece(s, piece);
            s.holeVisit.itemInReach = false;
            return HoleSight::Nothing;
        }
        case Flower:
            return s.items.flowerRevived ? HoleSight::FlowerAlive : HoleSight::FlowerDead;
        case Empty:
            *content = Searched;
            return HoleSight::Nothing;
        default:
            return HoleSight::Nothing;
    }
}

}  // namespace qz
