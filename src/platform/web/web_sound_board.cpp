#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>
#include <emscripten.h>
#include <emscripten/eventloop.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/host.h"
#include "platform/sound_board.h"

#define STB_VORBIS_HEADER_ONLY
#include "stb_vorbis.h"

namespace qz {

// The browser's emulation of the mixer plays, stops, pauses and sets
// volumes as the native one does, and the page's audio starts with the
// first key press, as browsers allow. It cannot fade a channel out, so the
// board does: the volume steps down in a line every few milliseconds and
// the channel halts at the end, its volume then given back, as the native
// mixer leaves it.
namespace {

constexpr int Channels = 8;
constexpr double FadeStepMs = 10;

struct Fade {
    double startMs = -1;  // -1: not fading
    double lengthMs = 0;
    int from = 0;
};
std::array<Fade, Channels> fades;
long fadeTimer = 0;

void stepFades(void*) {
    const double now = emscripten_get_now();
    bool any = false;
    for (int channel = 0; channel < Channels; ++channel) {
        Fade& fade = fades[static_cast<std::size_t>(channel)];
        if (fade.startMs < 0) {
            continue;
        }
        const double done = (now - fade.startMs) / fade.lengthMs;
        if (done >= 1 || !Mix_Playing(channel)) {
            Mix_HaltChannel(channel);
            Mix_Volume(channel, fade.from);
            fade.startMs = -1;
            continue;
        }
        Mix_Volume(channel, static_cast<int>(fade.from * (1 - done)));
        any = true;
    }
    if (!any && fadeTimer) {
        emscripten_clear_interval(fadeTimer);
        fadeTimer = 0;
    }
}

void stopFade(int channel) {
    if (channel >= 0 && channel < Channels) {
        fades[static_cast<std::size_t>(channel)].startMs = -1;
    }
}

}  // namespace

namespace {

std::vector<unsigned char> readWhole(const std::string& name) {
    std::vector<unsigned char> bytes;
    if (std::FILE* file = std::fopen(name.c_str(), "rb")) {
        unsigned char block[16384];
        for (std::size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;) {
            bytes.insert(bytes.end(), block, block + got);
        }
        std::fclose(file);
    }
    return bytes;
}

void putLittleEndian(std::vector<unsigned char>& to, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        to.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
}

// A 16-bit wave file of interleaved samples, as the game's own sounds are.
std::vector<unsigned char> waveFile(const short* samples, int frames, int channels, int rate) {
    const auto dataBytes = std::uint32_t(frames) * std::uint32_t(channels) * 2;
    std::vector<unsigned char> wave;
    wave.reserve(44 + dataBytes);
    const auto text = [&](const char* word) { wave.insert(wave.end(), word, word + 4); };
    text("RIFF");
    putLittleEndian(wave, 36 + dataBytes, 4);
    text("WAVE");
    text("fmt ");
    putLittleEndian(wave, 16, 4);
    putLittleEndian(wave, 1, 2);  // PCM
    putLittleEndian(wave, std::uint32_t(channels), 2);
    putLittleEndian(wave, std::uint32_t(rate), 4);
    putLittleEndian(wave, std::uint32_t(rate * channels * 2), 4);
    putLittleEndian(wave, std::uint32_t(channels * 2), 2);
    putLittleEndian(wave, 16, 2);
    text("data");
    putLittleEndian(wave, dataBytes, 4);
    const auto* bytes = reinterpret_cast<const unsigned char*>(samples);
    wave.insert(wave.end(), bytes, bytes + dataBytes);  // the page's memory is little-endian
    return wave;
}

}  // namespace

// The browser decodes the page's Ogg Vorbis sounds into wave files as the
// data arrives (web/decode_media.js). Where it did not (Safari before iOS
// 18.4 decodes no Vorbis, or the page's decoding failed on the way), the Ogg
// file is left, and the game decodes it here as it loads its sounds, before
// the title (the assist layer's too, when played with help): the whole
// sound, written beside it as the wave file the mixer then reads. With no
// sound device nothing is loaded, so nothing is decoded.
void prepareSoundFile(const char* name) {
    const std::string wave = name;
    if (fileExists(wave)) {
        return;
    }
    const std::size_t dot = wave.rfind('.');
    const std::vector<unsigned char> ogg = readWhole(wave.substr(0, dot) + ".ogg");
    if (ogg.empty()) {
        return;
    }
    int channels = 0;
    int rate = 0;
    short* samples = nullptr;
    const int frames =
        stb_vorbis_decode_memory(ogg.data(), int(ogg.size()), &channels, &rate, &samples);
    if (frames > 0 && channels > 0 && channels <= 2) {
        const std::vector<unsigned char> bytes = waveFile(samples, frames, channels, rate);
        if (std::FILE* file = std::fopen(name, "wb")) {
            std::fwrite(bytes.data(), 1, bytes.size(), file);
            std::fclose(file);
        }
    }
    std::free(samples);  // with no wave file, the game's warning names the sound
}

bool MixerSoundBoard::open() {
    open_ = Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 1024) == 0;
    if (open_) {
        Mix_AllocateChannels(Channels);
    }
    return open_;
}

void MixerSoundBoard::playChunk(int channel, Mix_Chunk* chunk) {
    if (open_ && chunk) {
        stopFade(channel);
        Mix_Volume(channel, muted_ ? 0 : volume_);
        Mix_PlayChannel(channel, chunk, 0);
    }
}

void MixerSoundBoard::halt(int channel) {
    if (open_) {
        stopFade(channel);
        Mix_HaltChannel(channel);
    }
}

void MixerSoundBoard::fadeOut(int channel, int ms) {
    // As the native mixer: a channel already fading out goes on as it was,
    // and a silent one is left alone.
    if (!open_ || channel < 0 || channel >= Channels || !Mix_Playing(channel) ||
        fades[static_cast<std::size_t>(channel)].startMs >= 0 || Mix_Volume(channel, -1) == 0) {
        return;
    }
    if (ms <= 0) {
        halt(channel);
        return;
    }
    fades[static_cast<std::size_t>(channel)] =
        Fade{emscripten_get_now(), double(ms), Mix_Volume(channel, -1)};
    if (!fadeTimer) {
        fadeTimer = emscripten_set_interval(stepFades, FadeStepMs, nullptr);
    }
}

}  // namespace qz
