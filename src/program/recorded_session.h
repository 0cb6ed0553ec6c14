// The replay file: a recorded game as text, for bug reports. It holds the
// seed and, turn by turn, everything the game took from outside: each event
// with the game's words held when it was taken, the words held after each
// update of the key array, and whether a sound channel was busy when the
// game asked. Words, not keys: a game played with a pad or other keys
// replays on any keyboard.
//
//   quillo-zoruri replay 2 seed 1765141234
//   t P=-
//   t D=Start P=Start s=01
//   t D=Up O=Up P=Drop,Up s=0
//   ...
//   c 100 41d0c9a2b7e3f815
//   ...
//   end 213 9c1f0b2e5a7d4c31
//
// A turn line starts with "t"; D, Q and O are a key-down, a window close and
// any other event, P an update of the key array, each followed by the held
// words (comma-separated, "-" for none); s= lists the answers to "is this
// channel playing?", 1 for yes. A turn without a P keeps the words held
// before. Every hundred turns a "c" line gives the digest of the state after
// that many turns, so a replay that goes astray stops where it did. The end
// line gives the number of turns and a digest of the final state. The game
// writes it however the player quits, so a file without it was cut short, or
// comes from a game that was killed before it could end.
//
// Format 1, which the game wrote before, holds the keys' codes instead of
// words and has no "c" lines; it still plays.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "controls/keyboard.h"
#include "core/game_state.h"
#include "program/recording_lines.h"

namespace qz {

constexpr int ReplayFormatVersion = 2;
// Turns between two digests of the state in a recording.
constexpr int CheckpointTurns = 100;

struct Checkpoint {
    int turns = 0;       // after this many turns
    std::string digest;  // the state's
};

struct RecordedSession {
    unsigned seed = 0;
    RecordingLines turns;
    std::vector<Checkpoint> checkpoints;
    std::string finalDigest;  // from the end line
};

std::string headerLine(unsigned seed);
std::string turnLine(const RecordingLine& turn);
std::string checkpointLine(std::int64_t turns, const GameState& state);
std::string endLine(std::int64_t turns, const GameState& state);

// The digest of the state that makes up the play, as 16 hex digits.
std::string stateDigestText(const GameState& state);

struct LoadedSession {
    RecordedSession session;
    std::string error;  // one line saying what is wrong, empty when the file is good
};

// Reads and checks a whole replay file, line by line; `name` is used in the error line.
LoadedSession loadSession(const std::string& path);
LoadedSession parseSession(std::istream& lines, const std::string& name);
LoadedSession parseSession(const std::string& text, const std::string& name);

}  // namespace qz
