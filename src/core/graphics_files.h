// Every picture the game reads, by the name its drawing routine uses, with
// whether it is drawn as a sprite.
#pragma once

#include <array>

#include "core/drawing.h"

namespace qz::pic {

// How each picture is drawn: as it stands, or as a sprite over the colour key.
constexpr bool Plain = false;
constexpr bool Sprite = true;

// Title and instruction pages.
inline constexpr Picture title{"graphics/quillo-2.bmp", Plain};
inline constexpr std::array<Picture, 3> instructionPages{
    Picture{"graphics/instructions-screen-pg1.bmp", Plain},
    Picture{"graphics/instructions-screen-pg2.bmp", Plain},
    Picture{"graphics/instructions-screen-pg3.bmp", Plain}};

// Scenery.
inline constexpr Picture grass{"graphics/grass.bmp", Plain};
inline constexpr Picture washingtonGround{"graphics/washington-dc-location.bmp", Plain};
inline constexpr Picture holeGround{"graphics/hole-location.bmp", Plain};
inline constexpr Picture tree{"graphics/forest-tree.bmp", Sprite};
inline constexpr Picture govBuilding{"graphics/gov-building.bmp", Sprite};
inline constexpr Picture jorrinHouse{"graphics/jorrin-house.bmp", Sprite};
inline constexpr Picture fauna{"graphics/fauna1.bmp", Plain};
inline constexpr Picture undiscoveredHole{"graphics/undischole.bmp", Plain};
inline constexpr Picture discoveredHole{"graphics/dischole.bmp", Plain};
inline constexpr Picture flowerAlive{"graphics/flower-alive.bmp", Sprite};
inline constexpr Picture flowerDead{"graphics/flower-dead.bmp", Sprite};

// Characters: [0] facing left, [1] facing right.
using Sheets = std::array<Picture, 2>;
constexpr Sheets spriteSheets(const char* left, const char* right) {
    return {Picture{left, Sprite}, Picture{right, Sprite}};
}
// The alien walking, bobbing its head for a power or levitation, and
// collapsed; the FBI agent, the scientist and the boy.
// clang-format off
inline constexpr Sheets alienWalk = spriteSheets("graphics/quillo-walk-left.bmp", "graphics/quillo-walk-right.bmp");
inline constexpr Sheets alienHeadBob = spriteSheets("graphics/quillo-headbob-left.bmp", "graphics/quillo-headbob-right.bmp");
inline constexpr Sheets alienCollapse = spriteSheets("graphics/quillo-death-left.bmp", "graphics/quillo-death-right.bmp");
inline constexpr Sheets fbiAgent = spriteSheets("graphics/fbi-walk-left.bmp", "graphics/fbi-walk-right.bmp");
inline constexpr Sheets scientist = spriteSheets("graphics/scientist-walk-left.bmp", "graphics/scientist-walk-right.bmp");
inline constexpr Sheets jorrin = spriteSheets("graphics/jorrin-walk-left.bmp", "graphics/jorrin-walk-right.bmp");
// clang-format on
inline constexpr Picture ship{"graphics/ship.bmp", Sprite};

// Items and the status bar.
inline constexpr std::array<Picture, 3> phonePieces{Picture{"graphics/phone-piece1.bmp", Sprite},
                                                    Picture{"graphics/phone-piece2.bmp", Sprite},
                                                    Picture{"graphics/phone-piece3.bmp", Sprite}};
// The icon of piece 1 is the piece's own picture.
inline constexpr std::array<Picture, 3> phonePieceIcons{
    phonePieces[0], Picture{"graphics/phone-piece-icon-2.bmp", Sprite},
    Picture{"graphics/phone-piece-icon-3.bmp", Sprite}};
inline constexpr std::array<Picture, 4> candy{
    Picture{"graphics/crunko-piece1.bmp", Sprite}, Picture{"graphics/crunko-piece2.bmp", Sprite},
    Picture{"graphics/crunko-piece3.bmp", Sprite}, Picture{"graphics/crunko-piece4.bmp", Sprite}};
// Indexed by the quarters of call time left, 0..4.
inline constexpr std::array<Picture, 5> timeIndicator{
    Picture{"graphics/time-none.bmp", Sprite}, Picture{"graphics/time-1-quarter.bmp", Sprite},
    Picture{"graphics/time-half.bmp", Sprite}, Picture{"graphics/time-3-quarter.bmp", Sprite},
    Picture{"graphics/time-template.bmp", Sprite}};
inline constexpr Picture logo{"graphics/quillo-logo.bmp", Plain};
inline constexpr Picture energyBar{"graphics/crunkos-pieces-energy-bar.bmp", Sprite};
inline constexpr Picture face{"graphics/quillo-face.bmp", Sprite};

// All of them, for the start-up check that every one can be read.
inline constexpr std::array<Picture, 45> all{title,
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

// The assist layer's own pictures, read only when the player asks for it:
// a small head for each life, the face of a won game and the alien's
// outline over the walking sheets' cells.
inline constexpr Picture assistLife{"graphics/assist-life.bmp", Sprite};
inline constexpr Picture assistHomeFace{"graphics/assist-home-face.bmp", Sprite};
// clang-format off
inline constexpr Sheets assistOutline = spriteSheets("graphics/assist-outline-left.bmp", "graphics/assist-outline-right.bmp");
// clang-format on
inline constexpr std::array<Picture, 4> assistAll{assistLife, assistHomeFace, assistOutline[0],
                                                  assistOutline[1]};

// The title screen draws only the first of them: the game reads it before
// its first frame and the others while the title shows.
inline constexpr std::size_t titlePictureCount = 1;
static_assert(all[0].path == title.path && titlePictureCount == 1);

}  // namespace qz::pic
