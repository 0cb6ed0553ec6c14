#include "wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

void putTag(std::vector<std::uint8_t>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

std::int16_t toSample(float v) {
    const float clamped = std::clamp(v, -1.0f, 1.0f);
    return static_cast<std::int16_t>(std::lround(clamped * 32767.0f));
}

}  // namespace

void normalise(StereoBuffer& sound, float peak) {
    float loudest = 0.0f;
    for (std::size_t i = 0; i < sound.frames(); ++i) {
        loudest = std::max({loudest, std::fabs(sound.left[i]), std::fabs(sound.right[i])});
    }
    if (loudest <= 0.0f) {
        return;
    }
    const float gain = peak / loudest;
    for (std::size_t i = 0; i < sound.frames(); ++i) {
        sound.left[i] *= gain;
        sound.right[i] *= gain;
    }
}

bool writeWav(const std::string& path, const StereoBuffer& sound) {
    if (sound.left.size() != sound.right.size()) {
        return false;
    }
    constexpr std::uint32_t kChannels = 2;
    constexpr std::uint32_t kBytesPerSample = 2;
    const auto dataSize = static_cast<std::uint32_t>(sound.frames() * kChannels * kBytesPerSample);

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataSize);
    putTag(out, "RIFF");
    put32(out, 36 + dataSize);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, kChannels);
    put32(out, kSampleRate);
    put32(out, kSampleRate * kChannels * kBytesPerSample);
    put16(out, kChannels * kBytesPerSample);
    put16(out, 16);
    putTag(out, "data");
    put32(out, dataSize);
    for (std::size_t i = 0; i < sound.frames(); ++i) {
        put16(out, static_cast<std::uint16_t>(toSample(sound.left[i])));
        put16(out, static_cast<std::uint16_t>(toSample(sound.right[i])));
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}
