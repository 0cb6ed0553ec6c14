#include "soak/soak_run.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <sstream>
#include <thread>

#include "harness/invariants.h"
#include "harness/scenario_runner.h"
#include "soak/progress_bounds.h"
#include "soak/random_player.h"

namespace qz::soak {
namespace {

constexpr std::size_t FailuresKept = 20;

// Stops the whole run when one turn takes longer than the budget in wall
// time: a turn stuck in a loop never returns to be checked otherwise.
class Watchdog {
  public:
    explicit Watchdog(int seconds) : thread_([this, seconds] { watch(seconds); }) {}
    ~Watchdog() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    void inputRead(unsigned seed, long turn) {
        seed_ = seed;
        turn_ = turn;
        ++beats_;
    }

  private:
    void watch(int seconds) {
        std::unique_lock lock(mutex_);
        long seen = -1;
        while (!wake_.wait_for(lock, std::chrono::seconds(seconds), [this] { return done_; })) {
            if (beats_ == seen) {
                std::fprintf(stderr, "soak: seed %u turn %ld took over %d s: a hang\n",
                             seed_.load(), turn_.load(), seconds);
                std::abort();
            }
            seen = beats_;
        }
    }

    std::atomic<long> beats_{0};
    std::atomic<unsigned> seed_{0};
    std::atomic<long> turn_{0};
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::thread thread_;
};

int piecesHeld(const GameState& s) {
    return s.phonePieceHeld[0] + s.phonePieceHeld[1] + s.phonePieceHeld[2];
}

const char* modeName(const GameState& s) {
    switch (s.mode) {
        case PlayMode::Title:
            return s.instructionsShown ? "mode Title, instruction pages" : "mode Title";
        case PlayMode::Arrival:
            return "mode Arrival";
        case PlayMode::Play:
            if (s.area == InsideHole) {
                return s.holeVisit.levitating ? "mode Play, levitating"
                                              : "mode Play, inside a hole";
            }
            return s.zones.powerActive ? "mode Play, power animation" : "mode Play, outdoors";
        case PlayMode::GameOver:
            return "mode GameOver";
    }
    return "mode unknown";
}

void countEvents(std::map<std::string, long>& reached, const GameState& b, const GameState& s) {
    const auto count = [&](bool happened, const char* name) {
        if (happened) {
            ++reached[name];
        }
    };
    // The S key and the new-game reset fall in the same turn.
    count(b.mode != PlayMode::Arrival && s.mode == PlayMode::Arrival, "event new game");
    count(b.area != InsideHole && s.area == InsideHole, "event fall into a hole");
    count(piecesHeld(s) > piecesHeld(b), "event phone piece taken");
    count(!b.items.flowerRevived && s.items.flowerRevived, "event flower revived");
    count(!b.shipCall.callActive && s.shipCall.callActive, "event ship called");
    count(!b.pursuer.alienCaught && s.pursuer.alienCaught && s.pursuer.pursuerIsScientist,
          "event capture by the scientist");
    count(!b.pursuer.alienCaught && s.pursuer.alienCaught && !s.pursuer.pursuerIsScientist,
          "event capture by the FBI agent");
    count(!b.jorrin.alienCollapsed && s.jorrin.alienCollapsed, "event rescue by Jorrin");
    count(!b.jorrin.jorrinCalled && s.jorrin.jorrinCalled, "event called visit by Jorrin");
    // Rare meetings of two lasting states, where faults hide.
    const bool caught = !b.pursuer.alienCaught && s.pursuer.alienCaught;
    const bool theft = s.pursuer.alienCaught && !s.pursuer.pursuerIsScientist &&
                       (piecesHeld(s) < piecesHeld(b) || s.candyCount < b.candyCount);
    count(!b.jorrin.alienCollapsed && s.jorrin.alienCollapsed && s.area == InsideHole &&
              b.jorrin.jorrinCalled,
          "meeting collapse inside a hole while Jorrin is called");
    count(caught && b.zones.powerActive, "meeting capture during a power animation");
    count(theft && b.jorrin.alienCollapsed && s.jorrin.alienCollapsed,
          "meeting theft during a rescue");
    // The call's request stays raised: every power that ends calls again.
    count(b.zones.powerActive && !s.zones.powerActive && s.zones.powerRequest[CallShip] &&
              (b.pursuer.alienCaught || s.pursuer.alienCaught),
          "meeting ship called during a capture");
    const bool ended = b.mode == PlayMode::Play && s.mode == PlayMode::GameOver;
    count(ended && s.lives > 0, "event game won");
    count(ended && s.lives <= 0, "event game lost");
}

}  // namespace

std::string SoakTally::report() const {
    std::ostringstream out;
    out << "turns " << turns << "\n";
    for (const auto& [name, count] : reached) {
        out << name << " " << count << "\n";
    }
    for (const auto& [name, most] : longest) {
        out << "longest " << name << " " << most << "\n";
    }
    out << "failures " << failureCount << "\n";
    for (const std::string& failure : failures) {
        out << "  " << failure << "\n";
    }
    return out.str();
}

SoakTally runSoak(Canvas& canvas, const SoakOptions& options) {
    SoakTally tally;
    Watchdog watchdog(options.hangSeconds);
    // Player seed and turn replay a failure; the game seed names the run.
    unsigned seed = 0;
    unsigned runSeed = 0;
    const auto fail = [&](long turn, const std::string& what) {
        ++tally.failureCount;
        if (tally.failures.size() < FailuresKept) {
            tally.failures.push_back("seed " + std::to_string(seed) + " turn " +
                                     std::to_string(turn) + " (game seed " +
                                     std::to_string(runSeed) + "): " + what);
        }
    };
    for (int i = 0; i < options.seeds; ++i) {
        seed = options.firstSeed + static_cast<unsigned>(i);
        RandomPlayer player(seed);
        // A quit ends the program: the next start is a new program run, on
        // a seed of its own.
        runSeed = seed;
        auto runner = std::make_unique<ScenarioRunner>(canvas, runSeed);
        ProgressWatch progress;
        for (long turn = 1; turn <= options.turnsPerSeed; ++turn) {
            watchdog.inputRead(runSeed, turn);
            const GameState before = runner->state();
            const std::uint32_t startTicks = runner->clock().ticks();
            runner->step(player.next(runner->state()));
            const GameState& s = runner->state();
            ++tally.turns;
            ++tally.reached[modeName(s)];
            countEvents(tally.reached, before, s);

            const std::uint32_t took = runner->clock().ticks() - startTicks;
            if (took > options.turnBudgetMs) {
                fail(turn, "the turn took " + std::to_string(took) + " ms");
            }
            // Only the new-game reset, run in Arrival, may lower the score.
            if (s.mode != PlayMode::Arrival && s.score < before.score) {
                fail(turn, "score fell from " + std::to_string(before.score) + " to " +
                               std::to_string(s.score) + " within a game");
            }
            for (const std::string& broken : checkInvariants(s)) {
                fail(turn, broken);
            }
            for (const std::string& stuck : progress.afterTurn(before, s)) {
                fail(turn, stuck);
            }
            if (s.quitRequested) {
                ++tally.reached["event quit"];
                runSeed = runSeed * 2654435761u + 1;
                runner = std::make_unique<ScenarioRunner>(canvas, runSeed);
                progress.reset();
            }
            if (options.progress && options.progressEvery > 0 &&
                tally.turns % options.progressEvery == 0) {
                options.progress(tally);
            }
        }
        const std::vector<ProgressBound>& bounds = progressBounds();
        for (std::size_t b = 0; b < bounds.size(); ++b) {
            int& longest = tally.longest[bounds[b].name];
            longest = std::max(longest, progress.longest()[b]);
        }
    }
    return tally;
}

}  // namespace qz::soak
