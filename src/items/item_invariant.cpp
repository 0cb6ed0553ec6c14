#include "items/item_invariant.h"

#include <algorithm>
#include <array>

#include "world/hole_geometry.h"

namespace qz {
namespace {

using Broken = std::vector<std::string>;

// Items lie in Areas One to Three, never in the last hole of a layout.
void checkWhereItemsLie(Broken& broken, const GameState& s) {
    for (std::size_t row = 0; row < s.items.holeContents.size(); ++row) {
        const auto layout = static_cast<std::size_t>(s.areaHoles.holeLayoutOf[row]);
        const int usable =
            row < 3 && layout < holeLayouts.size() ? holeLayouts[layout].count - 1 : 0;
        for (std::size_t column = 0; column < s.items.holeContents[row].size(); ++column) {
            const int content = s.items.holeContents[row][column];
            const std::string cell =
                "hole [" + std::to_string(row) + "][" + std::to_string(column) + "]";
            if (content < Empty || content > Searched) {
                broken.push_back(cell + " holds " + std::to_string(content) +
                                 ", not a hole content");
            } else if (content != Empty && content != Searched &&
                       static_cast<int>(column) >= usable) {
                broken.push_back(cell + " holds item " + std::to_string(content) +
                                 " but never holds an item");
            }
        }
    }
}

void checkPieces(Broken& broken, const GameState& s, const std::array<int, Searched + 1>& cells) {
    const auto& found = s.items.foundOrder;
    for (int piece = PhonePiece1; piece <= PhonePiece3; ++piece) {
        const int inHoles = cells[static_cast<std::size_t>(piece)];
        const bool isHeld = s.phonePieceHeld[static_cast<std::size_t>(piece - PhonePiece1)];
        const std::string name = "phone piece " + std::to_string(piece);
        if (isHeld && inHoles > 0) {
            broken.push_back(name + " is held and also lies in " + std::to_string(inHoles) +
                             " hole(s)");
        } else if (!isHeld && inHoles != 1) {
            broken.push_back(name + " is not held and lies in " + std::to_string(inHoles) +
                             " holes, not 1");
        }
        const auto slots = std::count(found.begin(), found.end(), piece);
        if (slots != (isHeld ? 1 : 0)) {
            broken.push_back(name + (isHeld ? " is held" : " is not held") + " and stands " +
                             std::to_string(slots) + " times in foundOrder");
        }
    }
}

void checkCandy(Broken& broken, const CandyState& c) {
    const bool inField = c.candyX >= 50 && c.candyX <= 749 && c.candyY >= 125 && c.candyY <= 424;
    if (!inField || c.candyArea < AreaOne || c.candyArea > AreaThree) {
        broken.push_back("the candy lies at " + std::to_string(c.candyX) + "," +
                         std::to_string(c.candyY) + " in area " + std::to_string(c.candyArea) +
                         ", outside Areas One to Three's field");
    }
    if (c.candyLook < 0 || c.candyLook > 100) {
        broken.push_back("candyLook " + std::to_string(c.candyLook) + " is outside 0..100");
    }
}

}  // namespace

void checkItemInvariants(const GameState& s, Broken& broken) {
    std::array<int, Searched + 1> cells{};  // how many holes hold each content
    for (const auto& row : s.items.holeContents) {
        for (int content : row) {
            if (content >= Empty && content <= Searched) {
                ++cells[static_cast<std::size_t>(content)];
            }
        }
    }
    const auto& held = s.phonePieceHeld;
    const bool placed =
        std::any_of(held.begin(), held.end(), [](bool h) { return h; }) ||
        cells[PhonePiece1] + cells[PhonePiece2] + cells[PhonePiece3] + cells[Flower] > 0;
    if (!placed) {
        return;
    }
    checkPieces(broken, s, cells);
    if (cells[Flower] != 1) {
        broken.push_back(std::to_string(cells[Flower]) + " holes hold the flower, not 1");
    }
    checkWhereItemsLie(broken, s);
    checkCandy(broken, s.candy);
}

}  // namespace qz
