#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>
#include <dlfcn.h>

#include "platform/sound_board.h"

namespace qz {

namespace {

// ALSA's own error handler prints several lines on a machine without a sound
// card before our one warning, which reads like a crash. The display library
// loads ALSA at run time, so ours does the same, and the process shares one copy.
using AlsaErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

void quietAlsa() {
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_GLOBAL);
    if (!alsa) {
        return;
    }
    using SetHandler = int (*)(AlsaErrorHandler);
    if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"))) {
        set(ignoreAlsaError);
    }
    // Kept loaded: the handler must stay in place while the device is open.
}

}  // namespace

void prepareSoundFile(const char*) {}

bool MixerSoundBoard::open() {
    quietAlsa();
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
