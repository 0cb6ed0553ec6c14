#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <array>

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

const char* soundFile(AssistSound sound) {
    static constexpr std::array<const char*, AssistSoundCount> files{
        "assist-piece-found.wav", "assist-piece-taken.wav", "assist-capture.wav",
        "assist-flower.wav",      "assist-jorrin.wav",      "assist-ship-called.wav",
        "assist-win.wav",         "assist-loss.wav"};
    return files[static_cast<std::size_t>(sound)];
}

bool carryOut(const Cue& cue, SoundBoard& board) {
    switch (cue.kind) {
        case Cue::Kind::Play:
            board.play(cue.channel, static_cast<Sound>(cue.value));
            return true;
        case Cue::Kind::Halt:
            board.halt(cue.channel);
            return true;
        case Cue::Kind::FadeOut:
            board.fadeOut(cue.channel, cue.value);
            return true;
        case Cue::Kind::Volume:
            board.setVolumeAll(cue.value);
            return true;
        case Cue::Kind::Wait:
            break;
    }
    return false;
}

namespace {

// A chunk of the named file; null when it is missing or malformed.
Mix_Chunk* loadChunk(const char* name) {
    prepareSoundFile(name);
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

}  // namespace

std::string MixerSoundBoard::loadAll() {
    return loadChunks<Sound>(open_, chunks_);
}

std::string MixerSoundBoard::loadAssist() {
    return loadChunks<AssistSound>(open_, assistChunks_);
}

void MixerSoundBoard::play(int channel, Sound sound) {
    playChunk(channel, chunks_[static_cast<std::size_t>(sound)]);
}

void MixerSoundBoard::playAssist(AssistSound sound) {
    playChunk(assistChannel(sound), assistChunks_[static_cast<std::size_t>(sound)]);
}

void MixerSoundBoard::close() {
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
#ifndef __EMSCRIPTEN__
    // Opening the device loads the music decoders; this lets them go.
    Mix_Quit();
#endif
    open_ = false;
}

bool MixerSoundBoard::playing(int channel) {
    return open_ && Mix_Playing(channel) != 0;
}

void MixerSoundBoard::setVolumeAll(int volume) {
    volume_ = volume;
    if (open_) {
        Mix_Volume(-1, muted_ ? 0 : volume);
    }
}

static_assert(MIX_MAX_VOLUME == 128);

void MixerSoundBoard::pauseAll(bool paused) {
    if (open_) {
        paused ? Mix_Pause(-1) : Mix_Resume(-1);
    }
}

void MixerSoundBoard::mute(bool muted) {
    muted_ = muted;
    setVolumeAll(volume_);
}

}  // namespace qz
