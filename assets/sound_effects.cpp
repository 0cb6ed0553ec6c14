#include <cmath>
#include <numbers>

#include "sound_catalogue.h"
#include "synth_voice.h"

StereoBuffer makeShipHum() {
    // Three seconds in which every component turns a whole number of times,
    // so the hum starts and ends at zero and loops without a click.
    constexpr double kSeconds = 3.0;
    constexpr double kTwoPi = 2 * std::numbers::pi;
    StereoBuffer out(static_cast<std::size_t>(kSeconds * kSampleRate));
    for (std::size_t i = 0; i < out.frames(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double hum = 0.50 * std::sin(kTwoPi * 110 * t) + 0.30 * std::sin(kTwoPi * 55 * t) +
                           0.18 * std::sin(kTwoPi * 165 * t) + 0.10 * std::sin(kTwoPi * 330 * t);
        const double pulse = 0.55 + 0.45 * std::sin(kTwoPi * 4 * t);
        const double warble = 0.22 * std::sin(kTwoPi * 660 * t + 3.0 * std::sin(kTwoPi * 6 * t));
        const double sway = std::sin(kTwoPi * t / kSeconds);
        out.left[i] = static_cast<float>(hum * pulse + warble * (0.6 + 0.4 * sway));
        out.right[i] = static_cast<float>(hum * pulse + warble * (0.6 - 0.4 * sway));
    }
    normalise(out, 0.55f);
    return out;
}

StereoBuffer makeDrop() {
    StereoBuffer out(static_cast<std::size_t>(1.05 * kSampleRate));
    Voice whistle;
    whistle.wave = Wave::Sine;
    whistle.frequency = 1500;
    whistle.slide = -3.5;
    whistle.vibratoDepth = 0.025;
    whistle.vibratoRate = 9;
    whistle.attack = 0.02;
    whistle.sustain = 0.55;
    whistle.decay = 0.12;
    whistle.volume = 0.5;
    addVoice(out, 0.0, whistle);
    Voice thud;
    thud.wave = Wave::Sine;
    thud.frequency = 110;
    thud.slide = -2.5;
    thud.attack = 0.003;
    thud.sustain = 0.02;
    thud.decay = 0.28;
    thud.volume = 0.9;
    addVoice(out, 0.68, thud);
    Voice dust;
    dust.wave = Wave::Noise;
    dust.frequency = 3000;
    dust.lowpass = 700;
    dust.attack = 0.002;
    dust.sustain = 0.01;
    dust.decay = 0.18;
    dust.volume = 0.8;
    dust.seed = 7;
    addVoice(out, 0.68, dust);
    normalise(out, 0.7f);
    return out;
}

StereoBuffer makeCandyCrunch() {
    StereoBuffer out(static_cast<std::size_t>(0.36 * kSampleRate));
    Voice chomp;
    chomp.wave = Wave::Square;
    chomp.frequency = 220;
    chomp.slide = -4;
    chomp.duty = 0.3;
    chomp.attack = 0.002;
    chomp.sustain = 0.02;
    chomp.decay = 0.05;
    chomp.volume = 0.35;
    chomp.lowpass = 2000;
    addVoice(out, 0.0, chomp);
    static constexpr double kBites[] = {0.0, 0.075, 0.15, 0.23};
    for (int i = 0; i < 4; ++i) {
        Voice crunch;
        crunch.wave = Wave::Noise;
        crunch.frequency = 9000 - i * 1200;
        crunch.attack = 0.002;
        crunch.sustain = 0.008;
        crunch.decay = 0.06 - i * 0.008;
        crunch.volume = 0.8 - i * 0.15;
        crunch.pan = (i % 2 == 0) ? -0.2 : 0.2;
        crunch.seed = 11 + static_cast<std::uint32_t>(i);
        addVoice(out, kBites[i], crunch);
    }
    normalise(out, 0.7f);
    return out;
}
