// The replay file: a recorded game as text, for bug reports. It holds the
// seed and, turn by turn, everything the game took from outside: each event
// with the keys held when it was taken, the keys held after each update of
// the key array, and whether a sound channel was busy when the game asked.
//
//   quillo-zoruri replay 1 seed 1765141234
//   t P=-
//   t D=115 P=115 s=01
//   t D=273 O=273 P=273,120 s=0
//   end 3 9c1f0b2e5a7d4c31
//
// A turn line starts with "t"; D, Q and O are a key-down, a window close and
// any other event, P an update of the key array, each followed by the held
// key codes (comma-separated, "-" for none); s= lists the answers to "is
// this channel playing?", 1 for yes. Only the game's keys are read back, and
// a turn without a P keeps the keys held before. The end line gives the number
// of turns and a digest of the final state, which a replay checks. The game
// writes it however the player quits, so a file without it was cut short, or
// comes from a game that was killed before it could end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "platform/keyboard.h"

namespace qz {

constexpr int ReplayFormatVersion = 1;

struct RecordedTurn {
    TurnInput input;
    std::string soundAnswers;  // '0' or '1' per question, in order
};

struct RecordedSession {
    unsigned seed = 0;
    std::vector<RecordedTurn> turns;
    std::string finalDigest;  // from the end line
};

std::string headerLine(unsigned seed);
std::string turnLine(const RecordedTurn& turn);
std::string endLine(int turns, const GameState& state);

// The digest of the state that makes up the play, as 16 hex digits.
std::string stateDigestText(const GameState& state);

struct LoadedSession {
    RecordedSession session;
    std::string error;  // one line saying what is wrong, empty when the file is good
};

// Reads and checks a whole replay file; `name` is used in the error line.
LoadedSession loadSession(const std::string& path);
LoadedSession parseSession(const std::string& text, const std::string& name);

}  // namespace qz
