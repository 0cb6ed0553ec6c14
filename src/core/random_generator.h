// The game's random generator: the additive feedback generator of degree 31
// that glibc's rand() and srand() run, held as plain data in the state. A
// seed deals the same numbers on every C library and in the page, and a
// copy of the generator goes on dealing what the original would.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace qz {

class RandomGenerator {
  public:
    // Unseeded, it deals what rand() deals before any srand(): seed 1's numbers.
    constexpr RandomGenerator() { seed(1); }
    constexpr explicit RandomGenerator(unsigned seedValue) { seed(seedValue); }

    // As srand(): the table from the minimal standard generator (16807 times
    // the last word, modulo 2^31 - 1), then ten rounds of the table thrown away.
    constexpr void seed(unsigned value) {
        table_[0] = static_cast<std::int32_t>(value == 0 ? 1 : value);
        for (std::size_t i = 1; i < Degree; ++i) {
            // Schrage's method: the product without overflow.
            const std::int32_t previous = table_[i - 1];
            std::int32_t word = 16807 * (previous % 127773) - 2836 * (previous / 127773);
            if (word < 0) {
                word += 2147483647;
            }
            table_[i] = word;
        }
        front_ = Separation;
        rear_ = 0;
        for (std::size_t i = 0; i < 10 * Degree; ++i) {
            static_cast<void>(deal());
        }
    }

    // As rand(): 0..2^31 - 1. Never deal twice in one expression, as the
    // order the operands are evaluated in is unspecified.
    constexpr int deal() {
        const auto sum =
            static_cast<std::uint32_t>(table_[front_]) + static_cast<std::uint32_t>(table_[rear_]);
        table_[front_] = static_cast<std::int32_t>(sum);
        front_ = (front_ + 1) % Degree;
        rear_ = (rear_ + 1) % Degree;
        return static_cast<int>(sum >> 1);
    }

    constexpr bool operator==(const RandomGenerator&) const = default;

  private:
    static constexpr std::size_t Degree = 31;
    static constexpr std::size_t Separation = 3;

    std::array<std::int32_t, Degree> table_{};
    std::size_t front_ = Separation;
    std::size_t rear_ = 0;
};

}  // namespace qz
