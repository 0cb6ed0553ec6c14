// Jorrin's visits: where the boy stands, and the rescue or called visit that runs.
#pragma once

#include "frame/play_mode.h"

namespace qz {

// The ways Jorrin walks off once he has reached the alien; left is never drawn.
enum JorrinExit : int { ExitUp = 1, ExitRight = 2, ExitDown = 3, ExitLeft = 4 };

// Jorrin's place and facing carry over between visits and games: a visit
// starts from wherever the last one left him. At most one step of each kind
// runs per turn, so jorrinAtX/jorrinAtY only say "reached once".
struct JorrinState {
    int jorrinX = 0;
    int jorrinY = 0;
    int jorrinFacing = FacingRight;
    bool jorrinAtX = false;  // has reached the alien's column
    bool jorrinAtY = false;  // has reached the alien's row
    int jorrinExitDir = ExitUp;
    bool alienCollapsed = false;  // energy ran out; a rescue visit is running
    bool jorrinCalled = false;    // a called visit (candy for points) is running
};

}  // namespace qz
