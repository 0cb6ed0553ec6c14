#include "harness/scripted_input.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace qz {
namespace {

std::string keyName(GameKey key) {
    return bindingOf(key).name;
}

std::string describeInput(const ScriptedTurn& turn) {
    std::string text;
    for (GameKey key : turn.held) {
        text += (text.empty() ? "" : "+") + keyName(key);
    }
    if (turn.closeWindow) {
        text += (text.empty() ? "" : "+") + std::string("close");
    }
    return text.empty() ? "idle" : text;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, GameKey key) {
    return out << keyName(key);
}

std::string describeInputs(const std::vector<ScriptedTurn>& turns) {
    std::string text;
    for (std::size_t i = 0; i < turns.size();) {
        std::size_t run = 1;
        while (i + run < turns.size() && turns[i + run] == turns[i]) {
            ++run;
        }
        text += (text.empty() ? "" : ", ") + describeInput(turns[i]) + " x" + std::to_string(run);
        i += run;
    }
    return text;
}

std::optional<std::vector<ScriptedTurn>> parseInputs(const std::string& text) {
    std::vector<ScriptedTurn> turns;
    std::istringstream runs(text);
    std::string run;
    while (std::getline(runs, run, ',')) {
        std::istringstream words(run);
        std::string chord;
        std::string times;
        if (!(words >> chord >> times) || times.size() < 2 || times[0] != 'x') {
            return std::nullopt;
        }
        ScriptedTurn turn;
        std::istringstream names(chord);
        std::string name;
        while (chord != "idle" && std::getline(names, name, '+')) {
            if (name == "close") {
                turn.closeWindow = true;
                continue;
            }
            const auto key =
                std::find_if(KeyboardKeys.begin(), KeyboardKeys.end(),
                             [&](const KeyBinding& binding) { return binding.name == name; });
            if (key == KeyboardKeys.end()) {
                return std::nullopt;
            }
            turn.held.push_back(key->key);
        }
        const int count = std::atoi(times.c_str() + 1);
        if (count < 1) {
            return std::nullopt;
        }
        turns.insert(turns.end(), static_cast<std::size_t>(count), turn);
    }
    return turns;
}

void ScriptedInput::beginTurn(const ScriptedTurn& turn) {
    HeldKeys held;
    for (GameKey key : turn.held) {
        held.press(key);
    }
    next_ = TurnInput{};
    next_.held = held;
    for (GameKey key : turn.held) {
        if (!held_[key]) {
            next_.events.push_back(InputEvent{InputEvent::Type::KeyDown, held});
        }
    }
    if (turn.closeWindow) {
        next_.events.push_back(InputEvent{InputEvent::Type::Quit, held});
    }
    held_ = held;
}

KeyScript& KeyScript::hold(std::initializer_list<GameKey> keys, int turns) {
    for (int i = 0; i < turns; ++i) {
        turns_.push_back(ScriptedTurn{std::vector<GameKey>(keys), false});
    }
    return *this;
}

KeyScript& KeyScript::idle(int turns) {
    return hold({}, turns);
}

KeyScript& KeyScript::tap(std::initializer_list<GameKey> keys) {
    return hold(keys, 1).idle(1);
}

KeyScript& KeyScript::closeWindow() {
    turns_.push_back(ScriptedTurn{{}, true});
    return *this;
}

}  // namespace qz
