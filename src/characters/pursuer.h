// The pursuer's rules: its placement, the chase with the following of edge
// crossings, the catch, the push-back and the hiding after a Move zone.
#pragma once

#include <cstdint>
#include <optional>

#include "controls/turn_input.h"
#include "core/game_state.h"

namespace qz {

// The pursuer as it is to be drawn this turn; characterDrawCount is the
// count its frame is chosen by.
struct PursuerPicture {
    bool isScientist = false;
    int x = 0;
    int y = 0;
    int facing = FacingRight;
    DrawCount characterDrawCount = 0;
};

// Once per Play turn, also inside a hole: the appearance delay, else the
// placement of a new pursuer, else its update. `held` are the keys held now.
// Gives the pursuer to draw, if it shows; the count of drawn humans has
// already moved on past it.
std::optional<PursuerPicture> pursuerStep(GameState& state, HeldKeys held);

// The chase, the push-back or the wait of a caught alien, then the hiding
// countdown; gives the pursuer to draw unless it is hidden or gone.
std::optional<PursuerPicture> updatePursuer(GameState& state, HeldKeys held, bool isScientist);

// The catch: the pursuer lies within 10 pixels left to 15 right of the
// alien, and 40 above to 30 below it.
bool touchesAlien(const GameState& state);

// Effects of the power zones and of crossings.
// Push Back Humans: the pursuer, or the next one, walks away.
void startPushBack(GameState& state);
// A Move zone (MoveUp..MoveRight) takes the alien away: the pursuer is hidden
// for a while and loses its place across the direction of the move; a
// scientist carrying the alien keeps his hold and his place.
void hidePursuer(GameState& state, int moveKind);
// The alien leaving the area ends a push-back, and the retreating pursuer
// with it.
void endPushBackAtCrossing(GameState& state);

}  // namespace qz
