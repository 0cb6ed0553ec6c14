// A turn's sound requests and waits, in the order the turn made them, kept
// for the presenter to carry out once the turn's rules have run.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/sound_names.h"

namespace qz {

struct Cue {
    enum class Kind : std::uint8_t { Play, Halt, FadeOut, Volume, Wait };
    Kind kind;
    int channel;  // -1 for all channels, and for a wait
    int value;    // the sound played, the fade's or the wait's length, the volume
    bool operator==(const Cue&) const = default;
};

// What answers whether a channel is playing now: the sound board.
class ChannelStatus {
  public:
    virtual ~ChannelStatus() = default;
    virtual bool playing(int channel) = 0;
};

class CueList {
  public:
    // A new turn's list; `board` answers whether a channel is playing.
    void restart(ChannelStatus* board);

    // Asks the board every time, so a recorded game's answers come in the
    // order and number they always have. A channel this turn has already
    // started or stopped answers as it will once the request is carried out.
    bool playing(int channel);
    void play(int channel, Sound sound);
    void halt(int channel);
    void fadeOut(int channel, int ms);
    void setVolumeAll(int volume);
    // The frame on screen stays a little longer before the turn goes on.
    void wait(std::uint32_t ms);

    std::span<const Cue> cues() const { return cues_; }

  private:
    enum class Known : std::uint8_t { Board, Playing, Silent };
    static constexpr int Channels = 8;

    void note(int channel, Known known);

    ChannelStatus* board_ = nullptr;
    std::vector<Cue> cues_;
    std::array<Known, Channels> known_{};
};

}  // namespace qz
