#include "frame/recorded_session.h"

#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "frame/replay/state_fields.h"

namespace qz {
namespace {

constexpr const char* Magic = "quillo-zoruri replay";

char kindLetter(RecordedStep::Kind kind) {
    switch (kind) {
        case RecordedStep::Kind::KeyDown:
            return 'D';
        case RecordedStep::Kind::Quit:
            return 'Q';
        case RecordedStep::Kind::Other:
            return 'O';
        case RecordedStep::Kind::Pump:
            return 'P';
    }
    return '?';
}

bool kindOf(char letter, RecordedStep::Kind& kind) {
    for (auto k : {RecordedStep::Kind::KeyDown, RecordedStep::Kind::Quit, RecordedStep::Kind::Other,
                   RecordedStep::Kind::Pump}) {
        if (kindLetter(k) == letter) {
            kind = k;
            return true;
        }
    }
    return false;
}

// A whole decimal number without sign, at most `limit`.
bool readNumber(const std::string& text, std::uint64_t limit, std::uint64_t& value) {
    if (text.empty() || text.size() > 10) {
        return false;
    }
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value <= limit;
}

bool readHeld(const std::string& text, std::vector<int>& held) {
    if (text == "-") {
        return true;
    }
    std::istringstream codes(text);
    std::string code;
    std::uint64_t value = 0;
    while (std::getline(codes, code, ',')) {
        if (!readNumber(code, KeyStateSize - 1, value)) {
            return false;
        }
        held.push_back(static_cast<int>(value));
    }
    return !held.empty() && text.back() != ',';
}

bool readTurn(const std::string& line, RecordedTurn& turn) {
    std::istringstream words(line);
    std::string word;
    if (!(words >> word) || word != "t") {
        return false;
    }
    while (words >> word) {
        if (word.size() < 2 || word[1] != '=' || !turn.soundAnswers.empty()) {
            return false;  // the sound answers come last
        }
        const std::string rest = word.substr(2);
        if (word[0] == 's') {
            if (rest.empty() || rest.find_first_not_of("01") != std::string::npos) {
                return false;
            }
            turn.soundAnswers = rest;
            continue;
        }
        RecordedStep step;
        if (!kindOf(word[0], step.kind) || !readHeld(rest, step.held)) {
            return false;
        }
        turn.steps.push_back(std::move(step));
    }
    return true;
}

bool readEnd(const std::string& line, std::size_t turnsRead, std::string& digest) {
    std::istringstream words(line);
    std::string end, count, extra;
    std::uint64_t turns = 0;
    if (!(words >> end >> count >> digest) || (words >> extra) || end != "end" ||
        !readNumber(count, UINT32_MAX, turns) || turns != turnsRead || digest.size() != 16 ||
        digest.find_first_not_of("0123456789abcdef") != std::string::npos) {
        return false;
    }
    return true;
}

// A line without its end, which may be "\r\n" in a file that went through a mail client.
bool nextLine(std::istringstream& lines, std::string& line) {
    if (!std::getline(lines, line)) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

}  // namespace

std::string headerLine(unsigned seed) {
    return std::string(Magic) + " " + std::to_string(ReplayFormatVersion) + " seed " +
           std::to_string(seed);
}

std::string turnLine(const RecordedTurn& turn) {
    std::string line = "t";
    for (const RecordedStep& step : turn.steps) {
        line += ' ';
        line += kindLetter(step.kind);
        line += '=';
        for (std::size_t i = 0; i < step.held.size(); ++i) {
            line += (i ? "," : "") + std::to_string(step.held[i]);
        }
        if (step.held.empty()) {
            line += '-';
        }
    }
    if (!turn.soundAnswers.empty()) {
        line += " s=" + turn.soundAnswers;
    }
    return line;
}

std::string stateDigestText(const GameState& state) {
    char text[17];
    std::snprintf(text, sizeof text, "%016" PRIx64, stateDigest(state));
    return text;
}

std::string endLine(int turns, const GameState& state) {
    return "end " + std::to_string(turns) + " " + stateDigestText(state);
}

LoadedSession parseSession(const std::string& text, const std::string& name) {
    LoadedSession loaded;
    std::istringstream lines(text);
    std::string line;
    nextLine(lines, line);
    const std::string magic = std::string(Magic) + " ";
    if (line.rfind(magic, 0) != 0) {
        loaded.error = name + " is not a Quillo Zoruri replay";
        return loaded;
    }
    std::istringstream header(line.substr(magic.size()));
    std::string version, seedWord, seed, extra;
    std::uint64_t number = 0;
    header >> version >> seedWord >> seed;
    if (version != std::to_string(ReplayFormatVersion)) {
        loaded.error = name + " is a replay of format \"" + version +
                       "\"; this game reads format " + std::to_string(ReplayFormatVersion);
        return loaded;
    }
    if (seedWord != "seed" || !readNumber(seed, UINT32_MAX, number) || (header >> extra)) {
        loaded.error = name + ": line 1 is damaged";
        return loaded;
    }
    loaded.session.seed = static_cast<unsigned>(number);
    int lineNumber = 1;
    while (nextLine(lines, line)) {
        ++lineNumber;
        RecordedTurn turn;
        std::string digest;
        if (!loaded.session.finalDigest.empty() ||
            !(line.rfind("end ", 0) == 0 ? readEnd(line, loaded.session.turns.size(), digest)
                                         : readTurn(line, turn))) {
            loaded.error = name + ": line " + std::to_string(lineNumber) + " is damaged";
            return loaded;
        }
        if (!digest.empty()) {
            loaded.session.finalDigest = digest;
        } else {
            loaded.session.turns.push_back(std::move(turn));
        }
    }
    if (!text.empty() && text.back() != '\n') {
        loaded.error = name + ": the file is cut short at line " + std::to_string(lineNumber);
    } else if (loaded.session.finalDigest.empty()) {
        // A file cut at a line's end and the file of a killed game look alike.
        loaded.error = name + ": the file stops after line " + std::to_string(lineNumber) +
                       " without its end line: it was cut short, or the game that recorded it "
                       "was killed before it could end";
    }
    return loaded;
}

LoadedSession loadSession(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!file && !file.eof()) {
        LoadedSession failed;
        failed.error = "cannot read the replay " + path;
        return failed;
    }
    return parseSession(text, path);
}

}  // namespace qz
