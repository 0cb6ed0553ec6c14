// The assist layer's eight short sounds: little tunes and noises in the
// voice of the game's own four, each a second or less, as loud as they are.
#include <algorithm>
#include <cmath>
#include <vector>

#include "sound_catalogue.h"
#include "synth_voice.h"

namespace {

// As loud as the game's four: their RMS is 15 to 19 dB below full scale.
// Tunes have less crest than a crunch or a thud, so matching their peaks
// would make them twice as loud; they match the RMS, within the same peak.
constexpr double kRms = 0.17;
constexpr float kPeak = 0.7f;

struct Note {
    int midi;
    double at;      // seconds from the start
    double length;  // seconds the note holds before it decays
};

// Notes of one voice, each a copy of `voice` at its own pitch, into a buffer
// as long as the last note.
StereoBuffer playNotes(const Voice& voice, const std::vector<Note>& notes) {
    double end = 0;
    for (const Note& note : notes) {
        Voice v = voice;
        v.sustain = note.length;
        end = std::max(end, note.at + voiceLength(v));
    }
    StereoBuffer out(static_cast<std::size_t>((end + 0.02) * kSampleRate));
    for (const Note& note : notes) {
        Voice v = voice;
        v.frequency = noteFrequency(note.midi);
        v.sustain = note.length;
        addVoice(out, note.at, v);
    }
    return out;
}

Voice chime() {
    Voice v;
    v.wave = Wave::Triangle;
    v.attack = 0.004;
    v.decay = 0.12;
    v.volume = 0.5;
    return v;
}

Voice buzz() {
    Voice v;
    v.wave = Wave::Square;
    v.duty = 0.25;
    v.centred = true;
    v.lowpass = 2500;
    v.attack = 0.003;
    v.decay = 0.08;
    v.volume = 0.35;
    return v;
}

StereoBuffer finished(StereoBuffer out) {
    double sum = 0;
    float peak = 0;
    for (std::size_t i = 0; i < out.frames(); ++i) {
        sum += double(out.left[i]) * out.left[i] + double(out.right[i]) * out.right[i];
        peak = std::max({peak, std::fabs(out.left[i]), std::fabs(out.right[i])});
    }
    const double rms = std::sqrt(sum / std::max<double>(1, 2.0 * out.frames()));
    if (rms > 0) {
        normalise(out, std::min(kPeak, static_cast<float>(peak * kRms / rms)));
    }
    return out;
}

}  // namespace

StereoBuffer makePieceFound() {
    return finished(playNotes(
        chime(), {{72, 0.0, 0.05}, {76, 0.07, 0.05}, {79, 0.14, 0.05}, {84, 0.21, 0.14}}));
}

StereoBuffer makePieceTaken() {
    Voice v = buzz();
    v.slide = -1.2;
    return finished(playNotes(v, {{67, 0.0, 0.08}, {63, 0.12, 0.08}, {58, 0.24, 0.2}}));
}

StereoBuffer makeCapture() {
    StereoBuffer out = playNotes(buzz(), {{50, 0.0, 0.06}, {50, 0.1, 0.06}, {46, 0.2, 0.22}});
    Voice grab;
    grab.wave = Wave::Noise;
    grab.frequency = 2500;
    grab.lowpass = 900;
    grab.attack = 0.002;
    grab.sustain = 0.02;
    grab.decay = 0.12;
    grab.volume = 0.6;
    grab.seed = 23;
    addVoice(out, 0.0, grab);
    return finished(std::move(out));
}

StereoBuffer makeFlowerRevived() {
    Voice v = chime();
    v.vibratoDepth = 0.01;
    v.vibratoRate = 7;
    return finished(playNotes(v, {{79, 0.0, 0.04},
                                  {83, 0.06, 0.04},
                                  {86, 0.12, 0.04},
                                  {91, 0.18, 0.04},
                                  {86, 0.26, 0.04},
                                  {91, 0.32, 0.2}}));
}

StereoBuffer makeJorrinComing() {
    Voice v;
    v.wave = Wave::Sine;
    v.attack = 0.01;
    v.decay = 0.1;
    v.volume = 0.5;
    return finished(
        playNotes(v, {{67, 0.0, 0.1}, {72, 0.16, 0.1}, {67, 0.32, 0.1}, {72, 0.48, 0.18}}));
}

StereoBuffer makeShipCalled() {
    StereoBuffer out(static_cast<std::size_t>(0.9 * kSampleRate));
    Voice call;
    call.wave = Wave::Sine;
    call.frequency = 330;
    call.slide = 1.6;
    call.vibratoDepth = 0.04;
    call.vibratoRate = 11;
    call.attack = 0.04;
    call.sustain = 0.5;
    call.decay = 0.25;
    call.volume = 0.6;
    addVoice(out, 0.0, call);
    return finished(std::move(out));
}

StereoBuffer makeWin() {
    return finished(playNotes(chime(), {{72, 0.0, 0.08},
                                        {76, 0.12, 0.08},
                                        {79, 0.24, 0.08},
                                        {84, 0.36, 0.1},
                                        {79, 0.5, 0.06},
                                        {84, 0.6, 0.35}}));
}

StereoBuffer makeLoss() {
    Voice v = chime();
    v.decay = 0.2;
    return finished(
        playNotes(v, {{67, 0.0, 0.14}, {66, 0.22, 0.14}, {65, 0.44, 0.14}, {64, 0.66, 0.3}}));
}
