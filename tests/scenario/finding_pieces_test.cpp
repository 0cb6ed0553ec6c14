// A seeded game in which the alien fetches all three phone pieces: from the
// Forest into the piece's area, onto its hole, down, along to the piece, and
// up and out again. The keys of each turn are chosen from the state, so the
// walk follows wherever the seed hid the pieces; the turns are held to the
// golden tests/scenario/goldens/finding_the_pieces.txt (see scenario_test.cpp
// for rewriting it).
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "harness/invariants.h"
#include "support/game_fixture.h"
#include "support/golden_file.h"
#include "world/hole_geometry.h"

namespace qz::test {
namespace {

const std::vector<std::string> NothingBroken;

constexpr unsigned Seed = 20240611;

class FindingThePieces : public GameTest {
  protected:
    void turn(std::vector<GameKey> keys) {
        records_.push_back(runner().runTurn(ScriptedTurn{std::move(keys), false}));
        ASSERT_EQ(checkInvariants(state()), NothingBroken) << "turn " << records_.size();
    }

    // Holds the keys until `done` holds, at most `limit` turns.
    template <typename Done>
    void holdUntil(std::vector<GameKey> keys, Done done, int limit) {
        for (int i = 0; i < limit && !done(); ++i) {
            turn(keys);
        }
        ASSERT_TRUE(done()) << "turn " << records_.size();
    }

    void walkTo(int x, int y) {
        const GameState& s = state();
        for (int i = 0; i < 400 && (s.alienX != x || s.alienY != y); ++i) {
            std::vector<GameKey> keys;
            if (s.alienY != y) {
                keys.push_back(s.alienY > y ? KeyUp : KeyDown);
            }
            if (s.alienX != x) {
                keys.push_back(s.alienX > x ? KeyLeft : KeyRight);
            }
            turn(keys);
        }
        ASSERT_EQ(s.alienX, x);
        ASSERT_EQ(s.alienY, y);
    }

    // Into the hole underfoot, along to the piece lying there, and out again.
    void fetch(int piece) {
        const GameState& s = state();
        turn({KeyX});
        ASSERT_EQ(s.area, InsideHole);
        holdUntil({}, [&] { return s.holeVisit.holeLanded; }, 40);
        holdUntil({KeyLeft}, [&] { return s.phonePieceHeld[piece - 1]; }, 60);
        turn({KeyX});
        holdUntil({KeyUp}, [&] { return s.area != InsideHole; }, 80);
    }

    std::vector<TurnOutcome> records_;
};

TEST_F(FindingThePieces, AllThreeFromTheirHolesInASeededGame) {
    start(Seed);
    turn({KeyS});
    holdUntil({}, [&] { return state().mode == PlayMode::Play; }, 80);

    // From the Forest each of Areas One to Three is one crossing away.
    struct Way {
        GameKey there;
        GameKey back;
    };
    constexpr std::array<Way, 3> ways{{{KeyUp, KeyDown}, {KeyRight, KeyLeft}, {KeyDown, KeyUp}}};
    for (int piece = PhonePiece1; piece <= PhonePiece3; ++piece) {
        const GameState& s = state();
        int row = 0;
        int column = 0;
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 6; ++c) {
                if (s.items.holeContents[r][c] == piece) {
                    row = r;
                    column = c;
                }
            }
        }
        const int area = AreaOne + row;
        const HoleRect hole =
            holeLayouts[static_cast<std::size_t>(s.areaHoles.holeLayoutOf[row])].holes[column];
        const Way way = ways[row];
        holdUntil({way.there}, [&] { return s.area == area; }, 200);
        walkTo(hole.x, hole.y - 70);
        ASSERT_TRUE(s.areaHoles.onHole);
        fetch(piece);
        ASSERT_EQ(s.area, area);
        holdUntil({way.back}, [&] { return s.area == Forest; }, 200);
    }
    EXPECT_EQ(state().phonePieceHeld, (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(state().items.foundOrder,
              (std::array<int, 3>{PhonePiece1, PhonePiece2, PhonePiece3}));
    EXPECT_TRUE(matchesGolden("finding_the_pieces", Seed, records_));
}

}  // namespace
}  // namespace qz::test
