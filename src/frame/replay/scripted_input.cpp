#include "frame/replay/scripted_input.h"

namespace qz {
namespace {

std::string keyName(int key) {
    switch (key) {
        case KeyEscape:
            return "Escape";
        case KeyI:
            return "I";
        case KeyS:
            return "S";
        case KeyX:
            return "X";
        case KeyZ:
            return "Z";
        case KeyUp:
            return "Up";
        case KeyDown:
            return "Down";
        case KeyRight:
            return "Right";
        case KeyLeft:
            return "Left";
        default:
            return "key" + std::to_string(key);
    }
}

std::string describeInput(const TurnInput& turn) {
    std::string text;
    for (int key : turn.held) {
        text += (text.empty() ? "" : "+") + keyName(key);
    }
    if (turn.closeWindow) {
        text += (text.empty() ? "" : "+") + std::string("close");
    }
    return text.empty() ? "idle" : text;
}

}  // namespace

std::string describeInputs(const std::vector<TurnInput>& turns) {
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

void ScriptedInput::beginTurn(const TurnInput& turn) {
    std::array<std::uint8_t, KeyStateSize> next{};
    for (int key : turn.held) {
        next[static_cast<std::size_t>(key)] = 1;
    }
    for (int key : turn.held) {
        if (!keys_[static_cast<std::size_t>(key)]) {
            queue_.push_back(InputEvent{InputEvent::Type::KeyDown});
        }
    }
    if (turn.closeWindow) {
        queue_.push_back(InputEvent{InputEvent::Type::Quit});
    }
    keys_ = next;
}

bool ScriptedInput::poll(InputEvent& event) {
    if (queue_.empty()) {
        return false;
    }
    event = queue_.front();
    queue_.pop_front();
    return true;
}

KeyScript& KeyScript::hold(std::initializer_list<int> keys, int turns) {
    for (int i = 0; i < turns; ++i) {
        turns_.push_back(TurnInput{std::vector<int>(keys), false});
    }
    return *this;
}

KeyScript& KeyScript::idle(int turns) {
    return hold({}, turns);
}

KeyScript& KeyScript::tap(std::initializer_list<int> keys) {
    return hold(keys, 1).idle(1);
}

KeyScript& KeyScript::closeWindow() {
    turns_.push_back(TurnInput{{}, true});
    return *this;
}

}  // namespace qz
