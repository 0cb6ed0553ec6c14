// The turns of a recording as the game holds them while it replays: each in a
// few bytes rather than a record with lists, so a long recording takes about
// as much memory as its file and no more.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controls/turn_input.h"

namespace qz {

struct RecordedTurn {
    TurnInput input;
    std::string soundAnswers;  // '0' or '1' per question, in order
};

class RecordedTurns {
  public:
    // Only an event's type and held words are kept: a recording holds nothing more.
    void push_back(const RecordedTurn& turn);
    std::size_t size() const { return starts_.size(); }
    bool empty() const { return starts_.empty(); }
    RecordedTurn operator[](std::size_t index) const;

  private:
    std::vector<std::uint8_t> bytes_;
    std::vector<std::uint32_t> starts_;  // where each turn's bytes begin
};

}  // namespace qz
