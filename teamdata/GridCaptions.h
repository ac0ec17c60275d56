// SPDX-License-Identifier: MIT
#pragma once

#include "Columns.h"
#include "ImageLayout.h"

#include <array>
#include <cstddef>
#include <string_view>

// The fixed texts of the two grids, character for character as the window shows them: the
// header row (its column 0 names the grid) and the row labels. The reports and the CSV reader
// compare against the same texts, so that a file written by one version reads in the next.
namespace teamdata {

// Both grids have this many columns; the batter grid's columns 10 and 11 stay empty.
inline constexpr int GridColumnCount = 12;

namespace Detail {
template <std::size_t Count, std::size_t Columns>
constexpr std::array<std::string_view, Count>
HeadersOf(std::string_view corner, const std::array<Column, Columns>& columns) {
    static_assert(Columns < Count);
    std::array<std::string_view, Count> headers{};
    headers[0] = corner;
    for (std::size_t i = 0; i < Columns; ++i)
        headers[i + 1] = columns[i].header;
    return headers;
}
} // namespace Detail

inline constexpr std::array<std::string_view, 10> BatterHeaders =
    Detail::HeadersOf<10>("打者", BatterColumns);

inline constexpr std::array<std::string_view, GridColumnCount> PitcherHeaders =
    Detail::HeadersOf<GridColumnCount>("投手", PitcherColumns);

// The eight of the batting order, then the five on the bench.
inline constexpr std::array<std::string_view, BatterCount> BatterLabels = {
    "　１", "　２", "　３", "　４", "　５", "　６", "　７",
    "　８", "Ｐ１", "Ｐ２", "Ｐ３", "Ｐ４", "Ｐ５",
};

inline constexpr std::array<std::string_view, PitcherCount> PitcherLabels = {
    "　１", "　２", "　３", "　４", "　５",
};

} // namespace teamdata
