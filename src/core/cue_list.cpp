#include "core/cue_list.h"

namespace qz {

void CueList::restart(ChannelStatus* board) {
    board_ = board;
    cues_.clear();
    known_.fill(Known::Board);
}

void CueList::note(int channel, Known known) {
    if (channel >= 0 && channel < Channels) {
        known_[static_cast<std::size_t>(channel)] = known;
    }
}

bool CueList::playing(int channel) {
    const bool answer = board_ && board_->playing(channel);
    if (channel < 0 || channel >= Channels) {
        return answer;
    }
    switch (known_[static_cast<std::size_t>(channel)]) {
        case Known::Playing:
            return true;
        case Known::Silent:
            return false;
        case Known::Board:
            break;
    }
    return answer;
}

void CueList::play(int channel, Sound sound) {
    cues_.push_back({Cue::Kind::Play, channel, static_cast<int>(sound)});
    note(channel, Known::Playing);
}

void CueList::halt(int channel) {
    cues_.push_back({Cue::Kind::Halt, channel, 0});
    note(channel, Known::Silent);
}

void CueList::fadeOut(int channel, int ms) {
    // A fading channel plays on until its fade ends, as the board will say.
    cues_.push_back({Cue::Kind::FadeOut, channel, ms});
}

void CueList::setVolumeAll(int volume) {
    cues_.push_back({Cue::Kind::Volume, -1, volume});
}

void CueList::wait(std::uint32_t ms) {
    cues_.push_back({Cue::Kind::Wait, -1, static_cast<int>(ms)});
}

}  // namespace qz
