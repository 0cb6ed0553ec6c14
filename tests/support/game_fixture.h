// The fixture of every suite that runs turns: one headless display for the
// whole test program, a fresh runner per test.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "harness/scenario_runner.h"
#include "platform/sdl/headless_display.h"

namespace qz::test {

// The display, opened on first use and kept for the rest of the program.
HeadlessDisplay& display();

// Draws taken as a record and carried out on the canvas as the statement
// that made them ends: `drawScore(drawn(), 10);`.
class DrawnOnCanvas {
  public:
    explicit DrawnOnCanvas(Canvas& canvas) : canvas_(canvas) {}
    DrawnOnCanvas(const DrawnOnCanvas&) = delete;
    DrawnOnCanvas& operator=(const DrawnOnCanvas&) = delete;
    ~DrawnOnCanvas() { canvas_.draw(drawing_); }
    operator Drawing&() { return drawing_; }

  private:
    Canvas& canvas_;
    Drawing drawing_;
};

class GameTest : public ::testing::Test {
  protected:
    void SetUp() override;

    // A runner on a fresh game, seeded with `seed`.
    ScenarioRunner& start(unsigned seed = 1);
    // Runs a script; gives the records of its turns. When the state holds
    // every invariant at the start, fails the test at the first turn that
    // breaks one.
    std::vector<TurnOutcome> play(const KeyScript& script);
    ScenarioRunner& runner() { return *runner_; }
    GameState& state() { return runner_->state(); }
    Canvas& canvas() { return *canvas_; }
    DrawnOnCanvas drawn() { return DrawnOnCanvas(*canvas_); }

    // From the title, S and the whole Arrival: the first turn of Play is next.
    void startPlaying();

  private:
    std::unique_ptr<PictureStore> pictures_;
    std::unique_ptr<Canvas> canvas_;
    std::unique_ptr<ScenarioRunner> runner_;
};

}  // namespace qz::test
