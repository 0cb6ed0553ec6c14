// The ship-call countdown and the end-of-game bonus bookkeeping.
#pragma once

namespace qz {

// A call lasts four quarters of 241 turns each.
constexpr int CallQuarters = 4;
constexpr int CallQuarterTurns = 240;

struct ShipCallState {
    bool callActive = false;
    int callQuarter = CallQuarters;            // quarters of call time left: 4..0
    int callStepCountdown = CallQuarterTurns;  // turns before the next quarter goes
    bool bonusPending = true;                  // the end bonus is still to be added this game
    int timeBonusReserve = 52;  // set once per run: only the first game earns the time bonus
};

// Every field by name, for the replay record; a new field goes here too
// (core/state_fields.cpp counts them at compile time).
template <class F>
constexpr void forEachField(const ShipCallState& s, F&& f) {
    f("callActive", s.callActive);
    f("callQuarter", s.callQuarter);
    f("callStepCountdown", s.callStepCountdown);
    f("bonusPending", s.bonusPending);
    f("timeBonusReserve", s.timeBonusReserve);
}

}  // namespace qz
