#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "platform/host.h"

namespace qz {

std::vector<std::string> programArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

PrintingConsole::PrintingConsole() = default;
PrintingConsole::~PrintingConsole() = default;

ConsoleStopsQuit::ConsoleStopsQuit() = default;
ConsoleStopsQuit::~ConsoleStopsQuit() = default;

// A terminal or a desktop's log has the line already.
void showProblem(const std::string&) {}

FineSleeps::FineSleeps() = default;
FineSleeps::~FineSleeps() = default;

std::optional<std::filesystem::path> executablePath() {
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return std::nullopt;
    }
    return path;
}

std::string playerFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/') {
        return std::string(config) + "/quillo-zoruri";
    }
    if (const char* home = std::getenv("HOME"); home && home[0]) {
        return std::string(home) + "/.config/quillo-zoruri";
    }
    return "";
}

const HostWords& hostWords() {
    static const HostWords words{"~/.config/quillo-zoruri/settings.conf",
                                 "../share/quillo-zoruri\nbeside the executable's folder, and the "
                                 "folder it was installed to",
                                 "start it from a desktop session, or without one under Xvfb: "
                                 "xvfb-run -s \"-screen 0 1024x768x24 -noreset\" quillo-zoruri"};
    return words;
}

std::FILE* openFile(const std::string& name, const char* mode) {
    return std::fopen(name.c_str(), mode);
}

std::string enterFolder(const std::string& folder) {
    return chdir(folder.c_str()) == 0 ? "" : std::strerror(errno);
}

bool fileExists(const std::string& name) {
    return access(name.c_str(), F_OK) == 0;
}

bool fileReadable(const std::string& name) {
    return access(name.c_str(), R_OK) == 0;
}

// The game's window is made for X; a driver the player names still wins.
void chooseVideoDriver() {
    setenv("SDL_VIDEODRIVER", "x11", 0);
}

}  // namespace qz
