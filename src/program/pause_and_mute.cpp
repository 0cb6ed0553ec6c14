#include "program/pause_and_mute.h"

#include "turn/game_turn.h"

namespace qz {

void PauseAndMute::setPaused(bool paused) {
    if (paused != paused_) {
        paused_ = paused;
        sound_.pauseAll(paused);
    }
}

PauseAndMute::Tick PauseAndMute::tick(PlayMode mode) {
    TurnInput input = live_.readTurn();
    const bool pausable = mode == PlayMode::Arrival || mode == PlayMode::Play;
    bool quit = false;
    next_.events.clear();
    for (const InputEvent& event : input.events) {
        if (event.control == Control::Mute) {
            muted_ = !muted_;
            sound_.mute(muted_);
            continue;
        }
        if (event.control == Control::Pause && pausable) {
            setPaused(!paused_);
            continue;
        }
        if (event.control == Control::FocusLost && pausable && pauseOnFocusLoss_) {
            setPaused(true);
        }
        quit = quit || event.type == InputEvent::Type::Quit ||
               (event.type == InputEvent::Type::KeyDown && event.held[GameKey::Quit]);
        next_.events.push_back(event);
    }
    next_.held = input.held;
    if (!paused_) {
        return Tick::Play;
    }
    return quit ? Tick::Quit : Tick::Paused;
}

void fillPausedTurn(Runtime& rt) {
    constexpr int BandWidth = 200;
    constexpr int BandHeight = 50;
    const RulesView t = rt.freshRecord();
    const int top = FrameHeight / 2 - BandHeight / 2;
    t.draws.fill(FrameWidth / 2 - BandWidth / 2, top, BandWidth, BandHeight, Rgb{16, 16, 48});
    t.draws.drawTextCentred(FontSize::Large, "Paused", White, top + 10);
    rt.record.end = PresentAndPace;
    rt.record.gameTurn = false;
}

}  // namespace qz
