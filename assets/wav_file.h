// Writing canonical 16-bit stereo PCM WAV files at 44.1 kHz.
#pragma once

#include <string>
#include <vector>

inline constexpr int kSampleRate = 44100;

// A stereo signal in floating point, -1..1 per channel.
struct StereoBuffer {
    std::vector<float> left;
    std::vector<float> right;

    explicit StereoBuffer(std::size_t frames = 0) : left(frames, 0.0f), right(frames, 0.0f) {}
    std::size_t frames() const { return left.size(); }
};

// Scales the signal so its loudest sample reaches `peak` (0..1).
void normalise(StereoBuffer& sound, float peak);

// Writes RIFF/WAVE with a fmt and a data chunk; false on any I/O error.
bool writeWav(const std::string& path, const StereoBuffer& sound);
