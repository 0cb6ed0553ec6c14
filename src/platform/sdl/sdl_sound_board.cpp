#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include "platform/sound_board.h"
#include "platform/sound_device.h"

namespace qz {

void prepareSoundFile(const char*) {}

bool MixerSoundBoard::open() {
    quietSoundDevice();
    open_ = Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 1024) == 0;
    return open_;
}

void MixerSoundBoard::playChunk(int channel, Mix_Chunk* chunk) {
    if (open_ && chunk) {
        Mix_PlayChannelTimed(channel, chunk, 0, -1);
    }
}

void MixerSoundBoard::halt(int channel) {
    if (open_) {
        Mix_HaltChannel(channel);
    }
}

void MixerSoundBoard::fadeOut(int channel, int ms) {
    if (open_) {
        Mix_FadeOutChannel(channel, ms);
    }
}

}  // namespace qz
