// The browser's game pad: the first that navigator.getGamepads() lists, read
// once a turn in the native library's numbers.
#include <emscripten.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "platform/hat_axes.h"
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
// the standard mapping, its buttons as bits, and its axes as the browser
// gives them (a pad without that mapping may report its D-pad on them).
struct Reading {
    int which = 0;  // 0: none
    int standard = 0;
    std::uint32_t buttons = 0;
    int axisCount = 0;
    std::array<float, HatAxes::MaxAxes> axes{};
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
            var axes = Math.min(pad.axes.length, $2);
            HEAP32[$0 >> 2] = which || 1;
            HEAP32[($0 >> 2) + 1] = pad.mapping == 'standard' ? 1 : 0;
            HEAP32[($0 >> 2) + 2] = buttons;
            HEAP32[($0 >> 2) + 3] = axes;
            for (var a = 0; a < axes; ++a)
                HEAPF32[($0 >> 2) + 4 + a] = +pad.axes[a];
        },
        &r, Buttons, HatAxes::MaxAxes);
    return r;
}

static_assert(offsetof(Reading, axes) == 4 * sizeof(int));

// A stick's axis in the display library's range.
int stickAxis(const Reading& r, int n) {
    const double value = n < r.axisCount ? r.axes[static_cast<std::size_t>(n)] : 0;
    if (!std::isfinite(value)) {
        return 0;
    }
    return static_cast<int>(std::floor(std::clamp(value, -1.0, 1.0) * 32767 + 0.5));
}

}  // namespace

// Which pad was read last, 0 for none, and where its D-pad is.
struct PadDevice::Device {
    int inUse = 0;
    HatAxes hatAxes;
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
    const std::span<const float> axes(r.axes.data(), static_cast<std::size_t>(r.axisCount));
    if (r.which != device_->inUse) {
        events.push_back(RawEvent{RawEvent::Kind::PadSwitched});
        device_->inUse = r.which;
        device_->hatAxes.appear(axes);
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
        hat = device_->hatAxes.read(axes);
    }
    events.push_back(RawEvent{RawEvent::Kind::PadHat, 0, hat});
    events.push_back(RawEvent{RawEvent::Kind::PadAxis, 0, stickAxis(r, 0)});
    events.push_back(RawEvent{RawEvent::Kind::PadAxis, 1, stickAxis(r, 1)});
}

}  // namespace qz
