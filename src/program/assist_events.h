// What the assist layer tells the player of: the things that happen in a
// turn of play, read from the state before and after it, each with its
// sound and its line.
#pragma once

#include <vector>

#include "core/game_state.h"
#include "platform/sound_board.h"

namespace qz {

enum class AssistEvent {
    PieceFound,
    PieceTaken,
    CandyTaken,
    CaughtByAgent,
    CaughtByScientist,
    FlowerRevived,
    JorrinRescuing,
    JorrinCalled,
    ShipCalled,
    Win,
    Loss,
};
constexpr int AssistEventCount = 11;

struct AssistNews {
    AssistSound sound;
    const char* line;  // shown in the play field; null where the end screen says it
};

AssistNews newsOf(AssistEvent event);

// The agent's catch that takes something in the same turn, told as one: the
// line names what was taken (`theft` is PieceTaken or CandyTaken); the
// theft's own sound is to follow the catch's.
AssistNews caughtWithTheft(AssistEvent theft);

// What happened in a turn that began in play: `before` as it began, `after`
// as it ended. Turns in other modes tell nothing.
std::vector<AssistEvent> eventsOfTurn(const GameState& before, const GameState& after);

// The piece whose icon left the top band in the turn, or -1.
int pieceTaken(const GameState& before, const GameState& after);

}  // namespace qz
