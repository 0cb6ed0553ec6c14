// The pursuer's record: the one FBI agent or scientist on the scene, its
// chase, its catch, the push-back and the hiding after a Move zone.
#pragma once

#include "frame/play_mode.h"

namespace qz {

// Hidden for this many more updates after the first Move zone of a run.
constexpr int FirstHideCountdown = 15;

// A pursuer present at the end of a game is still present in the next one:
// only pushBackInForce is cleared by a new game.
//
// Invariants: pursuerFollows is 0..3 (a fourth counted crossing always gives
// up); pursuerDelay and pursuerHideCountdown are never negative.
struct PursuerState {
    bool pursuerActive = false;       // placed; moves and shows once pursuerDelay is 0
    bool pursuerIsScientist = false;  // otherwise the FBI agent
    int pursuerX = 0;                 // top-left of its 50 x 100 box, in the area's pixels
    int pursuerY = 0;
    int pursuerFacing = FacingRight;
    int pursuerDelay = 0;  // turns before a placed pursuer moves and shows
    bool alienCaught = false;
    int pursuerFollows = 0;        // counted edge crossings it has followed
    bool pursuerGaveUp = false;    // the last one stopped following: the next comes sooner
    bool pushBackInForce = false;  // it walks away from the alien
    bool pursuerHidden = false;    // after a Move zone: moves and catches, but unseen
    // Set to the long hiding whenever a hiding ends, so only the first hiding
    // of a run is short.
    int pursuerHideCountdown = FirstHideCountdown;
};

// While the scientist carries the alien, its keys are ignored (Escape and the
// window's close button still work).
struct GameState;
bool walkingAllowed(const GameState& state);

}  // namespace qz
