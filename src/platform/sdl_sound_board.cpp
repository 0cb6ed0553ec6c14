#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>
#include <dlfcn.h>

#include "platform/file_checks.h"
#include "platform/sound_board.h"

namespace qz {

const char* soundFile(Sound sound) {
    switch (sound) {
        case Sound::Ufo:
            return "ufo-sound.wav";
        case Sound::Drop:
            return "drop.wav";
        case Sound::Candy:
            return "crunko-piece.wav";
        case Sound::Theme:
            return "quillo-theme.wav";
    }
    return "";
}

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

bool SdlSoundBoard::open() {
    quietAlsa();
    open_ = Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 1024) == 0;
    return open_;
}

std::string SdlSoundBoard::loadAll() {
    std::string missing;
    for (int i = 0; i < SoundCount; ++i) {
        const char* name = soundFile(static_cast<Sound>(i));
        Mix_Chunk* chunk = nullptr;
        if (open_ && waveFileIsWellFormed(name)) {
            if (SDL_RWops* file = SDL_RWFromFile(name, "rb")) {
                chunk = Mix_LoadWAV_RW(file, 1);
            }
        }
        if (open_ && !chunk) {
            missing += missing.empty() ? "" : ", ";
            missing += name;
        }
        chunks_[static_cast<std::size_t>(i)] = chunk;
    }
    return missing;
}

void SdlSoundBoard::close() {
    if (!open_) {
        return;
    }
    Mix_HaltChannel(-1);
    for (Mix_Chunk*& chunk : chunks_) {
        Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    Mix_CloseAudio();
    // Opening the device loads the music decoders; this lets them go.
    Mix_Quit();
    open_ = false;
}

bool SdlSoundBoard::playing(int channel) {
    return open_ && Mix_Playing(channel) != 0;
}

void SdlSoundBoard::play(int channel, Sound sound) {
    Mix_Chunk* chunk = chunks_[static_cast<std::size_t>(sound)];
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

void SdlSoundBoard::setVolumeAll(int volume) {
    volume_ = volume;
    if (open_) {
        Mix_Volume(-1, muted_ ? 0 : volume);
    }
}

static_assert(MIX_MAX_VOLUME == 128);

void SdlSoundBoard::pauseAll(bool paused) {
    if (open_) {
        paused ? Mix_Pause(-1) : Mix_Resume(-1);
    }
}

void SdlSoundBoard::mute(bool muted) {
    muted_ = muted;
    setVolumeAll(volume_);
}

}  // namespace qz
