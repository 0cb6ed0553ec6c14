// A small sfxr-style synthesiser voice: one oscillator (square, saw, sine,
// triangle or noise) with a frequency slide, vibrato, an attack/sustain/decay
// envelope, an optional low-pass filter and a place in the stereo field.
#pragma once

#include <cstdint>

#include "wav_file.h"

enum class Wave { Square, Saw, Sine, Triangle, Noise };

struct Voice {
    Wave wave = Wave::Square;
    double frequency = 440.0;   // Hz at the start (for noise: how often it changes)
    double slide = 0.0;         // octaves per second, negative falls
    double vibratoDepth = 0.0;  // fraction of the frequency
    double vibratoRate = 0.0;   // Hz
    double duty = 0.5;          // square waves only
    double attack = 0.005;      // seconds
    double sustain = 0.1;
    double decay = 0.1;
    double volume = 0.5;
    double pan = 0.0;        // -1 left, 0 centre, 1 right
    double lowpass = 0.0;    // cut-off in Hz, 0 for none
    std::uint32_t seed = 1;  // noise only
    // Square waves only: shift the wave so it averages zero. A duty other than
    // 0.5 otherwise gives every note a DC offset, which adds up in a long tune.
    bool centred = false;
};

double voiceLength(const Voice& v);

// Mixes the voice into `out` from `startSeconds` on; what would run past the
// end of the buffer is dropped.
void addVoice(StereoBuffer& out, double startSeconds, const Voice& v);

// Frequency of a MIDI note number (69 = A 440 Hz).
double noteFrequency(int midiNote);
