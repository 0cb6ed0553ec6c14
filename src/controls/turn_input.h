// One turn's input, as the rules read it: the game's own words for keys, the
// turn's events in order, each with the keys held at that moment, and the
// keys held once the queue is empty. The platform builds one such record per
// turn; recordings and scripted games are made of them too.
#pragma once

#include <cstdint>
#include <vector>

namespace qz {

// What the player can ask of the game. Which key or button says it is the
// platform's business.
enum class GameKey : std::uint8_t {
    Left,
    Right,
    Up,
    Down,
    Drop,          // drop into a hole; inside one, levitate
    Power,         // use the zone's power; inside a hole, revive the flower
    Start,         // a new game from the title
    Instructions,  // the instruction pages
    Quit,          // leave the pages; anywhere else, quit
};
constexpr int GameKeyCount = 9;

// The game keys held at one moment.
class HeldKeys {
  public:
    bool operator[](GameKey key) const { return (bits_ >> bit(key)) & 1U; }
    void press(GameKey key) { bits_ = static_cast<std::uint16_t>(bits_ | (1U << bit(key))); }
    bool any() const { return bits_ != 0; }
    // Held here or there: a direction held on the keyboard and the pad is one.
    void add(HeldKeys other) { bits_ = static_cast<std::uint16_t>(bits_ | other.bits_); }
    bool operator==(const HeldKeys&) const = default;
    // One bit a game key, in the order of GameKey: for compact records.
    unsigned bits() const { return bits_; }
    static HeldKeys fromBits(unsigned bits) {
        HeldKeys held;
        held.bits_ = static_cast<std::uint16_t>(bits);
        return held;
    }

  private:
    static unsigned bit(GameKey key) { return static_cast<unsigned>(key); }
    std::uint16_t bits_ = 0;
};

// What an event means to the program rather than the game: its pause and
// mute keys, the map key going down and coming up, and the window losing the
// input focus.
enum class Control : std::uint8_t { None, Pause, Mute, FocusLost, Map, MapReleased };

struct InputEvent {
    enum class Type {
        KeyDown,  // any key, a game key or another one (which turns a page)
        Quit,     // the window's close button
        Other,
    };
    Type type = Type::Other;
    HeldKeys held;  // the keys held when the event was taken
    Control control = Control::None;
    bool operator==(const InputEvent&) const = default;
};

struct TurnInput {
    std::vector<InputEvent> events;
    HeldKeys held;  // once every event is taken: what the movement step and the pursuer read
    bool operator==(const TurnInput&) const = default;
};

}  // namespace qz
