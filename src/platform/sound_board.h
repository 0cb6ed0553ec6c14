// The sound seam: four sounds on fixed mixer channels, and the assist
// layer's own short sounds on channels of their own.
#pragma once

#include <array>
#include <string>

#include "core/cue_list.h"
#include "core/sound_names.h"

struct Mix_Chunk;

namespace qz {

// It answers the turn's questions of whether a channel plays
// (ChannelStatus) and carries out the sound requests the turn made.
class SoundBoard : public ChannelStatus {
  public:
    // Plays the sound once on the channel, from its start.
    virtual void play(int channel, Sound sound) = 0;
    virtual void halt(int channel) = 0;
    virtual void fadeOut(int channel, int ms) = 0;
    virtual void setVolumeAll(int volume) = 0;
};

// Carries a sound request out on the board; false for a wait, which is the
// clock's business.
bool carryOut(const Cue& cue, SoundBoard& board);

// The assist layer's sounds, one for each thing it tells the player of.
enum class AssistSound {
    PieceFound,
    PieceTaken,
    Capture,
    FlowerRevived,
    JorrinComing,
    ShipCalled,
    Win,
    Loss,
};
constexpr int AssistSoundCount = 8;
// The game's four cues never play on these, so an assist sound cuts none of
// them. A theft's sound follows the catch's before that has quite ended, so
// it has a channel of its own and neither cuts the other.
constexpr int AssistChannel = 5;
constexpr int AssistTheftChannel = 6;

constexpr int assistChannel(AssistSound sound) {
    return sound == AssistSound::PieceTaken ? AssistTheftChannel : AssistChannel;
}

class AssistSoundBoard {
  public:
    virtual ~AssistSoundBoard() = default;
    // Plays the sound once on its assist channel, cutting what played there before.
    virtual void playAssist(AssistSound sound) = 0;
};

// What the player does to every sound at once, beside the game's cues.
class SoundControls {
  public:
    virtual ~SoundControls() = default;
    // Pauses every channel where it is, or resumes them all.
    virtual void pauseAll(bool paused) = 0;
    // Silences every channel, or gives each back the volume the game asked for.
    virtual void mute(bool muted) = 0;
};

// Makes sure the named wave file is there to be read. The native data
// holds the wave files themselves; the page's sounds travel compressed, and
// the page makes a wave file the browser could not (web_sound_board.cpp).
void prepareSoundFile(const char* name);

// The mixer: SDL_mixer natively, its emulation in the page
// (web_sound_board.cpp). Built without an audio device it plays nothing; a sound whose
// file is missing or malformed plays nothing.
class MixerSoundBoard final : public SoundBoard, public SoundControls, public AssistSoundBoard {
  public:
    // Opens the device; false (and silence) when there is none.
    bool open();
    // Loads the four files; returns the names that could not be loaded.
    std::string loadAll();
    // Loads the assist layer's files, the same way.
    std::string loadAssist();
    // Releases the chunks and closes the device.
    void close();

    bool playing(int channel) override;
    void play(int channel, Sound sound) override;
    void halt(int channel) override;
    void fadeOut(int channel, int ms) override;
    void setVolumeAll(int volume) override;
    void pauseAll(bool paused) override;
    void mute(bool muted) override;
    void playAssist(AssistSound sound) override;

  private:
    // Plays the chunk once on the channel; each build's mixer its own way.
    void playChunk(int channel, Mix_Chunk* chunk);

    bool open_ = false;
    bool muted_ = false;
    int volume_ = 128;  // the mixer's own until the game asks for another
    std::array<Mix_Chunk*, SoundCount> chunks_{};
    std::array<Mix_Chunk*, AssistSoundCount> assistChunks_{};
};

// The file each sound is read from.
const char* soundFile(Sound sound);
const char* soundFile(AssistSound sound);

}  // namespace qz
