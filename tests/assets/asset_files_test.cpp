// The generated game data, checked file by file against what the game
// expects: sizes, formats, hard colour-key edges and audible sounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "asset_file_readers.h"

namespace {

const std::string kData = QZ_TEST_DATA_DIR;

struct ExpectedPicture {
    const char* name;
    int width;
    int height;
    bool keyed;
};

// The sizes the game's drawing positions were laid out for.
const ExpectedPicture kPictures[] = {
    {"quillo-2", 800, 600, false},
    {"instructions-screen-pg1", 800, 600, false},
    {"instructions-screen-pg2", 800, 600, false},
    {"instructions-screen-pg3", 800, 600, false},
    {"grass", 800, 400, false},
    {"washington-dc-location", 800, 400, false},
    {"hole-location", 800, 400, false},
    {"forest-tree", 75, 200, true},
    {"gov-building", 139, 152, true},
    {"jorrin-house", 301, 106, true},
    {"fauna1", 150, 150, false},
    {"undischole", 150, 150, false},
    {"dischole", 150, 150, false},
    {"flower-alive", 15, 25, true},
    {"flower-dead", 15, 25, true},
    {"quillo-walk-left", 100, 75, true},
    {"quillo-walk-right", 100, 75, true},
    {"quillo-headbob-left", 200, 75, true},
    {"quillo-headbob-right", 200, 75, true},
    {"quillo-death-left", 50, 30, true},
    {"quillo-death-right", 50, 30, true},
    {"fbi-walk-left", 100, 100, true},
    {"fbi-walk-right", 100, 100, true},
    {"scientist-walk-left", 100, 100, true},
    {"scientist-walk-right", 100, 100, true},
    {"jorrin-walk-left", 100, 75, true},
    {"jorrin-walk-right", 100, 100, true},
    {"ship", 150, 225, true},
    {"phone-piece1", 25, 30, true},
    {"phone-piece2", 35, 30, true},
    {"phone-piece3", 45, 30, true},
    {"phone-piece-icon-2", 25, 30, true},
    {"phone-piece-icon-3", 30, 30, true},
    {"crunko-piece1", 15, 15, true},
    {"crunko-piece2", 15, 15, true},
    {"crunko-piece3", 15, 15, true},
    {"crunko-piece4", 15, 15, true},
    {"time-template", 80, 32, true},
    {"time-3-quarter", 80, 32, true},
    {"time-half", 80, 32, true},
    {"time-1-quarter", 80, 32, true},
    {"time-none", 80, 32, true},
    {"quillo-logo", 250, 90, false},
    {"crunkos-pieces-energy-bar", 145, 50, true},
    {"quillo-face", 300, 210, true},
};

// A pixel this close to the key but not the key would show as a pink fringe.
constexpr int kFringeDistance = 30;

std::string picturePath(const std::string& name) {
    return kData + "/graphics/" + name + ".bmp";
}

Bitmap loadPicture(const std::string& name) {
    std::optional<Bitmap> bmp = readBitmap(picturePath(name));
    if (!bmp || bmp->pixels.empty()) {
        ADD_FAILURE() << name << ".bmp is missing or not a readable 24-bit bitmap";
        return Bitmap{};
    }
    return *bmp;
}

bool isKey(Pixel p) {
    return p == kKey;
}

int opaqueCount(const Bitmap& bmp, int x0, int y0, int w, int h) {
    int count = 0;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            count += isKey(bmp.at(x, y)) ? 0 : 1;
        }
    }
    return count;
}

double luminance(Pixel p) {
    return (0.2126 * p.r + 0.7152 * p.g + 0.0722 * p.b) / 255.0;
}

TEST(AssetPictures, EveryPictureIsAnUncompressed24BitBitmapOfItsSize) {
    EXPECT_EQ(std::size(kPictures), 45u);
    for (const ExpectedPicture& expected : kPictures) {
        SCOPED_TRACE(expected.name);
        const std::optional<Bitmap> bmp = readBitmap(picturePath(expected.name));
        ASSERT_TRUE(bmp.has_value());
        EXPECT_EQ(bmp->width, expected.width);
        EXPECT_EQ(bmp->rows(), expected.height);
        EXPECT_GT(bmp->height, 0) << "rows must be stored bottom-up";
        EXPECT_EQ(bmp->bitsPerPixel, 24);
        EXPECT_EQ(bmp->compression, 0u);
        EXPECT_EQ(bmp->headerSize, 40u) << "BITMAPINFOHEADER";
        const std::uint32_t stride = (static_cast<std::uint32_t>(expected.width) * 3 + 3) & ~3u;
        EXPECT_EQ(bmp->fileSize, 54 + stride * static_cast<std::uint32_t>(expected.height));
        EXPECT_EQ(readWholeFile(picturePath(expected.name)).size(), bmp->fileSize);
    }
}

TEST(AssetPictures, SpritesAreEitherExactlyKeyOrClearlyOpaque) {
    for (const ExpectedPicture& expected : kPictures) {
        if (!expected.keyed) {
            continue;
        }
        SCOPED_TRACE(expected.name);
        const Bitmap bmp = loadPicture(expected.name);
        int keys = 0, fringe = 0;
        for (Pixel p : bmp.pixels) {
            if (isKey(p)) {
                ++keys;
            } else if (distanceToKey(p) <= kFringeDistance) {
                ++fringe;
            }
        }
        EXPECT_GT(keys, 0) << "a sprite needs transparent pixels";
        EXPECT_LT(keys, static_cast<int>(bmp.pixels.size())) << "a sprite needs visible pixels";
        EXPECT_EQ(fringe, 0) << "pixels that are nearly, but not exactly, the key";
    }
}

TEST(AssetPictures, FullPicturesNeverContainTheKeyColour) {
    for (const ExpectedPicture& expected : kPictures) {
        if (expected.keyed) {
            continue;
        }
        SCOPED_TRACE(expected.name);
        const Bitmap bmp = loadPicture(expected.name);
        const auto nearKey = std::count_if(bmp.pixels.begin(), bmp.pixels.end(), [](Pixel p) {
            return distanceToKey(p) <= kFringeDistance;
        });
        EXPECT_EQ(nearKey, 0);
    }
}

TEST(AssetPictures, NoPictureIsBlank) {
    for (const ExpectedPicture& expected : kPictures) {
        SCOPED_TRACE(expected.name);
        const Bitmap bmp = loadPicture(expected.name);
        std::set<std::tuple<int, int, int>> colours;
        for (Pixel p : bmp.pixels) {
            if (!isKey(p)) {
                colours.insert({p.r, p.g, p.b});
            }
        }
        // Even the 15 x 15 candy has an outline, a body and a highlight.
        const std::size_t wanted = bmp.pixels.size() >= 10000 ? 200 : 6;
        EXPECT_GE(colours.size(), wanted);
    }
}

// Each 50-wide frame of a character sheet has something in it, and the
// frames of an animation are not all the same picture.
TEST(AssetSheets, EveryFrameIsDrawnAndTheFramesDiffer) {
    const std::pair<const char*, int> sheets[] = {
        {"quillo-walk-left", 2},     {"quillo-walk-right", 2},    {"quillo-headbob-left", 4},
        {"quillo-headbob-right", 4}, {"fbi-walk-left", 2},        {"fbi-walk-right", 2},
        {"scientist-walk-left", 2},  {"scientist-walk-right", 2}, {"jorrin-walk-left", 2},
        {"jorrin-walk-right", 2}};
    for (const auto& [name, frames] : sheets) {
        SCOPED_TRACE(name);
        const Bitmap bmp = loadPicture(name);
        ASSERT_EQ(bmp.width, 50 * frames);
        for (int f = 0; f < frames; ++f) {
            EXPECT_GT(opaqueCount(bmp, f * 50, 0, 50, bmp.rows()), 300) << "frame " << f;
        }
        int differing = 0;
        for (int y = 0; y < bmp.rows(); ++y) {
            for (int x = 0; x < 50; ++x) {
                differing += bmp.at(x, y) == bmp.at(50 + x, y) ? 0 : 1;
            }
        }
        EXPECT_GT(differing, 40) << "frames 0 and 1 look the same";
    }
}

// Right-facing sheets are the left ones mirrored within each frame (Jorrin's
// right sheet is 25 rows taller, with the figure in the top 75 rows of both).
TEST(AssetSheets, RightFacingSheetsMirrorTheLeftOnes) {
    const char* const characters[] = {"quillo-walk", "quillo-headbob", "quillo-death",
                                      "fbi-walk",    "scientist-walk", "jorrin-walk"};
    for (const char* character : characters) {
        SCOPED_TRACE(character);
        const Bitmap left = loadPicture(std::string(character) + "-left");
        const Bitmap right = loadPicture(std::string(character) + "-right");
        ASSERT_EQ(left.width, right.width);
        const int frameWidth = std::min(50, left.width);
        const int rows = std::min(left.rows(), right.rows());
        int mirrored = 0, same = 0, total = 0;
        for (int y = 0; y < rows; ++y) {
            const int ly = y;
            const int ry = y;
            for (int x = 0; x < left.width; ++x) {
                const int frame = x / frameWidth;
                const int mx = frame * frameWidth + (frameWidth - 1 - x % frameWidth);
                const bool l = isKey(left.at(x, ly));
                mirrored += l == isKey(right.at(mx, ry)) ? 1 : 0;
                same += l == isKey(right.at(x, ry)) ? 1 : 0;
                ++total;
            }
        }
        EXPECT_GE(mirrored, total * 97 / 100) << "right sheet is not the mirrored left sheet";
        EXPECT_GT(mirrored, same) << "right sheet faces the same way as the left one";
        if (right.rows() > rows) {
            EXPECT_EQ(opaqueCount(right, 0, rows, right.width, right.rows() - rows), 0)
                << "the taller right sheet keeps its figure where the left one has it";
        }
    }
}

TEST(AssetSheets, CharactersStandOnTheBottomRow) {
    const char* const sheets[] = {"quillo-walk-left", "fbi-walk-left", "scientist-walk-left",
                                  "jorrin-walk-left", "quillo-death-left"};
    for (const char* name : sheets) {
        SCOPED_TRACE(name);
        const Bitmap bmp = loadPicture(name);
        EXPECT_GT(opaqueCount(bmp, 0, bmp.rows() - 3, std::min(50, bmp.width), 3), 4);
    }
    // Jorrin's taller right sheet: his feet on row 74, as on the left sheet.
    const Bitmap right = loadPicture("jorrin-walk-right");
    EXPECT_GT(opaqueCount(right, 0, 72, 50, 3), 4);
}

TEST(AssetLayout, ShipBeamReachesTheBottomOfThePicture) {
    const Bitmap ship = loadPicture("ship");
    EXPECT_GT(opaqueCount(ship, 0, ship.rows() - 1, ship.width, 1), 20);
    EXPECT_GT(opaqueCount(ship, 0, 0, ship.width, 60), 3000) << "the saucer sits at the top";
}

TEST(AssetLayout, EnergyBarRunsFromRedOnTheLeftToGreenOnTheRight) {
    // The game shows only the first `energy` columns, so low energy is red.
    const Bitmap bar = loadPicture("crunkos-pieces-energy-bar");
    const int middle = bar.rows() / 2;
    EXPECT_GT(opaqueCount(bar, 0, 0, 6, bar.rows()), 10) << "the bar starts at column 0";
    const Pixel low = bar.at(10, middle);
    const Pixel high = bar.at(bar.width - 11, middle);
    EXPECT_GT(low.r, low.g + 60);
    EXPECT_GT(high.g, high.r + 60);
}

TEST(AssetLayout, TimeIndicatorShowsFiveDifferentStates) {
    const char* const names[] = {"time-template", "time-3-quarter", "time-half", "time-1-quarter",
                                 "time-none"};
    std::vector<std::vector<Pixel>> seen;
    for (const char* name : names) {
        const Bitmap bmp = loadPicture(name);
        for (const auto& other : seen) {
            EXPECT_NE(bmp.pixels, other) << name << " repeats an earlier state";
        }
        seen.push_back(bmp.pixels);
    }
}

TEST(AssetLayout, TitleTextAreaIsCalmAndDark) {
    // The game writes its blue (32, 156, 217) title texts over rows 30 to 135.
    const Bitmap title = loadPicture("quillo-2");
    double sum = 0, sumSquares = 0;
    int n = 0;
    for (int y = 30; y <= 135; ++y) {
        for (int x = 200; x < 600; ++x) {
            const double l = luminance(title.at(x, y));
            sum += l;
            sumSquares += l * l;
            ++n;
        }
    }
    const double mean = sum / n;
    const double spread = std::sqrt(sumSquares / n - mean * mean);
    EXPECT_LT(mean, luminance(Pixel{32, 156, 217}) - 0.2) << "too light behind the blue text";
    EXPECT_LT(spread, 0.08) << "too busy behind the title text";
}

struct ExpectedSound {
    const char* file;
    double minSeconds;
    double maxSeconds;
};

const ExpectedSound kSounds[] = {
    {"ufo-sound.wav", 2.0, 4.0},          {"drop.wav", 0.7, 1.3},
    {"crunko-piece.wav", 0.1, 0.5},       {"quillo-theme.wav", 20.0, 30.0},
    {"assist-piece-found.wav", 0.2, 1.5}, {"assist-piece-taken.wav", 0.2, 1.5},
    {"assist-capture.wav", 0.2, 1.5},     {"assist-flower.wav", 0.2, 1.5},
    {"assist-jorrin.wav", 0.2, 1.5},      {"assist-ship-called.wav", 0.2, 1.5},
    {"assist-win.wav", 0.2, 1.5},         {"assist-loss.wav", 0.2, 1.5}};

Wave loadSound(const char* file) {
    std::optional<Wave> wave = readWave(kData + "/" + file);
    if (!wave) {
        ADD_FAILURE() << file << " is missing or not a well-formed WAV file";
        return Wave{};
    }
    return *wave;
}

double rms(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
    double sum = 0;
    for (std::size_t i = from; i < to; ++i) {
        sum += static_cast<double>(s[i]) * s[i];
    }
    return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0.0;
}

TEST(AssetSounds, AreStereo16BitPcmAt44100Hz) {
    for (const ExpectedSound& expected : kSounds) {
        SCOPED_TRACE(expected.file);
        const Wave wave = loadSound(expected.file);
        EXPECT_EQ(wave.format, 1);
        EXPECT_EQ(wave.channels, 2);
        EXPECT_EQ(wave.sampleRate, 44100);
        EXPECT_EQ(wave.bitsPerSample, 16);
        EXPECT_EQ(wave.blockAlign, 4);
        EXPECT_EQ(wave.byteRate, 44100 * 4);
        EXPECT_GE(wave.seconds(), expected.minSeconds);
        EXPECT_LE(wave.seconds(), expected.maxSeconds);
    }
}

TEST(AssetSounds, AreAudibleWithoutClippingOrDcOffset) {
    for (const ExpectedSound& expected : kSounds) {
        SCOPED_TRACE(expected.file);
        const Wave wave = loadSound(expected.file);
        int peak = 0;
        double sum[2] = {0, 0};
        for (std::size_t i = 0; i < wave.samples.size(); ++i) {
            peak = std::max(peak, std::abs(static_cast<int>(wave.samples[i])));
            sum[i % 2] += wave.samples[i];
        }
        EXPECT_GT(peak, 8000);
        EXPECT_LT(peak, 30000) << "no headroom left";
        EXPECT_GT(rms(wave.samples, 0, wave.samples.size()), 800.0);
        // An offset wastes headroom and thumps when the sound starts and stops.
        const double frames = std::max<double>(1, wave.samples.size() / 2);
        for (int channel = 0; channel < 2; ++channel) {
            EXPECT_LT(std::fabs(sum[channel] / frames), 0.01 * 32768)
                << "DC offset in channel " << channel;
        }
    }
}

TEST(AssetSounds, ShipHumLoopsWithoutAClick) {
    const Wave hum = loadSound("ufo-sound.wav");
    ASSERT_GT(hum.samples.size(), 8u);
    const std::size_t n = hum.samples.size();
    for (std::size_t channel = 0; channel < 2; ++channel) {
        const int first = hum.samples[channel];
        const int last = hum.samples[n - 2 + channel];
        EXPECT_LT(std::abs(first), 1000);
        EXPECT_LT(std::abs(last), 1000);
        EXPECT_LT(std::abs(last - first), 1000);
    }
}

TEST(AssetSounds, ThemeFadesOutAtTheEnd) {
    const Wave theme = loadSound("quillo-theme.wav");
    const std::size_t second = 44100 * 2;
    ASSERT_GT(theme.samples.size(), 20 * second);
    const std::size_t n = theme.samples.size();
    const double body = rms(theme.samples, 5 * second, 15 * second);
    const double tail = rms(theme.samples, n - second / 4, n);
    EXPECT_LT(tail, body * 0.1);
}

TEST(AssetFont, GameFontAndItsLicenceAreBesideTheGame) {
    const std::vector<std::uint8_t> font = readWholeFile(kData + "/Souvenir Bold Italic.ttf");
    ASSERT_GT(font.size(), 10000u);
    const std::string tag(font.begin(), font.begin() + 4);
    EXPECT_TRUE(tag == "OTTO" || tag == std::string("\0\1\0\0", 4) || tag == "true")
        << "not an OpenType or TrueType font";
    const std::vector<std::uint8_t> licence =
        readWholeFile(kData + "/Souvenir Bold Italic - LICENSE.txt");
    const std::string text(licence.begin(), licence.end());
    EXPECT_NE(text.find("URW"), std::string::npos);
}

TEST(AssetIcons, DesktopIconsArePngsOfTheirSizeWithTransparency) {
    for (std::uint32_t size : {48u, 128u}) {
        const std::string label = std::to_string(size) + "x" + std::to_string(size);
        SCOPED_TRACE(label);
        const std::optional<PngInfo> png =
            readPngHeader(kData + "/icons/" + label + "/quillo-zoruri.png");
        ASSERT_TRUE(png.has_value());
        EXPECT_EQ(png->width, size);
        EXPECT_EQ(png->height, size);
        EXPECT_EQ(png->colourType, 6) << "RGBA, so the background stays transparent";
    }
}

}  // namespace
