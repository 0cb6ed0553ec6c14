// Input from a script: the keys held in each turn, as if a player pressed them.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "frame/platform/keyboard.h"

namespace qz {

// What the player does in one turn: the keys held, and whether the window's
// close button was pressed.
struct TurnInput {
    std::vector<int> held;
    bool closeWindow = false;
    bool operator==(const TurnInput&) const = default;
};

// A run of inputs in a few words: "S x1, idle x59, X+Up x3, close x1".
std::string describeInputs(const std::vector<TurnInput>& turns);

// Feeds one TurnInput per turn. Like the display library, the held-key array
// already shows a turn's keys when its events are taken, and a key that goes
// down gives one key-down event (no key repeat).
class ScriptedInput final : public InputSource {
  public:
    // Sets up the events and key array of the next turn.
    void beginTurn(const TurnInput& turn);

    bool poll(InputEvent& event) override;
    void pump() override {}
    const std::uint8_t* keyState() override { return keys_.data(); }

  private:
    std::array<std::uint8_t, KeyStateSize> keys_{};
    std::deque<InputEvent> queue_;
};

// A script of turns, built a stretch at a time.
class KeyScript {
  public:
    // Holds the keys for `turns` turns.
    KeyScript& hold(std::initializer_list<int> keys, int turns);
    // Nothing held.
    KeyScript& idle(int turns);
    // Presses a key (or chord) for one turn and lets it go in the next.
    KeyScript& tap(std::initializer_list<int> keys);
    KeyScript& closeWindow();

    const std::vector<TurnInput>& turns() const { return turns_; }

  private:
    std::vector<TurnInput> turns_;
};

}  // namespace qz
