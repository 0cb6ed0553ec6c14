// The hole layouts, the layout each area is dealt, and the standing test.
#include "world/hole_geometry.h"

#include <array>
#include <map>
#include <set>

#include "support/game_fixture.h"

namespace qz::test {
namespace {

// The alien in Area Four (always layout 0), or any area given the layout.
GameState onLayout(int layout, int x, int y) {
    GameState s;
    s.area = AreaFour;
    s.areaHoles.holeLayoutOf[3] = layout;
    selectAreaHoles(s);
    s.alienX = x;
    s.alienY = y;
    return s;
}

TEST(HoleLayouts, HoldTheFourMapsOfHoles) {
    struct Corner {
        int x;
        int y;
    };
    const std::array<std::vector<Corner>, 4> expected{{
        {{150, 120}, {240, 240}, {650, 150}, {550, 340}, {70, 340}, {400, 150}},
        {{100, 300}, {140, 140}, {650, 150}, {550, 340}},
        {{350, 230}, {650, 150}, {550, 340}, {70, 340}},
        {{150, 120}, {240, 240}, {650, 150}, {550, 340}, {70, 340}, {400, 200}},
    }};
    for (std::size_t layout = 0; layout < expected.size(); ++layout) {
        const HoleLayout& holes = holeLayouts[layout];
        ASSERT_EQ(holes.count, static_cast<int>(expected[layout].size())) << "layout " << layout;
        for (std::size_t i = 0; i < expected[layout].size(); ++i) {
            EXPECT_EQ(holes.holes[i].x, expected[layout][i].x) << layout << "/" << i;
            EXPECT_EQ(holes.holes[i].y, expected[layout][i].y) << layout << "/" << i;
            EXPECT_EQ(holes.holes[i].w, 100);
            EXPECT_EQ(holes.holes[i].h, 10);
        }
    }
}

TEST(StandingOnHole, TheFeetMustBeOnTheStripAndTheBoxMayJustTouchIt) {
    struct Case {
        int x;
        int y;
        bool on;
    };
    // Hole 0 of layout 0 lies at (150, 120): x 100..250, y 45..55 stand on it.
    const std::array<Case, 8> cases{{
        {100, 45, true},
        {250, 55, true},
        {175, 50, true},
        {251, 55, false},
        {99, 45, false},
        {100, 56, false},
        {100, 44, false},
        {250, 44, false},
    }};
    for (const Case& c : cases) {
        GameState s = onLayout(0, c.x, c.y);
        s.areaHoles.holeIndex = 4;
        EXPECT_EQ(standingOnHole(s), c.on) << "(" << c.x << ", " << c.y << ")";
        EXPECT_EQ(s.areaHoles.holeIndex, c.on ? 0 : 4) << "(" << c.x << ", " << c.y << ")";
    }
}

TEST(StandingOnHole, EveryHoleOfEveryLayoutHasTheSameFootprint) {
    for (int layout = 0; layout < HoleLayoutCount; ++layout) {
        const HoleLayout& holes = holeLayouts[static_cast<std::size_t>(layout)];
        for (int i = 0; i < holes.count; ++i) {
            const int hx = holes.holes[static_cast<std::size_t>(i)].x;
            const int hy = holes.holes[static_cast<std::size_t>(i)].y;
            for (auto [x, y] : {std::pair{hx - 50, hy - 75}, std::pair{hx + 100, hy - 65}}) {
                GameState s = onLayout(layout, x, y);
                EXPECT_TRUE(standingOnHole(s)) << layout << "/" << i;
                EXPECT_EQ(s.areaHoles.holeIndex, i) << layout << "/" << i;
            }
            for (auto [x, y] : {std::pair{hx - 51, hy - 75}, std::pair{hx + 101, hy - 65},
                                std::pair{hx, hy - 76}, std::pair{hx, hy - 64}}) {
                GameState s = onLayout(layout, x, y);
                EXPECT_FALSE(standingOnHole(s)) << layout << "/" << i << " at " << x << "," << y;
            }
        }
    }
}

TEST(StandingOnHole, TheStartPointTenPixelsLowerIsAHoleOnlyInLayoutZero) {
    GameState first = onLayout(1, 340, 170);
    EXPECT_FALSE(standingOnHole(first));
    GameState zero = onLayout(0, 340, 170);
    EXPECT_TRUE(standingOnHole(zero));
    EXPECT_EQ(zero.areaHoles.holeIndex, 1);
}

TEST(StandingOnHole, PositionsAreReadAsSixteenBitValues) {
    GameState wrapped = onLayout(0, 65536 + 100, 65536 + 45);
    EXPECT_TRUE(standingOnHole(wrapped));
    EXPECT_EQ(wrapped.areaHoles.holeIndex, 0);

    GameState below = onLayout(0, 100 - 65536, 45);
    EXPECT_TRUE(standingOnHole(below));

    // 32768 + 100 reads as a large negative x: far left of every hole.
    GameState halfway = onLayout(0, 32768 + 100, 45);
    EXPECT_FALSE(standingOnHole(halfway));
}

TEST(HoleSelection, OnlyAreasOneToFourChangeTheSelection) {
    GameState s = onLayout(3, 0, 0);
    ASSERT_EQ(s.areaHoles.holeCount, 6);
    ASSERT_EQ(s.areaHoles.selectedLayout, 3);
    for (AreaId area : {Forest, WashingtonDC, InsideHole}) {
        s.area = area;
        selectAreaHoles(s);
        EXPECT_EQ(s.areaHoles.selectedLayout, 3) << "area " << area;
        EXPECT_EQ(s.areaHoles.holeCount, 6);
    }
    s.area = AreaTwo;
    s.areaHoles.holeLayoutOf[1] = 2;
    selectAreaHoles(s);
    EXPECT_EQ(s.areaHoles.selectedLayout, 2);
    EXPECT_EQ(s.areaHoles.holeCount, 4);

    // A layout number out of range leaves the selection alone.
    s.area = AreaOne;
    s.areaHoles.holeLayoutOf[0] = 7;
    selectAreaHoles(s);
    EXPECT_EQ(s.areaHoles.selectedLayout, 2);
}

TEST(HoleLayoutDeal, AreaFourKeepsZeroAndTheOthersShareOneToThreeInEveryOrder) {
    std::map<std::array<int, 3>, int> orders;
    for (unsigned seed = 1; seed <= 600; ++seed) {
        GameState s;
        s.random.seed(seed);
        s.areaHoles.holeLayoutOf = {1, 2, 3, 3};  // a previous game's deal
        assignHoleLayouts(s);
        ASSERT_EQ(s.areaHoles.holeLayoutOf[3], 0) << "seed " << seed;
        const std::set<int> dealt(s.areaHoles.holeLayoutOf.begin(),
                                  s.areaHoles.holeLayoutOf.begin() + 3);
        ASSERT_EQ(dealt, (std::set<int>{1, 2, 3})) << "seed " << seed;
        ++orders[{s.areaHoles.holeLayoutOf[0], s.areaHoles.holeLayoutOf[1],
                  s.areaHoles.holeLayoutOf[2]}];
    }
    EXPECT_EQ(orders.size(), 6u);
    for (const auto& [order, count] : orders) {
        EXPECT_GT(count, 60) << "order " << order[0] << order[1] << order[2] << " too rare";
    }
}

// The Play turn chooses the holes after the movement step, so a step right
// after a change of area is still tested against the old area's holes.
using HoleSelectionInPlay = GameTest;

TEST_F(HoleSelectionInPlay, TheFirstStepAfterAChangeOfAreaUsesTheOldHoles) {
    startPlaying();
    state().area = AreaFour;
    play(KeyScript().idle(1));
    ASSERT_EQ(state().areaHoles.holeCount, 6);

    // (400, 75) stands on layout 0's hole 5 and on no hole of layouts 1 to 3.
    state().area = AreaOne;
    state().alienX = 400;
    state().alienY = 70;
    play(KeyScript().hold({KeyDown}, 1));
    EXPECT_TRUE(state().areaHoles.onHole);
    EXPECT_EQ(state().areaHoles.holeIndex, 5);
    const int own = state().areaHoles.holeLayoutOf[0];
    EXPECT_EQ(state().areaHoles.selectedLayout, own) << "Area One's own holes from now on";
    EXPECT_EQ(state().areaHoles.holeCount, holeLayouts[static_cast<std::size_t>(own)].count);

    play(KeyScript().hold({KeyDown}, 1));
    EXPECT_EQ(state().alienY, 80);
    EXPECT_FALSE(state().areaHoles.onHole) << "(400, 80) is only a hole in layout 0";
}

TEST_F(HoleSelectionInPlay, ANewGameDealsTheLayoutsAgain) {
    std::set<std::array<int, 4>> deals;
    startPlaying();
    for (int game = 0; game < 8; ++game) {
        deals.insert(state().areaHoles.holeLayoutOf);
        EXPECT_EQ(state().areaHoles.holeLayoutOf[3], 0);
        state().mode = PlayMode::GameOver;
        play(KeyScript().idle(1).hold({KeyS}, 1));
    }
    EXPECT_GT(deals.size(), 1u);
}

}  // namespace
}  // namespace qz::test
