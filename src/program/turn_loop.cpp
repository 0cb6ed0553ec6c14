#include "program/turn_loop.h"

#include "turn/game_turn.h"

namespace qz {

std::optional<Wait> TurnLoop::advance() {
    const std::uint32_t began = rt_.clock.ticks();
    while (!over_) {
        if (const auto wait = advanceTurn()) {
            return wait;
        }
        // Turns that each outlast their 33 ms hand back no wait. A host
        // that slow still gets control back now and then: the page its
        // frame, to draw and to take input.
        if (!over_ && rt_.clock.ticks() - began >= WorkBeforeYieldMs) {
            return Wait{0};
        }
    }
    return std::nullopt;
}

std::optional<Wait> TurnLoop::advanceTurn() {
    if (!presenting_) {
        if (over_) {
            return std::nullopt;
        }
        beginTurn();
        if (!presenting_) {
            return std::nullopt;
        }
    }
    if (const auto wait = presenter_.resume(rt_)) {
        return wait;
    }
    presenting_ = false;
    if (!paused_) {
        endTurn();
    }
    return std::nullopt;
}

void TurnLoop::beginTurn() {
    startPacing(rt_);
    if (player_ && !player_->nextTurn()) {
        over_ = true;
        return;
    }
    paused_ = false;
    if (controls_) {
        const PauseAndMute::Tick tick = controls_->tick(rt_.state.mode);
        if (tick == PauseAndMute::Tick::Quit) {
            finish();
            return;
        }
        if (tick == PauseAndMute::Tick::Paused) {
            if (rt_.overlay) {
                rt_.overlay->turnSkipped(controls_->readTurn());
            }
            fillPausedTurn(rt_);
            paused_ = true;
            presenter_.start();
            presenting_ = true;
            return;
        }
    }
    if (fillTurn(rt_)) {
        presenter_.start();
        presenting_ = true;
    } else {
        endTurn();
    }
}

void TurnLoop::endTurn() {
    if (recorder_) {
        recorder_->endTurn(rt_.state);
    }
    if (player_) {
        astray_ = player_->strayed(rt_.state);
        if (!astray_.empty()) {
            over_ = true;
            return;
        }
    }
    if (rt_.state.quitRequested) {
        finish();
    }
}

// Escape and the window's close button alike (and the signals that the
// display library turns into a close) end the game here.
void TurnLoop::finish() {
    if (recorder_) {
        recorder_->finish(rt_.state);
    }
    over_ = true;
}

}  // namespace qz
