#include <SDL/SDL.h>
#include <dirent.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <set>
#include <string>

#include "platform/raw_input.h"

namespace qz {
namespace {

// The process's open files, by number, but for the one listing them.
std::set<int> openFiles() {
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

std::string fileOf(int fd) {
    char target[512];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t length = readlink(link.c_str(), target, sizeof target - 1);
    return length > 0 ? std::string(target, static_cast<std::size_t>(length)) : "";
}

// Checking the device costs a system call; twice a second is soon enough.
constexpr int TurnsBetweenChecks = 15;

}  // namespace

struct PadDevice::Device {
    SDL_Joystick* joystick = nullptr;
    std::string description;
    // The file the pad was read from, to notice its device going away.
    int fd = -1;
    std::string file;
    int untilCheck = 0;
};

PadDevice::PadDevice() : device_(std::make_unique<Device>()) {}

PadDevice::~PadDevice() {
    close();
}

bool PadDevice::open() {
    Device& d = *device_;
    if (SDL_NumJoysticks() < 1) {
        return false;
    }
    // The display library does not say when a pad is unplugged, but its
    // device file then vanishes from under the file the pad was opened on.
    const std::set<int> before = openFiles();
    d.joystick = SDL_JoystickOpen(0);
    if (!d.joystick) {
        return false;
    }
    for (int fd : openFiles()) {
        const std::string file = before.count(fd) ? "" : fileOf(fd);
        if (file.starts_with("/")) {
            d.fd = fd;
            d.file = file;
        }
    }
    if (d.fd < 0) {
        // sdl12-compat opens the device while the library starts, not here:
        // it is the open file that is a joystick device, or the one named.
        const char* named = std::getenv("SDL_JOYSTICK_DEVICE");
        for (int fd : before) {
            const std::string file = fileOf(fd);
            if (d.fd < 0 && (file.starts_with("/dev/input/") || (named && file == named))) {
                d.fd = fd;
                d.file = file;
            }
        }
    }
    SDL_JoystickEventState(SDL_ENABLE);
    const char* name = SDL_JoystickName(0);
    auto count = [](int n, const char* one, const char* many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    d.description = std::string("\"") + (name ? name : "?") + "\" (" +
                    count(SDL_JoystickNumAxes(d.joystick), "axis", "axes") + ", " +
                    count(SDL_JoystickNumHats(d.joystick), "hat", "hats") + ", " +
                    count(SDL_JoystickNumButtons(d.joystick), "button", "buttons") + ")";
    return true;
}

void PadDevice::close() {
    if (device_->joystick) {
        SDL_JoystickClose(device_->joystick);
        device_->joystick = nullptr;
    }
    device_->fd = -1;
}

std::string PadDevice::description() const {
    return device_->description;
}

// The pad's own events come with the library's others; what they do not tell
// is the device going away.
void PadDevice::read(std::vector<RawEvent>& events) {
    Device& d = *device_;
    if (!d.joystick || d.fd < 0 || --d.untilCheck > 0) {
        return;
    }
    d.untilCheck = TurnsBetweenChecks;
    if (fileOf(d.fd) == d.file) {
        return;
    }
    close();
    events.push_back(RawEvent{RawEvent::Kind::PadUnplugged});
}

}  // namespace qz
