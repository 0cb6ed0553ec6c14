// The synthesiser voice and the WAV writer behind every sound of the game.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "support/scratch_file.h"
#include "synth_voice.h"
#include "wav_file.h"

namespace {

int zeroCrossings(const std::vector<float>& s, std::size_t from, std::size_t to) {
    int n = 0;
    for (std::size_t i = from + 1; i < to; ++i) {
        n += (s[i - 1] < 0) != (s[i] < 0) ? 1 : 0;
    }
    return n;
}

float peak(const std::vector<float>& s, std::size_t from, std::size_t to) {
    float p = 0;
    for (std::size_t i = from; i < to; ++i) {
        p = std::max(p, std::fabs(s[i]));
    }
    return p;
}

Voice sine(double frequency, double seconds) {
    Voice v;
    v.wave = Wave::Sine;
    v.frequency = frequency;
    v.attack = 0.001;
    v.sustain = seconds;
    v.decay = 0.001;
    return v;
}

TEST(WavFile, WritesACanonicalHeaderAndClampsSamples) {
    StereoBuffer sound(2);
    sound.left = {0.5f, -2.0f};
    sound.right = {1.0f, 0.0f};
    const qz::test::ScratchFile scratch("clamp.wav");
    const std::string& path = scratch.path;
    ASSERT_TRUE(writeWav(path, sound));
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> d{std::istreambuf_iterator<char>(in),
                                       std::istreambuf_iterator<char>()};
    ASSERT_EQ(d.size(), 44u + 8u);
    auto u16 = [&d](std::size_t at) { return d[at] | d[at + 1] << 8; };
    auto u32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(u16(at) | u16(at + 2) << 16);
    };
    EXPECT_EQ(std::string(d.begin(), d.begin() + 4), "RIFF");
    EXPECT_EQ(u32(4), 44u);
    EXPECT_EQ(std::string(d.begin() + 8, d.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(u16(20), 1);
    EXPECT_EQ(u16(22), 2);
    EXPECT_EQ(u32(24), 44100u);
    EXPECT_EQ(u32(28), 44100u * 4);
    EXPECT_EQ(u16(32), 4);
    EXPECT_EQ(u16(34), 16);
    EXPECT_EQ(std::string(d.begin() + 36, d.begin() + 40), "data");
    EXPECT_EQ(u32(40), 8u);
    auto sample = [&](std::size_t i) { return static_cast<std::int16_t>(u16(44 + 2 * i)); };
    EXPECT_EQ(sample(0), 16384);   // left 0.5
    EXPECT_EQ(sample(1), 32767);   // right 1.0
    EXPECT_EQ(sample(2), -32767);  // left -2.0, clamped
    EXPECT_EQ(sample(3), 0);
}

TEST(WavFile, NormaliseScalesTheLoudestSampleToThePeak) {
    StereoBuffer sound(3);
    sound.left = {0.1f, -0.5f, 0.25f};
    sound.right = {0.0f, 0.2f, -0.1f};
    normalise(sound, 0.7f);
    EXPECT_FLOAT_EQ(sound.left[1], -0.7f);
    EXPECT_FLOAT_EQ(sound.left[2], 0.35f);
    EXPECT_FLOAT_EQ(sound.right[1], 0.28f);

    StereoBuffer silence(4);
    normalise(silence, 0.7f);
    EXPECT_EQ(silence.left, std::vector<float>(4, 0.0f)) << "silence stays silence, no NaN";
}

TEST(SynthVoice, SoundsOnlyWithinItsEnvelopeFromItsStart) {
    StereoBuffer out(kSampleRate);
    Voice v = sine(440, 0.1);
    v.attack = 0.01;
    v.decay = 0.05;
    addVoice(out, 0.5, v);
    const auto at = [](double t) { return static_cast<std::size_t>(t * kSampleRate); };
    EXPECT_EQ(peak(out.left, 0, at(0.5)), 0.0f);
    EXPECT_GT(peak(out.left, at(0.52), at(0.6)), 0.4f);
    EXPECT_EQ(peak(out.left, at(0.5) + at(voiceLength(v)) + 2, out.frames()), 0.0f);
    EXPECT_DOUBLE_EQ(voiceLength(v), 0.16);
}

TEST(SynthVoice, PlaysAtItsFrequencyAndSlidesByOctaves) {
    StereoBuffer steady(kSampleRate);
    addVoice(steady, 0.0, sine(441, 0.9));
    EXPECT_NEAR(zeroCrossings(steady.left, 0, kSampleRate / 2), 441, 3);

    StereoBuffer rising(kSampleRate);
    Voice v = sine(200, 0.9);
    v.slide = 1.0;  // one octave a second: 200 Hz at 0 s, 400 Hz at 1 s
    addVoice(rising, 0.0, v);
    const int early = zeroCrossings(rising.left, 0, kSampleRate / 10);
    const int late = zeroCrossings(rising.left, kSampleRate * 8 / 10, kSampleRate * 9 / 10);
    EXPECT_NEAR(early, 2 * 200 / 10 * 1.03, 4);
    EXPECT_NEAR(late, 2 * 200 * std::pow(2.0, 0.85) / 10, 4);
    EXPECT_NEAR(noteFrequency(69), 440.0, 1e-9);
    EXPECT_NEAR(noteFrequency(81), 880.0, 1e-9);
    EXPECT_NEAR(noteFrequency(60), 261.63, 0.01);
}

TEST(SynthVoice, PansAndStaysInsideTheBuffer) {
    StereoBuffer out(kSampleRate / 10);
    Voice v = sine(300, 0.5);  // runs far past the end of the buffer
    v.pan = -1.0;
    addVoice(out, 0.05, v);
    EXPECT_EQ(out.frames(), static_cast<std::size_t>(kSampleRate / 10));
    EXPECT_GT(peak(out.left, 0, out.frames()), 0.5f);
    EXPECT_LT(peak(out.right, 0, out.frames()), 1e-6f);
}

TEST(SynthVoice, NoiseRepeatsForTheSameSeedOnly) {
    auto noise = [](std::uint32_t seed) {
        StereoBuffer out(4410);
        Voice v;
        v.wave = Wave::Noise;
        v.frequency = 8000;
        v.sustain = 0.1;
        v.seed = seed;
        addVoice(out, 0.0, v);
        return out.left;
    };
    EXPECT_EQ(noise(3), noise(3));
    EXPECT_NE(noise(3), noise(4));
    EXPECT_GT(zeroCrossings(noise(3), 0, 4410), 100) << "noise, not a hum";
}

}  // namespace
