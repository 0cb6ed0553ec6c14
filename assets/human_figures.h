// The people of the game: the FBI agent, the scientist and the boy Jorrin,
// each drawn facing left (towards -x) with the feet on the bottom row.
#pragma once

#include <cairo.h>

#include "palette.h"

// Shared limbs, so all three people move alike.
void drawPersonLeg(cairo_t* cr, double hipX, double hipY, double ankleX, double ankleY,
                   Colour cloth, Colour shoe, double thickness);
void drawPersonArm(cairo_t* cr, double shoulderX, double shoulderY, double handX, double handY,
                   Colour sleeve, double thickness);

// A 50 x 100 frame each.
void drawFbiAgent(cairo_t* cr, bool stepping);
void drawScientist(cairo_t* cr, bool stepping);
// A 50 x 75 figure with its feet on row 74.
void drawJorrin(cairo_t* cr, bool stepping);

// The sheets the game reads.
void drawFbiSheet(cairo_t* cr, bool facingRight);
void drawScientistSheet(cairo_t* cr, bool facingRight);
void drawJorrinSheet(cairo_t* cr, bool facingRight);
