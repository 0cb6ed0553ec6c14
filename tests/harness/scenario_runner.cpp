#include "harness/scenario_runner.h"

#include <cstdio>

#include "harness/invariants.h"
#include "turn/new_game.h"

namespace qz {

void playTurn(TurnLoop& loop, SleepingClock& clock) {
    while (const auto wait = loop.advanceTurn()) {
        sleepFor(clock, *wait);
    }
}

std::string playToEnd(Runtime& rt, SleepingClock& clock, SessionRecorder* recorder,
                      SessionPlayer* player, PauseAndMute* controls) {
    TurnLoop loop(rt, recorder, player, controls);
    while (const auto wait = loop.advance()) {
        sleepFor(clock, *wait);
    }
    return loop.astray();
}

ScenarioRunner::ScenarioRunner(Canvas& canvas, unsigned seed,
                               std::array<std::uint32_t, SoundCount> soundLengthsMs)
    : sound_(clock_, soundLengthsMs),
      runtime_{state_, canvas, clock_, input_, sound_},
      seed_(seed) {
    state_.random.seed(seed);
    randomGameSetup(state_);
    state_.mode = PlayMode::Title;
}

void ScenarioRunner::step(const ScriptedTurn& input) {
    sound_.clearRequests();
    input_.beginTurn(input);
    playTurn(loop_, clock_);
    ++turn_;
    if (restoreEveryTurn_) {
        const GameState snapshot = state_;
        state_ = GameState{};
        state_ = snapshot;
    }
}

TurnOutcome ScenarioRunner::runTurn(const ScriptedTurn& input) {
    const std::uint32_t startTicks = clock_.ticks();
    step(input);
    TurnOutcome record;
    record.turn = turn_;
    record.ticks = clock_.ticks();
    record.turnMs = record.ticks - startTicks;
    record.input = input;
    record.state = describeFields(state_);
    record.brokenInvariants = checkInvariants(state_);
    for (const SoundRequest& request : sound_.requests()) {
        record.sounds.push_back(request.describe());
    }
    if (!dumpFolder_.empty()) {
        char name[32];
        std::snprintf(name, sizeof name, "/turn-%05d.bmp", turn_);
        runtime_.canvas.saveBmp(dumpFolder_ + name);
    }
    return record;
}

std::vector<TurnOutcome> ScenarioRunner::run(const KeyScript& script) {
    std::vector<TurnOutcome> records;
    for (const ScriptedTurn& input : script.turns()) {
        records.push_back(runTurn(input));
        if (state_.quitRequested) {
            break;
        }
    }
    return records;
}

}  // namespace qz
