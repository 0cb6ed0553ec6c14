// Recording a game into a replay file and playing one back. Both stand
// between the game and its input and sound seams, so a replay feeds the
// real turns exactly what the recorded game took from outside.
#pragma once

#include <cstdint>
#include <cstdio>

#include "frame/platform/keyboard.h"
#include "frame/platform/sound_board.h"
#include "frame/recorded_session.h"
#include "frame/runtime.h"

namespace qz {

// Sends every sound to the real board; only "is it playing?" is answered
// by whoever stands in between.
class SoundPassThrough : public SoundBoard {
  public:
    explicit SoundPassThrough(SoundBoard& sound) : sound_(sound) {}
    void play(int channel, Sound sound) override { sound_.play(channel, sound); }
    void halt(int channel) override { sound_.halt(channel); }
    void fadeOut(int channel, int ms) override { sound_.fadeOut(channel, ms); }
    void setVolumeAll(int volume) override { sound_.setVolumeAll(volume); }

  protected:
    SoundBoard& sound_;
};

// Passes everything through and writes each turn's line as the turn ends.
class SessionRecorder final : public InputSource, public SoundPassThrough {
  public:
    // Writes the header at once; `out` stays the caller's.
    SessionRecorder(InputSource& input, SoundBoard& sound, std::FILE* out, unsigned seed);

    void endTurn();
    void finish(const GameState& state);
    int turns() const { return turns_; }

    TurnInput readTurn() override;
    bool playing(int channel) override;

  private:
    InputSource& input_;
    std::FILE* out_;
    RecordedTurn turn_;
    int turns_ = 0;
};

// Serves the recorded turns one by one. The live input is still drained
// each turn so the window stays responsive; closing it ends the replay.
class SessionPlayer final : public InputSource, public SoundPassThrough {
  public:
    SessionPlayer(const RecordedSession& session, InputSource& live, SoundBoard& sound);

    // Sets up the next recorded turn; false at the end of the recording.
    bool startTurn();
    int turnsPlayed() const { return next_; }
    bool stoppedByPlayer() const { return closed_; }

    TurnInput readTurn() override;
    bool playing(int channel) override;

  private:
    const RecordedSession& session_;
    InputSource& live_;
    const RecordedTurn* turn_ = nullptr;
    std::size_t answer_ = 0;
    int next_ = 0;
    bool closed_ = false;
    bool closeSent_ = false;
};

// The main loop with a recorder or a player (or neither) in between.
void runRecordedLoop(Runtime& rt, SessionRecorder* recorder, SessionPlayer* player);

}  // namespace qz
