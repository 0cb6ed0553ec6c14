#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>
#include <emscripten.h>
#include <emscripten/eventloop.h>

#include <array>

#include "platform/sound_board.h"

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

bool SdlSoundBoard::open() {
    open_ = Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 1024) == 0;
    if (open_) {
        Mix_AllocateChannels(Channels);
    }
    return open_;
}

void SdlSoundBoard::playChunk(int channel, Mix_Chunk* chunk) {
    if (open_ && chunk) {
        stopFade(channel);
        Mix_Volume(channel, muted_ ? 0 : volume_);
        Mix_PlayChannel(channel, chunk, 0);
    }
}

void SdlSoundBoard::halt(int channel) {
    if (open_) {
        stopFade(channel);
        Mix_HaltChannel(channel);
    }
}

void SdlSoundBoard::fadeOut(int channel, int ms) {
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
