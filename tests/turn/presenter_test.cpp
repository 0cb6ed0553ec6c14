#include "turn/presenter.h"

#include <string>
#include <vector>

#include "support/game_fixture.h"
#include "turn/game_turn.h"

namespace qz::test {
namespace {

class Presenting : public GameTest {};

// The presenter hands each wait back with everything before it carried out
// and nothing after it: a sound asked for after a wait sounds after it.
TEST_F(Presenting, ThePresenterStopsAtEachWaitInTheOrderTheTurnMadeThem) {
    Runtime& rt = runner().runtime();
    startPacing(rt);
    const RulesView t = rt.freshRecord();
    t.cues.play(0, Sound::Ufo);
    t.cues.wait(30);
    t.cues.halt(0);
    rt.record.end = FrameEnd{true, 2500, true};

    Presenter presenter;
    presenter.start();
    std::vector<std::string> seen;
    while (const auto wait = presenter.resume(rt)) {
        seen.push_back(std::to_string(runner().sound().requests().size()) + " then " +
                       std::to_string(wait->us / 1000) + " ms");
        sleepFor(runner().clock(), *wait);
    }
    // The pace's wait is gone: the hold alone outlasts the turn's 33 ms.
    EXPECT_EQ(seen, (std::vector<std::string>{"1 then 30 ms", "2 then 2500 ms"}));
    EXPECT_TRUE(presenter.done());
}

// Whether a channel plays is asked of the board every time, so a recording's
// answers keep their number and order, but a channel the turn has already
// started or stopped answers as it will once that is carried out.
TEST(TurnCuesTest, AChannelTheTurnHasTouchedAnswersAsItWillOnceThatIsCarriedOut) {
    VirtualClock clock;
    RecordingSoundBoard board(clock, DefaultSoundLengthsMs);
    board.play(1, Sound::Drop);
    CueList cues;
    cues.restart(&board);
    EXPECT_TRUE(cues.playing(1));
    EXPECT_FALSE(cues.playing(2));
    cues.play(2, Sound::Candy);
    cues.halt(1);
    cues.fadeOut(0, 300);
    EXPECT_TRUE(cues.playing(2));
    EXPECT_FALSE(cues.playing(1));
    EXPECT_FALSE(cues.playing(0));
    cues.restart(&board);
    EXPECT_TRUE(cues.playing(1)) << "a new turn forgets the last one's requests";
}

}  // namespace
}  // namespace qz::test
