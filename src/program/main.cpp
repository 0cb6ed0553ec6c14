// Quillo Zoruri: a stranded alien, three phone pieces, and the way home.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/host.h"
#include "program/command_line.h"
#include "program/message_line.h"
#include "program/settings_file.h"
#include "program/startup.h"

namespace {

// What the options that print and exit print; their exit code.
int printAndExit(const qz::ParsedOptions& parsed) {
    const qz::PrintingConsole console;
    if (!parsed.error.empty()) {
        const std::string told = qz::messageLine(parsed.error) + qz::usageLine() + "\n";
        std::fputs(told.c_str(), stderr);
        qz::showProblem(told);
        return 2;
    }
    if (parsed.options.help) {
        std::fputs(qz::helpText().c_str(), stdout);
    } else if (parsed.options.version) {
        std::printf("%s\n", qz::versionLine().c_str());
    } else {
        const qz::Settings settings = qz::loadSettings(parsed.options.settingsFile);
        for (const std::string& warning : settings.warnings) {
            std::fputs(qz::messageLine("warning: " + warning).c_str(), stderr);
        }
        std::fputs(qz::describeSettings(settings).c_str(), stdout);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = qz::programArguments(argc, argv);
    std::vector<const char*> words{argc > 0 ? argv[0] : "quillo-zoruri"};
    for (const std::string& arg : args) {
        words.push_back(arg.c_str());
    }
    const qz::ParsedOptions parsed =
        qz::parseCommandLine(static_cast<int>(words.size()), words.data());
    const qz::Options& options = parsed.options;
    if (!parsed.error.empty() || options.help || options.version || options.controls) {
        return printAndExit(parsed);
    }
    const qz::ConsoleStopsQuit consoleStops;
    const qz::FineSleeps fineSleeps;
    qz::SystemClock clock;
    return qz::runGame(options, clock);
}
