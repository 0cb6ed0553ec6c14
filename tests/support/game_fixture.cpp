#include "support/game_fixture.h"

#include "harness/invariants.h"

namespace qz::test {

HeadlessDisplay& display() {
    static HeadlessDisplay shared(QZ_TEST_DATA_DIR);
    return shared;
}

void GameTest::SetUp() {
    ASSERT_TRUE(display().ok()) << "no headless display on " << QZ_TEST_DATA_DIR;
    pictures_ = std::make_unique<PictureStore>();
    canvas_ = std::make_unique<KeptCanvas>(display().screen(), *pictures_, display().fonts());
    start();
}

ScenarioRunner& GameTest::start(unsigned seed) {
    runner_ = std::make_unique<ScenarioRunner>(*canvas_, seed);
    return *runner_;
}

std::vector<TurnOutcome> GameTest::play(const KeyScript& script) {
    // A test that contrives a state (one piece put in a hole by hand, say) may
    // start from one that breaks the whole-game invariants; such runs are not
    // held to them.
    const bool heldAtStart = checkInvariants(state()).empty();
    std::vector<TurnOutcome> records = runner().run(script);
    for (const TurnOutcome& record : records) {
        if (heldAtStart && !record.brokenInvariants.empty()) {
            std::string broken;
            for (const std::string& invariant : record.brokenInvariants) {
                broken += "\n  " + invariant;
            }
            ADD_FAILURE() << "turn " << record.turn << " breaks an invariant:" << broken;
            break;
        }
    }
    return records;
}

void GameTest::startPlaying() {
    // S, the reset turn, 58 drawing turns and the closing turn.
    play(KeyScript().hold({KeyS}, 1).idle(59));
    ASSERT_EQ(state().mode, PlayMode::Play);
}

}  // namespace qz::test
