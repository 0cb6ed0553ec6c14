// Scenery on the real canvas with the real pictures: grounds, what stands in
// front of the characters, and the hole indicator panel.
#include "world/scenery.h"

#include <vector>

#include "support/game_fixture.h"
#include "view/character_sprites.h"
#include "view/world_view.h"

namespace qz::test {
namespace {

struct Region {
    int x;
    int y;
    int w;
    int h;
};

std::vector<Rgb> grab(Canvas& canvas, Region r) {
    std::vector<Rgb> pixels;
    pixels.reserve(static_cast<std::size_t>(r.w * r.h));
    for (int y = r.y; y < r.y + r.h; ++y) {
        for (int x = r.x; x < r.x + r.w; ++x) {
            pixels.push_back(canvas.pixel(x, y));
        }
    }
    return pixels;
}

bool same(Rgb a, Rgb b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

bool sameRegion(const std::vector<Rgb>& a, const std::vector<Rgb>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!same(a[i], b[i])) {
            return false;
        }
    }
    return true;
}

constexpr Region panel{0, 450, 150, 150};
constexpr Region playField{0, 50, 800, 400};

TEST(HoleIndicatorChoice, TellsWhatTheHoleUnderfootHolds) {
    GameState s;
    s.area = AreaFour;
    s.areaHoles.holeIndex = 2;
    s.items.holeContents[3][2] = Searched;
    EXPECT_EQ(chooseHoleIndicator(s), HoleIndicator::Fauna) << "off a hole";

    s.areaHoles.onHole = true;
    s.items.holeContents[3][2] = Empty;
    EXPECT_EQ(chooseHoleIndicator(s), HoleIndicator::Undiscovered);
    EXPECT_EQ(s.holeVisit.contentsRow, 3);
    s.items.holeContents[3][2] = Searched;
    EXPECT_EQ(chooseHoleIndicator(s), HoleIndicator::Discovered);

    s.items.holeContents[3][2] = Flower;
    EXPECT_EQ(chooseHoleIndicator(s), HoleIndicator::Undiscovered);
    s.items.flowerRevived = true;
    EXPECT_EQ(chooseHoleIndicator(s), HoleIndicator::Discovered);

    s.items.holeContents[3][2] = PhonePiece2;
    s.phonePieceHeld = {true, false, true};
    EXPECT_EQ(chooseHoleIndicator(s), HoleIndicator::Undiscovered);
    s.phonePieceHeld = {true, true, true};
    EXPECT_EQ(chooseHoleIndicator(s), HoleIndicator::Nothing);
}

TEST(HoleIndicatorChoice, TheRowFollowsTheAreaAndStaysOutsideAreasOneToFour) {
    GameState s;
    s.areaHoles.onHole = true;
    s.areaHoles.holeIndex = 1;
    s.items.holeContents[1][1] = Searched;
    s.area = AreaTwo;
    EXPECT_EQ(chooseHoleIndicator(s), HoleIndicator::Discovered);
    EXPECT_EQ(s.holeVisit.contentsRow, 1);
    for (AreaId area : {Forest, WashingtonDC, InsideHole}) {
        s.area = area;
        EXPECT_EQ(chooseHoleIndicator(s), HoleIndicator::Discovered) << "area " << area;
        EXPECT_EQ(s.holeVisit.contentsRow, 1) << "area " << area;
    }
}

using Scenery = GameTest;

TEST_F(Scenery, TheGroundFillsThePlayFieldAndOnlyWashingtonAndTheHoleDiffer) {
    auto groundOf = [this](int area) {
        canvas().fill(0, 0, 800, 600, Rgb{0, 0, 255});
        drawBackground(drawn(), area);
        EXPECT_TRUE(same(canvas().pixel(0, 49), Rgb{0, 0, 255})) << "area " << area;
        EXPECT_TRUE(same(canvas().pixel(799, 450), Rgb{0, 0, 255})) << "area " << area;
        return grab(canvas(), playField);
    };
    const auto grass = groundOf(Forest);
    for (int area : {AreaOne, AreaTwo, AreaThree, AreaFour}) {
        EXPECT_TRUE(sameRegion(groundOf(area), grass)) << "area " << area;
    }
    EXPECT_FALSE(sameRegion(groundOf(WashingtonDC), grass));
    EXPECT_FALSE(sameRegion(groundOf(InsideHole), grass));
    EXPECT_FALSE(sameRegion(groundOf(InsideHole), groundOf(WashingtonDC)));
}

// Pictures seen through the real Play turn. The reference frames are drawn
// first with the same routines, then compared with what the turn drew.
struct Covering {
    int covered = 0;  // pixels of the alien's box behind an opaque part of the scenery
    int wrong = 0;    // of those, pixels that do not show the scenery
    int shown = 0;    // pixels where the alien would be seen if drawn last
};

Covering compareCover(const std::vector<Rgb>& turn, const std::vector<Rgb>& ground,
                      const std::vector<Rgb>& scenery, const std::vector<Rgb>& alienOnTop) {
    Covering c;
    for (std::size_t i = 0; i < turn.size(); ++i) {
        if (same(scenery[i], ground[i])) {
            continue;
        }
        ++c.covered;
        c.wrong += same(turn[i], scenery[i]) ? 0 : 1;
        c.shown += same(alienOnTop[i], scenery[i]) ? 0 : 1;
    }
    return c;
}

class SceneryInPlay : public GameTest {
  protected:
    // Runs a Play turn with the alien at `at`, then draws the references.
    template <typename DrawScenery>
    Covering alienBehind(AreaId area, Point at, DrawScenery drawScenery) {
        GameState& s = state();
        s.area = area;
        s.alienX = at.x;
        s.alienY = at.y;
        runner().runTurn({});
        const Region box{at.x, at.y, 50, 75};
        const auto turn = grab(canvas(), box);

        drawBackground(drawn(), area);
        const auto ground = grab(canvas(), box);
        drawScenery();
        const auto scenery = grab(canvas(), box);
        drawAlienWalk(drawn(), at.x, at.y, s.alienFacing, s.alienWalking, s.alienAnimFrame - 1);
        const auto alienOnTop = grab(canvas(), box);
        return compareCover(turn, ground, scenery, alienOnTop);
    }
};

TEST_F(SceneryInPlay, ForestTreesStandInFrontOfTheAlien) {
    startPlaying();
    // Inside the tree at (300, 70).
    const Covering c =
        alienBehind(Forest, Point{310, 120}, [this] { drawForestTrees(drawn(), Forest); });
    EXPECT_GT(c.covered, 0);
    EXPECT_GT(c.shown, 0) << "the alien must really stand where the tree is";
    EXPECT_EQ(c.wrong, 0) << "the alien was drawn over the tree";
}

TEST_F(SceneryInPlay, WashingtonsLeftBuildingCoversTheAlienAt100And150) {
    startPlaying();
    const Covering c =
        alienBehind(WashingtonDC, Point{100, 150}, [this] { drawWashingtonBuildings(drawn()); });
    EXPECT_GT(c.covered, 0);
    EXPECT_GT(c.shown, 0);
    EXPECT_EQ(c.wrong, 0) << "the alien was drawn over the building";
}

TEST_F(Scenery, TheIndicatorPanelShowsWhatTheHoleUnderfootHolds) {
    auto reference = [this](HoleIndicator picture) {
        canvas().fill(0, 0, 800, 600, Rgb{0, 0, 0});
        drawHoleIndicator(drawn(), picture);
        return grab(canvas(), panel);
    };
    const auto fauna = reference(HoleIndicator::Fauna);
    const auto undiscovered = reference(HoleIndicator::Undiscovered);
    const auto discovered = reference(HoleIndicator::Discovered);
    ASSERT_FALSE(sameRegion(fauna, undiscovered));
    ASSERT_FALSE(sameRegion(fauna, discovered));
    ASSERT_FALSE(sameRegion(undiscovered, discovered));

    startPlaying();
    GameState& s = state();
    s.area = AreaFour;
    s.alienX = 100;
    s.alienY = 45;
    play(KeyScript().idle(1));
    EXPECT_TRUE(sameRegion(grab(canvas(), panel), fauna)) << "not standing on it yet";

    play(KeyScript().hold({KeyDown}, 1).hold({KeyUp}, 1));
    ASSERT_TRUE(s.areaHoles.onHole);
    ASSERT_EQ(s.areaHoles.holeIndex, 0);
    EXPECT_TRUE(sameRegion(grab(canvas(), panel), undiscovered));

    s.items.holeContents[3][0] = Searched;
    play(KeyScript().idle(1));
    EXPECT_TRUE(sameRegion(grab(canvas(), panel), discovered));

    // A piece's hole once all three are held: no picture at all, so whatever
    // was there stays.
    s.items.holeContents[3][0] = PhonePiece3;
    s.phonePieceHeld = {true, true, true};
    canvas().fill(panel.x, panel.y, panel.w, panel.h, Rgb{0, 255, 0});
    play(KeyScript().idle(1));
    const auto left = grab(canvas(), panel);
    EXPECT_TRUE(same(left.front(), Rgb{0, 255, 0}));
    EXPECT_TRUE(same(left.back(), Rgb{0, 255, 0}));
    EXPECT_TRUE(same(left[75 * 150 + 75], Rgb{0, 255, 0}));
}

TEST_F(Scenery, NoNameIsWrittenInsideAHole) {
    auto whiteInTheBand = [this] {
        int white = 0;
        for (int y = 0; y < 50; ++y) {
            for (int x = 200; x < 600; ++x) {
                white += same(canvas().pixel(x, y), Rgb{255, 255, 255}) ? 1 : 0;
            }
        }
        return white;
    };
    startPlaying();
    play(KeyScript().idle(1));
    ASSERT_GT(whiteInTheBand(), 0) << "the Forest's name";
    state().area = InsideHole;
    play(KeyScript().idle(1));
    EXPECT_EQ(whiteInTheBand(), 0);
}

}  // namespace
}  // namespace qz::test
