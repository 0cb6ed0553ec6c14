// Quillo Zoruri: a stranded alien, three phone pieces, and the way home.
#include <cstdio>

#include "program/command_line.h"
#include "program/message_line.h"
#include "program/settings_file.h"
#include "program/startup.h"

int main(int argc, char** argv) {
    const qz::ParsedOptions parsed = qz::parseCommandLine(argc, argv);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "%s%s\n", qz::messageLine(parsed.error).c_str(),
                     qz::usageLine().c_str());
        return 2;
    }
    if (parsed.options.help) {
        std::fputs(qz::helpText().c_str(), stdout);
        return 0;
    }
    if (parsed.options.version) {
        std::printf("%s\n", qz::versionLine().c_str());
        return 0;
    }
    if (parsed.options.controls) {
        const qz::Settings settings = qz::loadSettings(parsed.options.settingsFile);
        for (const std::string& warning : settings.warnings) {
            std::fputs(qz::messageLine("warning: " + warning).c_str(), stderr);
        }
        std::fputs(qz::describeSettings(settings).c_str(), stdout);
        return 0;
    }
    return qz::runGame(parsed.options);
}
