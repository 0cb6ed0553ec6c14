#include "synth_voice.h"

#include <cmath>
#include <numbers>

namespace {

double envelope(const Voice& v, double t) {
    if (t < v.attack) {
        return t / v.attack;
    }
    t -= v.attack;
    if (t < v.sustain) {
        return 1.0;
    }
    t -= v.sustain;
    if (t < v.decay) {
        const double x = 1.0 - t / v.decay;
        return x * x;
    }
    return 0.0;
}

}  // namespace

double voiceLength(const Voice& v) {
    return v.attack + v.sustain + v.decay;
}

double noteFrequency(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

void addVoice(StereoBuffer& out, double startSeconds, const Voice& v) {
    const auto first = static_cast<std::size_t>(std::lround(startSeconds * kSampleRate));
    const auto count = static_cast<std::size_t>(std::ceil(voiceLength(v) * kSampleRate));
    // Equal-power pan.
    const double angle = (v.pan + 1.0) * std::numbers::pi / 4;
    const double gainL = std::cos(angle) * std::numbers::sqrt2;
    const double gainR = std::sin(angle) * std::numbers::sqrt2;
    const double filterAlpha =
        v.lowpass > 0 ? 1.0 - std::exp(-2.0 * std::numbers::pi * v.lowpass / kSampleRate) : 1.0;

    double phase = 0.0;
    double filtered = 0.0;
    double noiseValue = 0.0;
    std::uint32_t noiseState = v.seed * 2654435761u + 1u;
    for (std::size_t i = 0; i < count && first + i < out.frames(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double f = v.frequency * std::pow(2.0, v.slide * t);
        if (v.vibratoDepth > 0) {
            f *= 1.0 + v.vibratoDepth * std::sin(2 * std::numbers::pi * v.vibratoRate * t);
        }
        double s = 0.0;
        switch (v.wave) {
            case Wave::Square:
                s = phase < v.duty ? 0.8 : -0.8;
                if (v.centred) {
                    s -= 0.8 * (2 * v.duty - 1);
                }
                break;
            case Wave::Saw:
                s = 1.6 * phase - 0.8;
                break;
            case Wave::Sine:
                s = std::sin(2 * std::numbers::pi * phase);
                break;
            case Wave::Triangle:
                s = phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase;
                break;
            case Wave::Noise:
                s = noiseValue;
                break;
        }
        phase += f / kSampleRate;
        if (phase >= 1.0) {
            phase -= std::floor(phase);
            // Sample-and-hold noise changes once per period, as sfxr does.
            noiseState = noiseState * 1664525u + 1013904223u;
            noiseValue = static_cast<double>(noiseState >> 8) / static_cast<double>(1u << 23) - 1.0;
        }
        filtered += filterAlpha * (s - filtered);
        const double sample = filtered * envelope(v, t) * v.volume;
        out.left[first + i] += static_cast<float>(sample * gainL);
        out.right[first + i] += static_cast<float>(sample * gainR);
    }
}
