#include "items/candy.h"

#include <algorithm>
#include <cstdint>

#include "core/sound_cues.h"
#include "items/energy_and_time.h"

namespace qz {
namespace {

constexpr int CandySize = 15;
constexpr int CandyEnergy = 45;

// The three draws shared by laying and respawning, in their order.
void placeCandy(GameState& state) {
    state.candy.candyX = state.random.deal() % 700 + 50;
    state.candy.candyY = state.random.deal() % 300 + 125;
    state.candy.candyArea = state.random.deal() % 3 + 1;
}

}  // namespace

void layCandy(GameState& state) {
    placeCandy(state);
}

void respawnCandy(GameState& state) {
    placeCandy(state);
    state.candy.candyLook = state.random.deal() % 100 + 1;
    ++state.candyCount;
    state.candy.candyTouched = false;
}

bool candyTouchTest(const GameState& s, CueList& sound) {
    // The hit tests read the position as 16-bit values.
    const int x = static_cast<std::int16_t>(s.alienX);
    const int feet = static_cast<std::int16_t>(s.alienY + 70);
    const CandyState& c = s.candy;
    if (s.area != c.candyArea || feet < c.candyY || feet > c.candyY + CandySize ||
        x > c.candyX + CandySize) {
        return false;
    }
    if (s.alienFacing == FacingLeft) {
        if (x < c.candyX - 2) {
            return false;
        }
        playWhenSilent(sound, ChannelCandy, Sound::Candy);
        return true;
    }
    return x >= c.candyX - 32;
}

std::optional<CandySight> candyStep(GameState& s) {
    if (s.candy.candyTouched) {
        respawnCandy(s);
        return std::nullopt;
    }
    if (isHoleArea(s.area) && s.area == s.candy.candyArea) {
        return CandySight{s.candy.candyX, s.candy.candyY, s.candy.candyLook};
    }
    return std::nullopt;
}

void eatCandyPiece(GameState& s) {
    s.zones.powerRequest[EatCandy] = false;
    s.candy.eatCandyInForce = false;
    if (s.candyCount > 0) {
        --s.candyCount;
        s.energy = std::min(s.energy + CandyEnergy, MaxEnergy);
    }
}

}  // namespace qz
