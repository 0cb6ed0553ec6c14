#include "items/item_invariant.h"

#include <algorithm>
#include <string>

#include "world/hole_geometry.h"

namespace qz {
namespace {

std::string cellName(std::size_t row, std::size_t column) {
    return "cell [" + std::to_string(row) + "][" + std::to_string(column) + "]";
}

std::string holeFault(const GameState& s) {
    std::array<int, PhonePieceCount + 1> lying{};
    int flowers = 0;
    for (std::size_t row = 0; row < s.items.holeContents.size(); ++row) {
        const int layout = s.areaHoles.holeLayoutOf[row];
        // The last hole of a layout, and Area Four's row, never hold an item.
        const int usable = row < 3 ? holeLayouts[static_cast<std::size_t>(layout)].count - 1 : 0;
        for (std::size_t column = 0; column < s.items.holeContents[row].size(); ++column) {
            const int content = s.items.holeContents[row][column];
            if (content < Empty || content > Searched) {
                return cellName(row, column) + " holds " + std::to_string(content);
            }
            if (content == Empty || content == Searched) {
                continue;
            }
            if (static_cast<int>(column) >= usable) {
                return cellName(row, column) + " of a hole that never holds an item holds " +
                       std::to_string(content);
            }
            if (content == Flower) {
                ++flowers;
            } else {
                ++lying[static_cast<std::size_t>(content)];
            }
        }
    }
    if (flowers != 1) {
        return std::to_string(flowers) + " flowers in the holes";
    }
    for (int piece = 1; piece <= PhonePieceCount; ++piece) {
        const bool held = s.phonePieceHeld[static_cast<std::size_t>(piece - 1)];
        const auto& found = s.items.foundOrder;
        const auto inFound = std::count(found.begin(), found.end(), piece);
        const int places = lying[static_cast<std::size_t>(piece)] + (held ? 1 : 0);
        if (places != 1 || inFound != (held ? 1 : 0)) {
            return "piece " + std::to_string(piece) + " lies in " +
                   std::to_string(lying[static_cast<std::size_t>(piece)]) + " holes, held " +
                   std::to_string(held) + ", found " + std::to_string(inFound) + " times";
        }
    }
    return {};
}

std::string candyFault(const CandyState& c) {
    const bool placed = c.candyX >= 50 && c.candyX <= 749 && c.candyY >= 125 && c.candyY <= 424 &&
                        c.candyArea >= AreaOne && c.candyArea <= AreaThree;
    if (!placed || c.candyLook < 0 || c.candyLook > 100) {
        return "candy at " + std::to_string(c.candyX) + "," + std::to_string(c.candyY) +
               " in area " + std::to_string(c.candyArea) + " look " + std::to_string(c.candyLook);
    }
    return {};
}

}  // namespace

std::string itemInvariantFault(const GameState& state) {
    std::string fault = holeFault(state);
    return fault.empty() ? candyFault(state.candy) : fault;
}

}  // namespace qz
