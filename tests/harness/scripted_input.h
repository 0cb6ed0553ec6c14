// Input from a script: the keys held in each turn, as if a player pressed them.
#pragma once

#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "controls/input_source.h"
#include "controls/keyboard.h"

namespace qz {

// Scripts press the game's keys by their names on the keyboard.
constexpr GameKey KeyLeft = GameKey::Left;
constexpr GameKey KeyRight = GameKey::Right;
constexpr GameKey KeyUp = GameKey::Up;
constexpr GameKey KeyDown = GameKey::Down;
constexpr GameKey KeyX = GameKey::Drop;
constexpr GameKey KeyZ = GameKey::Power;
constexpr GameKey KeyS = GameKey::Start;
constexpr GameKey KeyI = GameKey::Instructions;
constexpr GameKey KeyEscape = GameKey::Quit;

// A key by its name on the keyboard, for test messages.
std::ostream& operator<<(std::ostream& out, GameKey key);

// What the player does in one turn: the keys held, and whether the window's
// close button was pressed.
struct ScriptedTurn {
    std::vector<GameKey> held;
    bool closeWindow = false;
    bool operator==(const ScriptedTurn&) const = default;
};

// A run of inputs in a few words: "S x1, idle x59, X+Up x3, close x1".
std::string describeInputs(const std::vector<ScriptedTurn>& turns);
// Reads such words back; nothing when they are not of that form.
std::optional<std::vector<ScriptedTurn>> parseInputs(const std::string& text);

// Feeds one ScriptedTurn per turn. As with the display library, every event
// of a turn already sees the turn's keys held, and a key that goes down gives
// one key-down event (no key repeat).
class ScriptedInput final : public InputSource {
  public:
    // Sets up the record of the next turn.
    void beginTurn(const ScriptedTurn& turn);
    TurnInput readTurn() override { return next_; }

  private:
    HeldKeys held_;
    TurnInput next_;
};

// A script of turns, built a stretch at a time.
class KeyScript {
  public:
    // Holds the keys for `turns` turns.
    KeyScript& hold(std::initializer_list<GameKey> keys, int turns);
    // Nothing held.
    KeyScript& idle(int turns);
    // Presses a key (or chord) for one turn and lets it go in the next.
    KeyScript& tap(std::initializer_list<GameKey> keys);
    KeyScript& closeWindow();

    const std::vector<ScriptedTurn>& turns() const { return turns_; }

  private:
    std::vector<ScriptedTurn> turns_;
};

}  // namespace qz
