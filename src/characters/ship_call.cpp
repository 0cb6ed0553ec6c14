#include "characters/ship_call.h"

namespace qz {

void startShipCall(GameState& state) {
    state.shipCall.callActive = true;
}

bool shipHasLanded(const GameState& state) {
    return state.zones.zoneKind == Landing && state.shipCall.callActive &&
           state.shipCall.callQuarter == 0;
}

}  // namespace qz
