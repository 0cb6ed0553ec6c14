// A player who mashes keys: random presses and held keys, leaning towards
// what leads somewhere (S on the title, X on a hole, Z in a zone), and in
// long spells playing the game home as the autopilot does, so a long run
// reaches the rare states of every mode, the ship call and a won game.
#pragma once

#include <optional>
#include <random>
#include <vector>

#include "core/game_state.h"
#include "harness/scripted_input.h"

namespace qz::soak {

using Keys = std::vector<GameKey>;

class RandomPlayer {
  public:
    explicit RandomPlayer(unsigned seed) : random_(seed) {}

    // The keys of the next turn, chosen by looking at the state.
    ScriptedTurn next(const GameState& state);

  private:
    // What the player is after for a stretch of turns.
    enum class Spell {
        Wander,  // random keys
        Seek,    // holes, the pieces in them, the ship zones
        Burn,    // energy spent on powers until the lives run out
        GoHome,  // the autopilot's way to a won game, with rarer disturbances
        Meet,    // two lasting states at once: the meetings where faults hide
    };

    void chooseSpell();
    ScriptedTurn nextTurn(const GameState& state);
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    // Keeps `keys` held for a random stretch of turns.
    void holdFor(Keys keys, int maxTurns);
    Keys titleKeys(const GameState& state);
    Keys playKeys(const GameState& state);
    Keys mash();
    // The arrow that brings the alien's top-left corner closer to (x, y),
    // none once there.
    Keys towards(const GameState& state, int x, int y);
    // The arrow towards the middle of the area's zone cell of `kind`, none
    // once there; nothing when the area has no such cell.
    std::optional<Keys> towardsZone(const GameState& state, int kind);
    // The arrow across the edge that joins `from` to `to`; the spell's
    // heading when none does.
    GameKey towardsArea(int from, int to) const;
    // Heads for the nearest hole and drops in.
    Keys intoNearestHole(const GameState& state);
    // Heads for a hole, or for the ship zones once the pieces are all held.
    Keys seek(const GameState& state);
    // Waits in a zone for the pursuer and uses it as the pursuer closes in;
    // or calls Jorrin, drops into a hole and hovers there until the energy
    // runs out.
    Keys meet(const GameState& state);

    std::mt19937 random_;
    Keys held_;
    int heldTurns_ = 0;
    int targetHole_ = 0;  // the hole headed for, among the area's
    Spell spell_ = Spell::Wander;
    int spellTurns_ = 0;                // turns left of the spell
    GameKey heading_ = GameKey::Right;  // the arrow that takes the spell to other areas
    bool meetOnTheWay_ = false;         // going home, wait for the pursuer to call the ship
    bool meetJorrin_ = false;           // meeting Jorrin rather than the pursuer
    ScriptedTurn last_;  // the keys of the turn before, for the autopilot's fresh presses
};

}  // namespace qz::soak
