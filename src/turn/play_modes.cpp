#include "turn/play_modes.h"

#include <array>

#include "core/sound_cues.h"
#include "items/energy_and_time.h"
#include "view/end_screen.h"
#include "view/title_screens.h"

namespace qz {

FrameEnd titleTurn(RulesView& t) {
    GameState& s = t.state;
    titleMusicCue(s, t.cues);
    if (s.instructionsShown) {
        drawInstructionPage(t.draws, s.instructionPage);
        return PresentAndPace;
    }
    if (s.titleBlinkCountdown == 0) {
        s.titleBlinkCountdown = TitleBlinkTurns;
        s.titleBlinkPhase = s.titleBlinkPhase == 1 ? 0 : 1;
    } else {
        --s.titleBlinkCountdown;
    }
    drawTitleScreen(t.draws, s.titleBlinkPhase);
    return PresentAndPace;
}

FrameEnd gameOverTurn(RulesView& t) {
    // The end bonus is added once a game; the screen is drawn every turn.
    addEndBonus(t.state);
    drawEndScreen(t.draws, t.state.score);
    return PresentAndPace;
}

namespace {

struct Mode {
    PlayMode mode;
    FrameEnd (*turn)(RulesView&);
    void (*enter)(RulesView&);
    void (*leave)(RulesView&);
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

FrameEnd runModeTurn(RulesView& t) {
    const Mode* mode = modeOf(t.state.mode);
    return mode ? mode->turn(t) : NothingShown;
}

void finishModeChange(RulesView& t, PlayMode from) {
    if (from == t.state.mode) {
        return;
    }
    if (const Mode* left = modeOf(from); left && left->leave) {
        left->leave(t);
    }
    if (const Mode* entered = modeOf(t.state.mode); entered && entered->enter) {
        entered->enter(t);
    }
}

}  // namespace qz
