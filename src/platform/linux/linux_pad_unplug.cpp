#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/pad_unplug.h"

namespace qz {

std::set<int> openDevices() {
    std::set<int> files;
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] != '.' && std::atoi(entry->d_name) != dirfd(dir)) {
                files.insert(std::atoi(entry->d_name));
            }
        }
        closedir(dir);
    }
    return files;
}

std::string deviceName(int fd) {
    char target[512];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t length = readlink(link.c_str(), target, sizeof target - 1);
    return length > 0 ? std::string(target, static_cast<std::size_t>(length)) : "";
}

bool isNewPadDevice(const std::string& name) {
    return name.starts_with("/");
}

bool isPadDevice(const std::string& name) {
    const char* named = std::getenv("SDL_JOYSTICK_DEVICE");
    return name.starts_with("/dev/input/") || (named && name == named);
}

// The folder of the input devices changes as one is added or removed; the
// file SDL_JOYSTICK_DEVICE names (a FIFO's time moves with every event
// written to it) only by being made anew. Two stat calls.
std::string padDevicesMark() {
    std::string mark;
    struct stat folder{};
    if (stat("/dev/input", &folder) == 0) {
        mark = std::to_string(folder.st_ino) + " " + std::to_string(folder.st_mtim.tv_sec) + "." +
               std::to_string(folder.st_mtim.tv_nsec);
    }
    const char* named = std::getenv("SDL_JOYSTICK_DEVICE");
    struct stat file{};
    if (named && stat(named, &file) == 0) {
        mark += " " + std::to_string(file.st_dev) + ":" + std::to_string(file.st_ino);
    }
    return mark;
}

}  // namespace qz
