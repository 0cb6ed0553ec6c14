// The flags of Jorrin's visits that the Play turn branches on.
#pragma once

namespace qz {

struct JorrinState {
    bool alienCollapsed = false;  // energy ran out; a rescue visit is running
    bool jorrinCalled = false;    // a called visit (candy for points) is running
    int jorrinExitDir = 0;        // 1 up, 2 right, 3 down; drawn by every random set-up
};

// Every field by name, for the replay record; a new field goes here too
// (frame/replay/state_fields.cpp counts them at compile time).
template <class F>
constexpr void forEachField(const JorrinState& s, F&& f) {
    f("alienCollapsed", s.alienCollapsed);
    f("jorrinCalled", s.jorrinCalled);
    f("jorrinExitDir", s.jorrinExitDir);
}

}  // namespace qz
