// What differs between the systems the game runs on outside the display
// library: file names, the executable's place, the player's folder and the
// console. Names are UTF-8 everywhere in the game; only the host's files
// (posix/posix_host.cpp, win/win_host.cpp) turn them into the system's own.
#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace qz {

// The program's arguments after its name, in UTF-8.
std::vector<std::string> programArguments(int argc, char** argv);

// For as long as it lives, gives what the program prints and exits on
// (--help, --version, --controls, a mistake on the command line) a console
// to go to: the one the game was started from, for what is not redirected
// to a file or a pipe. A windowed program has none of its own, and takes
// none for the game, so that the console goes on as it was without it.
// The console gets its own code page back.
class PrintingConsole {
  public:
    PrintingConsole();
    ~PrintingConsole();
    PrintingConsole(const PrintingConsole&) = delete;
    PrintingConsole& operator=(const PrintingConsole&) = delete;
};

// For as long as it lives, a console the game shares stopping it (Ctrl+C
// or Ctrl+Break there, the console closed, the player logging off) asks the
// game to quit, as its window's close button does: the recording ends with
// its end line. Linux's terminal sends signals, which the display library
// already turns into that close.
class ConsoleStopsQuit {
  public:
    ConsoleStopsQuit();
    ~ConsoleStopsQuit();
    ConsoleStopsQuit(const ConsoleStopsQuit&) = delete;
    ConsoleStopsQuit& operator=(const ConsoleStopsQuit&) = delete;
};
// Shows a line that ends the game where the player sees it when there is no
// console to print it on (a window of its own); a console has it already.
void showProblem(const std::string& text);

// Asks the system, for as long as it lives, for sleeps that end within a
// millisecond or so of their time: Windows' timer otherwise ticks every
// 15.6 ms. Linux's and the browser's already do.
class FineSleeps {
  public:
    FineSleeps();
    ~FineSleeps();
    FineSleeps(const FineSleeps&) = delete;
    FineSleeps& operator=(const FineSleeps&) = delete;
};

// The executable's own file; nothing when the system will not say.
std::optional<std::filesystem::path> executablePath();

// The folder of the player's own files (settings), whether or not it is
// there yet; empty when the system names none.
std::string playerFolder();

// What the player reads of this system: where the settings file is by
// default, the data folders looked in after the working directory and the
// executable's own, and what to try when no display opens (empty when
// there is nothing to try).
struct HostWords {
    const char* settingsFile;
    const char* moreDataFolders;
    const char* noDisplay;
};
const HostWords& hostWords();

// The system's form of a UTF-8 name, and back.
inline std::filesystem::path filePath(const std::string& name) {
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}
inline std::string fileName(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// fopen for a UTF-8 name.
std::FILE* openFile(const std::string& name, const char* mode);

// Makes `folder` the working directory; empty, or the system's reason.
std::string enterFolder(const std::string& folder);

// Whether the file is there, and whether it may be read.
bool fileExists(const std::string& name);
bool fileReadable(const std::string& name);

// Sets the display library's video driver unless the player chose one.
void chooseVideoDriver();

}  // namespace qz
