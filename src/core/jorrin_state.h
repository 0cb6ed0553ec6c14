// Jorrin's visits: where the boy stands, and the rescue or called visit that runs.
#pragma once

#include "core/play_mode.h"

namespace qz {

// The ways Jorrin walks off once he has reached the alien; left is never drawn.
enum JorrinExit : int { ExitUp = 1, ExitRight = 2, ExitDown = 3, ExitLeft = 4 };

// Jorrin's place and facing carry over between visits and games: a visit
// starts from wherever the last one left him. At most one step of each kind
// runs per turn, so jorrinAtX/jorrinAtY only say "reached once".
struct JorrinState {
    int jorrinX = 0;
    int jorrinY = 0;
    Facing jorrinFacing = FacingRight;
    bool jorrinAtX = false;  // has reached the alien's column
    bool jorrinAtY = false;  // has reached the alien's row
    JorrinExit jorrinExitDir =
        ExitUp;                   // drawn by every random set-up and every rescue outside a hole
    bool alienCollapsed = false;  // energy ran out; a rescue visit is running
    bool jorrinCalled = false;    // a called visit (candy for points) is running
};

// Every field by name, for the replay record; a new field goes here too
// (core/state_fields.cpp counts them at compile time).
template <class F>
constexpr void forEachField(const JorrinState& s, F&& f) {
    f("jorrinX", s.jorrinX);
    f("jorrinY", s.jorrinY);
    f("jorrinFacing", s.jorrinFacing);
    f("jorrinAtX", s.jorrinAtX);
    f("jorrinAtY", s.jorrinAtY);
    f("jorrinExitDir", s.jorrinExitDir);
    f("alienCollapsed", s.alienCollapsed);
    f("jorrinCalled", s.jorrinCalled);
}

}  // namespace qz
