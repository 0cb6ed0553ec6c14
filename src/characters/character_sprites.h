// The characters' pictures and how each picks its animation frame.
#pragma once

#include "platform/canvas.h"

namespace qz {

// Frame choice, kept apart from drawing so the rules can be checked alone.
// The alien steps one draw in four while walking.
int alienWalkFrameX(bool walking, int animFrame);
// The pursuers show their second frame once in eight draws (count 0 included).
int pursuerFrameX(int characterDrawCount);
// Jorrin's rule is the other way round: his first frame once in five draws.
int jorrinFrameX(int characterDrawCount);

void drawAlienWalk(Canvas& canvas, int x, int y, int facing, bool walking, int animFrame);
// frameOffset is 0, 50, 100 or 150.
void drawAlienHeadBob(Canvas& canvas, int x, int y, int facing, int frameOffset);
// Lies in the bottom 30 pixels of the alien's 50 x 75 box.
void drawAlienCollapse(Canvas& canvas, int x, int y, int facing);
// The three humans pick their frame from the shared characterDrawCount; the
// rule step that draws one advances the count after each call, also when the
// facing is neither left nor right and nothing is drawn.
void drawFbiAgent(Canvas& canvas, int x, int y, int facing, int characterDrawCount);
void drawScientist(Canvas& canvas, int x, int y, int facing, int characterDrawCount);
void drawJorrin(Canvas& canvas, int x, int y, int facing, int characterDrawCount);
// Always at x 300.
void drawShip(Canvas& canvas, int y);

}  // namespace qz
