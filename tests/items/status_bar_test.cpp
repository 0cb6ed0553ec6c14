// The status bar on the real canvas: the red band and its piece icons, the
// black panel, the energy bar and the numbers.
#include "view/status_bar.h"

#include <algorithm>
#include <array>

#include "support/game_fixture.h"
#include "view/status_text.h"

namespace qz::test {
namespace {

bool same(Rgb a, Rgb b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

constexpr Rgb Red{255, 0, 0};
constexpr Rgb Black{0, 0, 0};
constexpr Rgb Blue{0, 0, 255};

// The box of the pixels that differ from `ground` in a part of the canvas.
struct Box {
    int left = 800;
    int right = -1;
    int top = 600;
    int bottom = -1;
    bool empty() const { return right < left; }
};

Box changed(Canvas& canvas, Rgb ground, int x0, int y0, int x1, int y1) {
    Box box;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            if (!same(canvas.pixel(x, y), ground)) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
        }
    }
    return box;
}

using StatusBar = GameTest;

TEST_F(StatusBar, TheTopBandIsPlainRedOverItsFiftyRows) {
    canvas().fill(0, 0, 800, 600, Blue);
    drawTopBand(drawn(), {false, false, false});
    EXPECT_TRUE(changed(canvas(), Red, 0, 0, 800, 50).empty());
    EXPECT_TRUE(changed(canvas(), Blue, 0, 50, 800, 600).empty());
}

TEST_F(StatusBar, EachPieceIconHasItsOwnPlaceWhateverElseIsHeld) {
    const std::array<int, 3> iconX{625, 655, 680};
    for (std::size_t piece = 0; piece < 3; ++piece) {
        std::array<bool, 3> held{};
        held[piece] = true;
        canvas().fill(0, 0, 800, 600, Blue);
        drawTopBand(drawn(), held);
        const Box icon = changed(canvas(), Red, 0, 0, 800, 50);
        ASSERT_FALSE(icon.empty()) << "piece " << piece + 1;
        EXPECT_GE(icon.left, iconX[piece]) << "piece " << piece + 1;
        EXPECT_LT(icon.left, iconX[piece] + 10) << "piece " << piece + 1;
        EXPECT_GE(icon.top, 15) << "piece " << piece + 1;
        EXPECT_TRUE(changed(canvas(), Blue, 0, 50, 800, 600).empty());
    }
    // Holding only the third piece leaves the places of the first two red.
    canvas().fill(0, 0, 800, 600, Blue);
    drawTopBand(drawn(), {false, false, true});
    EXPECT_TRUE(changed(canvas(), Red, 0, 0, 680, 50).empty());
}

TEST_F(StatusBar, ThePanelLeavesTheIndicatorsColumnsAlone) {
    canvas().fill(0, 0, 800, 600, Blue);
    drawStatusPanel(drawn());
    EXPECT_TRUE(changed(canvas(), Black, 150, 450, 800, 600).empty());
    EXPECT_TRUE(changed(canvas(), Blue, 0, 450, 150, 600).empty());
    EXPECT_TRUE(changed(canvas(), Blue, 0, 0, 800, 450).empty());
}

TEST_F(StatusBar, TheEnergyBarShowsOneColumnOfItsPicturePerPoint) {
    // The bar's rows; "Energy" above them is not part of it.
    constexpr int top = 515;
    constexpr int bottom = 565;
    auto barAt = [this](int energy) {
        canvas().fill(0, 0, 800, 600, Blue);
        drawEnergyBar(drawn(), energy);
        return changed(canvas(), Blue, 0, 0, 800, 600);
    };
    const Box full = barAt(145);
    ASSERT_FALSE(full.empty());
    EXPECT_GE(full.left, 200);
    EXPECT_LE(full.right, 344);
    EXPECT_GT(full.right, 334) << "the last ten columns of the bar show at full energy";
    EXPECT_GE(full.top, top);
    EXPECT_LT(full.bottom, bottom);

    // The same picture, cut shorter, not squeezed: the first columns agree.
    std::array<std::array<Rgb, 50>, 135> fullColumns{};
    for (int x = 0; x < 135; ++x) {
        for (int y = 0; y < 50; ++y) {
            fullColumns[x][y] = canvas().pixel(200 + x, top + y);
        }
    }
    const Box cut = barAt(135);
    EXPECT_LE(cut.right, 334);
    int differing = 0;
    for (int x = 0; x < 135; ++x) {
        for (int y = 0; y < 50; ++y) {
            differing += same(canvas().pixel(200 + x, top + y), fullColumns[x][y]) ? 0 : 1;
        }
    }
    EXPECT_EQ(differing, 0);

    EXPECT_TRUE(barAt(0).empty());
    EXPECT_TRUE(barAt(-3).empty());
}

TEST_F(StatusBar, TheCandyLabelIsDrawnWholeInsideTheScreen) {
    // The label's ink where it stands must be as wide as the same text drawn
    // at the left edge, where nothing can cut it off.
    canvas().fill(0, 0, 800, 600, Blue);
    drawStatusText(drawn(), "Crunko's Pieces", 0, 540);
    const Box whole = changed(canvas(), Blue, 0, 530, 300, 560);
    canvas().fill(0, 0, 800, 600, Blue);
    drawCandyCounter(drawn(), 0);
    const Box placed = changed(canvas(), Blue, 500, 530, 800, 558);
    ASSERT_FALSE(whole.empty());
    EXPECT_EQ(placed.right - placed.left, whole.right - whole.left);
    EXPECT_LT(placed.right, 800);
}

TEST_F(StatusBar, NumbersArePlainDecimalLeftAlignedAt725) {
    EXPECT_EQ(decimal(0), "0");
    EXPECT_EQ(decimal(1234567), "1234567");
    EXPECT_EQ(decimal(-40), "-40");

    auto inkOf = [this](auto draw) {
        canvas().fill(0, 0, 800, 600, Black);
        draw();
        return changed(canvas(), Black, 0, 0, 800, 600);
    };
    const Box one = inkOf([this] { drawScore(drawn(), 1); });
    const Box many = inkOf([this] { drawScore(drawn(), 1000000); });
    ASSERT_FALSE(one.empty());
    EXPECT_EQ(one.left, many.left) << "a longer number grows to the right";
    EXPECT_GT(many.right, one.right + 30);
    EXPECT_GE(one.left, 725);
    EXPECT_LT(one.left, 735);
    EXPECT_GE(one.top, 490);

    // The candy counter: its label, and the count below it at x 725, 0
    // written as the digit.
    for (auto [count, text] : {std::pair{0, "0"}, {12, "12"}}) {
        canvas().fill(0, 0, 800, 600, Black);
        drawCandyCounter(drawn(), count);
        const auto counter = canvas().pixelDigest();
        canvas().fill(0, 0, 800, 600, Black);
        canvas().drawText(FontSize::Small, "Crunko's Pieces", White, 668, 540);
        canvas().drawText(FontSize::Small, text, White, 725, 560);
        EXPECT_EQ(counter, canvas().pixelDigest()) << count << " pieces";
    }
}

// The whole bar as the Play turn draws it.
TEST_F(StatusBar, InPlayTheBandCoversTheTreeTopsAndAPowerShortensTheBarAtOnce) {
    startPlaying();
    play(KeyScript().idle(1));
    // Forest: trees reach up to row 10, yet the band shows only red and the
    // white of the name.
    int other = 0;
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 800; ++x) {
            const Rgb p = canvas().pixel(x, y);
            other += same(p, Red) || same(p, Rgb{255, 255, 255}) ? 0 : 1;
        }
    }
    EXPECT_EQ(other, 0);
    EXPECT_FALSE(changed(canvas(), Black, 335, 515, 345, 565).empty());

    // Z in a zone cell: the same turn's bar is ten columns shorter.
    state().zones.inZoneCell = true;
    state().zones.zoneKind = NoZone;
    play(KeyScript().hold({KeyZ}, 1));
    ASSERT_EQ(state().energy, 135);
    EXPECT_TRUE(changed(canvas(), Black, 335, 515, 400, 565).empty()) << "the logo starts at 400";
    EXPECT_FALSE(changed(canvas(), Black, 200, 515, 335, 565).empty());
}

}  // namespace
}  // namespace qz::test
