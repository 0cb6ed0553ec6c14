// The program's life: start-up, the loop of turns, shutdown.
#pragma once

#include <memory>
#include <optional>

#include "platform/clock.h"
#include "program/command_line.h"
#include "turn/presenter.h"

namespace qz {

// Returns the process exit code: 0 after the player quits or a replay ends,
// 1 when the game cannot start (no display, the data, the font or a picture
// unreadable, a recording that cannot be opened) or a recording could not be
// written to its end, 2 for a replay file it cannot use, 3 when a replay ends
// in another state than the recording did. The game's waits are slept on
// the host's clock, on their schedule (platform/wait_schedule.h).
int runGame(const Options& options, SleepingClock& host);

// A game from its start-up to its shutdown, run a stretch at a time: the
// program sleeps each wait it hands back; the page lets the browser run.
class Game {
  public:
    // Played on the clock, which outlives it.
    explicit Game(Clock& clock);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Opens the display, the sound, the pictures and the session asked for;
    // 0, or the exit code when the game cannot start (said already).
    int open(const Options& options);
    // Runs the game up to its next wait; none once it is over.
    std::optional<Wait> advance();
    // Closes everything; the exit code runGame gives.
    int close();

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace qz
