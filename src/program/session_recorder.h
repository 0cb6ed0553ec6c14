// Recording a game into a replay file and playing one back. Both stand
// between the game and its input and sound seams, so a replay feeds the
// real turns exactly what the recorded game took from outside.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "controls/keyboard.h"
#include "platform/sound_board.h"
#include "program/pause_and_mute.h"
#include "program/recorded_session.h"
#include "turn/runtime.h"

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
// The first write that fails is told through `say`, once, naming the file
// and the reason; the game goes on, but nothing more is written, since a
// recording with a gap would replay another game.
class SessionRecorder final : public InputSource, public SoundPassThrough {
  public:
    using Say = std::function<void(const std::string& line)>;

    // Writes the header at once; `out` stays the caller's, `name` is for the message.
    SessionRecorder(InputSource& input, SoundBoard& sound, std::FILE* out, std::string name,
                    unsigned seed, Say say);

    // The turn's line, and every hundred turns the state's digest.
    void endTurn(const GameState& state);
    // The end line; every way out of the game ends with it.
    void finish(const GameState& state);
    std::int64_t turns() const { return turns_; }
    // Some write failed: the recording is incomplete.
    bool failed() const { return failed_; }

    TurnInput readTurn() override;
    bool playing(int channel) override;

  private:
    void write(const std::string& line);

    InputSource& input_;
    std::FILE* out_;
    std::string name_;
    Say say_;
    RecordingLine turn_;
    // A game left running for years still counts its turns: 64 bits, not 32.
    std::int64_t turns_ = 0;
    bool failed_ = false;
};

// Serves the recorded turns one by one. The live input is still drained
// each turn so the window stays responsive; closing it ends the replay.
class SessionPlayer final : public InputSource, public SoundPassThrough {
  public:
    SessionPlayer(const RecordedSession& session, InputSource& live, SoundBoard& sound);

    // Sets up the next recorded turn; false at the end of the recording.
    bool nextTurn();
    int turnsPlayed() const { return next_; }
    // After a turn: empty, or the line saying that the state differs from the
    // recording's digest for this turn.
    std::string strayed(const GameState& state);
    // After the last turn: empty, or the line saying how the replayed game
    // ended apart from the recording (when the player did not stop it).
    std::string endedApart(const GameState& state) const;

    TurnInput readTurn() override;
    bool playing(int channel) override;

  private:
    const RecordedSession& session_;
    InputSource& live_;
    RecordingLine turn_;  // the one being served; none before the first
    std::size_t answer_ = 0;
    int next_ = 0;
    std::size_t checkpoint_ = 0;
    bool closed_ = false;
    bool closeSent_ = false;
};

}  // namespace qz
