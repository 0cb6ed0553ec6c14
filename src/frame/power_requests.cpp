#include "frame/power_requests.h"

#include "characters/pursuer.h"
#include "world/power_zones.h"

namespace qz {

void carryOutPowerRequests(GameState& s) {
    const auto raised = [&s](int kind) {
        return s.zones.powerRequest[static_cast<std::size_t>(kind)];
    };

    // 1. The movement zones take the alien to the neighbouring area at once.
    for (const int kind : {MoveUp, MoveDown, MoveLeft, MoveRight}) {
        if (raised(kind)) {
            moveThroughZone(s, kind);
            hidePursuer(s, kind);
        }
    }
    // 2. The pursuer walks away until it leaves or the alien crosses an edge.
    if (raised(PushBackHumans)) {
        startPushBack(s);
    }
    // 3. Phone follows here, with the part it belongs to.
    // 4. A carried piece is eaten later in this turn, once the name is drawn.
    if (raised(EatCandy)) {
        s.candy.eatCandyInForce = true;
    }
    // 5. Call Jorrin (only with candy carried) and 6. Call Ship follow here,
    // in that order, with the parts they belong to.
}

}  // namespace qz
