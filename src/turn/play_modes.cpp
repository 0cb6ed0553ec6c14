#include "turn/play_modes.h"

#include <array>
#include <utility>

#include "core/sound_cues.h"
#include "items/end_screen.h"
#include "turn/title_screens.h"

namespace qz {

TurnEnd titleTurn(Runtime& rt) {
    GameState& s = rt.state;
    titleMusicCue(s, rt.sound);
    if (s.instructionsShown) {
        drawInstructionPage(rt.canvas, s.instructionPage);
        return TurnEnd::PresentAndPace;
    }
    if (s.titleBlinkCountdown == 0) {
        s.titleBlinkCountdown = TitleBlinkTurns;
        s.titleBlinkPhase = s.titleBlinkPhase == 1 ? 0 : 1;
    } else {
        --s.titleBlinkCountdown;
    }
    drawTitleScreen(rt.canvas, s.titleBlinkPhase);
    return TurnEnd::PresentAndPace;
}

TurnEnd gameOverTurn(Runtime& rt) {
    gameOverStep(rt.state, rt.canvas);
    return TurnEnd::PresentAndPace;
}

TurnEnd runModeTurn(Runtime& rt) {
    using ModeTurn = TurnEnd (*)(Runtime&);
    static constexpr std::array<std::pair<PlayMode, ModeTurn>, 4> modes{{
        {PlayMode::Title, titleTurn},
        {PlayMode::Arrival, arrivalTurn},
        {PlayMode::Play, playTurn},
        {PlayMode::GameOver, gameOverTurn},
    }};
    for (const auto& [mode, turn] : modes) {
        if (mode == rt.state.mode) {
            return turn(rt);
        }
    }
    return TurnEnd::Done;
}

}  // namespace qz
