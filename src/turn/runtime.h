// Runtime: what a turn works with, the game state, its input and the platform seams.
#pragma once

#include "controls/input_source.h"
#include "core/game_state.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/sound_board.h"
#include "turn/timer.h"
#include "turn/turn_overlay.h"

namespace qz {

// The real game fills it with SDL's seams; tests with a virtual clock,
// scripted input and a recording sound board.
struct Runtime {
    GameState& state;
    Canvas& canvas;
    Clock& clock;
    InputSource& input;
    SoundBoard& sound;
    TurnInput turnInput{};  // this turn's, read at its start
    Timer frameTimer{};
    std::int64_t turnStartUs = -1;   // the clock's fine reading at the turn's start
    std::int64_t turnEndUs = -1;     // where the last paced turn was meant to end
    TurnOverlay* overlay = nullptr;  // the assist layer, when the player asks for it
};

// The nominal length of a turn, in milliseconds.
constexpr std::uint32_t FrameMs = 33;

// Waits out the rest of the turn's 33 ms.
void pace(Runtime& rt);

// Where a turn beginning at `now` on the fine clock counts from.
std::int64_t turnStart(const Runtime& rt, std::int64_t now);

}  // namespace qz
