// windows.h first: the other Windows headers need its types.
#include <windows.h>

#include <direct.h>
#include <io.h>
#include <shellapi.h>
#include <timeapi.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/host.h"
#include "platform/quit_request.h"

namespace qz {
namespace {

std::string utf8(const wchar_t* text, int length = -1) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
    if (length < 0 && !out.empty()) {
        out.pop_back();  // the terminating zero
    }
    return out;
}

std::wstring wide(const std::string& text) {
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
    return out;
}

bool usable(HANDLE handle) {
    return handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// Whether stderr was given the console the game was started from.
bool errorsOnConsole = false;
// The console's code page before the game set its own, to give back.
UINT consoleCodePage = 0;

// A console stopping: the game quits as on its window's close. Each comes
// on a thread of its own.
BOOL WINAPI consoleStopped(DWORD type) {
    requestQuit();
    if (type == CTRL_C_EVENT || type == CTRL_BREAK_EVENT) {
        return TRUE;
    }
    // The console closed, or the player logging off: Windows ends the
    // program once this returns (or 5 s on). The game's own end, with its
    // recording closed, comes first and ends this thread with the rest.
    Sleep(INFINITE);
    return TRUE;
}

// Whether the system's timer runs at the millisecond for the game.
bool fineTimer = false;

}  // namespace

std::vector<std::string> programArguments(int, char**) {
    // The C library's argv is in the ANSI code page, which cannot hold every
    // name; the wide command line can.
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> out;
    for (int i = 1; args && i < count; ++i) {
        out.push_back(utf8(args[i]));
    }
    LocalFree(args);
    return out;
}

// A windowed program starts with no console. Output redirected to a file or
// a pipe is kept; otherwise the console of the program that started this
// one, if any, takes the output.
PrintingConsole::PrintingConsole() {
    const bool outKept = usable(GetStdHandle(STD_OUTPUT_HANDLE));
    const bool errKept = usable(GetStdHandle(STD_ERROR_HANDLE));
    if ((outKept && errKept) || !AttachConsole(ATTACH_PARENT_PROCESS)) {
        return;
    }
    if (!outKept) {
        std::freopen("CONOUT$", "w", stdout);
    }
    if (!errKept) {
        std::freopen("CONOUT$", "w", stderr);
        errorsOnConsole = true;
    }
    // UTF-8 names come out as they are; lines end in \n as on Linux.
    consoleCodePage = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
}

PrintingConsole::~PrintingConsole() {
    // All is written in UTF-8 before the console reads in its own again.
    std::fflush(stdout);
    std::fflush(stderr);
    if (consoleCodePage != 0) {
        SetConsoleOutputCP(consoleCodePage);
        consoleCodePage = 0;
    }
}

ConsoleStopsQuit::ConsoleStopsQuit() {
    SetConsoleCtrlHandler(consoleStopped, TRUE);
}

ConsoleStopsQuit::~ConsoleStopsQuit() {
    SetConsoleCtrlHandler(consoleStopped, FALSE);
}

// The timer's period is the whole system's: it is given back at exit.
FineSleeps::FineSleeps() {
    fineTimer = timeBeginPeriod(1) == TIMERR_NOERROR;
}

FineSleeps::~FineSleeps() {
    if (fineTimer) {
        timeEndPeriod(1);
        fineTimer = false;
    }
}

void showProblem(const std::string& text) {
    // A file or a pipe has the line already; so has the console.
    if (!errorsOnConsole && !usable(GetStdHandle(STD_ERROR_HANDLE))) {
        MessageBoxW(nullptr, wide(text).c_str(), L"Quillo Zoruri", MB_OK | MB_ICONERROR);
    }
}

std::optional<std::filesystem::path> executablePath() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) {
            return std::nullopt;
        }
        if (length < name.size()) {
            name.resize(length);
            return std::filesystem::path(name);
        }
        name.resize(name.size() * 2);
    }
}

// %APPDATA%\Quillo Zoruri: the roaming folder every Windows program keeps
// its settings in.
std::string playerFolder() {
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (!appData || !appData[0]) {
        return "";
    }
    return utf8(appData) + "\\Quillo Zoruri";
}

std::FILE* openFile(const std::string& name, const char* mode) {
    return _wfopen(wide(name).c_str(), wide(mode).c_str());
}

std::string enterFolder(const std::string& folder) {
    return _wchdir(wide(folder).c_str()) == 0 ? "" : std::strerror(errno);
}

bool fileExists(const std::string& name) {
    return _waccess(wide(name).c_str(), 0) == 0;
}

bool fileReadable(const std::string& name) {
    return _waccess(wide(name).c_str(), 4) == 0;
}

// The display library picks Windows' own drivers.
void chooseVideoDriver() {}

const HostWords& hostWords() {
    static const HostWords words{"%APPDATA%\\Quillo Zoruri\\settings.conf",
                                 "data\\ beside the\nprogram", ""};
    return words;
}

}  // namespace qz
