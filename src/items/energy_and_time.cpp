#include "items/energy_and_time.h"

#include <algorithm>
#include <cstdint>

namespace qz {

void spendTimeUnits(GameState& state, int n) {
    // Spending nothing costs nothing. The counter rests at 9999, itself a
    // multiple of 99, after every lost point, so the test below would
    // otherwise take a point for every turn spent standing still in a hole.
    if (n == 0) {
        return;
    }
    state.timeUnits -= n;
    if (state.timeUnits % 99 <= 0) {
        state.energy = std::max(0, state.energy - 1);
        state.timeUnits = TimeUnitsFull;
    }
}

void payPowerCost(GameState& state) {
    state.energy = std::max(0, state.energy - PowerCost);
}

std::optional<int> stepShipCall(GameState& state) {
    ShipCallState& call = state.shipCall;
    if (state.zones.powerActive || !call.callActive) {
        // A running power animation freezes the countdown and hides the indicator.
        if (!call.callActive) {
            call.callQuarter = CallQuarters;
        }
        return std::nullopt;
    }
    if (state.area == InsideHole) {
        return std::nullopt;
    }
    const bool allPieces =
        state.phonePieceHeld[0] && state.phonePieceHeld[1] && state.phonePieceHeld[2];
    if (!allPieces) {
        // The ship only answers a complete phone: the call is cancelled, but
        // the countdown of the current quarter is not reset.
        call.callActive = false;
        call.callQuarter = CallQuarters;
        return CallQuarters;
    }
    if (call.callStepCountdown > 0) {
        --call.callStepCountdown;
    } else {
        call.callStepCountdown = CallQuarterTurns;
        if (call.callQuarter > 0) {
            --call.callQuarter;
        } else {
            call.callActive = false;
        }
    }
    return call.callQuarter;
}

void addEndBonus(GameState& state) {
    ShipCallState& call = state.shipCall;
    if (!call.bonusPending) {
        return;
    }
    if (call.timeBonusReserve > 31) {
        call.timeBonusReserve -= 31;
        state.score += std::int64_t{1000} * call.timeBonusReserve;
    }
    state.score += std::int64_t{490} * state.candyCount + state.energy;
    call.bonusPending = false;
}

void deliverCandy(GameState& state) {
    state.score += std::int64_t{CandyPoints} * state.candyCount;
    state.candyCount = 0;
}

}  // namespace qz
