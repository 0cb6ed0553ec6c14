// windows.h first: the other Windows headers need its types.
#include <windows.h>

#include <mmsystem.h>

#include "platform/pad_unplug.h"

namespace qz {

// The classic display library reads pads through the multimedia joystick
// interface; a joystick it can no longer read is unplugged.
std::set<int> openDevices() {
    std::set<int> plugged;
    const UINT count = joyGetNumDevs();
    for (UINT id = 0; id < count && id < 16; ++id) {
        JOYINFOEX info{};
        info.dwSize = sizeof info;
        info.dwFlags = JOY_RETURNALL;
        if (joyGetPosEx(id, &info) == JOYERR_NOERROR) {
            plugged.insert(static_cast<int>(id));
        }
    }
    return plugged;
}

std::string deviceName(int id) {
    JOYINFOEX info{};
    info.dwSize = sizeof info;
    info.dwFlags = JOY_RETURNALL;
    if (joyGetPosEx(static_cast<UINT>(id), &info) != JOYERR_NOERROR) {
        return "";
    }
    return "joystick " + std::to_string(id);
}

bool isNewPadDevice(const std::string&) {
    return false;
}

bool isPadDevice(const std::string& name) {
    return !name.empty();
}

// The list is sixteen calls into the multimedia interface, most of them for
// joysticks not plugged in, which some drivers answer slowly: it is asked
// anew only every half second of turns. An unplug is seen in the next turn
// all the same, by the joystick in use failing to be read.
std::string padDevicesMark() {
    constexpr int CallsBetweenAsks = 15;
    static int untilAsk = 0;
    static std::string mark;
    if (--untilAsk <= 0) {
        untilAsk = CallsBetweenAsks;
        mark.clear();
        for (const int id : openDevices()) {
            mark += std::to_string(id) + " ";
        }
    }
    return mark;
}

}  // namespace qz
