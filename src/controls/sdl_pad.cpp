#include <SDL/SDL.h>

#include <set>
#include <string>

#include "controls/pad.h"
#include "controls/pad_device.h"

namespace qz {
namespace {

// Checking the device costs a system call; twice a second is soon enough.
constexpr int TurnsBetweenChecks = 15;

}  // namespace

bool Pad::open() {
    if (SDL_NumJoysticks() < 1) {
        return false;
    }
    // The display library does not say when a pad is unplugged, but its
    // device file then vanishes from under the file the pad was opened on.
    const std::set<int> before = openDevices();
    joystick_ = SDL_JoystickOpen(0);
    if (!joystick_) {
        return false;
    }
    for (int fd : openDevices()) {
        const std::string file = before.count(fd) ? "" : deviceName(fd);
        if (isNewPadDevice(file)) {
            fd_ = fd;
            device_ = file;
        }
    }
    if (fd_ < 0) {
        // sdl12-compat opens the device while the library starts, not here:
        // it is the open file that is a joystick device, or the one named.
        for (int fd : before) {
            const std::string file = deviceName(fd);
            if (fd_ < 0 && isPadDevice(file)) {
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
    if (deviceName(fd_) == device_) {
        return false;
    }
    tracker_.releaseAll(changes);
    close();
    return true;
}

}  // namespace qz
