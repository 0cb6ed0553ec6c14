#include <SDL/SDL.h>
#include <dirent.h>
#include <unistd.h>

#include <cstdlib>
#include <set>
#include <string>

#include "controls/pad.h"

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

bool Pad::open() {
    if (SDL_NumJoysticks() < 1) {
        return false;
    }
    // The display library does not say when a pad is unplugged, but its
    // device file then vanishes from under the file the pad was opened on.
    const std::set<int> before = openFiles();
    joystick_ = SDL_JoystickOpen(0);
    if (!joystick_) {
        return false;
    }
    for (int fd : openFiles()) {
        const std::string file = before.count(fd) ? "" : fileOf(fd);
        if (file.starts_with("/")) {
            fd_ = fd;
            device_ = file;
        }
    }
    if (fd_ < 0) {
        // sdl12-compat opens the device while the library starts, not here:
        // it is the open file that is a joystick device, or the one named.
        const char* named = std::getenv("SDL_JOYSTICK_DEVICE");
        for (int fd : before) {
            const std::string file = fileOf(fd);
            if (fd_ < 0 && (file.starts_with("/dev/input/") || (named && file == named))) {
                fd_ = fd;
                device_ = file;
            }
        }
    }
    SDL_JoystickEventState(SDL_ENABLE);
    const char* name = SDL_JoystickName(0);
    auto count = [](int n, const char* one, const char* many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    description_ = std::string("\"") + (name ? name : "?") + "\" (" +
                   count(SDL_JoystickNumAxes(joystick_), "axis", "axes") + ", " +
                   count(SDL_JoystickNumHats(joystick_), "hat", "hats") + ", " +
                   count(SDL_JoystickNumButtons(joystick_), "button", "buttons") + ")";
    return true;
}

void Pad::close() {
    if (joystick_) {
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
    }
    fd_ = -1;
}

bool Pad::take(const SDL_Event& e, std::vector<PadChange>& changes) {
    switch (e.type) {
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP:
            tracker_.button(e.jbutton.button, e.type == SDL_JOYBUTTONDOWN, changes);
            return true;
        case SDL_JOYHATMOTION:
            if (e.jhat.hat == 0) {
                tracker_.hat(e.jhat.value, changes);
            }
            return true;
        case SDL_JOYAXISMOTION:
            tracker_.axis(e.jaxis.axis, e.jaxis.value, changes);
            return true;
        case SDL_JOYBALLMOTION:
            return true;
        default:
            return false;
    }
}

bool Pad::wentAway(std::vector<PadChange>& changes) {
    if (!joystick_ || fd_ < 0 || --untilCheck_ > 0) {
        return false;
    }
    untilCheck_ = TurnsBetweenChecks;
    if (fileOf(fd_) == device_) {
        return false;
    }
    tracker_.releaseAll(changes);
    close();
    return true;
}

}  // namespace qz
