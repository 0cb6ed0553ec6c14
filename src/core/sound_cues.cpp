#include "core/sound_cues.h"

namespace qz {

void playWhenSilent(CueList& sound, int channel, Sound cue) {
    if (!sound.playing(channel)) {
        sound.setVolumeAll(CueVolume);
        sound.play(channel, cue);
    }
}

void titleMusicCue(GameState& state, CueList& sound) {
    if (sound.playing(ChannelTheme)) {
        if (state.themeCountdown == 0) {
            // From the start again, at the volume the channel already has.
            sound.play(ChannelTheme, Sound::Theme);
            state.themeCountdown = 1000;
        } else {
            --state.themeCountdown;
        }
    } else if (state.themeCountdown == 0) {
        playWhenSilent(sound, ChannelTheme, Sound::Theme);
    } else {
        --state.themeCountdown;
    }
}

}  // namespace qz
