// Where each turn's input record comes from: the keyboard and pad in play,
// a recording in a replay, a script in the tests.
#pragma once

#include "controls/turn_input.h"

namespace qz {

class InputSource {
  public:
    virtual ~InputSource() = default;
    // Everything the game takes from outside at the start of a turn.
    virtual TurnInput readTurn() = 0;
};

}  // namespace qz
