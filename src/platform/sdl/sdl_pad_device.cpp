#include <SDL/SDL.h>

#include <memory>
#include <set>
#include <string>

#include "platform/pad_unplug.h"
#include "platform/raw_input.h"

namespace qz {
namespace {

// A pad just plugged in may not be ready when its device appears (the
// system gives the player the right to read it a moment later): the
// devices are looked through as the list changes and twice more, half a
// second of turns apart.
constexpr int Looks = 3;
constexpr int TurnsBetweenLooks = 15;

}  // namespace

struct PadDevice::Device {
    SDL_Joystick* joystick = nullptr;
    std::string description;
    // The device the pad was read from (its file; on Windows its joystick),
    // to notice it going away.
    int fd = -1;
    std::string file;
    // Once the game has looked for a pad: the list of devices as it was,
    // and the looks through them still to come.
    bool watching = false;
    std::string devices;
    int looksLeft = 0;
    int untilLook = 0;
};

PadDevice::PadDevice() : device_(std::make_unique<Device>()) {}

PadDevice::~PadDevice() {
    close();
}

bool PadDevice::open() {
    Device& d = *device_;
    d.watching = true;
    d.devices = padDevicesMark();
    if (SDL_NumJoysticks() < 1) {
        return false;
    }
    // The display library does not say when a pad is unplugged, but the
    // device the pad was opened on then changes or goes.
    const std::set<int> before = openDevices();
    d.joystick = SDL_JoystickOpen(0);
    if (!d.joystick) {
        return false;
    }
    for (int fd : openDevices()) {
        const std::string file = before.count(fd) ? "" : deviceName(fd);
        if (isNewPadDevice(file)) {
            d.fd = fd;
            d.file = file;
        }
    }
    if (d.fd < 0) {
        // sdl12-compat opens the device while the library starts, not here:
        // it is the device already open that is a pad's.
        for (int fd : before) {
            const std::string file = deviceName(fd);
            if (d.fd < 0 && isPadDevice(file)) {
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
// is the device going away, checked every turn (a system call), or a pad
// plugged in while there is none: the library only lists the pads there are
// as its joysticks start, so they start again when the list of devices
// changes, and the first pad is opened.
void PadDevice::read(std::vector<RawEvent>& events) {
    Device& d = *device_;
    if (d.joystick) {
        if (d.fd >= 0 && deviceName(d.fd) != d.file) {
            close();
            events.push_back(RawEvent{RawEvent::Kind::PadUnplugged});
        }
        return;
    }
    if (!d.watching) {
        return;
    }
    if (std::string devices = padDevicesMark(); devices != d.devices) {
        d.devices = std::move(devices);
        d.looksLeft = Looks;
        d.untilLook = 0;
    }
    if (d.looksLeft == 0 || --d.untilLook > 0) {
        return;
    }
    --d.looksLeft;
    d.untilLook = TurnsBetweenLooks;
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0 && open()) {
        d.looksLeft = 0;
        events.push_back(RawEvent{RawEvent::Kind::PadPlugged});
    }
}

}  // namespace qz
