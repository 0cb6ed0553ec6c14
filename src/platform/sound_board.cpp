#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include "platform/file_checks.h"
#include "platform/sound_board.h"

namespace qz {

// What the native and the browser's mixers do alike; opening, playing,
// halting and fading are each build's own (sdl_sound_board.cpp,
// web_sound_board.cpp).

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
#ifndef __EMSCRIPTEN__
    // Opening the device loads the music decoders; this lets them go.
    Mix_Quit();
#endif
    open_ = false;
}

bool SdlSoundBoard::playing(int channel) {
    return open_ && Mix_Playing(channel) != 0;
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
