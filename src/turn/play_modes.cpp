#include "turn/play_modes.h"

#include <array>

#include "core/sound_cues.h"
#include "items/end_screen.h"
#include "turn/title_screens.h"

namespace qz {

TurnEnd titleTurn(Runtime& rt) {
    GameState& s = rt.state;
    titleMusicCue(s, rt.sound);
    if (s.instructionsShown) {
        drawInstructionPage(rt.canvas, s.instructionPage);
        return PresentAndPace;
    }
    if (s.titleBlinkCountdown == 0) {
        s.titleBlinkCountdown = TitleBlinkTurns;
        s.titleBlinkPhase = s.titleBlinkPhase == 1 ? 0 : 1;
    } else {
        --s.titleBlinkCountdown;
    }
    drawTitleScreen(rt.canvas, s.titleBlinkPhase);
    return PresentAndPace;
}

TurnEnd gameOverTurn(Runtime& rt) {
    gameOverStep(rt.state, rt.canvas);
    return PresentAndPace;
}

namespace {

struct Mode {
    PlayMode mode;
    TurnEnd (*turn)(Runtime&);
    void (*enter)(Runtime&);
    void (*leave)(Runtime&);
};

constexpr std::array<Mode, 4> Modes{{
    {PlayMode::Title, titleTurn, nullptr, nullptr},
    {PlayMode::Arrival, arrivalTurn, enterArrival, leaveArrival},
    {PlayMode::Play, playTurn, nullptr, nullptr},
    {PlayMode::GameOver, gameOverTurn, nullptr, nullptr},
}};

const Mode* modeOf(PlayMode mode) {
    for (const Mode& entry : Modes) {
        if (entry.mode == mode) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace

TurnEnd runModeTurn(Runtime& rt) {
    const Mode* mode = modeOf(rt.state.mode);
    return mode ? mode->turn(rt) : NothingShown;
}

void finishModeChange(Runtime& rt, PlayMode from) {
    if (from == rt.state.mode) {
        return;
    }
    if (const Mode* left = modeOf(from); left && left->leave) {
        left->leave(rt);
    }
    if (const Mode* entered = modeOf(rt.state.mode); entered && entered->enter) {
        entered->enter(rt);
    }
}

}  // namespace qz
