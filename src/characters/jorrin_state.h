// The flags of Jorrin's visits that the Play turn branches on.
#pragma once

namespace qz {

struct JorrinState {
    bool alienCollapsed = false;  // energy ran out; a rescue visit is running
    bool jorrinCalled = false;    // a called visit (candy for points) is running
    int jorrinExitDir = 0;        // 1 up, 2 right, 3 down; drawn by every random set-up
};

}  // namespace qz
