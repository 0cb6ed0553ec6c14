#include "program/recording_lines.h"

namespace qz {
namespace {

// A turn is: one count holding its event count, whether it asked about the
// sound and whether the words held at its end changed; each event as two
// bytes (its type above its held words); the words held at its end when they
// changed; its answer count and the answers eight to a byte when it asked.
// Counts take seven bits a byte, low first, so a turn that took nothing is
// one byte.
constexpr std::size_t HeldChanged = 1;
constexpr std::size_t Asked = 2;
constexpr unsigned EventsShift = 2;

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

// Reads the turn at `at` onwards; `held` comes in as the words held before it.
RecordingLine takeTurn(const std::uint8_t*& at, HeldKeys& held) {
    RecordingLine turn;
    const std::size_t head = takeCount(at);
    turn.input.events.resize(head >> EventsShift);
    for (InputEvent& event : turn.input.events) {
        const unsigned word = takeWord(at);
        event.type = static_cast<InputEvent::Type>(word >> TypeShift);
        event.held = HeldKeys::fromBits(word & ((1U << TypeShift) - 1));
    }
    if (head & HeldChanged) {
        held = HeldKeys::fromBits(takeWord(at));
    }
    turn.input.held = held;
    if (head & Asked) {
        turn.soundAnswers.resize(takeCount(at));
        for (std::size_t i = 0; i < turn.soundAnswers.size(); ++i) {
            turn.soundAnswers[i] = (at[i / 8] >> (i % 8)) & 1U ? '1' : '0';
        }
        at += (turn.soundAnswers.size() + 7) / 8;
    }
    return turn;
}

}  // namespace

void RecordingLines::push_back(const RecordingLine& turn) {
    if (size_ % TurnsPerMark == 0) {
        marks_.push_back({bytes_.size(), static_cast<std::uint16_t>(held_.bits())});
    }
    ++size_;
    const std::string& answers = turn.soundAnswers;
    const bool heldChanged = turn.input.held != held_;
    putCount(bytes_, turn.input.events.size() << EventsShift | (heldChanged ? HeldChanged : 0) |
                         (answers.empty() ? 0 : Asked));
    for (const InputEvent& event : turn.input.events) {
        putWord(bytes_, event.held.bits() | static_cast<unsigned>(event.type) << TypeShift);
    }
    if (heldChanged) {
        putWord(bytes_, turn.input.held.bits());
        held_ = turn.input.held;
    }
    if (answers.empty()) {
        return;
    }
    putCount(bytes_, answers.size());
    for (std::size_t i = 0; i < answers.size(); i += 8) {
        std::uint8_t eight = 0;
        for (std::size_t b = 0; b < 8 && i + b < answers.size(); ++b) {
            eight = static_cast<std::uint8_t>(eight | (answers[i + b] == '1' ? 1U << b : 0U));
        }
        bytes_.push_back(eight);
    }
}

RecordingLine RecordingLines::operator[](std::size_t index) const {
    const Mark& mark = marks_[index / TurnsPerMark];
    const std::uint8_t* at = bytes_.data() + mark.at;
    HeldKeys held = HeldKeys::fromBits(mark.heldBefore);
    for (std::size_t skipped = index % TurnsPerMark; skipped > 0; --skipped) {
        takeTurn(at, held);
    }
    return takeTurn(at, held);
}

}  // namespace qz
