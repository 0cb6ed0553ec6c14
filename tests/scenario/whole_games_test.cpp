// Whole games from the title to the end screen, played by the autopilot and
// replayed against readable goldens: one won by calling the ship home, one
// lost when Jorrin has revived the alien for the last time.
//
// Rewrite the goldens with QZ_UPDATE_GOLDENS=1 and say in the commit why
// the replay changed.
#include <vector>

#include "scenario/autopilot.h"
#include "support/game_fixture.h"
#include "support/golden_file.h"

namespace qz::test {
namespace {

using Player = ScriptedTurn (*)(const GameState&, const ScriptedTurn&);

class WholeGames : public GameTest {
  protected:
    // From the title into play, then the player until the end screen and a
    // few turns of it; every turn is held to the invariants.
    std::vector<TurnOutcome> playToTheEnd(unsigned seed, Player player, int turnLimit) {
        start(seed);
        std::vector<TurnOutcome> records = play(KeyScript().hold({KeyS}, 1).idle(59));
        ScriptedTurn last;
        while (state().mode == PlayMode::Play && static_cast<int>(records.size()) < turnLimit) {
            last = player(state(), last);
            records.push_back(runner().runTurn(last));
        }
        for (const TurnOutcome& record : play(KeyScript().idle(EndScreenTurns))) {
            records.push_back(record);
        }
        for (const TurnOutcome& record : records) {
            EXPECT_TRUE(record.brokenInvariants.empty())
                << "turn " << record.turn << ": " << record.brokenInvariants.front();
            if (!record.brokenInvariants.empty()) {
                break;
            }
        }
        return records;
    }

    static constexpr int EndScreenTurns = 5;
};

TEST_F(WholeGames, WonByCallingTheShipWithAllThreePiecesAndWaitingOnTheLandingZone) {
    constexpr unsigned Seed = 1;
    const std::vector<TurnOutcome> records = playToTheEnd(Seed, playToWin, 20000);
    const GameState& s = state();
    ASSERT_EQ(s.mode, PlayMode::GameOver);
    EXPECT_EQ(s.phonePieceHeld, (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(s.zones.zoneKind, Landing);
    EXPECT_EQ(s.shipCall.callQuarter, 0);
    EXPECT_GT(s.lives, 0);
    EXPECT_FALSE(s.shipCall.bonusPending);
    EXPECT_TRUE(matchesGolden("won_game", Seed, records));
}

TEST_F(WholeGames, LostWhenJorrinHasRevivedTheAlienForTheLastTime) {
    constexpr unsigned Seed = 1;
    const std::vector<TurnOutcome> records = playToTheEnd(Seed, playToLose, 20000);
    const GameState& s = state();
    ASSERT_EQ(s.mode, PlayMode::GameOver);
    EXPECT_EQ(s.lives, 0);
    EXPECT_EQ(s.energy, 50) << "the last revival still gives its energy";
    EXPECT_TRUE(matchesGolden("lost_game", Seed, records));
}

}  // namespace
}  // namespace qz::test
