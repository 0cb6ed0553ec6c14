// Runtime: what a turn works with, the game state, its input and the platform
// seams; and the record a turn fills for the presenter to carry out.
#pragma once

#include <cstdint>

#include "controls/input_source.h"
#include "core/cue_list.h"
#include "core/drawing.h"
#include "core/game_state.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/sound_board.h"
#include "turn/timer.h"
#include "turn/turn_overlay.h"

namespace qz {

// How a turn's frame ends: whether it is shown, how long it is then held,
// and whether the turn is paced to its 33 ms.
struct FrameEnd {
    bool present;
    std::uint32_t holdMs;
    bool pace;
};
constexpr FrameEnd PresentAndPace{true, 0, true};
constexpr FrameEnd NothingShown{false, 0, false};

// What a turn shows and does, as its rules leave it: the frame's draws in
// order, the sound requests and waits in the order they were made, and how
// the frame ends. The presenter carries it out.
struct ShowRecord {
    Drawing draws;
    CueList cues;
    FrameEnd end = NothingShown;
    // False for a frame of the program's own (the pause's): no turn of the
    // game ran, so the overlay neither tells nor draws anything over it.
    bool gameTurn = true;
};

// What the rules of a turn see: the state they change, the turn's input, and
// the record they fill. No canvas, sound board or clock.
struct RulesView {
    GameState& state;
    const TurnInput& input;
    Drawing& draws;
    CueList& cues;
};

// The real game fills it with SDL's seams; tests with a virtual clock,
// scripted input and a recording sound board.
struct Runtime {
    GameState& state;
    Canvas& canvas;
    Clock& clock;
    InputSource& input;
    SoundBoard& sound;
    TurnInput turnInput{};  // this turn's, read at its start
    ShowRecord record{};    // this turn's, filled by its rules
    Timer frameTimer{};
    std::int64_t turnStartUs = -1;   // the clock's fine reading at the turn's start
    std::int64_t turnEndUs = -1;     // where the last paced turn was meant to end
    TurnOverlay* overlay = nullptr;  // the assist layer, when the player asks for it

    // A new turn's empty record, and the rules' view of it.
    RulesView freshRecord();
};

// The nominal length of a turn, in milliseconds.
constexpr std::uint32_t FrameMs = 33;

// Where a turn beginning at `now` on the fine clock counts from.
std::int64_t pacedStartUs(const Runtime& rt, std::int64_t now);

}  // namespace qz
