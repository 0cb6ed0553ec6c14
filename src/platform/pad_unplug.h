// The devices a pad may be read from, as the system names them: the display
// library does not say when a pad is unplugged or plugged in, but its device
// then changes or goes from under the game, and the list of devices changes.
#pragma once

#include <set>
#include <string>

namespace qz {

// The devices the process has open (Linux: its files by number) or that are
// plugged in (Windows: the joysticks by number).
std::set<int> openDevices();
// What a device is now: its file (Linux) or its joystick's name (Windows);
// empty once it is gone.
std::string deviceName(int device);
// Whether a device that appeared as the pad was opened is the pad's.
bool isNewPadDevice(const std::string& name);
// Whether a device open before the pad was is a pad's: sdl12-compat opens
// them while the library starts.
bool isPadDevice(const std::string& name);
// A mark of the devices a pad may be plugged in as, which changes when one
// comes or goes; cheap enough to take every turn.
std::string padDevicesMark();

}  // namespace qz
