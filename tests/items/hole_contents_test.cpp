// The hidden items: where a game hides them, taking one back, and what the
// hole shows each turn.
#include "items/hole_contents.h"

#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "harness/invariants.h"
#include "items/hole_search.h"
#include "support/game_fixture.h"
#include "turn/new_game.h"
#include "world/hole_geometry.h"

namespace qz::test {
namespace {

const std::vector<std::string> NothingBroken;

using Cell = std::pair<int, int>;

Cell cellHolding(const GameState& s, int content) {
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 6; ++column) {
            if (s.items.holeContents[row][column] == content) {
                return {row, column};
            }
        }
    }
    return {-1, -1};
}

int& at(GameState& s, Cell c) {
    return s.items.holeContents[c.first][c.second];
}
int at(const GameState& s, Cell c) {
    return s.items.holeContents[c.first][c.second];
}

// What the alien gets by walking up to a piece in its hole.
void find(GameState& s, int piece) {
    at(s, cellHolding(s, piece)) = Searched;
    s.phonePieceHeld[piece - 1] = true;
    recordFoundPiece(s, piece);
}

GameState newGame(unsigned seed) {
    GameState s;
    s.random.seed(seed);
    randomGameSetup(s);
    return s;
}

TEST(HiddenItems, EveryGameHidesEachItemOnceAndOnlyInUsableHolesOfAreasOneToThree) {
    std::set<Cell> used;
    bool twoPiecesInOneArea = false;
    GameState again = newGame(1);
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        const GameState s = newGame(seed);
        ASSERT_EQ(checkInvariants(s), NothingBroken) << "seed " << seed;
        int rowsOfPieces = 0;
        std::set<int> rows;
        for (int item = PhonePiece1; item <= Flower; ++item) {
            used.insert(cellHolding(s, item));
            if (item != Flower) {
                rows.insert(cellHolding(s, item).first);
                ++rowsOfPieces;
            }
        }
        twoPiecesInOneArea |= static_cast<int>(rows.size()) < rowsOfPieces;

        // A game played on the same state, then reset, hides everything afresh.
        find(again, PhonePiece2);
        at(again, cellHolding(again, Empty)) = Searched;
        again.items.flowerRevived = true;
        newGameReset(again);
        ASSERT_EQ(checkInvariants(again), NothingBroken) << "new game " << seed;
        ASSERT_EQ(again.items.foundOrder, (std::array<int, 3>{})) << "new game " << seed;
        ASSERT_FALSE(again.items.flowerRevived);
    }
    // Every usable hole of Areas One to Three holds an item in some game:
    // 3 + 3 + 5 holes in each game, in whatever order the layouts are dealt.
    std::set<Cell> usable;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 5; ++column) {
            usable.insert({row, column});
        }
    }
    EXPECT_EQ(used, usable);
    EXPECT_TRUE(twoPiecesInOneArea);
}

TEST(HiddenItems, ATakenBackPieceGoesToAFormerlyEmptyHoleAndEveryHoleIsUnsearched) {
    for (unsigned seed = 1; seed <= 500; ++seed) {
        GameState s = newGame(seed);
        find(s, PhonePiece3);
        // Search a few holes, Area Four's too.
        for (Cell c : {Cell{0, 0}, Cell{1, 1}, Cell{2, 2}, Cell{3, 0}}) {
            if (at(s, c) == Empty) {
                at(s, c) = Searched;
            }
        }
        const GameState before = s;
        ASSERT_TRUE(rehidePiece(s, PhonePiece3));
        const Cell hidden = cellHolding(s, PhonePiece3);
        ASSERT_NE(hidden.first, -1) << "seed " << seed;
        EXPECT_EQ(at(before, hidden), Empty) << "seed " << seed;
        EXPECT_EQ(cellHolding(s, Searched).first, -1) << "seed " << seed;
    }
}

TEST(HiddenItems, RehidingEndsWhenNoUsableHoleIsEmpty) {
    GameState s = newGame(7);
    find(s, PhonePiece1);
    // Every usable hole searched or holding an item: the searched ones are
    // given back first, so the piece still finds a hole.
    for (auto& row : s.items.holeContents) {
        for (int& content : row) {
            content = content == Empty ? Searched : content;
        }
    }
    ASSERT_TRUE(rehidePiece(s, PhonePiece1));
    s.phonePieceHeld[0] = false;
    s.items.foundOrder[0] = 0;
    EXPECT_EQ(checkInvariants(s), NothingBroken);
    EXPECT_EQ(cellHolding(s, Searched).first, -1);

    // A table with an item in every usable hole: the piece has nowhere to go
    // and stays with the alien, and the agent's turn ends.
    GameState full = newGame(7);
    find(full, PhonePiece2);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 6; ++column) {
            full.items.holeContents[row][column] = Flower;
        }
    }
    full.pursuer.pursuerActive = true;
    const HoleContents table = full.items.holeContents;
    theftStep(full);
    EXPECT_EQ(full.items.holeContents, table);
    EXPECT_TRUE(full.phonePieceHeld[1]);
    EXPECT_EQ(full.items.foundOrder[0], PhonePiece2);
    EXPECT_FALSE(full.items.pieceTheftArmed);
}

TEST(HiddenItems, TheAgentTakesTheOldestFindFirstOnePerCaptureThenTheCandyFromTheNextTurn) {
    GameState s = newGame(11);
    find(s, PhonePiece2);
    find(s, PhonePiece1);
    s.candyCount = 5;

    theftStep(s);  // no pursuer on screen: nothing
    EXPECT_TRUE(s.phonePieceHeld[1]);

    s.pursuer.pursuerActive = true;
    for (int turn = 0; turn < 3; ++turn) {
        theftStep(s);
    }
    EXPECT_FALSE(s.phonePieceHeld[1]);
    EXPECT_TRUE(s.phonePieceHeld[0]);
    EXPECT_EQ(s.items.foundOrder, (std::array<int, 3>{0, PhonePiece1, 0}));
    EXPECT_EQ(s.candyCount, 5);
    EXPECT_FALSE(s.items.pieceTheftArmed);
    EXPECT_EQ(checkInvariants(s), NothingBroken);

    // The agent has walked off and catches the alien again.
    s.items.pieceTheftArmed = true;
    theftStep(s);
    EXPECT_FALSE(s.phonePieceHeld[0]);
    EXPECT_EQ(s.candyCount, 5);  // the piece went this turn; the candy goes next turn
    theftStep(s);
    EXPECT_EQ(s.candyCount, 0);
    EXPECT_EQ(checkInvariants(s), NothingBroken);

    // Freed slots are used again, first slot first.
    find(s, PhonePiece3);
    EXPECT_EQ(s.items.foundOrder, (std::array<int, 3>{PhonePiece3, 0, 0}));
}

// Inside a hole of Area Two, hole 1 (contents row 1).
GameState insideHole(int content) {
    GameState s = newGame(3);
    s.area = InsideHole;
    s.holeVisit.areaBeforeHole = AreaTwo;
    s.holeVisit.contentsRow = 1;
    s.areaHoles.holeIndex = 1;
    s.items.holeContents[1][1] = content;
    return s;
}

TEST(InsideAHole, APieceIsShownUntilWithinReachThenTakenIntoTheNextFreeSlot) {
    GameState s = insideHole(PhonePiece2);
    s.items.foundOrder = {PhonePiece3, 0, 0};
    EXPECT_EQ(searchHole(s), HoleSight::Piece2);
    EXPECT_EQ(s.items.holeContents[1][1], PhonePiece2);

    s.holeVisit.itemInReach = true;
    EXPECT_EQ(searchHole(s), HoleSight::Nothing);
    EXPECT_EQ(s.items.holeContents[1][1], Searched);
    EXPECT_TRUE(s.phonePieceHeld[1]);
    EXPECT_EQ(s.items.foundOrder, (std::array<int, 3>{PhonePiece3, PhonePiece2, 0}));
    EXPECT_FALSE(s.holeVisit.itemInReach);
}

TEST(InsideAHole,
     AnEmptyHoleIsSearchedAtOnceTheFlowerNeverAndAHoleEnteredFromTheForestShowsNothing) {
    GameState s = insideHole(Empty);
    EXPECT_EQ(searchHole(s), HoleSight::Nothing);
    EXPECT_EQ(s.items.holeContents[1][1], Searched);

    GameState flower = insideHole(Flower);
    EXPECT_EQ(searchHole(flower), HoleSight::FlowerDead);
    reviveFlower(flower);
    EXPECT_EQ(searchHole(flower), HoleSight::FlowerAlive);
    EXPECT_EQ(flower.items.holeContents[1][1], Flower);

    GameState forest = insideHole(PhonePiece1);
    forest.holeVisit.areaBeforeHole = Forest;
    forest.holeVisit.itemInReach = true;
    EXPECT_EQ(searchHole(forest), HoleSight::Nothing);
    EXPECT_EQ(forest.items.holeContents[1][1], PhonePiece1);
    EXPECT_FALSE(forest.phonePieceHeld[0]);
}

using PieceReach = GameTest;

TEST_F(PieceReach, EachPieceIsTakenFromItsOwnReachWalkingEitherWay) {
    // The left edge inside the hole must lie from 150 to 155, 165 or 175.
    for (const auto& [piece, farthest] :
         {std::pair{PhonePiece1, 155}, std::pair{PhonePiece2, 165}, std::pair{PhonePiece3, 175}}) {
        for (const auto& [key, from, takenAt] :
             {std::tuple{KeyLeft, 340, farthest}, std::tuple{KeyRight, 75, 150}}) {
            start(3);
            startPlaying();
            GameState& s = state();
            const Cell lying = cellHolding(s, piece);
            s.area = InsideHole;
            s.holeVisit.areaBeforeHole =
                OutdoorAreas[static_cast<std::size_t>(AreaOne + lying.first)];
            s.holeVisit.contentsRow = lying.first;
            s.areaHoles.holeIndex = lying.second;
            s.holeVisit.holeLanded = true;
            s.holeVisit.holeY = 332;
            s.holeVisit.holeX = from;
            int heldAt = -1;
            for (int turn = 0; turn < 60 && heldAt < 0; ++turn) {
                play(KeyScript().hold({key}, 1));
                heldAt = s.phonePieceHeld[piece - 1] ? s.holeVisit.holeX : -1;
            }
            EXPECT_EQ(heldAt, takenAt) << "piece " << piece << " from " << from;
            EXPECT_EQ(at(s, lying), Searched);
        }
    }
}

TEST(HiddenItems, TheDumpsWriteTheTableThePlacementAndAZoneLayout) {
    GameState s;
    s.items.holeContents[2][4] = Flower;
    s.items.placedPieces = {3, 1, 2};
    ::testing::internal::CaptureStdout();
    dumpHoleContents(s);
    dumpZoneKinds({{{Phone, PushBackHumans, EatCandy},
                    {NoZone, NoZone, CallShip},
                    {Landing, MoveRight, CallJorrin}}});
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.substr(0, 26), "\n\n[0][0] is 0\n[0][1] is 0\n");
    EXPECT_NE(out.find("\n[2][4] is 4\n[2][5] is 0\n"), std::string::npos);
    EXPECT_NE(out.find("[3][5] is 0\n\n\n[0] is 3\n[1] is 1\n[2] is 2\n| 0 | 1 | 2 |\n"
                       "| 10 | 10 | 8 |\n| 9 | 7 | 3 |\n"),
              std::string::npos);
}

}  // namespace
}  // namespace qz::test
