// What Quillo collects: the three parts of its phone home (and their small
// icons for the top band) and the four kinds of Crunko's candy pieces.
#pragma once

#include <cairo.h>

// phone-piece1.bmp 25 x 30 (handset), phone-piece2.bmp 35 x 30 (keypad),
// phone-piece3.bmp 45 x 30 (antenna dish).
void drawPhonePiece(cairo_t* cr, int piece);
// phone-piece-icon-2.bmp 25 x 30 and phone-piece-icon-3.bmp 30 x 30.
void drawPhonePieceIcon(cairo_t* cr, int piece);

// crunko-piece1..4.bmp, 15 x 15: wrapped sweet, lollipop, striped candy, chocolate.
void drawCandy(cairo_t* cr, int kind);
