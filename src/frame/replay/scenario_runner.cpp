#include "frame/replay/scenario_runner.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "frame/main_loop.h"
#include "frame/new_game.h"

namespace qz {

std::string describeState(const GameState& s) {
    std::ostringstream out;
    out << "mode " << static_cast<int>(s.mode) << " area " << s.area << " alien " << s.alienX << ','
        << s.alienY << " facing " << s.alienFacing << " walking " << s.alienWalking << " anim "
        << s.alienAnimFrame << " energy " << s.energy << " lives " << s.lives << " score "
        << s.score << " candy " << s.candyCount << " time " << s.timeUnits << " pieces "
        << s.phonePieceHeld[0] << s.phonePieceHeld[1] << s.phonePieceHeld[2] << " title "
        << s.instructionsShown << ',' << s.instructionPage << ',' << s.titleBlinkCountdown << ','
        << s.titleBlinkPhase << ',' << s.themeCountdown << " arrival " << s.arrivalFrame << ','
        << s.shipY << ',' << s.newGamePending << " layouts " << s.areaHoles.holeLayoutOf[0]
        << s.areaHoles.holeLayoutOf[1] << s.areaHoles.holeLayoutOf[2] << s.areaHoles.holeLayoutOf[3]
        << " holes " << s.areaHoles.holeCount << ',' << s.areaHoles.holeIndex << ','
        << s.areaHoles.onHole << " inhole " << s.holeVisit.areaBeforeHole << ','
        << s.holeVisit.holeX << ',' << s.holeVisit.holeY << ',' << s.holeVisit.levitating << ','
        << s.holeVisit.contentsRow << " call " << s.shipCall.callActive << ','
        << s.shipCall.callQuarter << ',' << s.shipCall.callStepCountdown << ','
        << s.shipCall.bonusPending << ',' << s.shipCall.timeBonusReserve;
    return out.str();
}

ScenarioRunner::ScenarioRunner(Canvas& canvas, unsigned seed,
                               std::array<std::uint32_t, SoundCount> soundLengthsMs)
    : sound_(clock_, soundLengthsMs), runtime_{state_, canvas, clock_, input_, sound_} {
    std::srand(seed);
    randomGameSetup(state_);
    state_.mode = PlayMode::Title;
}

TurnRecord ScenarioRunner::runTurn(const TurnInput& input) {
    sound_.clearRequests();
    input_.beginTurn(input);
    qz::runTurn(runtime_);
    ++turn_;
    TurnRecord record;
    record.turn = turn_;
    record.ticks = clock_.ticks();
    record.state = describeState(state_);
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

std::vector<TurnRecord> ScenarioRunner::run(const KeyScript& script) {
    std::vector<TurnRecord> records;
    for (const TurnInput& input : script.turns()) {
        records.push_back(runTurn(input));
        if (state_.quitRequested) {
            break;
        }
    }
    return records;
}

std::uint64_t digestOf(const std::vector<TurnRecord>& records) {
    std::uint64_t hash = 1469598103934665603ULL;
    auto mix = [&hash](const std::string& text) {
        for (unsigned char c : text) {
            hash = (hash ^ c) * 1099511628211ULL;
        }
        hash = (hash ^ '\n') * 1099511628211ULL;
    };
    for (const TurnRecord& record : records) {
        mix(record.state);
        for (const std::string& sound : record.sounds) {
            mix(sound);
        }
    }
    return hash;
}

}  // namespace qz
