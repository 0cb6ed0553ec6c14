// The presenter: carries a turn's record out on the canvas, the sound board
// and the clock. Its waits are handed back, so the native loop sleeps them
// and the page lets the browser run until they are over.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "turn/runtime.h"

namespace qz {

// How long to wait before the presenter goes on, from the clock's now.
struct Wait {
    std::int64_t us;
};

class Presenter {
  public:
    // Starts on the record the turn has just filled.
    void start();
    // Carries out everything up to the record's next wait and returns that
    // wait; none when the turn is over.
    std::optional<Wait> resume(Runtime& rt);
    bool done() const { return step_ == Step::Done; }

  private:
    enum class Step { Draws, Cues, Show, Pace, Done };
    Step step_ = Step::Done;
    std::size_t cue_ = 0;
};

// The wait that paces the turn to its 33 ms, if any is left.
std::optional<Wait> paceWait(Runtime& rt);

}  // namespace qz
