// The fixture of every suite that runs turns: one headless display for the
// whole test program, a fresh runner per test.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "harness/scenario_runner.h"
#include "platform/headless_display.h"

namespace qz::test {

// The display, opened on first use and kept for the rest of the program.
HeadlessDisplay& display();

class GameTest : public ::testing::Test {
  protected:
    void SetUp() override;

    // A runner on a fresh game, seeded with `seed`.
    ScenarioRunner& start(unsigned seed = 1);
    // Runs a script; gives the records of its turns. When the state holds
    // every invariant at the start, fails the test at the first turn that
    // breaks one.
    std::vector<TurnRecord> play(const KeyScript& script);
    ScenarioRunner& runner() { return *runner_; }
    GameState& state() { return runner_->state(); }
    Canvas& canvas() { return *canvas_; }

    // From the title, S and the whole Arrival: the first turn of Play is next.
    void startPlaying();

  private:
    std::unique_ptr<PictureStore> pictures_;
    std::unique_ptr<Canvas> canvas_;
    std::unique_ptr<ScenarioRunner> runner_;
};

}  // namespace qz::test
