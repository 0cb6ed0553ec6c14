// What the display library (or the browser) tells of the keyboard, the
// window and the pad, as plain records in the native library's numbers. The
// platform reads them; the controls make a turn's input of them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace qz {

// The native library's key codes: how many there are, and those the
// controls know by number.
namespace keycode {
constexpr int Count = 323;
constexpr int Return = 13;
constexpr int Escape = 27;
constexpr int I = 105;
constexpr int S = 115;
constexpr int X = 120;
constexpr int Z = 122;
constexpr int Up = 273;
constexpr int Down = 274;
constexpr int Right = 275;
constexpr int Left = 276;
constexpr int F11 = 292;
constexpr int RightAlt = 307;
constexpr int LeftAlt = 308;
}  // namespace keycode

struct RawEvent {
    enum class Kind : std::uint8_t {
        KeyDown,
        KeyUp,
        PadButton,     // `number` went down (`value` 1) or up (0)
        PadHat,        // the first hat's bits in `value`: up 1, right 2, down 4, left 8
        PadAxis,       // axis `number` at `value`, -32768 to 32767
        PadOther,      // a pad's event that moves nothing the game reads
        PadUnplugged,  // the pad's device went away: let go of what it held, and say so
        PadSwitched,   // another pad, or none, in place of the last: let go of what it held
        PadPlugged,    // a pad plugged in while the game runs, opened: say so
        FocusLost,
        Quit,  // the window's close button, or a quit asked from outside (quit_request.h)
        Other,
    };
    Kind kind = Kind::Other;
    int number = -1;  // a key's code, -1 for one the game cannot know; a pad's button, hat or axis
    int value = 0;
    bool alt = false;  // a key's: with an Alt key held
};

// The keyboard and the window. Every event sees the keys as they are once
// every event waiting has been taken in.
class EventReader {
  public:
    EventReader();
    EventReader(const EventReader&) = delete;
    EventReader& operator=(const EventReader&) = delete;
    ~EventReader();

    // Takes the next event waiting; false when there is none.
    bool poll(RawEvent& event);
    // Brings the held keys up to date with the events waiting, leaving them waiting.
    void pump();
    // One byte for each key code, nonzero while the key is held.
    const std::uint8_t* keysHeld() const;
    // The turn has taken its input.
    void turnTaken();

  private:
    struct Queue;
    std::unique_ptr<Queue> queue_;
};

// The button the system's joystick interface numbers the left stick's press
// on the common pads (the Xbox layout: A 0, B 1, X 2, Y 3, the shoulders 4
// and 5, Back 6, Start 7). Linux's driver puts the guide button before it;
// Windows' multimedia interface has no guide button, so its 8 is the press
// that is 9 on Linux. The pause is on this button.
#ifdef _WIN32
constexpr int StickPressButton = 8;
#else
constexpr int StickPressButton = 9;
#endif

// The first game pad.
class PadDevice {
  public:
    PadDevice();
    PadDevice(const PadDevice&) = delete;
    PadDevice& operator=(const PadDevice&) = delete;
    ~PadDevice();

    // Opens the first pad there is at start-up; false, and nothing said, when
    // there is none to name. From then on a pad plugged in is opened too.
    bool open();
    void close();
    // One line on what was opened: its name, axes, hats and buttons.
    std::string description() const;
    // Once a turn, after the keys: what came of the pad that the event
    // stream does not carry.
    void read(std::vector<RawEvent>& events);

  private:
    struct Device;
    std::unique_ptr<Device> device_;
};

}  // namespace qz
