#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>
#include <dlfcn.h>

#include <array>

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

const char* soundFile(AssistSound sound) {
    static constexpr std::array<const char*, AssistSoundCount> files{
        "assist-piece-found.wav", "assist-piece-taken.wav", "assist-capture.wav",
        "assist-flower.wav",      "assist-jorrin.wav",      "assist-ship-called.wav",
        "assist-win.wav",         "assist-loss.wav"};
    return files[static_cast<std::size_t>(sound)];
}

namespace {

// A chunk of the named file; null when it is missing or malformed.
Mix_Chunk* loadChunk(const char* name) {
    if (!waveFileIsWellFormed(name)) {
        return nullptr;
    }
    SDL_RWops* file = SDL_RWFromFile(name, "rb");
    return file ? Mix_LoadWAV_RW(file, 1) : nullptr;
}

// Loads each sound's file into its chunk; the names of those that could not be.
template <class Key, std::size_t N>
std::string loadChunks(bool open, std::array<Mix_Chunk*, N>& chunks) {
    std::string missing;
    for (std::size_t i = 0; i < N; ++i) {
        const char* name = soundFile(static_cast<Key>(i));
        chunks[i] = open ? loadChunk(name) : nullptr;
        if (open && !chunks[i]) {
            missing += missing.empty() ? "" : ", ";
            missing += name;
        }
    }
    return missing;
}

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
    return loadChunks<Sound>(open_, chunks_);
}

std::string SdlSoundBoard::loadAssist() {
    return loadChunks<AssistSound>(open_, assistChunks_);
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
    for (Mix_Chunk*& chunk : assistChunks_) {
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

void SdlSoundBoard::playAssist(AssistSound sound) {
    Mix_Chunk* chunk = assistChunks_[static_cast<std::size_t>(sound)];
    if (open_ && chunk) {
        Mix_PlayChannelTimed(AssistChannel, chunk, 0, -1);
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
