#include "program/command_line.h"

#include <string>
#include <string_view>

#include "platform/host.h"
#include "platform/raw_input.h"

namespace qz {
namespace {

// "--scale=2" and "--scale 2" both give the value; a flag takes none.
struct Argument {
    std::string_view name;
    std::string_view value;
    bool valueAttached = false;
};

Argument split(std::string_view arg) {
    const auto equals = arg.find('=');
    if (arg.starts_with("--") && equals != std::string_view::npos) {
        return {arg.substr(0, equals), arg.substr(equals + 1), true};
    }
    return {arg, {}, false};
}

bool asksForHelp(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

bool readScale(std::string_view text, int& scale) {
    if (text.size() != 1 || text[0] < '1' || text[0] > '0' + MaxScale) {
        return false;
    }
    scale = text[0] - '0';
    return true;
}

}  // namespace

ParsedOptions parseCommandLine(int argc, const char* const* argv) {
    ParsedOptions parsed;
    Options& o = parsed.options;
    // Whoever asks for help gets it, whatever else the line holds.
    for (int i = 1; i < argc; ++i) {
        if (asksForHelp(argv[i])) {
            o.help = true;
            return parsed;
        }
    }
    for (int i = 1; i < argc; ++i) {
        const Argument arg = split(argv[i]);
        const std::string name(arg.name);
        auto flag = [&](bool& field) {
            if (arg.valueAttached) {
                parsed.error = "option " + name + " takes no value";
                return;
            }
            field = true;
        };
        // The value of an option that needs one, from "=value" or the next argument.
        auto value = [&](std::string& into) {
            if (arg.valueAttached) {
                into = arg.value;
            } else if (i + 1 < argc) {
                into = argv[++i];
            } else {
                parsed.error = "option " + name + " needs a value";
                return false;
            }
            if (into.empty()) {
                parsed.error = "option " + name + " needs a value";
                return false;
            }
            return true;
        };
        std::string text;
        if (name == "--help") {
            flag(o.help);
        } else if (name == "--version") {
            flag(o.version);
        } else if (name == "--fullscreen") {
            flag(o.fullscreen);
        } else if (name == "--controls") {
            flag(o.controls);
        } else if (name == "--assist") {
            flag(o.assist);
        } else if (name == "--settings") {
            value(o.settingsFile);
        } else if (name == "--data") {
            value(o.dataFolder);
        } else if (name == "--record") {
            value(o.recordFile);
        } else if (name == "--replay") {
            value(o.replayFile);
        } else if (name == "--scale") {
            if (value(text) && !readScale(text, o.scale)) {
                parsed.error = "bad value \"" + text +
                               "\" for --scale: give a whole number from 1 to " +
                               std::to_string(MaxScale);
            }
        } else if (name.size() > 1 && name[0] == '-') {
            parsed.error = "unknown option " + std::string(argv[i]);
        } else {
            parsed.error =
                "unexpected argument \"" + std::string(argv[i]) + "\": the game takes options only";
        }
        if (!parsed.error.empty()) {
            return parsed;
        }
    }
    if (!o.recordFile.empty() && !o.replayFile.empty()) {
        parsed.error = "--record and --replay cannot be used together";
    }
    return parsed;
}

std::string usageLine() {
    return "usage: quillo-zoruri [-h | --help] [--version] [--controls] [--settings FILE] "
           "[--data DIR] [--fullscreen] [--scale N] [--assist] [--record FILE | --replay FILE]";
}

#ifndef QZ_VERSION
#define QZ_VERSION "unknown"
#endif

std::string versionLine() {
    return std::string("quillo-zoruri ") + QZ_VERSION;
}

std::string helpText() {
    const HostWords& words = hostWords();
    return usageLine() + R"(

Quillo, a stranded alien, looks for the three pieces of its phone.

Options:
  -h, --help       show this text and exit, whatever else is given
  --version        show the version and exit
  --controls       show the keys and pad inputs in effect, and where each
                   came from, then exit
  --settings FILE  read the controls from FILE instead of
                   )" +
           words.settingsFile + R"(
  --data DIR       read the pictures, sounds and font from DIR
  --fullscreen     start in full screen (F11 or Alt+Enter switches at any time)
  --scale N        show each game pixel as an N x N block, N from 1 to 4
                   (or the largest that fits, on a smaller screen)
  --assist         play with help: a sound and a line for what just happened,
                   the lives shown, a map of the areas on Tab, a win that
                   looks like one (or "assist = on" in the settings file)
  --record FILE    write the seed and every turn's keys to FILE, for bug reports
  --replay FILE    play a recorded game back, then exit

Keys:
  arrows   walk              X       drop into a hole; inside, levitate
  Up       rise, leave hole  Z       use the zone's power (10 energy)
  S        start a game      I       instructions (any key turns the page)
  Escape   leave the instructions; anywhere else, quit
  P        pause and resume the game     M   mute and unmute
  Tab      with --assist, the map of the areas while held
  F11, Alt+Enter  switch between window and full screen
A game pad works beside the keyboard: the D-pad or the left stick walks,
buttons 0, 1, 7, 3 and 6 are X, Z, S, I and Escape, button )" +
           std::to_string(StickPressButton) + R"( pauses.

Data: without --data, the game uses the first of these folders that has
graphics/: the working directory, the executable's folder, )" +
           words.moreDataFolders + R"(.
)";
}

}  // namespace qz
