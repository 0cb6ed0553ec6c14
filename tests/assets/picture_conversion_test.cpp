// From cairo drawing to game pixels: the BMP writer and reader, the hard
// colour-key edge of sprites and the dithered glow.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bmp_file.h"
#include "canvas.h"
#include "support/scratch_file.h"

namespace {

std::string scratchPath(const char* name) {
    return ::testing::TempDir() + name;
}

std::vector<unsigned char> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// One pixel filled with a colour at the given alpha, no antialiasing.
void fillPixel(Canvas& canvas, int x, double r, double g, double b, double a) {
    cairo_set_antialias(canvas.cr(), CAIRO_ANTIALIAS_NONE);
    cairo_rectangle(canvas.cr(), x, 0, 1, 1);
    cairo_set_source_rgba(canvas.cr(), r, g, b, a);
    cairo_fill(canvas.cr());
}

TEST(BmpFile, RoundTripsOddWidthsBottomUpWithRowPadding) {
    RgbImage image(3, 2);
    image.at(0, 0) = {1, 2, 3};
    image.at(2, 0) = {10, 20, 30};
    image.at(0, 1) = {200, 150, 100};
    image.at(2, 1) = {7, 8, 9};
    const qz::test::ScratchFile scratch("round_trip.bmp");
    const std::string& path = scratch.path;
    ASSERT_TRUE(writeBmp(path, image));

    const std::vector<unsigned char> bytes = fileBytes(path);
    ASSERT_EQ(bytes.size(), 54u + 2 * 12u);  // 9 bytes of pixels padded to 12 a row
    // The first stored row is the bottom one, blue first.
    EXPECT_EQ(bytes[54], 100);
    EXPECT_EQ(bytes[55], 150);
    EXPECT_EQ(bytes[56], 200);
    EXPECT_EQ(bytes[54 + 9], 0) << "padding bytes are zero";

    const std::optional<RgbImage> back = readBmp(path);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->width, 3);
    EXPECT_EQ(back->height, 2);
    EXPECT_EQ(back->pixels, image.pixels);
}

TEST(BmpFile, RefusesWhatItCannotHonestlyReadOrWrite) {
    RgbImage broken(4, 4);
    broken.pixels.pop_back();
    EXPECT_FALSE(writeBmp(scratchPath("broken.bmp"), broken));
    EXPECT_FALSE(writeBmp("/nonexistent-folder/x.bmp", RgbImage(2, 2)));

    const qz::test::ScratchFile scratch("headers.bmp");
    const std::string& path = scratch.path;
    ASSERT_TRUE(writeBmp(path, RgbImage(4, 4)));
    const std::vector<unsigned char> good = fileBytes(path);

    std::vector<unsigned char> bits32 = good;
    bits32[28] = 32;
    writeBytes(path, bits32);
    EXPECT_FALSE(readBmp(path).has_value()) << "only 24-bit pictures are read";

    std::vector<unsigned char> truncated(good.begin(), good.end() - 5);
    writeBytes(path, truncated);
    EXPECT_FALSE(readBmp(path).has_value()) << "pixel data must lie inside the file";

    std::vector<unsigned char> notBmp = good;
    notBmp[0] = 'X';
    writeBytes(path, notBmp);
    EXPECT_FALSE(readBmp(path).has_value());
    EXPECT_FALSE(readBmp(scratchPath("missing.bmp")).has_value());
}

TEST(KeyedImage, HalfCoveredPixelsTurnOpaqueAndTheRestBecomeTheKey) {
    Canvas canvas(4, 1);
    fillPixel(canvas, 0, 0.2, 0.6, 0.4, 127 / 255.0);
    fillPixel(canvas, 1, 0.2, 0.6, 0.4, 128 / 255.0);
    fillPixel(canvas, 2, 1.0, 0.0, 0.0, 1.0);
    const RgbImage image = canvas.keyedImage();

    EXPECT_EQ(image.at(0, 0), kColourKey);
    const Rgb8 half = image.at(1, 0);
    EXPECT_NEAR(half.r, 51, 2) << "colour is un-premultiplied, not darkened";
    EXPECT_NEAR(half.g, 153, 2);
    EXPECT_NEAR(half.b, 102, 2);
    EXPECT_EQ(image.at(2, 0), (Rgb8{255, 0, 0}));
    EXPECT_EQ(image.at(3, 0), kColourKey);
}

TEST(KeyedImage, OpaqueArtNeverComesCloseToTheKey) {
    Canvas canvas(3, 1);
    fillPixel(canvas, 0, 229 / 255.0, 77 / 255.0, 253 / 255.0, 1.0);
    fillPixel(canvas, 1, 229 / 255.0, 77 / 255.0, 240 / 255.0, 1.0);
    fillPixel(canvas, 2, 229 / 255.0, 77 / 255.0, 150 / 255.0, 1.0);
    const RgbImage keyed = canvas.keyedImage();
    const RgbImage opaque = canvas.opaqueImage();
    for (const RgbImage* image : {&keyed, &opaque}) {
        EXPECT_GT(keyDistance(image->at(0, 0)), kKeyMargin) << "painted key must stay visible";
        EXPECT_GT(keyDistance(image->at(1, 0)), kKeyMargin);
        EXPECT_EQ(image->at(2, 0), (Rgb8{229, 77, 150})) << "far enough already: untouched";
    }
}

TEST(OpaqueImage, TransparentAreasComeOutBlack) {
    Canvas canvas(2, 1);
    fillPixel(canvas, 1, 1.0, 1.0, 1.0, 0.5);
    const RgbImage image = canvas.opaqueImage();
    EXPECT_EQ(image.at(0, 0), (Rgb8{0, 0, 0}));
    EXPECT_NEAR(image.at(1, 0).r, 128, 1) << "half white over black";
}

TEST(DitheredLayer, CoverageBecomesAShareOfFullyOpaquePixels) {
    for (double alpha : {0.0, 0.25, 0.5, 1.0}) {
        SCOPED_TRACE(alpha);
        Canvas canvas(32, 32);
        paintDitheredLayer(canvas.cr(), 32, 32, [alpha](cairo_t* cr) {
            cairo_set_source_rgba(cr, 0.9, 0.9, 0.5, alpha);
            cairo_paint(cr);
        });
        const RgbImage image = canvas.keyedImage();
        int lit = 0;
        for (const Rgb8& p : image.pixels) {
            if (!(p == kColourKey)) {
                ++lit;
                EXPECT_GE(p.r, 225) << "lit pixels carry the full colour";
            }
        }
        EXPECT_NEAR(lit / 1024.0, alpha, 0.07);
    }
}

}  // namespace
