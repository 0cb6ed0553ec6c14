#include "platform/draw_list.h"

#include <algorithm>

namespace qz {

bool ScreenArea::overlaps(const ScreenArea& other) const {
    return !empty() && !other.empty() && x0 < other.x1 && other.x0 < x1 && y0 < other.y1 &&
           other.y0 < y1;
}

ScreenArea ScreenArea::joinedWith(const ScreenArea& other) const {
    return ScreenArea{std::min(x0, other.x0), std::min(y0, other.y0), std::max(x1, other.x1),
                      std::max(y1, other.y1)};
}

ScreenArea ScreenArea::clippedTo(const ScreenArea& bounds) const {
    return ScreenArea{std::max(x0, bounds.x0), std::max(y0, bounds.y0), std::min(x1, bounds.x1),
                      std::min(y1, bounds.y1)};
}

namespace {

// Beyond this many pairs the lists are not matched up; all of the differing
// middle is drawn again, which is never wrong, only slower.
constexpr std::size_t MaxPairs = 1 << 16;

void addArea(std::vector<ScreenArea>& areas, ScreenArea area) {
    if (area.empty()) {
        return;
    }
    // A joined box can reach boxes it did not reach before: look again.
    for (std::size_t i = 0; i < areas.size();) {
        if (areas[i].overlaps(area)) {
            area = area.joinedWith(areas[i]);
            areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(i));
            i = 0;
        } else {
            ++i;
        }
    }
    areas.push_back(area);
}

// Marks the commands of a longest common subsequence of `a` and `b`.
void matchInOrder(std::span<const DrawCommand> a, std::span<const DrawCommand> b,
                  std::vector<bool>& aMatched, std::vector<bool>& bMatched) {
    const std::size_t n = a.size();
    const std::size_t m = b.size();
    if (n == 0 || m == 0 || n * m > MaxPairs) {
        return;
    }
    // common[i][j]: the longest common subsequence of a[i..] and b[j..].
    std::vector<std::uint16_t> common((n + 1) * (m + 1), 0);
    const auto at = [&](std::size_t i, std::size_t j) -> std::uint16_t& {
        return common[i * (m + 1) + j];
    };
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t j = m; j-- > 0;) {
            at(i, j) = a[i] == b[j] ? static_cast<std::uint16_t>(at(i + 1, j + 1) + 1)
                                    : std::max(at(i + 1, j), at(i, j + 1));
        }
    }
    for (std::size_t i = 0, j = 0; i < n && j < m;) {
        if (a[i] == b[j]) {
            aMatched[i++] = true;
            bMatched[j++] = true;
        } else if (at(i + 1, j) >= at(i, j + 1)) {
            ++i;
        } else {
            ++j;
        }
    }
}

}  // namespace

std::vector<ScreenArea> changedAreas(std::span<const DrawCommand> before,
                                     std::span<const DrawCommand> after) {
    // Most frames share a long start and end with the one before.
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head]) {
        ++head;
    }
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    const auto oldMiddle = before.subspan(head, before.size() - head - tail);
    const auto newMiddle = after.subspan(head, after.size() - head - tail);
    std::vector<bool> oldMatched(oldMiddle.size(), false);
    std::vector<bool> newMatched(newMiddle.size(), false);
    matchInOrder(oldMiddle, newMiddle, oldMatched, newMatched);

    std::vector<ScreenArea> areas;
    for (std::size_t i = 0; i < oldMiddle.size(); ++i) {
        if (!oldMatched[i]) {
            addArea(areas, oldMiddle[i].area());
        }
    }
    for (std::size_t i = 0; i < newMiddle.size(); ++i) {
        if (!newMatched[i]) {
            addArea(areas, newMiddle[i].area());
        }
    }
    return areas;
}

}  // namespace qz
