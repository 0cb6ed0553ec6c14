#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include "platform/sound_board.h"
#include "platform/sound_device.h"

namespace qz {

void prepareSoundFile(const char*) {}

bool SdlSoundBoard::open() {
    quietSoundDevice();
    open_ = Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 1024) == 0;
    return open_;
}

void SdlSoundBoard::playChunk(int channel, Mix_Chunk* chunk) {
    if (open_ && chunk) {
        Mix_PlayChannelTimed(channel, chunk, 0, -1);
    }
}

void SdlSoundBoard::halt(int channel) {
    if (open_) {
        Mix_HaltChannel(channel);
    }
}

void SdlSoundBoard::fadeOut(int channel, int ms) {
    if (open_) {
        Mix_FadeOutChannel(channel, ms);
    }
}

}  // namespace qz
