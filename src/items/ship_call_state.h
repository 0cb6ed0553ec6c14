// The ship-call countdown and the end-of-game bonus bookkeeping.
#pragma once

namespace qz {

struct ShipCallState {
    bool callActive = false;
    int callQuarter = 4;          // quarters of call time left: 4..0
    int callStepCountdown = 240;  // turns before the next quarter goes
    bool bonusPending = true;     // the end bonus is still to be added this game
    int timeBonusReserve = 52;    // set once per run: only the first game earns the time bonus
};

}  // namespace qz
