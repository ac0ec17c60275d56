// SPDX-License-Identifier: MIT
#include "CellEditRules.h"

#include "ImageLayout.h"
#include "RecordText.h"

namespace teamdata {

std::optional<std::string_view> NextBatterSide(std::string_view text) {
    if (text == SideRight)
        return SideLeft;
    if (text == SideLeft)
        return SideBoth;
    if (text == SideBoth)
        return SideRight;
    return std::nullopt;
}

std::optional<std::string_view> NextPitchingStyle(std::string_view text) {
    static constexpr std::array<std::string_view, 10> cycle = {
        "右", "左", "右下", "左下", "右横", "左横", "右ま", "左ま", "右背", "左背"};
    for (std::size_t i = 0; i < cycle.size(); ++i)
        if (cycle[i] == text)
            return cycle[(i + 1) % cycle.size()];
    return std::nullopt;
}

std::optional<ValueColumn> BatterValueColumn(int column) {
    switch (column) {
    case BatterColumn::Popularity:
        return ValueColumn{"人気", 1, 10, 1, 1};
    case BatterColumn::Position:
        return ValueColumn{"守備位置", 1, 9, 1, 1};
    case BatterColumn::Average:
        return ValueColumn{"実打率", 200, 400, 2, 10};
    case BatterColumn::HomeRuns:
        return ValueColumn{"本塁打", 0, 59, 1, 10};
    case BatterColumn::Speed:
        return ValueColumn{"走力", 0, 50, 1, 10};
    case BatterColumn::Fielding:
        return ValueColumn{"守備力", 1, 5, 1, 1};
    case BatterColumn::Arm:
        return ValueColumn{"肩", 1, 5, 1, 1};
    default:
        return std::nullopt;
    }
}

std::optional<ValueColumn> PitcherValueColumn(int column) {
    switch (column) {
    case PitcherColumn::Popularity:
        return ValueColumn{"人気", 1, 10, 1, 1};
    case PitcherColumn::Era:
        return ValueColumn{"防御率", 0, 995, 10, 50};
    case PitcherColumn::Stamina:
        return ValueColumn{"スタミナ", 1, 20, 1, 2};
    case PitcherColumn::Fast:
        return ValueColumn{"球速（速）", 80, 195, 2, 10};
    case PitcherColumn::Medium:
        return ValueColumn{"球速（中）", 80, 195, 2, 10};
    case PitcherColumn::Slow:
        return ValueColumn{"球速（遅）", 80, 195, 2, 10};
    case PitcherColumn::RightBreak:
        return ValueColumn{"右変化球", 0, 32, 2, 10};
    case PitcherColumn::LeftBreak:
        return ValueColumn{"左変化球", 0, 32, 2, 10};
    case PitcherColumn::Fork:
        return ValueColumn{"フォーク", 0, 32, 2, 10};
    default:
        return std::nullopt;
    }
}

int PositionSwapRow(const std::array<std::string, 8>& battingOrderPositions, int row,
                    std::string_view newPosition) {
    if (row < 1 || row > BattingOrderLength)
        return 0;
    for (int r = 1; r <= BattingOrderLength; ++r)
        if (battingOrderPositions[static_cast<std::size_t>(r - 1)] == newPosition)
            return r;
    return 0;
}

} // namespace teamdata
