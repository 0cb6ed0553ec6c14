// A sound board that plays nothing but remembers every request, and knows
// which channels would still be sounding on the given clock.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/sound_board.h"

namespace qz {

struct SoundRequest {
    enum class Kind { Play, Halt, FadeOut, Volume };
    Kind kind;
    int channel;  // -1 for all channels
    int value;    // the sound played, the fade length or the volume
    std::string describe() const;
};

class RecordingSoundBoard final : public SoundBoard {
  public:
    // lengthsMs: how long each sound lasts, by Sound.
    RecordingSoundBoard(Clock& clock, std::array<std::uint32_t, SoundCount> lengthsMs)
        : clock_(clock), lengths_(lengthsMs) {}

    bool playing(int channel) override;
    void play(int channel, Sound sound) override;
    void halt(int channel) override;
    void fadeOut(int channel, int ms) override;
    void setVolumeAll(int volume) override;

    const std::vector<SoundRequest>& requests() const { return requests_; }
    void clearRequests() { requests_.clear(); }
    int volume() const { return volume_; }
    int plays(Sound sound) const;

  private:
    static constexpr int Channels = 8;
    Clock& clock_;
    std::array<std::uint32_t, SoundCount> lengths_;
    std::array<std::uint32_t, Channels> endsAt_{};
    int volume_ = 128;
    std::vector<SoundRequest> requests_;
};

// The assist layer's sounds, in the order they were asked for.
class RecordingAssistSounds final : public AssistSoundBoard {
  public:
    void playAssist(AssistSound sound) override { played.push_back(sound); }
    std::vector<AssistSound> played;
};

}  // namespace qz
