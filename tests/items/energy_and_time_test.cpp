// The economy: the time counter behind energy, the power cost, the ship-call
// countdown, the end bonus and Jorrin's candy delivery.
#include "items/energy_and_time.h"

#include <vector>

#include "support/game_fixture.h"
#include "view/item_view.h"

namespace qz::test {
namespace {

TEST(TimeUnits, OnlyExactMultiplesOf99OrValuesBelowZeroCostEnergy) {
    struct Case {
        int before;
        int cost;
        int energyLost;
        int after;
    };
    const std::vector<Case> cases{
        {9999, 1, 0, 9998},  {9901, 1, 1, 9999},  // lands on 9900
        {9910, 20, 0, 9890},                      // jumps over 9900
        {9920, 20, 1, 9999}, {9949, 50, 0, 9899}, {9950, 50, 1, 9999},
        {30, 20, 0, 10},     {1, 1, 1, 9999},  // 0 counts
        {10, 50, 1, 9999},   // -40: the remainder is taken toward zero, so it counts
        {-150, 1, 1, 9999},  // -151 is not a multiple, but below zero
    };
    for (const Case& c : cases) {
        GameState s;
        s.timeUnits = c.before;
        spendTimeUnits(s, c.cost);
        EXPECT_EQ(s.energy, 145 - c.energyLost) << c.before << " - " << c.cost;
        EXPECT_EQ(s.timeUnits, c.after) << c.before << " - " << c.cost;
    }
}

TEST(TimeUnits, EnergyNeverDropsBelowZero) {
    GameState s;
    s.energy = 0;
    s.timeUnits = 100;
    spendTimeUnits(s, 1);
    EXPECT_EQ(s.energy, 0);
    EXPECT_EQ(s.timeUnits, 9999);
}

TEST(PowerCost, TakesTenButNeverBelowZero) {
    for (auto [before, after] : {std::pair{145, 135}, {10, 0}, {5, 0}, {0, 0}}) {
        GameState s;
        s.energy = before;
        payPowerCost(s);
        EXPECT_EQ(s.energy, after) << "from " << before;
    }
}

using Energy = GameTest;

TEST_F(Energy, NinetyNineWalkingTurnsCostExactlyOnePoint) {
    startPlaying();
    play(KeyScript().hold({KeyRight}, 40).hold({KeyLeft}, 58));
    EXPECT_EQ(state().energy, 145);
    EXPECT_EQ(state().timeUnits, 9901);
    play(KeyScript().hold({KeyLeft}, 1));
    EXPECT_EQ(state().energy, 144);
    EXPECT_EQ(state().timeUnits, 9999);
    EXPECT_EQ(state().alienX, 245);
    // Standing still costs nothing.
    play(KeyScript().idle(200));
    EXPECT_EQ(state().energy, 144);
    EXPECT_EQ(state().timeUnits, 9999);
}

TEST_F(Energy, InsideAHoleLandingAndStandingStillCostNothingWhenTheCounterIsFull) {
    startPlaying();
    GameState& s = state();
    s.area = InsideHole;
    s.holeVisit.areaBeforeHole = AreaFour;
    s.holeVisit.holeX = 340;
    s.holeVisit.holeY = 330;  // one turn above the floor
    s.energy = 100;
    s.timeUnits = TimeUnitsFull;  // as just after a lost point
    play(KeyScript().idle(21));
    EXPECT_TRUE(s.holeVisit.holeLanded);
    EXPECT_EQ(s.energy, 100);
    EXPECT_EQ(s.timeUnits, TimeUnitsFull);
}

// The ship call with all three pieces held and nothing in the way.
GameState callingShip() {
    GameState s;
    s.mode = PlayMode::Play;
    s.area = AreaTwo;
    s.phonePieceHeld = {true, true, true};
    s.shipCall.callActive = true;
    return s;
}

TEST(ShipCall, FourQuartersRunDownIn964TurnsAndTheCallLapses241Later) {
    GameState s = callingShip();
    std::vector<int> quarterEnds;
    int turns = 0;
    int lastQuarter = 4;
    while (s.shipCall.callActive && turns < 2000) {
        const auto drawn = stepShipCall(s);
        ++turns;
        ASSERT_TRUE(drawn.has_value()) << "turn " << turns;
        EXPECT_EQ(*drawn, s.shipCall.callQuarter) << "turn " << turns;
        if (s.shipCall.callQuarter != lastQuarter) {
            quarterEnds.push_back(turns);
            lastQuarter = s.shipCall.callQuarter;
        }
    }
    EXPECT_EQ(quarterEnds, (std::vector<int>{241, 482, 723, 964}));
    EXPECT_EQ(turns, 964 + 241);
    EXPECT_EQ(s.shipCall.callQuarter, 0) << "the lapsing turn still shows the empty clock";

    EXPECT_FALSE(stepShipCall(s).has_value());
    EXPECT_EQ(s.shipCall.callQuarter, 4);
}

TEST(ShipCall, InsideAHoleOrDuringAPowerTheCountdownWaitsUnseen) {
    GameState s = callingShip();
    s.shipCall.callStepCountdown = 100;
    s.shipCall.callQuarter = 2;
    s.area = InsideHole;
    EXPECT_FALSE(stepShipCall(s).has_value());
    s.area = AreaTwo;
    s.zones.powerActive = true;
    EXPECT_FALSE(stepShipCall(s).has_value());
    EXPECT_EQ(s.shipCall.callStepCountdown, 100);
    EXPECT_EQ(s.shipCall.callQuarter, 2);
    EXPECT_TRUE(s.shipCall.callActive);

    // Without a call the power resets the clock face to full.
    s.shipCall.callActive = false;
    EXPECT_FALSE(stepShipCall(s).has_value());
    EXPECT_EQ(s.shipCall.callQuarter, 4);

    s.zones.powerActive = false;
    s.shipCall.callActive = true;
    EXPECT_EQ(stepShipCall(s), 4);
    EXPECT_EQ(s.shipCall.callStepCountdown, 99);
}

TEST(ShipCall, WithoutAllThreePiecesTheCallIsCancelledShowingTheFullClockOnce) {
    GameState s = callingShip();
    s.phonePieceHeld = {true, false, true};
    s.shipCall.callStepCountdown = 100;
    s.shipCall.callQuarter = 3;
    EXPECT_EQ(stepShipCall(s), 4);
    EXPECT_FALSE(s.shipCall.callActive);
    EXPECT_EQ(s.shipCall.callQuarter, 4);
    EXPECT_EQ(s.shipCall.callStepCountdown, 100) << "a cancelled call keeps its countdown";
    EXPECT_FALSE(stepShipCall(s).has_value());
}

// The clock in the top band, through the real turn.
using ShipCallInPlay = GameTest;

TEST_F(ShipCallInPlay, TheTurnShowsTheQuartersClockOnlyWhileTheCallRuns) {
    auto clockFace = [this] {
        std::vector<Rgb> pixels;
        for (int y = 0; y < 50; ++y) {
            for (int x = 100; x < 200; ++x) {
                pixels.push_back(canvas().pixel(x, y));
            }
        }
        return pixels;
    };
    auto sameFace = [](const std::vector<Rgb>& a, const std::vector<Rgb>& b) {
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (a[i].r != b[i].r || a[i].g != b[i].g || a[i].b != b[i].b) {
                return false;
            }
        }
        return true;
    };
    canvas().fill(0, 0, 800, 50, Rgb{255, 0, 0});
    const auto bare = clockFace();
    drawTimeIndicator(drawn(), 4);
    const auto full = clockFace();
    canvas().fill(0, 0, 800, 50, Rgb{255, 0, 0});
    drawTimeIndicator(drawn(), 3);
    const auto threeQuarters = clockFace();
    ASSERT_FALSE(sameFace(full, bare));
    ASSERT_FALSE(sameFace(full, threeQuarters));

    startPlaying();
    play(KeyScript().idle(1));
    EXPECT_TRUE(sameFace(clockFace(), bare));

    state().shipCall.callActive = true;
    state().phonePieceHeld = {true, true, true};
    state().shipCall.callQuarter = 3;
    play(KeyScript().idle(1));
    EXPECT_TRUE(sameFace(clockFace(), threeQuarters));

    // One piece lost: cancelled, the full clock for this one turn.
    state().phonePieceHeld[1] = false;
    play(KeyScript().idle(1));
    EXPECT_TRUE(sameFace(clockFace(), full));
    EXPECT_FALSE(state().shipCall.callActive);
    play(KeyScript().idle(1));
    EXPECT_TRUE(sameFace(clockFace(), bare));
}

TEST(EndBonus, TheFirstGameOfARunEarnsTheTimeBonusOnce) {
    GameState s;
    s.score = 500;
    s.candyCount = 3;
    s.energy = 60;
    addEndBonus(s);
    EXPECT_EQ(s.score, 500 + 21000 + 1470 + 60);
    EXPECT_FALSE(s.shipCall.bonusPending);
    addEndBonus(s);
    EXPECT_EQ(s.score, 500 + 21000 + 1470 + 60);

    // The reserve must be above 31 to pay anything.
    for (auto [reserve, bonus] : {std::pair{31, 0}, {32, 1000}}) {
        GameState t;
        t.shipCall.timeBonusReserve = reserve;
        t.energy = 0;
        addEndBonus(t);
        EXPECT_EQ(t.score, bonus) << "reserve " << reserve;
    }
}

using EndBonusInPlay = GameTest;

TEST_F(EndBonusInPlay, ASecondGameInTheSameRunGetsNoTimeBonus) {
    auto finish = [this](int candy, int energy) {
        state().candyCount = candy;
        state().energy = energy;
        state().mode = PlayMode::GameOver;
        play(KeyScript().idle(1));
        const int score = state().score;
        play(KeyScript().idle(30));
        EXPECT_EQ(state().score, score) << "later end-screen turns add nothing";
        return score;
    };
    startPlaying();
    EXPECT_EQ(finish(3, 60), 21000 + 1470 + 60);

    // S on the end screen: the new-game reset runs in the same turn.
    play(KeyScript().hold({KeyS}, 1));
    ASSERT_EQ(state().mode, PlayMode::Arrival);
    EXPECT_EQ(state().score, 0);
    EXPECT_TRUE(state().shipCall.bonusPending);
    play(KeyScript().idle(59));
    ASSERT_EQ(state().mode, PlayMode::Play);
    EXPECT_EQ(finish(3, 60), 1470 + 60);
}

TEST(CandyDelivery, EachPieceIsWorth770) {
    for (auto [candy, score] : {std::pair{8, 6160}, {1, 770}, {0, 0}}) {
        GameState s;
        s.score = 5;
        s.candyCount = candy;
        deliverCandy(s);
        EXPECT_EQ(s.score, 5 + score) << candy << " pieces";
        EXPECT_EQ(s.candyCount, 0);
    }
}

}  // namespace
}  // namespace qz::test
