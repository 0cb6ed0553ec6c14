// The game's economy: spending energy, the ship-call countdown, the end bonus.
#pragma once

#include <optional>

#include "core/game_state.h"
#include "core/geometry.h"

namespace qz {

constexpr int MaxEnergy = 145;
constexpr int PowerCost = 10;
constexpr int CandyPoints = 770;

// Takes n from the time counter; whenever the counter lands on a multiple of
// 99 (or below zero) one point of energy goes and the counter starts again at
// 9999. A step of 20 or 50 can jump over a multiple without effect.
void spendTimeUnits(GameState& state, int n);

// Using a zone costs 10 energy, never taking it below 0.
void payPowerCost(GameState& state);

// One Play turn of the ship call; gives the quarter whose time indicator is
// to be drawn this turn, if any.
std::optional<int> stepShipCall(GameState& state);

// The bonus of a finished game, added once: the time bonus (first game of the
// run only), 490 per candy piece, and the energy left.
void addEndBonus(GameState& state);

// Jorrin's delivery: every carried candy piece becomes 770 points.
void deliverCandy(GameState& state);

}  // namespace qz
