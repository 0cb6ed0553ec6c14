// The browser's game pad: the first that navigator.getGamepads() lists, read
// once a turn in the native library's numbers.
#include <emscripten.h>

#include <array>
#include <cstdint>
#include <memory>

#include "platform/raw_input.h"

namespace qz {

namespace {

// A pad of the browser's standard mapping, numbered as the Linux joystick
// driver numbers the common pads, whose numbers the game's pad bindings use:
// A, B, X, Y and the shoulders alike; Back, Start, the stick presses and the
// guide button moved; the triggers (6, 7) left out; the D-pad (12 to 15: up,
// down, left, right) is the first hat; the left stick, axes 0 and 1.
constexpr std::array<int, 17> NativeButton{0, 1, 2,  3,  4,  5,  -1, -1, 6,
                                           7, 9, 10, -1, -1, -1, -1, 8};
constexpr int DpadUp = 12;
constexpr int DpadDown = 13;
constexpr int DpadLeft = 14;
constexpr int DpadRight = 15;
constexpr int Buttons = 32;

// What the page reads of the pad: whether there is one and which (a number
// that changes when another takes its place), whether the browser gives it
// the standard mapping, its buttons as bits, and in the display library's
// range the left stick and the two axes a pad without that mapping may
// report its D-pad on.
struct Reading {
    int which = 0;  // 0: none
    int standard = 0;
    std::uint32_t buttons = 0;
    int x = 0;
    int y = 0;
    int hatX = 0;
    int hatY = 0;
};

Reading readPad() {
    Reading r;
    EM_ASM(
        {
            // A page the browser does not trust with pads finds none, or is refused.
            var pads = [];
            try {
                pads = navigator.getGamepads ? navigator.getGamepads() : [];
            } catch (refused) {
            }
            var pad = null;
            for (var i = 0; i < pads.length && !pad; ++i) {
                if (pads[i] && pads[i].connected)
                    pad = pads[i];
            }
            if (!pad)
                return;
            // Which pad: its place and name, as a small number.
            var which = pad.index + 1;
            for (var c = 0; c < pad.id.length; ++c)
                which = (which * 31 + pad.id.charCodeAt(c)) | 0;
            var buttons = 0;
            for (var b = 0; b < Math.min(pad.buttons.length, $1); ++b) {
                if (pad.buttons[b].pressed)
                    buttons |= 1 << b;
            }
            var axis = function(n) {
                var value = pad.axes.length > n ? pad.axes[n] : 0;
                return Math.round(Math.max(-1, Math.min(1, value)) * 32767);
            };
            // Firefox on Linux gives an Xbox-style pad no mapping, and its
            // D-pad as the last two of eight axes, as the driver reports them.
            var hat = pad.mapping != 'standard' && pad.axes.length == 8;
            HEAP32[$0 >> 2] = which || 1;
            HEAP32[($0 >> 2) + 1] = pad.mapping == 'standard' ? 1 : 0;
            HEAP32[($0 >> 2) + 2] = buttons;
            HEAP32[($0 >> 2) + 3] = axis(0);
            HEAP32[($0 >> 2) + 4] = axis(1);
            HEAP32[($0 >> 2) + 5] = hat ? axis(6) : 0;
            HEAP32[($0 >> 2) + 6] = hat ? axis(7) : 0;
        },
        &r, Buttons);
    return r;
}

// A D-pad reported on two axes, as the hat's bits, beyond half its way.
std::uint8_t hatOfAxes(int x, int y) {
    constexpr int Half = 16384;
    return static_cast<std::uint8_t>((y < -Half ? 1 : 0) | (x > Half ? 2 : 0) | (y > Half ? 4 : 0) |
                                     (x < -Half ? 8 : 0));
}

}  // namespace

// Which pad was read last, 0 for none.
struct PadDevice::Device {
    int inUse = 0;
};

PadDevice::PadDevice() : device_(std::make_unique<Device>()) {}
PadDevice::~PadDevice() = default;

// A browser shows a page its pads only once a button is pressed, so there is
// none to name at start-up: the page reads whichever is there, turn by turn.
bool PadDevice::open() {
    return false;
}

void PadDevice::close() {}

std::string PadDevice::description() const {
    return "";
}

// The pad as it is now, every input of it, for the controls to tell what
// changed. A pad that goes away, or another that takes its place, comes as
// a switch: whatever it held is let go.
void PadDevice::read(std::vector<RawEvent>& events) {
    const Reading r = readPad();
    if (r.which != device_->inUse) {
        events.push_back(RawEvent{RawEvent::Kind::PadSwitched});
        device_->inUse = r.which;
    }
    if (!r.which) {
        return;
    }
    const auto button = [&](int number, int b) {
        events.push_back(
            RawEvent{RawEvent::Kind::PadButton, number, static_cast<int>(r.buttons >> b & 1)});
    };
    const auto pressed = [&](int b) { return (r.buttons >> b & 1) != 0; };
    std::uint8_t hat = 0;
    if (r.standard) {
        for (int b = 0; b < static_cast<int>(NativeButton.size()); ++b) {
            if (NativeButton[static_cast<std::size_t>(b)] >= 0) {
                button(NativeButton[static_cast<std::size_t>(b)], b);
            }
        }
        // The hat's bits: up 1, right 2, down 4, left 8.
        hat = static_cast<std::uint8_t>((pressed(DpadUp) ? 1 : 0) | (pressed(DpadRight) ? 2 : 0) |
                                        (pressed(DpadDown) ? 4 : 0) | (pressed(DpadLeft) ? 8 : 0));
    } else {
        // Any other pad keeps the browser's numbers, which for the common
        // pads on Linux are the driver's own.
        for (int b = 0; b < Buttons; ++b) {
            button(b, b);
        }
        hat = hatOfAxes(r.hatX, r.hatY);
    }
    events.push_back(RawEvent{RawEvent::Kind::PadHat, 0, hat});
    events.push_back(RawEvent{RawEvent::Kind::PadAxis, 0, r.x});
    events.push_back(RawEvent{RawEvent::Kind::PadAxis, 1, r.y});
}

}  // namespace qz
