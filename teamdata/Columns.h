// SPDX-License-Identifier: MIT
#pragma once

#include "ImageLayout.h"
#include "RecordText.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// What each data column of the two grids is, written down once: its header, the record bytes
// that feed it, what kind of text it holds and, for a value, the range the value dialog offers.
// The headers, the cell rule, the comparison and the value dialog all read it, so that adding or
// changing a column is one row here.
namespace teamdata {

enum class ColumnKind { Name, Side, Style, Value };

// How a value column's text is held in its record byte.
enum class FieldCode {
    Plain,             // the number itself, its low 8 bits
    PopularityNibble,  // a batter's popularity: the shared byte's high nibble
    PositionNibble,    // a batter's fielding position: the shared byte's low nibble
    Average,           // thousandths: 2 x code + 150
    PitcherPopularity, // 16 x value + 1
    Era,               // hundredths: 10 x code
};

// A column whose value is set with the value dialog.
struct ValueColumn {
    std::string_view caption;
    int minimum;
    int maximum;
    std::uint16_t smallStep;
    std::uint16_t largeStep;
    // Where not 0, the value is a decimal in units of 1/pointScale and may be written as that
    // decimal: an average of .300 for 300 (1000), an earned run average of 2.50 for 250 (100).
    int pointScale = 0;
};

struct Column {
    int number; // BatterColumn / PitcherColumn
    // The grid header, character for character: the CSV files' header too.
    std::string_view header;
    // The column's name in the interface's English words, by which the interface finds the
    // translations of its name, header word, tooltip and value caption.
    std::string_view word;
    ColumnKind kind;
    // The record bytes (offsets from the lead byte) the cell's text is read from. The batter
    // popularity and fielding position share one byte, its two nibbles.
    std::size_t firstByte;
    std::size_t lastByte;
    std::optional<ValueColumn> value = std::nullopt; // for ColumnKind::Value
    // The record's member that holds the byte: of a batter or of a pitcher record, none for the
    // name, whose tiles are one array.
    std::uint8_t BatterBytes::*batterField = nullptr;
    std::uint8_t PitcherBytes::*pitcherField = nullptr;
    FieldCode code = FieldCode::Plain; // for ColumnKind::Value
};

namespace Detail {
inline constexpr std::size_t FirstNameByte = 1;
inline constexpr std::size_t LastNameByte = NameTileCount;
inline constexpr std::size_t FirstField = NameTileCount + 1;
} // namespace Detail

inline constexpr std::array<Column, 9> BatterColumns = {{
    {BatterColumn::Name, "名　　前　", "Name", ColumnKind::Name, Detail::FirstNameByte,
     Detail::LastNameByte},
    {BatterColumn::Side, "打席　", "Bats", ColumnKind::Side, Detail::FirstField, Detail::FirstField,
     std::nullopt, &BatterBytes::side},
    {BatterColumn::Popularity, "人気", "Popularity", ColumnKind::Value, Detail::FirstField + 1,
     Detail::FirstField + 1, ValueColumn{"人気", 1, 10, 1, 1}, &BatterBytes::popularityPosition,
     nullptr, FieldCode::PopularityNibble},
    {BatterColumn::Position, "守備位置", "Pos", ColumnKind::Value, Detail::FirstField + 1,
     Detail::FirstField + 1, ValueColumn{"守備位置", 1, 9, 1, 1}, &BatterBytes::popularityPosition,
     nullptr, FieldCode::PositionNibble},
    {BatterColumn::Average, "打　率", "AVG", ColumnKind::Value, Detail::FirstField + 2,
     Detail::FirstField + 2, ValueColumn{"実打率", 200, 400, 2, 10, 1000},
     &BatterBytes::averageCode, nullptr, FieldCode::Average},
    {BatterColumn::HomeRuns, "本　塁　打", "HR", ColumnKind::Value, Detail::FirstField + 3,
     Detail::FirstField + 3, ValueColumn{"本塁打", 0, 59, 1, 10}, &BatterBytes::homeRuns},
    {BatterColumn::Speed, "　走　力　", "Speed", ColumnKind::Value, Detail::FirstField + 4,
     Detail::FirstField + 4, ValueColumn{"走力", 0, 50, 1, 10}, &BatterBytes::speed},
    {BatterColumn::Fielding, "守　備　力", "Fielding", ColumnKind::Value, Detail::FirstField + 5,
     Detail::FirstField + 5, ValueColumn{"守備力", 1, 5, 1, 1}, &BatterBytes::fielding},
    {BatterColumn::Arm, "　肩　", "Arm", ColumnKind::Value, Detail::FirstField + 6,
     Detail::FirstField + 6, ValueColumn{"肩", 1, 5, 1, 1}, &BatterBytes::arm},
}};

// "防御率 " ends in an ASCII space.
inline constexpr std::array<Column, 11> PitcherColumns = {{
    {PitcherColumn::Name, "名　　前　", "Name", ColumnKind::Name, Detail::FirstNameByte,
     Detail::LastNameByte},
    {PitcherColumn::Style, "投法　", "Style", ColumnKind::Style, Detail::FirstField,
     Detail::FirstField, std::nullopt, nullptr, &PitcherBytes::style},
    {PitcherColumn::Popularity, "人気", "Popularity", ColumnKind::Value, Detail::FirstField + 1,
     Detail::FirstField + 1, ValueColumn{"人気", 1, 10, 1, 1}, nullptr, &PitcherBytes::popularity,
     FieldCode::PitcherPopularity},
    {PitcherColumn::Era, "防御率 ", "ERA", ColumnKind::Value, Detail::FirstField + 2,
     Detail::FirstField + 2, ValueColumn{"防御率", 0, 995, 10, 50, 100}, nullptr,
     &PitcherBytes::eraCode, FieldCode::Era},
    {PitcherColumn::Stamina, "スタミナ", "Stamina", ColumnKind::Value, Detail::FirstField + 3,
     Detail::FirstField + 3, ValueColumn{"スタミナ", 1, 20, 1, 2}, nullptr, &PitcherBytes::stamina},
    {PitcherColumn::Fast, "球速（速）", "Fast", ColumnKind::Value, Detail::FirstField + 4,
     Detail::FirstField + 4, ValueColumn{"球速（速）", 80, 195, 2, 10}, nullptr,
     &PitcherBytes::fast},
    {PitcherColumn::Medium, "球速（中）", "Medium", ColumnKind::Value, Detail::FirstField + 5,
     Detail::FirstField + 5, ValueColumn{"球速（中）", 80, 195, 2, 10}, nullptr,
     &PitcherBytes::medium},
    {PitcherColumn::Slow, "球速（遅）", "Slow", ColumnKind::Value, Detail::FirstField + 6,
     Detail::FirstField + 6, ValueColumn{"球速（遅）", 80, 195, 2, 10}, nullptr,
     &PitcherBytes::slow},
    {PitcherColumn::RightBreak, "右変化", "R Brk", ColumnKind::Value, Detail::FirstField + 7,
     Detail::FirstField + 7, ValueColumn{"右変化球", 0, 32, 2, 10}, nullptr,
     &PitcherBytes::rightBreak},
    {PitcherColumn::LeftBreak, "左変化", "L Brk", ColumnKind::Value, Detail::FirstField + 8,
     Detail::FirstField + 8, ValueColumn{"左変化球", 0, 32, 2, 10}, nullptr,
     &PitcherBytes::leftBreak},
    {PitcherColumn::Fork, "フォーク", "Fork", ColumnKind::Value, Detail::FirstField + 9,
     Detail::FirstField + 9, ValueColumn{"フォーク", 0, 32, 2, 10}, nullptr, &PitcherBytes::fork},
}};

// Each table lists its grid's data columns in order, from column 1, and ends at the record's end.
static_assert(BatterColumns.back().lastByte + 1 == BatterRecordSize);
static_assert(PitcherColumns.back().lastByte + 1 == PitcherRecordSize);
consteval bool NumberedInOrder(const auto& columns) {
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].number != static_cast<int>(i) + 1)
            return false;
    return true;
}
static_assert(NumberedInOrder(BatterColumns) && NumberedInOrder(PitcherColumns));

// The data column `column` of `grid`, or none for the label column, the batter grid's two unused
// columns and anything beyond.
[[nodiscard]] constexpr const Column* ColumnOf(Grid grid, int column) {
    const auto find = [column](const auto& columns) -> const Column* {
        if (column < 1 || column > static_cast<int>(columns.size()))
            return nullptr;
        return &columns[static_cast<std::size_t>(column) - 1];
    };
    return grid == Grid::Batters ? find(BatterColumns) : find(PitcherColumns);
}

} // namespace teamdata
