// The browser build's C library deals other numbers from a seed than the
// native one; these are the native library's rand() and srand() (its
// additive feedback generator of degree 31), so a seed deals the same game
// in the page as on the desktop and a recording replays in either.
#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int Degree = 31;
constexpr int Separation = 3;
std::array<std::int32_t, Degree> table{};
int front = Separation;
int rear = 0;

}  // namespace

extern "C" int rand() {
    auto& f = table[static_cast<std::size_t>(front)];
    const auto& r = table[static_cast<std::size_t>(rear)];
    f = static_cast<std::int32_t>(static_cast<std::uint32_t>(f) + static_cast<std::uint32_t>(r));
    const int result = static_cast<int>(static_cast<std::uint32_t>(f) >> 1);
    front = (front + 1) % Degree;
    rear = (rear + 1) % Degree;
    return result;
}

extern "C" void srand(unsigned seed) {
    table[0] = static_cast<std::int32_t>(seed == 0 ? 1 : seed);
    for (int i = 1; i < Degree; ++i) {
        // 16807 * previous mod (2^31 - 1), without overflow (Schrage's method).
        const std::int32_t previous = table[static_cast<std::size_t>(i - 1)];
        const std::int32_t hi = previous / 127773;
        const std::int32_t lo = previous % 127773;
        std::int32_t word = 16807 * lo - 2836 * hi;
        if (word < 0) {
            word += 2147483647;
        }
        table[static_cast<std::size_t>(i)] = word;
    }
    front = Separation;
    rear = 0;
    for (int i = 0; i < 10 * Degree; ++i) {
        rand();
    }
}
