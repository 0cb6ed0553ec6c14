// The game's loop of turns, with a recorder or a player (or neither) in
// between and the pause and mute keys read before either. It runs up to its
// next wait and hands the wait back: the program sleeps it, the page lets
// the browser run until it is over. It goes a turn at a time, so whoever
// drives it may also stop between two turns.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "program/pause_and_mute.h"
#include "program/session_recorder.h"
#include "turn/presenter.h"
#include "turn/runtime.h"

namespace qz {

class TurnLoop {
  public:
    explicit TurnLoop(Runtime& rt, SessionRecorder* recorder = nullptr,
                      SessionPlayer* player = nullptr, PauseAndMute* controls = nullptr)
        : rt_(rt), recorder_(recorder), player_(player), controls_(controls) {}

    // Runs turns up to the next wait and returns it; none once the game is
    // over. The recorder's end line is written when the player quits. After
    // WorkBeforeYieldMs of turns with no wait at all, it returns a wait of
    // nothing between two turns.
    std::optional<Wait> advance();
    static constexpr std::uint32_t WorkBeforeYieldMs = 100;
    // Goes on with the turn under way, or begins the next, up to its next
    // wait and returns it; none once that turn is over, and at once when
    // the game is. advance() is these, one after another.
    std::optional<Wait> advanceTurn();
    // Once over: empty, or the line saying where a replay strayed from the
    // recording's digests (it stops there).
    const std::string& astray() const { return astray_; }

  private:
    // Fills the next turn's record and starts presenting it, or ends the game.
    void beginTurn();
    // After a turn's record is carried out: its line, the replay's check.
    void endTurn();
    void finish();

    Runtime& rt_;
    SessionRecorder* recorder_;
    SessionPlayer* player_;
    PauseAndMute* controls_;
    Presenter presenter_;
    bool presenting_ = false;
    bool paused_ = false;  // the turn being presented is the pause's
    bool over_ = false;
    std::string astray_;
};

}  // namespace qz
