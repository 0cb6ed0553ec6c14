// The assist layer: what the player turns on to be told what just happened.
// It watches each turn from outside the rules and draws and plays over it:
// a sound and a line for each thing that happens, the lives left, a taken
// piece's icon blinking, the alien's outline behind trees and buildings, the
// map while its key is held, and a won game's landing and end screen.
#pragma once

#include <string>

#include "core/game_state.h"
#include "platform/sound_board.h"
#include "turn/turn_overlay.h"

namespace qz {

// About two seconds of turns for a line, one and a half for a blink.
constexpr int AssistLineTurns = 60;
constexpr int AssistBlinkTurns = 45;
// Half a second of turns, about as long as a catch's sound: then the sound of
// what the catch took, on a channel of its own.
constexpr int AssistFollowTurns = 15;

class AssistLayer final : public TurnOverlay {
  public:
    explicit AssistLayer(AssistSoundBoard& sound) : sound_(sound) {}

    void inputRead(const GameState& state, const TurnInput& input) override;
    void turnEnds(const GameState& state, Drawing& drawing) override;
    void turnSkipped(const TurnInput& input) override { followMapKey(input); }

    // The line drawn over the last frame; empty when none was.
    const std::string& line() const { return shownLine_; }
    bool mapShown() const { return mapHeld_; }

  private:
    void followMapKey(const TurnInput& input);
    void tell(const GameState& state);
    void drawOverPlay(const GameState& state, Drawing& drawing);
    void drawOverEnd(const GameState& state, Drawing& drawing);

    AssistSoundBoard& sound_;
    GameState before_;
    std::string line_;
    std::string shownLine_;
    AssistSound following_ = AssistSound::PieceTaken;
    int followTurns_ = 0;  // turns until `following_` plays; 0 for none
    int lineTurns_ = 0;
    int blinkingPiece_ = -1;
    int blinkTurns_ = 0;
    bool mapHeld_ = false;
    bool won_ = false;
    int endTurn_ = 0;  // GameOver turns shown since the game was won
};

}  // namespace qz
