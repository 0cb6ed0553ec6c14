// The hidden items: placing the phone pieces and the flower in the holes of
// Areas One to Three, finding them, reviving the flower, and the FBI agent
// taking a piece back. The table itself is ItemState (core/hole_content.h).
#pragma once

#include "core/game_state.h"

namespace qz {

// A random hole of row 0..2 that may hold an item: never the layout's last.
int pickColumn(GameState& state, int row);

// Every cell Empty and no piece placed.
void clearHoleContents(GameState& state);
// Hides pieces 1, 2 and 3 in three different holes of rows 0..2.
void placePhonePieces(GameState& state);
// Hides the flower in a hole left Empty.
void placeFlower(GameState& state);
// The set-up step of a game: clear the table, hide the pieces, then the flower.
void placeHiddenItems(GameState& state);

// Hides a taken-back piece in an Empty hole, then unsearches every hole.
// When no usable hole is Empty even after unsearching (a table that breaks
// the item invariant), the piece is not hidden and false is returned.
bool rehidePiece(GameState& state, int piece);

// The piece goes into the first free slot of foundOrder.
void recordFoundPiece(GameState& state, int piece);

// One turn of the FBI agent's catch: the oldest piece found goes back into a
// hole (once per capture), and with no piece left all candy goes.
void theftStep(GameState& state);

// The cell of the hole the alien is in (row contentsRow, column holeIndex);
// null for a hole entered from an area without a row in the table.
int* cellOfVisitedHole(GameState& state);

// Z inside the hole that holds the flower: one life more, once per game.
void reviveFlower(GameState& state);

// The diagnostic dumps, to standard output; nothing calls them during play.
void dumpHoleContents(const GameState& state);
void dumpZoneKinds(const AreaZones& table);

}  // namespace qz
