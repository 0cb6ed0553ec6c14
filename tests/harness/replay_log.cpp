#include "harness/replay_log.h"

#include <algorithm>
#include <map>
#include <sstream>

namespace qz {
namespace {

constexpr const char* FieldSeparator = ", ";
constexpr const char* SoundMark = "| ";

std::string join(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) {
        text += (text.empty() ? "" : FieldSeparator) + item;
    }
    return text;
}

std::vector<std::string> split(const std::string& text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(FieldSeparator, start), text.size());
        items.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return items;
}

// The clock is recorded as the time each turn took, so a change in one
// turn's waiting shows in that turn alone.
std::vector<FieldValue> turnFields(const TurnOutcome& record) {
    std::vector<FieldValue> fields{{"turnMs", std::to_string(record.turnMs)}};
    fields.insert(fields.end(), record.state.begin(), record.state.end());
    return fields;
}

std::string fieldText(const FieldValue& field) {
    return field.name + " " + field.value;
}

FieldValue parseField(const std::string& text) {
    const std::size_t space = text.find(' ');
    if (space == std::string::npos) {
        return {text, ""};
    }
    return {text.substr(0, space), text.substr(space + 1)};
}

struct LoggedTurn {
    std::vector<FieldValue> changes;
    std::vector<std::string> sounds;
};

struct ParsedLog {
    std::string seed;
    std::string script;
    int lastTurn = 0;
    int firstTurn = 0;
    std::vector<std::string> order;  // field names as the first turn lists them
    std::map<int, LoggedTurn> turns;
    std::string error;
};

std::string trimmed(const std::string& text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos) {
        return "";
    }
    return text.substr(start, text.find_last_not_of(' ') + 1 - start);
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

ParsedLog parse(const std::string& log) {
    ParsedLog parsed;
    std::istringstream in(log);
    std::string line;
    LoggedTurn* full = nullptr;  // the turn listed in full, while its lines last
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (full != nullptr && startsWith(line, "  ")) {
            const std::string item = line.substr(2);
            if (startsWith(item, SoundMark)) {
                full->sounds = split(item.substr(2));
            } else {
                full->changes.push_back(parseField(item));
                parsed.order.push_back(full->changes.back().name);
            }
            continue;
        }
        full = nullptr;
        const FieldValue entry = parseField(line);
        if (entry.name == "seed") {
            parsed.seed = entry.value;
        } else if (entry.name == "script") {
            parsed.script = entry.value;
        } else if (entry.name == "turns") {
            parsed.lastTurn = std::stoi(entry.value);
        } else if (entry.name == "turn" && entry.value.find(':') == std::string::npos) {
            parsed.firstTurn = std::stoi(entry.value);
            full = &parsed.turns[parsed.firstTurn];
        } else if (entry.name == "turn") {
            const std::size_t colon = entry.value.find(':');
            LoggedTurn& turn = parsed.turns[std::stoi(entry.value.substr(0, colon))];
            std::string rest = entry.value.substr(colon + 1);
            const std::size_t bar = rest.find(SoundMark);
            if (bar != std::string::npos) {
                turn.sounds = split(rest.substr(bar + 2));
                rest.resize(bar);
            }
            for (const std::string& change : split(trimmed(rest))) {
                turn.changes.push_back(parseField(change));
            }
        } else {
            parsed.error = "line " + std::to_string(number) + " not understood: " + line;
            break;
        }
    }
    return parsed;
}

std::string quoted(const std::vector<std::string>& sounds) {
    return "\"" + join(sounds) + "\"";
}

}  // namespace

std::string writeReplayLog(unsigned seed, const std::vector<TurnOutcome>& records) {
    std::vector<ScriptedTurn> inputs;
    for (const TurnOutcome& record : records) {
        inputs.push_back(record.input);
    }
    std::string out =
        "# Turn 1 lists every field; each later turn lists the fields that changed\n"
        "# and, after \"|\", its sound requests. Turns with neither are left out.\n";
    out += "seed " + std::to_string(seed) + "\n";
    out += "script " + describeInputs(inputs) + "\n";
    out += "turns " + std::to_string(records.empty() ? 0 : records.back().turn) + "\n";
    std::vector<FieldValue> previous;
    for (const TurnOutcome& record : records) {
        const std::vector<FieldValue> fields = turnFields(record);
        const std::string number = std::to_string(record.turn);
        if (previous.empty()) {
            out += "turn " + number + "\n";
            for (const FieldValue& field : fields) {
                out += "  " + fieldText(field) + "\n";
            }
            if (!record.sounds.empty()) {
                out += "  " + std::string(SoundMark) + join(record.sounds) + "\n";
            }
        } else {
            std::vector<std::string> changes;
            for (std::size_t i = 0; i < fields.size(); ++i) {
                if (i >= previous.size() || fields[i] != previous[i]) {
                    changes.push_back(fieldText(fields[i]));
                }
            }
            if (!changes.empty() || !record.sounds.empty()) {
                out += "turn " + number + ":";
                out += changes.empty() ? "" : " " + join(changes);
                out +=
                    record.sounds.empty() ? "" : " " + std::string(SoundMark) + join(record.sounds);
                out += "\n";
            }
        }
        previous = fields;
    }
    return out;
}

std::string firstDifference(const std::string& expectedLog, const std::string& actualLog) {
    const ParsedLog expected = parse(expectedLog);
    const ParsedLog actual = parse(actualLog);
    if (!expected.error.empty()) {
        return "the expected replay cannot be read: " + expected.error;
    }
    std::string report;
    if (expected.seed != actual.seed) {
        report += "seed: expected " + expected.seed + ", got " + actual.seed + "\n";
    }
    if (expected.script != actual.script) {
        report += "script: expected\n  " + expected.script + "\ngot\n  " + actual.script + "\n";
    }
    std::vector<std::string> order = expected.order;
    for (const std::string& name : actual.order) {
        if (std::find(order.begin(), order.end(), name) == order.end()) {
            order.push_back(name);
        }
    }
    std::map<std::string, std::string> expectedState;
    std::map<std::string, std::string> actualState;
    const auto apply = [](const ParsedLog& log, int turn,
                          std::map<std::string, std::string>& state) {
        const auto found = log.turns.find(turn);
        if (found == log.turns.end()) {
            return std::vector<std::string>{};
        }
        for (const FieldValue& change : found->second.changes) {
            state[change.name] = change.value;
        }
        return found->second.sounds;
    };
    const auto valueIn = [](const std::map<std::string, std::string>& state,
                            const std::string& name) {
        const auto found = state.find(name);
        return found == state.end() ? std::string("(no such field)") : found->second;
    };
    const int first = std::min(expected.firstTurn, actual.firstTurn);
    for (int turn = first; turn <= std::max(expected.lastTurn, actual.lastTurn); ++turn) {
        const std::string at = "turn " + std::to_string(turn);
        if (turn > expected.lastTurn || turn > actual.lastTurn) {
            return report + at + ": expected " + std::to_string(expected.lastTurn) +
                   " turns, got " + std::to_string(actual.lastTurn) + "\n";
        }
        const auto expectedSounds = apply(expected, turn, expectedState);
        const auto actualSounds = apply(actual, turn, actualState);
        std::string differences;
        for (const std::string& name : order) {
            const std::string want = valueIn(expectedState, name);
            const std::string got = valueIn(actualState, name);
            if (want != got) {
                differences += "  " + name + ": expected " + want + ", got " + got + "\n";
            }
        }
        if (expectedSounds != actualSounds) {
            differences += "  sounds: expected " + quoted(expectedSounds) + ", got " +
                           quoted(actualSounds) + "\n";
        }
        if (!differences.empty()) {
            return report + at + " is the first to differ:\n" + differences;
        }
    }
    return report;
}

}  // namespace qz
