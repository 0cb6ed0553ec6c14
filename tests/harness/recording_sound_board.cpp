#include "harness/recording_sound_board.h"

#include <algorithm>

namespace qz {

std::string SoundRequest::describe() const {
    static constexpr std::array<const char*, 4> names{"play", "halt", "fade", "volume"};
    return std::string(names[static_cast<std::size_t>(kind)]) + " " + std::to_string(channel) +
           " " + std::to_string(value);
}

bool RecordingSoundBoard::playing(int channel) {
    // Compared as a signed difference so the check survives the tick wrap.
    const auto left =
        static_cast<std::int32_t>(endsAt_[static_cast<std::size_t>(channel)] - clock_.ticks());
    return left > 0;
}

void RecordingSoundBoard::play(int channel, Sound sound) {
    requests_.push_back({SoundRequest::Kind::Play, channel, static_cast<int>(sound)});
    endsAt_[static_cast<std::size_t>(channel)] =
        clock_.ticks() + lengths_[static_cast<std::size_t>(sound)];
}

void RecordingSoundBoard::halt(int channel) {
    requests_.push_back({SoundRequest::Kind::Halt, channel, 0});
    endsAt_[static_cast<std::size_t>(channel)] = clock_.ticks();
}

void RecordingSoundBoard::fadeOut(int channel, int ms) {
    requests_.push_back({SoundRequest::Kind::FadeOut, channel, ms});
    if (playing(channel)) {
        auto& end = endsAt_[static_cast<std::size_t>(channel)];
        end = std::min(end, clock_.ticks() + static_cast<std::uint32_t>(ms));
    }
}

void RecordingSoundBoard::setVolumeAll(int volume) {
    requests_.push_back({SoundRequest::Kind::Volume, -1, volume});
    volume_ = volume;
}

int RecordingSoundBoard::plays(Sound sound) const {
    return static_cast<int>(std::count_if(requests_.begin(), requests_.end(), [&](const auto& r) {
        return r.kind == SoundRequest::Kind::Play && r.value == static_cast<int>(sound);
    }));
}

}  // namespace qz
