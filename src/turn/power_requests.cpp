#include "turn/power_requests.h"

#include "characters/jorrin.h"
#include "characters/phone_marks.h"
#include "characters/pursuer.h"
#include "characters/ship_call.h"
#include "world/power_zones.h"

namespace qz {

void carryOutPowerRequests(GameState& s) {
    const auto raised = [&s](ZoneKind kind) { return s.zones.powerRequest[kind]; };

    // 1. The movement zones take the alien to the neighbouring area at once.
    for (const ZoneKind kind : {MoveUp, MoveDown, MoveLeft, MoveRight}) {
        if (raised(kind)) {
            moveThroughZone(s, kind);
            hidePursuer(s, kind);
        }
    }
    // 2. The pursuer walks away until it leaves or the alien crosses an edge.
    if (raised(PushBackHumans)) {
        startPushBack(s);
    }
    // 3. Marks over the holes of the area that hold pieces.
    if (raised(Phone)) {
        startPhoneMarks(s);
    }
    // 4. A carried piece is eaten later in this turn, once the name is drawn.
    if (raised(EatCandy)) {
        s.candy.eatCandyInForce = true;
    }
    // 5. Jorrin comes for the candy (only with candy carried; the call tests its request).
    startCalledVisit(s);
    // 6. The ship call: its request stays raised for the rest of the game.
    if (raised(CallShip)) {
        startShipCall(s);
    }
}

}  // namespace qz
