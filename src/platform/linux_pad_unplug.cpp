#include <dirent.h>
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

}  // namespace qz
