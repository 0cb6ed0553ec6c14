// Every picture the game reads, by the name its drawing routine uses.
#pragma once

#include <array>

#include "platform/picture_store.h"

namespace qz::pic {

// Title and instruction pages.
inline constexpr const char* title = "graphics/quillo-2.bmp";
inline constexpr std::array<const char*, 3> instructionPages{
    "graphics/instructions-screen-pg1.bmp", "graphics/instructions-screen-pg2.bmp",
    "graphics/instructions-screen-pg3.bmp"};

// Scenery.
inline constexpr const char* grass = "graphics/grass.bmp";
inline constexpr const char* washingtonGround = "graphics/washington-dc-location.bmp";
inline constexpr const char* holeGround = "graphics/hole-location.bmp";
inline constexpr const char* tree = "graphics/forest-tree.bmp";
inline constexpr const char* govBuilding = "graphics/gov-building.bmp";
inline constexpr const char* jorrinHouse = "graphics/jorrin-house.bmp";
inline constexpr const char* fauna = "graphics/fauna1.bmp";
inline constexpr const char* undiscoveredHole = "graphics/undischole.bmp";
inline constexpr const char* discoveredHole = "graphics/dischole.bmp";
inline constexpr const char* flowerAlive = "graphics/flower-alive.bmp";
inline constexpr const char* flowerDead = "graphics/flower-dead.bmp";

// Characters: [0] facing left, [1] facing right.
using Sheets = std::array<const char*, 2>;
inline constexpr Sheets alienWalk{"graphics/quillo-walk-left.bmp",
                                  "graphics/quillo-walk-right.bmp"};
inline constexpr Sheets alienHeadBob{"graphics/quillo-headbob-left.bmp",
                                     "graphics/quillo-headbob-right.bmp"};
inline constexpr Sheets alienCollapse{"graphics/quillo-death-left.bmp",
                                      "graphics/quillo-death-right.bmp"};
inline constexpr Sheets fbiAgent{"graphics/fbi-walk-left.bmp", "graphics/fbi-walk-right.bmp"};
inline constexpr Sheets scientist{"graphics/scientist-walk-left.bmp",
                                  "graphics/scientist-walk-right.bmp"};
inline constexpr Sheets jorrin{"graphics/jorrin-walk-left.bmp", "graphics/jorrin-walk-right.bmp"};
inline constexpr const char* ship = "graphics/ship.bmp";

// Items and the status bar.
inline constexpr std::array<const char*, 3> phonePieces{
    "graphics/phone-piece1.bmp", "graphics/phone-piece2.bmp", "graphics/phone-piece3.bmp"};
// The icon of piece 1 is the piece's own picture.
inline constexpr std::array<const char*, 3> phonePieceIcons{"graphics/phone-piece1.bmp",
                                                            "graphics/phone-piece-icon-2.bmp",
                                                            "graphics/phone-piece-icon-3.bmp"};
inline constexpr std::array<const char*, 4> candy{
    "graphics/crunko-piece1.bmp", "graphics/crunko-piece2.bmp", "graphics/crunko-piece3.bmp",
    "graphics/crunko-piece4.bmp"};
// Indexed by the quarters of call time left, 0..4.
inline constexpr std::array<const char*, 5> timeIndicator{
    "graphics/time-none.bmp", "graphics/time-1-quarter.bmp", "graphics/time-half.bmp",
    "graphics/time-3-quarter.bmp", "graphics/time-template.bmp"};
inline constexpr const char* logo = "graphics/quillo-logo.bmp";
inline constexpr const char* energyBar = "graphics/crunkos-pieces-energy-bar.bmp";
inline constexpr const char* face = "graphics/quillo-face.bmp";

// All of them, for the start-up check that every one can be read.
inline constexpr std::array<const char*, 45> all{title,
                                                 instructionPages[0],
                                                 instructionPages[1],
                                                 instructionPages[2],
                                                 grass,
                                                 washingtonGround,
                                                 holeGround,
                                                 tree,
                                                 govBuilding,
                                                 jorrinHouse,
                                                 fauna,
                                                 undiscoveredHole,
                                                 discoveredHole,
                                                 flowerAlive,
                                                 flowerDead,
                                                 alienWalk[0],
                                                 alienWalk[1],
                                                 alienHeadBob[0],
                                                 alienHeadBob[1],
                                                 alienCollapse[0],
                                                 alienCollapse[1],
                                                 fbiAgent[0],
                                                 fbiAgent[1],
                                                 scientist[0],
                                                 scientist[1],
                                                 jorrin[0],
                                                 jorrin[1],
                                                 ship,
                                                 phonePieces[0],
                                                 phonePieces[1],
                                                 phonePieces[2],
                                                 phonePieceIcons[1],
                                                 phonePieceIcons[2],
                                                 candy[0],
                                                 candy[1],
                                                 candy[2],
                                                 candy[3],
                                                 timeIndicator[0],
                                                 timeIndicator[1],
                                                 timeIndicator[2],
                                                 timeIndicator[3],
                                                 timeIndicator[4],
                                                 logo,
                                                 energyBar,
                                                 face};

// Drawn as they stand, with no colour key: the full-screen pages, the grounds,
// the hole indicator's panels and the logo. Every other picture is a sprite.
constexpr bool drawnPlain(const char* path) {
    for (const char* page : instructionPages) {
        if (page == path) {
            return true;
        }
    }
    return path == title || path == grass || path == washingtonGround || path == holeGround ||
           path == fauna || path == undiscoveredHole || path == discoveredHole || path == logo;
}

// Every picture in the form it is drawn in, for reading them all at start-up.
constexpr std::array<PictureFile, all.size()> allAsDrawn() {
    std::array<PictureFile, all.size()> pictures{};
    for (std::size_t i = 0; i < all.size(); ++i) {
        pictures[i] = PictureFile{all[i], !drawnPlain(all[i])};
    }
    return pictures;
}

// The title screen draws only the first of them: the game reads it before
// its first frame and the others while the title shows.
inline constexpr std::size_t titlePictureCount = 1;
static_assert(allAsDrawn()[0].path == title && titlePictureCount == 1);

}  // namespace qz::pic
