// The title theme: sixteen bars in C major at 150 beats a minute, a bouncy
// square-wave tune over a triangle bass, a soft arpeggio and light drums.
#include <cmath>
#include <vector>

#include "sound_catalogue.h"
#include "synth_voice.h"

namespace {

constexpr double kEighth = 0.2;  // seconds at 150 beats a minute
constexpr int kBars = 16;
constexpr double kBar = 8 * kEighth;

struct Note {
    int pitch;  // MIDI note, 0 for a rest
    int eighths;
};

using Phrase = std::vector<Note>;

// Bars 1-2 open every A phrase; the phrases answer each other.
const Phrase kOpening = {{76, 1}, {79, 1}, {84, 2}, {83, 1}, {84, 1}, {79, 2},
                         {81, 2}, {79, 1}, {76, 1}, {72, 2}, {74, 2}};

Phrase melody() {
    Phrase m;
    auto add = [&m](const Phrase& p) { m.insert(m.end(), p.begin(), p.end()); };
    // A: question
    add(kOpening);
    add({{77, 1}, {76, 1}, {77, 1}, {81, 1}, {84, 2}, {81, 2}, {79, 3}, {77, 1}, {76, 2}, {74, 2}});
    // A': answer, climbing higher and coming home
    add({{76, 1}, {79, 1}, {84, 2}, {83, 1}, {84, 1}, {79, 2}});
    add({{81, 2}, {79, 1}, {76, 1}, {84, 2}, {86, 2}, {88, 2}, {86, 1}, {84, 1}, {83, 2}, {86, 2}});
    add({{84, 6}, {0, 2}});
    // B: the bright middle
    add({{81, 1}, {81, 1}, {84, 1}, {81, 1}, {79, 2}, {77, 2}});
    add({{79, 1}, {79, 1}, {83, 1}, {79, 1}, {77, 2}, {74, 2}});
    add({{76, 1}, {79, 1}, {83, 2}, {81, 1}, {79, 1}, {76, 2}});
    add({{77, 2}, {76, 1}, {74, 1}, {71, 2}, {74, 2}});
    // A'': once more, with the final cadence
    add(kOpening);
    add({{77, 1}, {81, 1}, {84, 2}, {83, 2}, {86, 2}, {84, 8}});
    return m;
}

// Chord roots per half bar (MIDI, octave 3) and their quality (true = minor).
struct Chord {
    int root;
    bool minor;
};

const Chord kChords[kBars * 2] = {
    {48, false}, {48, false}, {57, true},  {57, true},  {53, false}, {53, false}, {55, false},
    {55, false}, {48, false}, {48, false}, {57, true},  {57, true},  {53, false}, {55, false},
    {48, false}, {48, false}, {53, false}, {53, false}, {55, false}, {55, false}, {52, true},
    {52, true},  {57, true},  {55, false}, {48, false}, {48, false}, {57, true},  {57, true},
    {53, false}, {55, false}, {48, false}, {48, false}};

void addMelody(StereoBuffer& out) {
    double t = 0;
    for (const Note& n : melody()) {
        const double length = n.eighths * kEighth;
        if (n.pitch != 0) {
            Voice v;
            v.wave = Wave::Square;
            v.duty = 0.25;
            v.centred = true;
            v.frequency = noteFrequency(n.pitch);
            v.vibratoDepth = n.eighths >= 3 ? 0.006 : 0.0;
            v.vibratoRate = 5.5;
            v.attack = 0.008;
            v.sustain = length * 0.55;
            v.decay = length * 0.4;
            v.volume = 0.30;
            v.pan = -0.2;
            v.lowpass = 5000;
            addVoice(out, t, v);
            // A quiet echo on the other side gives the tune some room.
            v.volume = 0.10;
            v.pan = 0.5;
            addVoice(out, t + 3 * kEighth / 2, v);
        }
        t += length;
    }
}

void addBassAndArpeggio(StereoBuffer& out) {
    for (int half = 0; half < kBars * 2; ++half) {
        const Chord c = kChords[half];
        const double start = half * 4 * kEighth;
        // Bass: the root and the fifth below it, a quarter note each.
        const int bass[2] = {c.root - 12, c.root - 5};
        for (int q = 0; q < 2; ++q) {
            Voice v;
            v.wave = Wave::Triangle;
            v.frequency = noteFrequency(bass[q]);
            v.attack = 0.005;
            v.sustain = kEighth * 1.2;
            v.decay = kEighth * 0.6;
            v.volume = 0.55;
            addVoice(out, start + q * 2 * kEighth, v);
        }
        const int third = c.minor ? 3 : 4;
        const int arpeggio[4] = {c.root + 12, c.root + 12 + third, c.root + 19,
                                 c.root + 12 + third};
        for (int e = 0; e < 4; ++e) {
            Voice v;
            v.wave = Wave::Triangle;
            v.frequency = noteFrequency(arpeggio[e]);
            v.attack = 0.004;
            v.sustain = 0.03;
            v.decay = kEighth * 0.9;
            v.volume = 0.12;
            v.pan = 0.35;
            addVoice(out, start + e * kEighth, v);
        }
    }
}

void addDrums(StereoBuffer& out) {
    for (int beat = 0; beat < kBars * 4; ++beat) {
        const double t = beat * 2 * kEighth;
        if (beat % 2 == 0) {
            Voice kick;
            kick.wave = Wave::Sine;
            kick.frequency = 150;
            kick.slide = -5;
            kick.attack = 0.002;
            kick.sustain = 0.01;
            kick.decay = 0.14;
            kick.volume = 0.6;
            addVoice(out, t, kick);
        } else {
            Voice snare;
            snare.wave = Wave::Noise;
            snare.frequency = 7000;
            snare.lowpass = 5000;
            snare.attack = 0.002;
            snare.sustain = 0.01;
            snare.decay = 0.1;
            snare.volume = 0.22;
            snare.seed = static_cast<std::uint32_t>(beat);
            addVoice(out, t, snare);
        }
        Voice hat;
        hat.wave = Wave::Noise;
        hat.frequency = 14000;
        hat.attack = 0.001;
        hat.sustain = 0.004;
        hat.decay = 0.03;
        hat.volume = 0.08;
        hat.pan = 0.4;
        hat.seed = 100 + static_cast<std::uint32_t>(beat);
        addVoice(out, t + kEighth, hat);
    }
}

}  // namespace

StereoBuffer makeTitleTheme() {
    const double length = kBars * kBar + 0.8;  // the last chord rings out
    StereoBuffer out(static_cast<std::size_t>(length * kSampleRate));
    addMelody(out);
    addBassAndArpeggio(out);
    addDrums(out);
    // Fade over the last three seconds.
    const double fade = 3.0;
    for (std::size_t i = 0; i < out.frames(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double left = length - t;
        if (left < fade) {
            const auto g = static_cast<float>(left / fade);
            out.left[i] *= g;
            out.right[i] *= g;
        }
    }
    normalise(out, 0.7f);
    return out;
}
