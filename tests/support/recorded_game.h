// A game played from a key script through the real loop and a recorder, for
// the suites that read what was recorded.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "harness/scripted_input.h"
#include "platform/canvas.h"

namespace qz::test {

// A fresh game on the title, seeded with `seed`.
GameState newRun(unsigned seed);

// Plays the script through a recorder into `out`; what the recorder said.
// Past the script's end, the window closes.
std::vector<std::string> record(Canvas& canvas, unsigned seed, const KeyScript& script,
                                std::FILE* out, const std::string& name, bool& failed);

// The same into a scratch file; the recording's text.
std::string record(Canvas& canvas, unsigned seed, const KeyScript& script);

// A file in the scratch folder, named after the test, open for the game to
// write into and removed afterwards. Memory streams are POSIX's alone.
class WrittenFile {
  public:
    WrittenFile();
    ~WrittenFile();
    WrittenFile(const WrittenFile&) = delete;
    WrittenFile& operator=(const WrittenFile&) = delete;

    std::FILE* file() const { return file_; }
    // Closes the file; what was written to it.
    std::string text();

  private:
    std::string path_;
    std::FILE* file_;
};

}  // namespace qz::test
