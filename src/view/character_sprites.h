// The characters' pictures and which cell of its sheet each shows.
#pragma once

#include "core/drawing.h"
#include "core/game_state.h"

namespace qz {

// Which cell of a sheet is drawn (its x), kept apart from drawing so the
// rules can be checked alone.
// The alien steps one draw in four while walking.
int alienWalkCellX(bool walking, DrawCount animFrame);
// The pursuers show their second cell once in eight draws (count 0 included).
int pursuerCellX(DrawCount characterDrawCount);
// Jorrin's rule is the other way round: his first cell once in five draws.
int jorrinCellX(DrawCount characterDrawCount);

void drawAlienWalk(Drawing& drawing, int x, int y, int facing, bool walking, DrawCount animFrame);
// cellX is 0, 50, 100 or 150.
void drawAlienHeadBob(Drawing& drawing, int x, int y, int facing, int cellX);
// Lies in the bottom 30 pixels of the alien's 50 x 75 box.
void drawAlienCollapse(Drawing& drawing, int x, int y, int facing);
// The three humans pick their frame from the shared characterDrawCount; the
// rule step that draws one advances the count after each call, also when the
// facing is neither left nor right and nothing is drawn.
void drawFbiAgent(Drawing& drawing, int x, int y, int facing, DrawCount characterDrawCount);
void drawScientist(Drawing& drawing, int x, int y, int facing, DrawCount characterDrawCount);
void drawJorrin(Drawing& drawing, int x, int y, int facing, DrawCount characterDrawCount);
// Always at x 300.
void drawShip(Drawing& drawing, int y);

}  // namespace qz
