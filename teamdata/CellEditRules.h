// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What a click on a grid cell does to its text: the cycles of the batting side and the pitching
// style, the ranges the value dialog offers per column, and the swap that keeps fielding
// positions unique within the batting order.
namespace teamdata {

// 右 → 左 → 両 → 右. Empty for a text that is none of the three (it is left alone).
[[nodiscard]] std::optional<std::string_view> NextBatterSide(std::string_view text);

// The ten styles in the order a click steps through them (right- and left-handed overhand, then
// underhand, sidearm, and the two special deliveries), back to the start after ten clicks.
// Empty for a text that is none of the ten labels.
[[nodiscard]] std::optional<std::string_view> NextPitchingStyle(std::string_view text);

// A column whose value is set with the value dialog.
struct ValueColumn {
    std::string_view caption;
    int minimum;
    int maximum;
    std::uint16_t smallStep;
    std::uint16_t largeStep;
};

// The value dialog's settings for a grid column, or empty for a column that is not a value.
[[nodiscard]] std::optional<ValueColumn> BatterValueColumn(int column);
[[nodiscard]] std::optional<ValueColumn> PitcherValueColumn(int column);

// Choosing `newPosition` for grid row `row` of the batting order: the first batting-order row
// (1..8, top down, `row` itself included) whose position text equals it gives up its place and
// receives the edited row's old text. Returns that row, or 0 when nothing is swapped (no row
// matches, or `row` is a bench row 9..13).
[[nodiscard]] int PositionSwapRow(const std::array<std::string, 8>& battingOrderPositions, int row,
                                  std::string_view newPosition);

} // namespace teamdata
