#include "program/recorded_session.h"

#include <algorithm>
#include <array>
#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <new>
#include <optional>
#include <sstream>
#include <string_view>

#include "controls/bindings.h"
#include "core/state_fields.h"
#include "platform/host.h"

namespace qz {
namespace {

constexpr const char* Magic = "quillo-zoruri replay";

// The letters of the events; P is the keys held once they are all taken.
constexpr char HeldLetter = 'P';

char letterOf(InputEvent::Type type) {
    switch (type) {
        case InputEvent::Type::KeyDown:
            return 'D';
        case InputEvent::Type::Quit:
            return 'Q';
        case InputEvent::Type::Other:
            break;
    }
    return 'O';
}

bool typeOf(char letter, InputEvent::Type& type) {
    for (auto t : {InputEvent::Type::KeyDown, InputEvent::Type::Quit, InputEvent::Type::Other}) {
        if (letterOf(t) == letter) {
            type = t;
            return true;
        }
    }
    return false;
}

// A whole decimal number without sign, at most `limit`.
bool readNumber(std::string_view text, std::uint64_t limit, std::uint64_t& value) {
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

// The names of the game's words in format 2, in GameKey's order.
constexpr std::array<const char*, GameKeyCount> WordNames{
    "Left", "Right", "Up", "Down", "Drop", "Power", "Start", "Instructions", "Quit",
};

std::optional<GameKey> wordOfName(std::string_view name) {
    for (std::size_t i = 0; i < WordNames.size(); ++i) {
        if (name == WordNames[i]) {
            return static_cast<GameKey>(i);
        }
    }
    return std::nullopt;
}

// Words (format 2) or key codes (format 1), comma-separated, or "-" for
// none; in format 1 other keys than the game's are skipped.
bool readHeld(std::string_view text, int version, HeldKeys& held) {
    if (text == "-") {
        return true;
    }
    if (text.empty() || text.back() == ',') {
        return false;
    }
    std::uint64_t value = 0;
    for (std::string_view rest = text; !rest.empty();) {
        const std::size_t comma = std::min(rest.find(','), rest.size());
        const std::string_view item = rest.substr(0, comma);
        rest.remove_prefix(std::min(comma + 1, rest.size()));
        if (version >= 2) {
            const auto word = wordOfName(item);
            if (!word) {
                return false;
            }
            held.press(*word);
        } else if (!readNumber(item, KeyCodeCount - 1, value)) {
            return false;
        } else if (const auto key = gameKeyOfCode(static_cast<int>(value))) {
            held.press(*key);
        }
    }
    return true;
}

std::string heldText(HeldKeys held) {
    std::string text;
    for (std::size_t i = 0; i < WordNames.size(); ++i) {
        if (held[static_cast<GameKey>(i)]) {
            text += (text.empty() ? "" : ",") + std::string(WordNames[i]);
        }
    }
    return text.empty() ? "-" : text;
}

// Takes the next word off `rest`, words parted by white space as a stream
// parts them; false when none is left.
bool nextWord(std::string_view& rest, std::string_view& word) {
    constexpr std::string_view Space = " \t\n\v\f\r";
    rest.remove_prefix(std::min(rest.find_first_not_of(Space), rest.size()));
    const std::size_t end = std::min(rest.find_first_of(Space), rest.size());
    word = rest.substr(0, end);
    rest.remove_prefix(end);
    return !word.empty();
}

// `held` comes in as the keys held at the end of the turn before.
bool readTurn(std::string_view line, int version, RecordingLine& turn, HeldKeys& held) {
    std::string_view word;
    if (!nextWord(line, word) || word != "t") {
        return false;
    }
    while (nextWord(line, word)) {
        if (word.size() < 2 || word[1] != '=' || !turn.soundAnswers.empty()) {
            return false;  // the sound answers come last
        }
        const std::string_view rest = word.substr(2);
        if (word[0] == 's') {
            if (rest.empty() || rest.find_first_not_of("01") != std::string::npos) {
                return false;
            }
            turn.soundAnswers = std::string(rest);
            continue;
        }
        HeldKeys now;
        if (!readHeld(rest, version, now)) {
            return false;
        }
        held = now;
        if (word[0] == HeldLetter) {
            continue;
        }
        InputEvent event;
        if (!typeOf(word[0], event.type)) {
            return false;
        }
        event.held = now;
        turn.input.events.push_back(event);
    }
    turn.input.held = held;
    return true;
}

// An end line, or a checkpoint's "c" line; both count the turns read so far.
bool readDigestLine(std::string_view line, std::string_view word, std::size_t turnsRead,
                    std::string& digest) {
    std::string_view end, count, text, extra;
    std::uint64_t turns = 0;
    if (!nextWord(line, end) || !nextWord(line, count) || !nextWord(line, text) ||
        nextWord(line, extra) || end != word || !readNumber(count, UINT32_MAX, turns) ||
        turns != turnsRead || text.size() != 16 ||
        text.find_first_not_of("0123456789abcdef") != std::string_view::npos) {
        return false;
    }
    digest = std::string(text);
    return true;
}

// Longer than any line the game writes (a turn of a hundred events, each
// with every word held, is some 6 kB), so a damaged file's line is never
// held whole, however large the file.
constexpr std::streamsize MaxLineBytes = 1 << 16;

// Reads a file line by line, each without its end, which may be "\r\n" in a
// file that went through a mail client.
class LineReader {
  public:
    explicit LineReader(std::istream& lines) : lines_(lines), line_(MaxLineBytes + 1) {}
    // The next line; false at the end of the file, or at a line too long.
    bool next(std::string_view& line) {
        lines_.getline(line_.data(), MaxLineBytes + 1);
        const auto read = static_cast<std::size_t>(lines_.gcount());
        if (lines_.fail()) {
            // Too long: the buffer filled up before the line's end.
            tooLong_ = !lines_.eof() && read == MaxLineBytes;
            line = std::string_view(line_.data(), read);
            return false;
        }
        line = std::string_view(line_.data(), lines_.eof() ? read : read - 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        return true;
    }
    bool tooLong() const { return tooLong_; }
    // The last line read has no line end.
    bool unended() const { return lines_.eof(); }

  private:
    std::istream& lines_;
    std::vector<char> line_;
    bool tooLong_ = false;
};

}  // namespace

std::string headerLine(unsigned seed) {
    return std::string(Magic) + " " + std::to_string(ReplayFormatVersion) + " seed " +
           std::to_string(seed);
}

std::string turnLine(const RecordingLine& turn) {
    std::string line = "t";
    for (const InputEvent& event : turn.input.events) {
        line += ' ';
        line += letterOf(event.type);
        line += '=' + heldText(event.held);
    }
    line += ' ';
    line += HeldLetter;
    line += '=' + heldText(turn.input.held);
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

std::string checkpointLine(std::int64_t turns, const GameState& state) {
    return "c " + std::to_string(turns) + " " + stateDigestText(state);
}

std::string endLine(std::int64_t turns, const GameState& state) {
    return "end " + std::to_string(turns) + " " + stateDigestText(state);
}

LoadedSession parseSession(const std::string& text, const std::string& name) {
    std::istringstream lines(text);
    return parseSession(lines, name);
}

LoadedSession parseSession(std::istream& lines, const std::string& name) {
    LoadedSession loaded;
    LineReader reader(lines);
    std::string_view line;
    const bool headerRead = reader.next(line);
    const std::string magic = std::string(Magic) + " ";
    if (!line.starts_with(magic)) {
        loaded.error = name + " is not a Quillo Zoruri replay";
        return loaded;
    }
    std::istringstream header(std::string(line.substr(magic.size())));
    std::string version, seedWord, seed, extra;
    std::uint64_t number = 0;
    header >> version >> seedWord >> seed;
    if (version != "1" && version != std::to_string(ReplayFormatVersion)) {
        loaded.error = name + " is a replay of format \"" + version +
                       "\"; this game reads formats 1 to " + std::to_string(ReplayFormatVersion);
        return loaded;
    }
    const int format = version[0] - '0';
    if (!headerRead || seedWord != "seed" || !readNumber(seed, UINT32_MAX, number) ||
        (header >> extra)) {
        loaded.error = name + ": line 1 is damaged";
        return loaded;
    }
    RecordedSession& session = loaded.session;
    session.seed = static_cast<unsigned>(number);
    int lineNumber = 1;
    HeldKeys held;
    bool unended = reader.unended();
    while (reader.next(line) || reader.tooLong()) {
        ++lineNumber;
        unended = reader.unended();
        const std::size_t turns = session.turns.size();
        RecordingLine turn;
        std::string digest;
        bool good = session.finalDigest.empty() && !reader.tooLong();
        if (good && line.starts_with("end ")) {
            good = readDigestLine(line, "end", turns, session.finalDigest);
        } else if (good && format >= 2 && line.starts_with("c ")) {
            // One digest every hundred turns, as the game writes them: no more
            // digests than turns are held.
            good = readDigestLine(line, "c", turns, digest) && turns % CheckpointTurns == 0 &&
                   turns > (session.checkpoints.empty()
                                ? 0
                                : static_cast<std::size_t>(session.checkpoints.back().turns));
            session.checkpoints.push_back({static_cast<int>(turns), digest});
        } else if (good) {
            good = readTurn(line, format, turn, held);
            session.turns.push_back(turn);
        }
        if (!good) {
            loaded.error = name + ": line " + std::to_string(lineNumber) + " is damaged";
            return loaded;
        }
    }
    if (unended) {
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
    std::ifstream file(filePath(path), std::ios::binary | std::ios::ate);
    // A day of play is some 20 MB; a file far larger is not a recording,
    // and is not read to find that out.
    constexpr std::streamoff MaxBytes = std::streamoff(256) << 20;
    LoadedSession refused;
    if (file.is_open() && file.tellg() > MaxBytes) {
        refused.error = path + " is too large to be a Quillo Zoruri replay";
        return refused;
    }
    file.seekg(0);
    try {
        LoadedSession loaded = parseSession(file, path);
        if (file.is_open() && !file.bad()) {
            return loaded;
        }
        refused.error = "cannot read the replay " + path;
    } catch (const std::bad_alloc&) {
        refused.error = "there is not memory enough to replay " + path;
    }
    return refused;
}

}  // namespace qz
