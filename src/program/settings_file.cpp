#include "program/settings_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>

#include "controls/key_names.h"
#include "platform/host.h"
#include "program/unicode_text.h"

namespace qz {
namespace {

constexpr std::string_view FocusSetting = "pause-on-focus-loss";
constexpr std::string_view AssistSetting = "assist";
constexpr std::string_view Default = "default";
// A settings file is a few dozen short lines; anything far larger is not one.
constexpr std::size_t MaxFileBytes = 64 * 1024;
constexpr std::size_t MaxLineBytes = 1024;

constexpr int KeyF11 = 292;
constexpr int KeyRightAlt = 307;
constexpr int KeyLeftAlt = 308;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> list;
    while (!(text = trimmed(text)).empty()) {
        const auto end = text.find_first_of(" \t");
        const std::string_view word = text.substr(0, end);
        if (word.starts_with('#')) {
            break;  // the rest of the line is a comment
        }
        list.push_back(word);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end);
    }
    return list;
}

// A trigger by its name; a key of the window's or an unknown name is an error.
std::optional<Trigger> triggerOfName(std::string_view name, std::string& problem) {
    if (const auto input = padInputOfName(name)) {
        return Trigger::pad(*input);
    }
    const auto code = keyCodeOfName(name);
    if (!code) {
        problem = "no key or pad input is called \"" + std::string(name) + "\"";
        return std::nullopt;
    }
    if (*code == KeyF11 || *code == KeyLeftAlt || *code == KeyRightAlt) {
        problem = keyName(*code) + " belongs to the window (F11 and Alt+Enter)";
        return std::nullopt;
    }
    return Trigger::key(*code);
}

class Reader {
  public:
    Reader(Settings& settings, const std::string& name) : s_(settings), name_(name) {
        s_.bindings = Bindings{};
        s_.origins.fill(std::string(Default));
        s_.focusOrigin = Default;
        s_.assistOrigin = Default;
    }

    void line(std::string_view text, int number) {
        const std::string where = name_ + " line " + std::to_string(number);
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
        }
        const std::string_view content = trimmed(text);
        if (content.empty() || content.starts_with('#')) {
            return;
        }
        const auto equals = content.find('=');
        if (text.size() > MaxLineBytes || equals == std::string_view::npos) {
            warn(where, "not a setting (write: action = keys)");
            return;
        }
        const std::string_view setting = trimmed(content.substr(0, equals));
        const std::vector<std::string_view> values = words(content.substr(equals + 1));
        if (setting == FocusSetting) {
            setSwitch(values, where, FocusSetting, "yes", "no", s_.pauseOnFocusLoss,
                      s_.focusOrigin);
        } else if (setting == AssistSetting) {
            setSwitch(values, where, AssistSetting, "on", "off", s_.assist, s_.assistOrigin);
        } else if (const auto action = actionOfName(setting)) {
            bind(*action, values, where);
        } else {
            warn(where, "no setting is called \"" + std::string(setting) + "\"");
        }
    }

    // Every action the file leaves alone keeps its defaults, but for a
    // trigger the file gave to another action.
    void finish() {
        for (int i = 0; i < ActionCount; ++i) {
            const auto action = static_cast<Action>(i);
            if (s_.origins[action] != Default) {
                continue;
            }
            for (const Trigger& trigger : Bindings::defaultTriggers(action)) {
                // The map's key belongs to the assist layer, which is off
                // unless asked for: it gives way to the player's own keys
                // without a word, as Tab did before it had a use.
                if (const auto other = s_.bindings.bind(trigger, action);
                    other && action != Action::Map) {
                    warn(s_.origins[*other], triggerName(trigger) + " was " + actionName(action) +
                                                 "'s by default; it is " + actionName(*other) +
                                                 "'s now");
                }
            }
        }
    }

  private:
    void warn(const std::string& where, const std::string& what) {
        s_.warnings.push_back(where + ": " + what);
    }

    bool setTwice(const std::string& origin, const std::string& where) {
        if (origin == Default) {
            return false;
        }
        warn(where,
             "already set on " + origin.substr(name_.size() + 1) + "; this line is left out");
        return true;
    }

    // A setting of two words: `on` sets it, `off` clears it.
    void setSwitch(const std::vector<std::string_view>& values, const std::string& where,
                   std::string_view setting, std::string_view on, std::string_view off, bool& value,
                   std::string& origin) {
        if (setTwice(origin, where)) {
            return;
        }
        if (values.size() != 1 || (values[0] != on && values[0] != off)) {
            warn(where,
                 std::string(setting) + " is " + std::string(on) + " or " + std::string(off));
            return;
        }
        value = values[0] == on;
        origin = where;
    }

    void bind(Action action, const std::vector<std::string_view>& values,
              const std::string& where) {
        std::string& origin = s_.origins[action];
        if (setTwice(origin, where)) {
            return;
        }
        // The whole line is read before any of it is used.
        std::vector<Trigger> triggers;
        for (std::string_view value : values) {
            std::string problem;
            const auto trigger = triggerOfName(value, problem);
            if (!trigger) {
                warn(where, problem + "; this line is left out");
                return;
            }
            triggers.push_back(*trigger);
        }
        origin = where;
        std::string taken;  // what the line asked for that others hold
        bool given = triggers.empty();
        for (const Trigger& trigger : triggers) {
            const auto other = s_.bindings.bind(trigger, action);
            if (!other || *other == action) {
                given = true;
                continue;
            }
            taken += (taken.empty() ? "" : "; ") + triggerName(trigger) + " is " +
                     actionName(*other) + "'s already (" +
                     s_.origins[*other].substr(name_.size() + 1) + "); it stays " +
                     actionName(*other) + "'s";
        }
        // Only a line without keys leaves an action without any.
        if (!given) {
            origin = Default;
            taken += "; " + std::string(actionName(action)) + " keeps its defaults";
        }
        if (!taken.empty()) {
            warn(where, taken);
        }
    }

    Settings& s_;
    const std::string& name_;
};

// The file's text in UTF-8. Windows' own tools mark what they save: UTF-16
// from PowerShell 5.1's `>`, UTF-8 from Notepad before 2019. Nothing for
// other bytes (UTF-16 without its mark, a code page of old).
std::optional<std::string> utf8Text(std::string_view bytes) {
    if (bytes.starts_with("\xff\xfe")) {
        return utf8OfUtf16(bytes.substr(2), false);
    }
    if (bytes.starts_with("\xfe\xff")) {
        return utf8OfUtf16(bytes.substr(2), true);
    }
    if (bytes.starts_with("\xef\xbb\xbf")) {
        bytes.remove_prefix(3);
    }
    if (!isUtf8(bytes)) {
        return std::nullopt;
    }
    return std::string(bytes);
}

}  // namespace

Settings parseSettings(std::string_view text, const std::string& name) {
    Settings settings;
    Reader reader(settings, name);
    if (text.size() > MaxFileBytes) {
        settings.warnings.push_back(name + ": larger than a settings file can be (" +
                                    std::to_string(MaxFileBytes / 1024) +
                                    " KiB); the default controls are used");
        text = {};
    }
    const std::optional<std::string> decoded = utf8Text(text);
    if (!decoded) {
        settings.warnings.push_back(name +
                                    ": not UTF-8 text; the default controls are used (save it "
                                    "as UTF-8, in Notepad with Save As and Encoding UTF-8)");
    }
    text = decoded ? *decoded : std::string_view{};
    int number = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        reader.line(text.substr(0, end), ++number);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    reader.finish();
    return settings;
}

std::string playerSettingsPath() {
    const std::string folder = playerFolder();
    return folder.empty() ? "" : fileName(filePath(folder) / "settings.conf");
}

Settings loadSettings(const std::string& asked) {
    const std::string path = asked.empty() ? playerSettingsPath() : asked;
    errno = 0;
    std::ifstream file(filePath(path), std::ios::binary);
    // At most one byte more than a settings file may hold: enough to refuse it.
    std::string text(MaxFileBytes + 1, '\0');
    if (file) {
        file.read(text.data(), static_cast<std::streamsize>(text.size()));
    }
    if (!file && (file.bad() || !file.eof())) {
        const int reason = errno;
        Settings settings = parseSettings("", path);
        // The player's own file is said to be unreadable only when it is
        // there; a file named on the command line always.
        if (!asked.empty() || fileExists(path)) {
            settings.warnings.push_back("cannot read the settings " + path + ": " +
                                        std::strerror(reason ? reason : EIO) +
                                        "; the default controls are used");
        }
        return settings;
    }
    text.resize(static_cast<std::size_t>(file.gcount()));
    return parseSettings(text, path);
}

std::string describeSettings(const Settings& settings) {
    std::ostringstream out;
    auto line = [&out](std::string setting, const std::string& origin) {
        setting.resize(std::max<std::size_t>(setting.size() + 1, 52), ' ');
        out << setting << "# " << origin << '\n';
    };
    out << "# The controls in effect; saved as a settings file, this sets them.\n";
    for (int i = 0; i < ActionCount; ++i) {
        const auto action = static_cast<Action>(i);
        std::string setting = std::string(actionName(action)) + " =";
        for (const Trigger& trigger : settings.bindings.triggersOf(action)) {
            setting += " " + triggerName(trigger);
        }
        line(setting, settings.origins[action]);
    }
    line(std::string(FocusSetting) + " = " + (settings.pauseOnFocusLoss ? "yes" : "no"),
         settings.focusOrigin);
    line(std::string(AssistSetting) + " = " + (settings.assist ? "on" : "off"),
         settings.assistOrigin);
    return out.str();
}

}  // namespace qz
