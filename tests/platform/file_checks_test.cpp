// Malformed pictures and sounds are refused before the display library sees them.
#include "platform/file_checks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace qz {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, std::size_t at, std::uint32_t v) {
    b[at] = v & 0xFF;
    b[at + 1] = (v >> 8) & 0xFF;
}
void put32(Bytes& b, std::size_t at, std::uint32_t v) {
    put16(b, at, v & 0xFFFF);
    put16(b, at + 2, v >> 16);
}

// A 2 x 2, 24-bit bitmap: 8 bytes a row after padding.
Bytes bitmap() {
    Bytes b(54 + 16, 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, static_cast<std::uint32_t>(b.size()));
    put32(b, 10, 54);
    put32(b, 14, 40);
    put32(b, 18, 2);
    put32(b, 22, 2);
    put16(b, 26, 1);
    put16(b, 28, 24);
    return b;
}

Bytes wave(std::uint32_t rate = 44100, std::uint16_t format = 1, std::uint16_t bits = 16) {
    Bytes b(44 + 8, 0);
    for (int i = 0; i < 4; ++i) {
        b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>("RIFF"[i]);
        b[static_cast<std::size_t>(8 + i)] = static_cast<std::uint8_t>("WAVE"[i]);
        b[static_cast<std::size_t>(12 + i)] = static_cast<std::uint8_t>("fmt "[i]);
        b[static_cast<std::size_t>(36 + i)] = static_cast<std::uint8_t>("data"[i]);
    }
    put32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
    put32(b, 16, 16);
    put16(b, 20, format);
    put16(b, 22, 2);
    put32(b, 24, rate);
    put32(b, 28, rate * 4);
    put16(b, 32, 4);
    put16(b, 34, bits);
    put32(b, 40, 8);
    return b;
}

// The files a test program wrote, removed when it ends.
struct WrittenFiles {
    std::vector<std::string> paths;
    ~WrittenFiles() {
        for (const std::string& path : paths) {
            std::remove(path.c_str());
        }
    }
};
WrittenFiles written;

std::string write(const Bytes& bytes) {
    // Test cases may run as parallel processes: the file name is the test's own.
    static int n = 0;
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string path = ::testing::TempDir() + "qz-check-" + test->test_suite_name() + "-" +
                             test->name() + "-" + std::to_string(n++);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    written.paths.push_back(path);
    return path;
}

TEST(BitmapCheck, AcceptsAPlainBitmapAndRefusesBrokenHeaders) {
    EXPECT_TRUE(bitmapFileIsWellFormed(write(bitmap())));
    EXPECT_FALSE(bitmapFileIsWellFormed(::testing::TempDir() + "no-such-file.bmp"));

    Bytes bits = bitmap();
    put16(bits, 28, 288);
    EXPECT_FALSE(bitmapFileIsWellFormed(write(bits)));

    Bytes truncated = bitmap();
    truncated.resize(60);
    EXPECT_FALSE(bitmapFileIsWellFormed(write(truncated)));

    Bytes huge = bitmap();
    put32(huge, 18, 0x7FFFFFFF);
    EXPECT_FALSE(bitmapFileIsWellFormed(write(huge)));

    Bytes offset = bitmap();
    put32(offset, 10, 0xFFFFFF00u);
    EXPECT_FALSE(bitmapFileIsWellFormed(write(offset)));

    Bytes notBitmap = bitmap();
    notBitmap[0] = 'P';
    EXPECT_FALSE(bitmapFileIsWellFormed(write(notBitmap)));

    Bytes topDown = bitmap();
    put32(topDown, 22, static_cast<std::uint32_t>(-2));
    EXPECT_TRUE(bitmapFileIsWellFormed(write(topDown)));
}

TEST(WaveCheck, AcceptsPlainPcmAndRefusesWhatWouldCrashTheMixer) {
    EXPECT_TRUE(waveFileIsWellFormed(write(wave())));
    EXPECT_FALSE(waveFileIsWellFormed(write(wave(987654321))));
    EXPECT_FALSE(waveFileIsWellFormed(write(wave(44100, 3))));
    EXPECT_FALSE(waveFileIsWellFormed(write(wave(44100, 1, 24))));

    Bytes longChunk = wave();
    put32(longChunk, 40, 0xFFFFFFF0u);
    EXPECT_FALSE(waveFileIsWellFormed(write(longChunk)));

    Bytes noData = wave();
    noData.resize(36);
    EXPECT_FALSE(waveFileIsWellFormed(write(noData)));
}

}  // namespace
}  // namespace qz
