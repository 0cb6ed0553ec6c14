// The area map: the neighbour table, the quarter-turn edges with their bands,
// the crossing itself, and the area names.
#include "world/area_map.h"
#include "view/world_view.h"

#include <SDL/SDL_ttf.h>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

#include "support/game_fixture.h"

namespace qz::test {
namespace {

constexpr std::array<Edge, 4> allEdges{Edge::Top, Edge::Bottom, Edge::Left, Edge::Right};

// The map as the player learns it, written out again here on purpose: rows by
// area, columns Top, Bottom, Left, Right.
constexpr std::array<std::array<int, 4>, 6> expectedNeighbours{{
    {AreaOne, AreaThree, AreaFour, AreaTwo},
    {WashingtonDC, Forest, AreaFour, AreaTwo},
    {AreaOne, AreaThree, Forest, WashingtonDC},
    {Forest, WashingtonDC, AreaFour, AreaTwo},
    {AreaOne, AreaThree, WashingtonDC, Forest},
    {AreaThree, AreaOne, AreaTwo, AreaFour},
}};

// Crossing a top or bottom edge changes y, and x runs along the edge.
bool runsAlongX(Edge edge) {
    return edge == Edge::Top || edge == Edge::Bottom;
}

// Where the alien comes in across the edge opposite the one it left by.
int reentryOf(Edge edge) {
    constexpr std::array<int, 4> lines{375, 50, 750, 0};
    return lines[static_cast<std::size_t>(edge)];
}

// The alien standing at the edge it is about to cross, `along` being its
// coordinate along that edge.
GameState atEdge(AreaId area, Edge edge, int along) {
    constexpr std::array<int, 4> edgeLines{30, 375, 0, 750};
    GameState s;
    s.mode = PlayMode::Play;
    s.area = area;
    (runsAlongX(edge) ? s.alienX : s.alienY) = along;
    (runsAlongX(edge) ? s.alienY : s.alienX) = edgeLines[static_cast<std::size_t>(edge)];
    return s;
}

// Along a top or bottom edge x runs 0..800 in bands of 200; along a side
// edge y runs 0..400 in bands of 100.
int bandOf(int along, bool alongX) {
    const int width = alongX ? 200 : 100;
    return along <= width ? 0 : along <= 2 * width ? 1 : along <= 3 * width ? 2 : 3;
}

TEST(AreaMap, NeighbourTableJoinsTheAreasLikeTheFacesOfACube) {
    const std::set<std::pair<int, int>> opposite{
        {Forest, WashingtonDC}, {AreaOne, AreaThree}, {AreaTwo, AreaFour}};
    for (AreaId area : OutdoorAreas) {
        std::set<int> seen;
        for (Edge edge : allEdges) {
            const int to = neighbourArea(area, edge);
            EXPECT_EQ(to, expectedNeighbours[area][static_cast<int>(edge)])
                << "area " << area << " edge " << static_cast<int>(edge);
            seen.insert(to);
            EXPECT_FALSE(opposite.count({area, to}) || opposite.count({to, area}))
                << area << " and " << to << " lie on opposite faces";
            // Every crossing has a way back.
            bool back = false;
            for (Edge returning : allEdges) {
                back = back || neighbourArea(to, returning) == area;
            }
            EXPECT_TRUE(back) << "no way back from " << to << " to " << area;
            // Straight edges lead back through the opposite edge.
            if (!isQuarterTurnEdge(area, edge)) {
                const Edge reverse = edge == Edge::Top      ? Edge::Bottom
                                     : edge == Edge::Bottom ? Edge::Top
                                     : edge == Edge::Left   ? Edge::Right
                                                            : Edge::Left;
                EXPECT_EQ(neighbourArea(to, reverse), area);
            }
        }
        EXPECT_EQ(seen.size(), 4u) << "area " << area << " needs four different neighbours";
        EXPECT_FALSE(seen.count(area));
    }
    for (Edge edge : allEdges) {
        EXPECT_EQ(neighbourArea(InsideHole, edge), InsideHole);
    }
}

TEST(AreaMap, TheDocumentedQuarterTurnsLandWhereThePlayerExpects) {
    struct Case {
        AreaId from;
        Edge edge;
        int along;
        int to;
        int x;
        int y;
    };
    const std::array<Case, 8> cases{{
        {AreaTwo, Edge::Top, 300, AreaOne, 748, 250},
        {AreaFour, Edge::Top, 700, AreaOne, 2, 350},
        {AreaTwo, Edge::Bottom, 100, AreaThree, 748, 75},
        {AreaFour, Edge::Bottom, 500, AreaThree, 2, 150},
        {AreaOne, Edge::Right, 160, AreaTwo, 500, 52},
        {AreaOne, Edge::Left, 250, AreaFour, 500, 52},
        {AreaThree, Edge::Left, 375, AreaFour, 100, 373},
        {AreaThree, Edge::Right, 50, AreaTwo, 100, 373},
    }};
    for (const Case& c : cases) {
        GameState s = atEdge(c.from, c.edge, c.along);
        crossEdge(s, c.edge);
        EXPECT_EQ(s.area, c.to) << "from " << c.from << " at " << c.along;
        EXPECT_EQ(s.alienX, c.x) << "from " << c.from << " at " << c.along;
        EXPECT_EQ(s.alienY, c.y) << "from " << c.from << " at " << c.along;
    }
}

// Where a crossing over a quarter-turn edge puts the alien: one coordinate
// on a border line of the new area, the other by band of where it left.
struct Landing {
    int fixed;  // the coordinate on the border line
    int along;  // the other one
};

Landing landAfterCrossing(AreaId area, Edge edge, int along) {
    GameState s = atEdge(area, edge, along);
    crossEdge(s, edge);
    const bool fixesX = s.alienX == 2 || s.alienX == 748;
    return fixesX ? Landing{s.alienX, s.alienY} : Landing{s.alienY, s.alienX};
}

TEST(AreaMap, QuarterTurnsLandOnOneBorderLineInFourBandsThatIncludeBothBounds) {
    int quarterTurns = 0;
    for (AreaId area : OutdoorAreas) {
        for (Edge edge : allEdges) {
            if (!isQuarterTurnEdge(area, edge)) {
                continue;
            }
            ++quarterTurns;
            const int width = runsAlongX(edge) ? 200 : 100;
            const int fixed = landAfterCrossing(area, edge, width / 2).fixed;
            EXPECT_TRUE(fixed == 2 || fixed == 748 || fixed == 52 || fixed == 373)
                << "from " << area << ": " << fixed << " is no border line";
            std::array<int, 4> byBand{};
            for (int band = 0; band < 4; ++band) {
                byBand[static_cast<std::size_t>(band)] =
                    landAfterCrossing(area, edge, band * width + width / 2).along;
            }
            // Four places in a row, one band a step, whichever way they run.
            const bool rising = std::is_sorted(byBand.begin(), byBand.end());
            const bool falling = std::is_sorted(byBand.rbegin(), byBand.rend());
            EXPECT_TRUE((rising || falling) &&
                        std::set<int>(byBand.begin(), byBand.end()).size() == 4u)
                << "from " << area;
            // A band runs from just past one bound up to the next one, inclusive.
            for (int band = 0; band < 4; ++band) {
                const int first = band == 0 ? 0 : band * width + 1;
                for (int along : {first, (band + 1) * width}) {
                    const Landing landing = landAfterCrossing(area, edge, along);
                    EXPECT_EQ(landing.fixed, fixed) << "from " << area << " at " << along;
                    EXPECT_EQ(landing.along, byBand[static_cast<std::size_t>(band)])
                        << "from " << area << " at " << along;
                }
            }
            // Past the last band, and below zero (compared unsigned), no band
            // matches: the re-entry value stays, the border line is set.
            for (int along : {4 * width + 1, -5}) {
                GameState s = atEdge(area, edge, along);
                crossEdge(s, edge);
                EXPECT_EQ(runsAlongX(edge) ? s.alienY : s.alienX, reentryOf(edge))
                    << "from " << area << " at " << along;
                EXPECT_EQ(landAfterCrossing(area, edge, along).fixed, fixed)
                    << "from " << area << " at " << along;
            }
        }
    }
    EXPECT_EQ(quarterTurns, 8);
}

TEST(AreaMap, GoingStraightBackOverAQuarterTurnEdgeReturnsToTheSameBand) {
    // The new fixed coordinate says which edge the alien stands at; crossing
    // it again must lead home, into the band the alien left from.
    for (AreaId area : OutdoorAreas) {
        for (Edge edge : allEdges) {
            if (!isQuarterTurnEdge(area, edge)) {
                continue;
            }
            const bool alongX = runsAlongX(edge);
            for (int band = 0; band < 4; ++band) {
                const int along = (alongX ? 200 : 100) * band + 50;
                GameState s = atEdge(area, edge, along);
                crossEdge(s, edge);
                const Edge back = s.alienX == 748  ? Edge::Right
                                  : s.alienX == 2  ? Edge::Left
                                  : s.alienY == 52 ? Edge::Top
                                                   : Edge::Bottom;
                crossEdge(s, back);
                ASSERT_EQ(s.area, area) << "from " << area << " at " << along;
                EXPECT_EQ(bandOf(alongX ? s.alienX : s.alienY, alongX), band)
                    << "from " << area << " at " << along;
            }
        }
    }
}

TEST(AreaMap, StraightEdgesSetOnlyTheReentryLine) {
    for (AreaId area : OutdoorAreas) {
        for (Edge edge : allEdges) {
            if (isQuarterTurnEdge(area, edge)) {
                continue;
            }
            GameState s = atEdge(area, edge, 123);
            crossEdge(s, edge);
            EXPECT_EQ(s.area, expectedNeighbours[area][static_cast<int>(edge)]);
            EXPECT_EQ(runsAlongX(edge) ? s.alienY : s.alienX, reentryOf(edge));
            EXPECT_EQ(runsAlongX(edge) ? s.alienX : s.alienY, 123);
        }
    }
}

TEST(AreaMap, InsideAHoleACrossingOnlyMovesTheReentryLine) {
    GameState s = atEdge(InsideHole, Edge::Top, 340);
    crossEdge(s, Edge::Top);
    EXPECT_EQ(s.area, InsideHole);
    EXPECT_EQ(s.alienY, 375);
    EXPECT_EQ(s.alienX, 340);
}

TEST(AreaMap, EveryAreaHasItsNameAndTheHoleScreenNone) {
    EXPECT_EQ(areaName(Forest), "Forest");
    EXPECT_EQ(areaName(AreaOne), "Area One");
    EXPECT_EQ(areaName(AreaTwo), "Area Two");
    EXPECT_EQ(areaName(AreaThree), "Area Three");
    EXPECT_EQ(areaName(AreaFour), "Area Four");
    EXPECT_EQ(areaName(WashingtonDC), "Washington DC");
    EXPECT_EQ(areaName(InsideHole), "");
}

// Crossings in real turns: the corner and the loop over the top edge.
using AreaWalks = GameTest;

TEST_F(AreaWalks, UpAndLeftAtTheForestsCornerCrossTwoEdgesInOneTurnForFree) {
    startPlaying();
    state().alienX = 0;
    state().alienY = 30;
    play(KeyScript().hold({KeyUp, KeyLeft}, 1));
    // Up takes it to Area One at (0, 375); Left then goes on into Area Four.
    EXPECT_EQ(state().area, AreaFour);
    EXPECT_EQ(state().alienX, 700);
    EXPECT_EQ(state().alienY, 52);
    EXPECT_EQ(state().timeUnits, 9999);
    EXPECT_EQ(state().energy, 145);
    EXPECT_EQ(state().alienFacing, FacingLeft);
    EXPECT_TRUE(state().alienWalking);
}

TEST_F(AreaWalks, FourCrossingsUpFromTheForestComeBackToIt) {
    startPlaying();
    std::vector<int> visited;
    for (int turn = 0; turn < 400 && visited.size() < 4; ++turn) {
        const int before = state().area;
        runner().runTurn(ScriptedTurn{{KeyUp}});
        if (state().area != before) {
            visited.push_back(state().area);
            EXPECT_EQ(state().alienY, 375);
        }
        ASSERT_EQ(state().alienX, 340);
    }
    EXPECT_EQ(visited, (std::vector<int>{AreaOne, WashingtonDC, AreaThree, Forest}));
}

// The name line, on the real canvas with the real font.
struct WhiteBox {
    int left = 800;
    int right = -1;
    int top = 600;
    int bottom = -1;
};

WhiteBox whitePixels(Canvas& canvas, int rows) {
    WhiteBox box;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const Rgb p = canvas.pixel(x, y);
            if (p.r == 255 && p.g == 255 && p.b == 255) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
        }
    }
    return box;
}

using AreaNameLine = GameTest;

TEST_F(AreaNameLine, TheNameIsCentredOnTheWindowAtRow16) {
    for (AreaId area : {Forest, AreaThree, WashingtonDC}) {
        canvas().fill(0, 0, 800, 50, Rgb{255, 0, 0});
        drawAreaName(drawn(), area);
        int width = 0;
        int height = 0;
        ASSERT_EQ(TTF_SizeText(display().fonts().small, areaName(area).c_str(), &width, &height),
                  0);
        const int left = 800 / 2 - width / 2;
        const WhiteBox box = whitePixels(canvas(), 50);
        ASSERT_LE(box.left, box.right) << "nothing drawn for area " << area;
        EXPECT_GE(box.left, left);
        EXPECT_LT(box.right, left + width);
        EXPECT_GE(box.top, 16);
        EXPECT_LT(box.bottom, 16 + height);
        // Centred: the ink starts about as far from the left as it ends from the right.
        EXPECT_NEAR(box.left + box.right, 800, 12) << "area " << area;
    }
}

TEST_F(AreaNameLine, TheHoleScreenDrawsNoName) {
    canvas().fill(0, 0, 800, 50, Rgb{255, 0, 0});
    const auto before = canvas().pixelDigest();
    drawAreaName(drawn(), InsideHole);
    EXPECT_EQ(canvas().pixelDigest(), before);
}

}  // namespace
}  // namespace qz::test
