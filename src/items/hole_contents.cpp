#include "items/hole_contents.h"

#include <cstdio>

#include "world/hole_geometry.h"

namespace qz {
namespace {

// Items lie in Areas One to Three only.
constexpr int ItemRows = 3;

int& cell(GameState& s, int row, int column) {
    return s.items.holeContents[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

int usableHoles(const GameState& s, int row) {
    const auto layout =
        static_cast<std::size_t>(s.areaHoles.holeLayoutOf[static_cast<std::size_t>(row)]);
    return holeLayouts[layout].count - 1;
}

bool anyUsableHoleEmpty(GameState& s) {
    for (int row = 0; row < ItemRows; ++row) {
        for (int column = 0; column < usableHoles(s, row); ++column) {
            if (cell(s, row, column) == Empty) {
                return true;
            }
        }
    }
    return false;
}

// Draws holes until one is Empty. Looks first, so that a table without an
// Empty usable hole cannot keep it drawing forever.
bool hideInRandomEmptyHole(GameState& s, int content) {
    if (!anyUsableHoleEmpty(s)) {
        return false;
    }
    for (;;) {
        const int row = s.random.deal() % ItemRows;
        const int column = pickColumn(s, row);
        if (cell(s, row, column) == Empty) {
            cell(s, row, column) = content;
            return true;
        }
    }
}

void unsearchAllHoles(GameState& s) {
    for (auto& row : s.items.holeContents) {
        for (int& content : row) {
            if (content == Searched) {
                content = Empty;
            }
        }
    }
}

bool alreadyPlaced(const GameState& s, int piece) {
    for (const int placed : s.items.placedPieces) {
        if (placed == piece) {
            return true;
        }
    }
    return false;
}

}  // namespace

int pickColumn(GameState& state, int row) {
    return state.random.deal() % usableHoles(state, row);
}

void clearHoleContents(GameState& state) {
    state.items.holeContents = ItemState{}.holeContents;
    state.items.placedPieces = ItemState{}.placedPieces;
}

void placePhonePieces(GameState& s) {
    while (s.items.placedCount < PhonePieceCount) {
        const int piece = s.random.deal() % PhonePieceCount + 1;
        const int row = s.random.deal() % ItemRows;
        const int column = pickColumn(s, row);
        // The first piece goes anywhere; later ones need a free hole and a new number.
        const bool first = s.items.placedCount == 0;
        if (first || (cell(s, row, column) == Empty && !alreadyPlaced(s, piece))) {
            cell(s, row, column) = piece;
            s.items.placedPieces[static_cast<std::size_t>(s.items.placedCount)] = piece;
            ++s.items.placedCount;
        }
    }
}

void placeFlower(GameState& state) {
    hideInRandomEmptyHole(state, Flower);
}

void placeHiddenItems(GameState& state) {
    clearHoleContents(state);
    placePhonePieces(state);
    placeFlower(state);
}

bool rehidePiece(GameState& state, int piece) {
    // With every usable hole taken or searched, unsearching first is the only
    // way to find the piece a hole.
    if (!anyUsableHoleEmpty(state)) {
        unsearchAllHoles(state);
    }
    const bool hidden = hideInRandomEmptyHole(state, piece);
    unsearchAllHoles(state);
    return hidden;
}

void recordFoundPiece(GameState& state, int piece) {
    for (int& slot : state.items.foundOrder) {
        if (slot == 0) {
            slot = piece;
            return;
        }
    }
}

void theftStep(GameState& s) {
    int held = 0;
    for (const bool flag : s.phonePieceHeld) {
        held += flag ? 1 : 0;
    }
    if (held == 0 && s.pursuer.pursuerActive) {
        s.candyCount = 0;
    }
    if (held == 0 || !s.pursuer.pursuerActive || !s.items.pieceTheftArmed) {
        return;
    }
    s.items.pieceTheftArmed = false;
    for (int& slot : s.items.foundOrder) {
        if (slot != 0) {
            const int piece = slot;
            // A piece with nowhere to go stays with the alien rather than vanish.
            if (rehidePiece(s, piece)) {
                s.phonePieceHeld[static_cast<std::size_t>(piece - 1)] = false;
                slot = 0;
            }
            return;
        }
    }
}

int* cellOfVisitedHole(GameState& s) {
    if (!isHoleArea(s.holeVisit.areaBeforeHole)) {
        return nullptr;
    }
    return &cell(s, s.holeVisit.contentsRow, s.areaHoles.holeIndex);
}

void reviveFlower(GameState& s) {
    const int* content = cellOfVisitedHole(s);
    if (content != nullptr && *content == Flower && !s.items.flowerRevived) {
        ++s.lives;
        s.items.flowerRevived = true;
    }
}

void dumpHoleContents(const GameState& state) {
    std::puts("\n");
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 6; ++j) {
            std::printf(
                "[%d][%d] is %d\n", i, j,
                state.items.holeContents[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)]);
        }
    }
    std::puts("\n");
    for (int k = 0; k < PhonePieceCount; ++k) {
        std::printf("[%d] is %d\n", k, state.items.placedPieces[static_cast<std::size_t>(k)]);
    }
}

void dumpZoneKinds(const AreaZones& table) {
    for (const auto& row : table) {
        std::printf("| %d | %d | %d |\n", row[0], row[1], row[2]);
    }
}

}  // namespace qz
