// The program's options: what the player may ask for on the command line.
#pragma once

#include <string>

namespace qz {

struct Options {
    bool help = false;
    bool version = false;
    std::string dataFolder;  // empty: look the data up as usual
    bool fullscreen = false;
    int scale = 1;  // each game pixel becomes a scale x scale block
    std::string recordFile;
    std::string replayFile;
    bool controls = false;     // list the controls in effect and exit
    std::string settingsFile;  // empty: the player's own settings file
    bool assist = false;       // the assist layer, whatever the settings say
};

constexpr int MaxScale = 4;

struct ParsedOptions {
    Options options;
    std::string error;  // empty when the command line was understood
};

ParsedOptions parseCommandLine(int argc, const char* const* argv);

// The one-line synopsis shown after a usage error.
std::string usageLine();
// --version: the program and its version.
std::string versionLine();
// --help: the options, the keys and where the data is looked for.
std::string helpText();

}  // namespace qz
