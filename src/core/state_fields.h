// The whole game state as named, readable values, built from the field lists
// (forEachField) beside each record; what replays record and compare.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/game_state.h"

namespace qz {

// One field, named by its path ("holeVisit.holeX"). A std::array of plain
// values is one field with its values separated by spaces; an array of
// arrays gives one field per row ("items.holeContents[2]").
struct FieldValue {
    std::string name;
    std::string value;
    bool operator==(const FieldValue&) const = default;
};

std::vector<FieldValue> describeFields(const GameState& state);

// Every field, one "name value" line each.
std::string describeState(const GameState& state);

// One number for the whole state: equal states give equal digests.
std::uint64_t stateDigest(const GameState& state);

}  // namespace qz
