#include "platform/hat_axes.h"

#include <algorithm>
#include <cmath>

namespace qz {

namespace {

// The hat's bits for each eighth of a turn clockwise from up.
constexpr std::array<std::uint8_t, 8> EighthBits{1, 1 | 2, 2, 2 | 4, 4, 4 | 8, 8, 8 | 1};
// One eighth of a turn on a hat's axis.
constexpr float Step = 2.0F / 7.0F;
// Beyond the axis' range by half a step: a hat's axis at rest.
constexpr float OutOfRange = 1 + Step / 2;
// The two axes of the driver's layout, and what is pushed on them.
constexpr std::size_t PairX = 6;
constexpr std::size_t PairY = 7;
constexpr float Pushed = 0.5F;

// Within the axis' range; a value that is no number is not.
bool inRange(float value) {
    return std::fabs(value) < OutOfRange;
}

}  // namespace

void HatAxes::appear(std::span<const float> axes) {
    hatAxis_ = -1;
    pairAtRest_ = axes.size() >= PairY + 1 && std::fabs(axes[PairX]) < Pushed &&
                  std::fabs(axes[PairY]) < Pushed;
}

std::uint8_t HatAxes::read(std::span<const float> axes) {
    const std::size_t count = std::min<std::size_t>(axes.size(), MaxAxes);
    for (std::size_t a = 0; hatAxis_ < 0 && a < count; ++a) {
        if (std::fabs(axes[a]) >= OutOfRange) {
            hatAxis_ = static_cast<int>(a);
        }
    }
    if (hatAxis_ >= 0) {
        if (static_cast<std::size_t>(hatAxis_) >= count) {
            return 0;
        }
        const float value = axes[static_cast<std::size_t>(hatAxis_)];
        const float steps = (value + 1) / Step;
        const float eighth = std::round(steps);
        if (!inRange(value) || std::fabs(steps - eighth) > 0.25F) {
            return 0;
        }
        return EighthBits[static_cast<std::size_t>(eighth)];
    }
    if (!pairAtRest_ || count <= PairY) {
        return 0;
    }
    const float x = axes[PairX];
    const float y = axes[PairY];
    if (!inRange(x) || !inRange(y)) {
        return 0;
    }
    return static_cast<std::uint8_t>((y < -Pushed ? 1 : 0) | (x > Pushed ? 2 : 0) |
                                     (y > Pushed ? 4 : 0) | (x < -Pushed ? 8 : 0));
}

}  // namespace qz
