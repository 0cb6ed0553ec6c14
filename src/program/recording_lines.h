// The turns of a recording as the game holds them while it replays: each in a
// few bytes rather than a record with lists, and a turn that took nothing in
// one, so a recording takes at most about as much memory as its file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controls/turn_input.h"

namespace qz {

struct RecordingLine {
    TurnInput input;
    std::string soundAnswers;  // '0' or '1' per question, in order
};

class RecordingLines {
  public:
    // Only an event's type and held words are kept: a recording holds nothing more.
    void push_back(const RecordingLine& turn);
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    // Read from the nearest mark before it, so turns read in order cost little.
    RecordingLine operator[](std::size_t index) const;

  private:
    // Where a turn begins, and the words held before it.
    struct Mark {
        std::size_t at;
        std::uint16_t heldBefore;
    };
    static constexpr std::size_t TurnsPerMark = 64;

    std::vector<std::uint8_t> bytes_;
    std::vector<Mark> marks_;  // one every TurnsPerMark turns
    std::size_t size_ = 0;
    HeldKeys held_;  // at the end of the last turn
};

}  // namespace qz
