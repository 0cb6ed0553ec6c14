#include "program/recorded_turns.h"

namespace qz {
namespace {

// A turn is: its event count, each event as two bytes (its type above its
// held words), the words held at its end, its answer count, and the answers
// eight to a byte. Counts take seven bits a byte, low first.
void putCount(std::vector<std::uint8_t>& bytes, std::size_t count) {
    for (; count >= 0x80; count >>= 7) {
        bytes.push_back(static_cast<std::uint8_t>(0x80 | (count & 0x7f)));
    }
    bytes.push_back(static_cast<std::uint8_t>(count));
}

std::size_t takeCount(const std::uint8_t*& at) {
    std::size_t count = 0;
    for (int shift = 0;; shift += 7) {
        const std::uint8_t byte = *at++;
        count |= static_cast<std::size_t>(byte & 0x7f) << shift;
        if ((byte & 0x80) == 0) {
            return count;
        }
    }
}

constexpr unsigned TypeShift = 12;

void putWord(std::vector<std::uint8_t>& bytes, unsigned word) {
    bytes.push_back(static_cast<std::uint8_t>(word & 0xff));
    bytes.push_back(static_cast<std::uint8_t>(word >> 8));
}

unsigned takeWord(const std::uint8_t*& at) {
    const unsigned word = at[0] | (unsigned(at[1]) << 8);
    at += 2;
    return word;
}

}  // namespace

void RecordedTurns::push_back(const RecordedTurn& turn) {
    starts_.push_back(static_cast<std::uint32_t>(bytes_.size()));
    putCount(bytes_, turn.input.events.size());
    for (const InputEvent& event : turn.input.events) {
        putWord(bytes_, event.held.bits() | static_cast<unsigned>(event.type) << TypeShift);
    }
    putWord(bytes_, turn.input.held.bits());
    const std::string& answers = turn.soundAnswers;
    putCount(bytes_, answers.size());
    for (std::size_t i = 0; i < answers.size(); i += 8) {
        std::uint8_t eight = 0;
        for (std::size_t b = 0; b < 8 && i + b < answers.size(); ++b) {
            eight = static_cast<std::uint8_t>(eight | (answers[i + b] == '1' ? 1U << b : 0U));
        }
        bytes_.push_back(eight);
    }
}

RecordedTurn RecordedTurns::operator[](std::size_t index) const {
    const std::uint8_t* at = bytes_.data() + starts_[index];
    RecordedTurn turn;
    turn.input.events.resize(takeCount(at));
    for (InputEvent& event : turn.input.events) {
        const unsigned word = takeWord(at);
        event.type = static_cast<InputEvent::Type>(word >> TypeShift);
        event.held = HeldKeys::fromBits(word & ((1U << TypeShift) - 1));
    }
    turn.input.held = HeldKeys::fromBits(takeWord(at));
    turn.soundAnswers.resize(takeCount(at));
    for (std::size_t i = 0; i < turn.soundAnswers.size(); ++i) {
        turn.soundAnswers[i] = (at[i / 8] >> (i % 8)) & 1U ? '1' : '0';
    }
    return turn;
}

}  // namespace qz
