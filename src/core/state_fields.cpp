#include "core/state_fields.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

namespace qz {
namespace {

// Converts to any member type, so T{AnyField{}, ...} compiles with as many of
// them as T has members and no more. Only used unevaluated.
struct AnyField {
    template <class T>
    constexpr operator T() const;  // implicit on purpose
};

template <class T, class... Given>
constexpr std::size_t memberCount() {
    if constexpr (requires { T{Given{}..., AnyField{}}; }) {
        return memberCount<T, Given..., AnyField>();
    } else {
        return sizeof...(Given);
    }
}

struct CountFields {
    std::size_t count = 0;
    template <class V>
    constexpr void operator()(const char*, const V&) {
        ++count;
    }
};

template <class T>
constexpr std::size_t listedCount() {
    CountFields counter;
    forEachField(T{}, counter);
    return counter.count;
}

template <class T>
concept Record = requires(const T& record, CountFields& counter) { forEachField(record, counter); };

template <class T>
struct IsStdArray : std::false_type {};
template <class T, std::size_t N>
struct IsStdArray<std::array<T, N>> : std::true_type {};

template <class T>
struct IsTable : std::false_type {};
template <class T, std::size_t N, std::size_t M>
struct IsTable<std::array<std::array<T, M>, N>> : std::true_type {};

std::string valueText(bool value) {
    return value ? "true" : "false";
}
std::string valueText(int value) {
    return std::to_string(value);
}
std::string valueText(std::uint32_t value) {
    return std::to_string(value);
}
std::string valueText(std::int64_t value) {
    return std::to_string(value);
}
template <class E>
    requires std::is_enum_v<E>
std::string valueText(E value) {
    return std::to_string(static_cast<int>(value));
}
std::string valueText(PlayMode mode) {
    switch (mode) {
        case PlayMode::Title:
            return "Title";
        case PlayMode::Arrival:
            return "Arrival";
        case PlayMode::Play:
            return "Play";
        case PlayMode::GameOver:
            return "GameOver";
    }
    return std::to_string(static_cast<int>(mode));
}

class Describer {
  public:
    explicit Describer(std::vector<FieldValue>& out, std::string prefix = "")
        : out_(out), prefix_(std::move(prefix)) {}

    template <class V>
    void operator()(const char* name, const V& value) {
        add(prefix_ + name, value);
    }

  private:
    template <class V>
    void add(const std::string& name, const V& value) {
        if constexpr (std::is_same_v<V, RandomGenerator>) {
            // Left out of the description, and so of the digest, which the
            // recordings and goldens took without it: what it deals shows in
            // the fields its draws set.
        } else if constexpr (Record<V>) {
            static_assert(memberCount<V>() == listedCount<V>(),
                          "a field of this record is missing from its forEachField list");
            forEachField(value, Describer(out_, name + "."));
        } else if constexpr (requires { typename V::Slots; }) {
            // An array indexed by an enum reads as the std::array it is.
            add(name, static_cast<const typename V::Slots&>(value));
        } else if constexpr (IsTable<V>::value) {
            for (std::size_t i = 0; i < value.size(); ++i) {
                add(name + "[" + std::to_string(i) + "]", value[i]);
            }
        } else if constexpr (IsStdArray<V>::value) {
            std::string text;
            for (const auto& element : value) {
                text += (text.empty() ? "" : " ") + valueText(element);
            }
            out_.push_back({name, text});
        } else {
            out_.push_back({name, valueText(value)});
        }
    }

    std::vector<FieldValue>& out_;
    std::string prefix_;
};

}  // namespace

std::vector<FieldValue> describeFields(const GameState& state) {
    static_assert(memberCount<GameState>() == listedCount<GameState>(),
                  "a field of GameState is missing from its forEachField list");
    std::vector<FieldValue> fields;
    forEachField(state, Describer(fields));
    return fields;
}

std::string describeState(const GameState& state) {
    std::string text;
    for (const FieldValue& field : describeFields(state)) {
        text += field.name + " " + field.value + "\n";
    }
    return text;
}

std::uint64_t stateDigest(const GameState& state) {
    // FNV-1a over the description.
    std::uint64_t hash = 1469598103934665603ULL;
    for (unsigned char c : describeState(state)) {
        hash = (hash ^ c) * 1099511628211ULL;
    }
    return hash;
}

}  // namespace qz
