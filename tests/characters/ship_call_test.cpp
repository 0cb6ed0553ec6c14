// The way home in real turns: zone effects at the end of the power
// animation, the Call Ship request that keeps restarting the call, the landing.
#include "characters/jorrin.h"
#include "support/game_fixture.h"

namespace qz::test {
namespace {

class PowerEffects : public GameTest {
  protected:
    // Into cell 4 of Area Four, made a zone of `kind`, with one step.
    void standInZone(ZoneKind kind) {
        GameState& s = state();
        s.area = AreaFour;
        s.zones.zoneLayout[AreaFour][1][1] = kind;
        s.alienX = 300;
        s.alienY = 200;
        play(KeyScript().hold({KeyDown}, 1));
        ASSERT_TRUE(s.zones.inZoneCell);
        ASSERT_EQ(s.zones.zoneKind, kind);
    }
    // Z, then the four head-bob turns; the fifth carries the requests out.
    void usePower() {
        play(KeyScript().tap({KeyZ}).idle(2));
        ASSERT_TRUE(state().zones.powerActive);
        play(KeyScript().idle(1));
        ASSERT_FALSE(state().zones.powerActive);
    }
};

TEST_F(PowerEffects, CallShipKeepsRestartingTheCallAfterEveryLaterPower) {
    startPlaying();
    GameState& s = state();
    s.phonePieceHeld = {true, true, true};
    s.pursuer.pursuerActive = true;
    standInZone(CallShip);
    usePower();
    EXPECT_TRUE(s.shipCall.callActive);

    s.shipCall.callActive = false;             // as when the call has lapsed
    s.items.holeContents[3][0] = PhonePiece1;  // something for the marks to show
    standInZone(Phone);
    usePower();
    EXPECT_TRUE(s.shipCall.callActive) << "the Call Ship request is still raised";
    EXPECT_TRUE(s.phoneMarks.phoneMarksOn);
}

TEST_F(PowerEffects, CallJorrinSendsHimOnlyForCarriedCandy) {
    startPlaying();
    GameState& s = state();
    standInZone(CallJorrin);
    usePower();
    EXPECT_FALSE(s.jorrin.jorrinCalled);

    s.candyCount = 2;
    usePower();
    EXPECT_TRUE(s.jorrin.jorrinCalled);
    // The visit takes over the alien's drawing: no animation while it runs.
    play(KeyScript().tap({KeyZ}).idle(6));
    EXPECT_TRUE(s.zones.powerActive);
}

}  // namespace
}  // namespace qz::test
