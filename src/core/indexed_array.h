// Arrays reached by the enum their slots stand for (an area, a zone kind, an
// action) rather than by a bare number.
#pragma once

#include <array>
#include <cstddef>

#include "core/area_id.h"

namespace qz {

// A std::array whose slots are read and written by an Index only, slot 0 by
// the Index whose value is 0. It is the std::array it extends for everything
// else: its size, its loops, its comparisons and its place in the replay record.
template <class T, class Index, std::size_t N>
struct IndexedArray : std::array<T, N> {
    using Slots = std::array<T, N>;
    constexpr T& operator[](Index index) { return Slots::operator[](slot(index)); }
    constexpr const T& operator[](Index index) const { return Slots::operator[](slot(index)); }
    static constexpr std::size_t slot(Index index) { return static_cast<std::size_t>(index); }
};

// A slot for each outdoor area, Forest to WashingtonDC.
template <class T>
using AreaArray = IndexedArray<T, AreaId, OutdoorAreas.size()>;

}  // namespace qz
