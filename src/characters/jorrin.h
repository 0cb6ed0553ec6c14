// Jorrin, the boy who helps: the rescue when the energy runs out, the called
// visit that turns carried candy into points, and the visit step of the Play turn.
#pragma once

#include "core/game_state.h"
#include "core/geometry.h"

namespace qz {

// Every turn of a visit waits this long on top of its drawing.
constexpr int JorrinVisitWaitMs = 10;
// Revived with this much energy, at the cost of a life.
constexpr int RevivalEnergy = 50;

// What a visit turn shows: Jorrin, then the alien over him.
struct JorrinVisitPicture {
    Point jorrin;
    int jorrinFacing;
    DrawCount characterDrawCount;  // the count Jorrin's frame is chosen from
    Point alien;
    bool alienCollapsed;
    int alienFacing;
    bool alienWalking;
    DrawCount alienAnimFrame;
};

// Exactly when a visit takes over the alien's drawing step.
bool jorrinVisitRuns(const GameState& state);

// When the energy has run out and no rescue runs yet: sends Jorrin in and
// lets the alien collapse. Outside a hole he comes from a random side.
void startRescue(GameState& state);

// At the end of a power animation with the Call Jorrin request raised: Jorrin
// comes for the candy, from wherever his last visit left him. No candy, no visit.
void startCalledVisit(GameState& state);

// One turn of a visit: Jorrin's column and row steps, the step off once he
// stands at the alien, the revival, the candy delivery when he has left the
// play field. Advances the shared draw count and the alien's walking frame
// for what it gives back to draw.
JorrinVisitPicture jorrinVisitStep(GameState& state);

}  // namespace qz
