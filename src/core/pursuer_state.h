// The pursuer's record: the one FBI agent or scientist on the scene, its
// chase, its catch, the push-back and the hiding after a Move zone.
#pragma once

#include "core/play_mode.h"

namespace qz {

// Hidden for this many more updates after the first Move zone of a run, and
// after every later one.
constexpr int FirstHideCountdown = 15;
constexpr int LaterHideCountdown = 1500;
// A new pursuer waits up to 899 turns before it shows, or up to 99 when the
// last one gave up.
constexpr int PlacementDelay = 900;
constexpr int DelayAfterGivingUp = 100;
// Counted crossings it follows; the next counted one makes it give up.
constexpr int MostFollows = 3;

// A pursuer present at the end of a game is still present in the next one:
// only pushBackInForce is cleared by a new game.
//
// Invariants: pursuerFollows is 0..3 (a fourth counted crossing always gives
// up); pursuerDelay is 0..899 and pursuerHideCountdown 0..1500; it faces left
// or right; the scientist never holds the alien inside a hole (the catch is
// only made outdoors, and a held alien cannot drop in).
struct PursuerState {
    bool pursuerActive = false;       // placed; moves and shows once pursuerDelay is 0
    bool pursuerIsScientist = false;  // otherwise the FBI agent
    int pursuerX = 0;                 // top-left of its 50 x 100 box, in the area's pixels
    int pursuerY = 0;
    Facing pursuerFacing = FacingRight;
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

// Every field by name, for the replay record; a new field goes here too
// (core/state_fields.cpp counts them at compile time).
template <class F>
constexpr void forEachField(const PursuerState& s, F&& f) {
    f("pursuerActive", s.pursuerActive);
    f("pursuerIsScientist", s.pursuerIsScientist);
    f("pursuerX", s.pursuerX);
    f("pursuerY", s.pursuerY);
    f("pursuerFacing", s.pursuerFacing);
    f("pursuerDelay", s.pursuerDelay);
    f("alienCaught", s.alienCaught);
    f("pursuerFollows", s.pursuerFollows);
    f("pursuerGaveUp", s.pursuerGaveUp);
    f("pushBackInForce", s.pushBackInForce);
    f("pursuerHidden", s.pursuerHidden);
    f("pursuerHideCountdown", s.pursuerHideCountdown);
}

// While the scientist carries the alien, its keys are ignored (Escape and the
// window's close button still work).
struct GameState;
bool walkingAllowed(const GameState& state);

}  // namespace qz
