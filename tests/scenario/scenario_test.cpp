// Long walks replayed headless with a fixed seed. Between them they cross
// every edge of the area map (the eight quarter-turn edges included), visit
// all six areas, stand on holes and carry a power animation into one. Each checks where the alien
// is at chosen turns, and every turn's state and sounds against its golden replay in
// tests/scenario/goldens/ (the invariants are checked after every turn).
//
// The goldens pin the whole run down. When a change to the game alters one,
// rewrite them and review what changed:
//   QZ_UPDATE_GOLDENS=1 build/tests/scenario_tests && git diff tests/scenario/goldens
// and say in the commit why the replay changed.
#include <vector>

#include "support/game_fixture.h"
#include "support/golden_file.h"

namespace qz::test {
namespace {

constexpr unsigned Seed = 20240611;
// A game whose Area Four holds a Move Up zone in cell 2.
constexpr unsigned MoveUpOverHoleSeed = 20240634;

class Walks : public GameTest {
  protected:
    // A fresh game: S, then the whole Arrival; Play is next.
    void begin(unsigned seed = Seed) {
        records_.clear();
        seed_ = seed;
        start(seed);
        go(KeyScript().hold({KeyS}, 1).idle(59));
        ASSERT_EQ(state().mode, PlayMode::Play);
    }

    void go(const KeyScript& script) {
        const auto turns = play(script);
        records_.insert(records_.end(), turns.begin(), turns.end());
    }
    void walk(GameKey key, int turns) { go(KeyScript().hold({key}, turns)); }

    void expectAt(int area, int x, int y) {
        EXPECT_EQ(state().area, area) << "turn " << records_.size();
        EXPECT_EQ(state().alienX, x) << "turn " << records_.size();
        EXPECT_EQ(state().alienY, y) << "turn " << records_.size();
    }
    void expectOnHole(int index) {
        EXPECT_TRUE(state().areaHoles.onHole) << "turn " << records_.size();
        EXPECT_EQ(state().areaHoles.holeIndex, index) << "turn " << records_.size();
    }
    // Every ordinary step costs one time unit; crossings cost nothing.
    void expectSteps(int steps) {
        EXPECT_EQ(state().energy, 145 - steps / 99) << "turn " << records_.size();
        EXPECT_EQ(state().timeUnits, 9999 - steps % 99) << "turn " << records_.size();
    }

    // Runs a walk twice: the same seed and keys must replay the same game,
    // and the game must be the golden one.
    template <class Run>
    void replay(Run run, const char* golden) {
        const std::vector<TurnOutcome> first = run();
        EXPECT_TRUE(run() == first) << "the second run of the same script differs";
        EXPECT_TRUE(matchesGolden(golden, seed_, first));
    }

    // Round the cube twice: up and down through Forest, Area One, Washington
    // DC and Area Three, then left and right through Forest, Area Two,
    // Washington DC and Area Four: the sixteen edges without a turn.
    std::vector<TurnOutcome> straightEdges() {
        begin();
        walk(KeyUp, 26);
        expectAt(Forest, 340, 30);
        expectSteps(26);
        walk(KeyUp, 1);
        expectAt(AreaOne, 340, 375);
        expectSteps(26);
        walk(KeyUp, 70);
        expectAt(WashingtonDC, 340, 375);
        walk(KeyUp, 70);
        expectAt(AreaThree, 340, 375);
        walk(KeyUp, 70);
        expectAt(Forest, 340, 375);

        walk(KeyDown, 1);  // 375 is already past the bottom line
        expectAt(AreaThree, 340, 50);
        walk(KeyDown, 66);
        expectAt(WashingtonDC, 340, 50);
        walk(KeyDown, 66);
        expectAt(AreaOne, 340, 50);
        walk(KeyDown, 66);
        expectAt(Forest, 340, 50);
        expectSteps(26 + 3 * 69 + 3 * 65);

        walk(KeyRight, 83);
        expectAt(AreaTwo, 0, 50);
        walk(KeyRight, 151);
        expectAt(WashingtonDC, 0, 50);
        walk(KeyRight, 151);
        expectAt(AreaFour, 0, 50);
        walk(KeyRight, 20);
        expectAt(AreaFour, 100, 50);
        expectOnHole(0);
        walk(KeyRight, 31);
        EXPECT_FALSE(state().areaHoles.onHole);
        walk(KeyRight, 100);
        expectAt(Forest, 0, 50);

        walk(KeyLeft, 1);
        expectAt(AreaFour, 750, 50);
        walk(KeyLeft, 151);
        expectAt(WashingtonDC, 750, 50);
        walk(KeyLeft, 151);
        expectAt(AreaTwo, 750, 50);
        walk(KeyLeft, 151);
        expectAt(Forest, 750, 50);
        expectSteps(26 + 3 * 69 + 3 * 65 + 82 + 6 * 150);
        EXPECT_EQ(state().lives, 3);
        return records_;
    }

    // Areas One to Four in a ring over the eight quarter-turn edges, and
    // back the other way round.
    std::vector<TurnOutcome> quarterTurns() {
        begin();
        walk(KeyUp, 27);
        expectAt(AreaOne, 340, 375);
        walk(KeyRight, 83);
        expectAt(AreaTwo, 100, 52);
        walk(KeyDown, 66);
        expectAt(AreaThree, 748, 75);
        walk(KeyLeft, 151);  // 748 steps down to -2 before the crossing
        expectAt(AreaFour, 700, 373);
        walk(KeyUp, 58);
        expectAt(AreaFour, 700, 83);
        expectOnHole(2);
        walk(KeyUp, 12);
        expectAt(AreaOne, 2, 350);
        walk(KeyLeft, 2);
        expectAt(AreaFour, 700, 52);
        walk(KeyDown, 6);
        expectOnHole(2);
        walk(KeyDown, 60);
        expectAt(AreaThree, 2, 75);
        walk(KeyRight, 151);
        expectAt(AreaTwo, 100, 373);
        walk(KeyUp, 70);
        expectAt(AreaOne, 748, 350);
        expectSteps(26 + 82 + 65 + 150 + 69 + 1 + 65 + 150 + 69);
        return records_;
    }

    // Area Four always has the six holes of layout 0: stand on three of
    // them, then drop into the last.
    std::vector<TurnOutcome> holesOfAreaFour() {
        begin();
        walk(KeyLeft, 69);
        expectAt(AreaFour, 750, 160);
        walk(KeyUp, 15);
        expectAt(AreaFour, 750, 85);
        expectOnHole(2);
        walk(KeyLeft, 50);
        expectAt(AreaFour, 500, 85);
        expectOnHole(5);
        walk(KeyDown, 37);
        expectAt(AreaFour, 500, 270);
        expectOnHole(3);
        go(KeyScript().tap({KeyX}));
        EXPECT_EQ(state().area, InsideHole);
        EXPECT_EQ(state().holeVisit.areaBeforeHole, AreaFour);
        go(KeyScript().idle(3));
        return records_;
    }

    // A Move Up zone over hole 2 of Area Four: Z, then X at once. Inside,
    // the animation waits; it goes on when the alien has levitated out, and
    // only then takes it up into Area One.
    std::vector<TurnOutcome> powerCarriedIntoAHole() {
        begin(MoveUpOverHoleSeed);
        walk(KeyLeft, 69);
        walk(KeyUp, 15);
        walk(KeyLeft, 1);
        expectAt(AreaFour, 745, 85);
        expectOnHole(2);
        EXPECT_EQ(state().zones.zoneKind, MoveUp);
        go(KeyScript().hold({KeyZ}, 1).hold({KeyX}, 1).idle(26));
        EXPECT_EQ(state().area, InsideHole);
        EXPECT_TRUE(state().holeVisit.holeLanded);
        EXPECT_TRUE(state().zones.powerActive);
        go(KeyScript().tap({KeyX}));
        walk(KeyUp, 64);
        expectAt(AreaFour, 745, 85);
        EXPECT_TRUE(state().zones.powerActive);
        go(KeyScript().idle(2));
        expectAt(AreaOne, 745, 85);
        EXPECT_FALSE(state().zones.powerActive);
        return records_;
    }

  private:
    std::vector<TurnOutcome> records_;
    unsigned seed_ = Seed;
};

TEST_F(Walks, TheSixteenStraightEdges) {
    replay([this] { return straightEdges(); }, "straight_edges");
}

TEST_F(Walks, TheEightQuarterTurnEdges) {
    replay([this] { return quarterTurns(); }, "quarter_turns");
}

TEST_F(Walks, APowerAnimationCarriedIntoAHole) {
    replay([this] { return powerCarriedIntoAHole(); }, "power_carried_into_a_hole");
}

TEST_F(Walks, TheHolesOfAreaFour) {
    replay([this] { return holesOfAreaFour(); }, "holes_of_area_four");
}

}  // namespace
}  // namespace qz::test
