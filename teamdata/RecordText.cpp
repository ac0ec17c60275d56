// SPDX-License-Identifier: MIT
#include "RecordText.h"

#include "Columns.h"
#include "ImageLayout.h"
#include "TextNumbers.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace teamdata {

const std::array<PitchingStyle, 10> PitchingStyles = {{
    {0x00, "右"},
    {0x01, "左"},
    {0x80, "右横"},
    {0x81, "左横"},
    {0xC0, "右下"},
    {0xC1, "左下"},
    {0x10, "右ま"},
    {0x11, "左ま"},
    {0x20, "右背"},
    {0x21, "左背"},
}};

namespace {

// A cell text as a number that gives every stored-byte rule the result the full number would,
// whatever length the text has.
long long CellNumber(std::string_view text) {
    return LenientResidue(text);
}

// The low 8 bits of a value, negative values included (two's complement wrap).
std::uint8_t LowByte(long long value) {
    return static_cast<std::uint8_t>(static_cast<unsigned long long>(value) & 0xFF);
}

std::string Number(int value) {
    return std::to_string(value);
}

} // namespace

std::string_view SideText(std::uint8_t code) {
    if (code == 0)
        return SideRight;
    if (code == 1)
        return SideLeft;
    return SideBoth;
}

std::uint8_t SideCode(std::string_view text) {
    if (text == SideRight)
        return 0;
    if (text == SideLeft)
        return 1;
    return 2;
}

std::string_view StyleLabel(std::uint8_t code) {
    for (const PitchingStyle& style : PitchingStyles)
        if (style.code == code)
            return style.label;
    return PitchingStyles.back().label;
}

std::optional<std::uint8_t> StyleCode(std::string_view label) {
    for (const PitchingStyle& style : PitchingStyles)
        if (style.label == label)
            return style.code;
    return std::nullopt;
}

int BatterPopularity(std::uint8_t byte) {
    return byte >> 4;
}

int FieldingPosition(std::uint8_t byte) {
    return byte & 0x0F;
}

std::uint8_t PopularityPositionByte(std::string_view popularity, std::string_view position) {
    return LowByte(16 * CellNumber(popularity) + CellNumber(position));
}

int BattingAverage(std::uint8_t code) {
    return 2 * code + 150;
}

std::uint8_t BattingAverageCode(std::string_view text) {
    // The shown average is 2 x code + 150, so the code is (average - 150) / 2 taken on one
    // byte; adding 106 (= 256 - 150) keeps the dividend non-negative for every stored value.
    long long remainder = (CellNumber(text) + 106) % 256;
    if (remainder < 0)
        remainder += 256;
    return static_cast<std::uint8_t>(remainder / 2);
}

int PitcherPopularity(std::uint8_t byte) {
    return (byte - 1) / 16;
}

std::uint8_t PitcherPopularityByte(std::string_view text) {
    return LowByte(16 * CellNumber(text) + 1);
}

int EarnedRunAverage(std::uint8_t code) {
    return 10 * code;
}

std::uint8_t EarnedRunAverageCode(std::string_view text) {
    return LowByte(CellNumber(text) / 10);
}

std::uint8_t PlainByte(std::string_view text) {
    return LowByte(CellNumber(text));
}

namespace {

// The shown number of a value column's byte.
int FieldValue(FieldCode code, std::uint8_t byte) {
    switch (code) {
    case FieldCode::Plain:
        break;
    case FieldCode::PopularityNibble:
        return BatterPopularity(byte);
    case FieldCode::PositionNibble:
        return FieldingPosition(byte);
    case FieldCode::Average:
        return BattingAverage(byte);
    case FieldCode::PitcherPopularity:
        return PitcherPopularity(byte);
    case FieldCode::Era:
        return EarnedRunAverage(byte);
    }
    return byte;
}

// What a value column's text adds to its byte, before the byte keeps its low 8 bits. The two
// columns that share a byte add up, so a whole row stored gives each stored-byte rule the result
// of the full numbers, however large.
long long FieldContribution(FieldCode code, std::string_view text) {
    switch (code) {
    case FieldCode::Plain:
    case FieldCode::PositionNibble:
        break;
    case FieldCode::PopularityNibble:
        return 16 * CellNumber(text);
    case FieldCode::Average:
        return BattingAverageCode(text);
    case FieldCode::PitcherPopularity:
        return PitcherPopularityByte(text);
    case FieldCode::Era:
        return EarnedRunAverageCode(text);
    }
    return CellNumber(text);
}

// The bits of its byte that a value column owns.
std::uint8_t FieldMask(FieldCode code) {
    switch (code) {
    case FieldCode::PopularityNibble:
        return 0xF0;
    case FieldCode::PositionNibble:
        return 0x0F;
    default:
        return 0xFF;
    }
}

std::uint8_t& FieldOf(BatterBytes& bytes, const Column& column) {
    return bytes.*column.batterField;
}
std::uint8_t& FieldOf(PitcherBytes& bytes, const Column& column) {
    return bytes.*column.pitcherField;
}
std::uint8_t FieldOf(const BatterBytes& bytes, const Column& column) {
    return bytes.*column.batterField;
}
std::uint8_t FieldOf(const PitcherBytes& bytes, const Column& column) {
    return bytes.*column.pitcherField;
}

template <typename RowTexts, typename Bytes, std::size_t Count>
RowTexts RowFromBytes(const Bytes& bytes, const std::array<Column, Count>& columns) {
    RowTexts texts;
    for (const Column& column : columns) {
        std::string& text = texts[static_cast<std::size_t>(column.number - 1)];
        switch (column.kind) {
        case ColumnKind::Name:
            text = DecodeNameForDisplay(bytes.tiles);
            break;
        case ColumnKind::Side:
            text = SideText(FieldOf(bytes, column));
            break;
        case ColumnKind::Style:
            text = StyleLabel(FieldOf(bytes, column));
            break;
        case ColumnKind::Value:
            text = Number(FieldValue(column.code, FieldOf(bytes, column)));
            break;
        }
    }
    return texts;
}

// The text of column `column` stored into its bytes; false for a name that does not encode or a
// style that is no label, whose bytes are left as they are. Of a value column only the bits it
// owns change, unless `adding`: then its text is added to what the byte holds, as a whole row
// stored from zero bytes does.
template <typename Bytes>
bool StoreCell(Bytes& bytes, const Column& column, std::string_view text, bool adding) {
    switch (column.kind) {
    case ColumnKind::Name: {
        NameTiles encoded{};
        if (!EncodeName(text, encoded))
            return false;
        bytes.tiles = encoded;
        return true;
    }
    case ColumnKind::Side:
        FieldOf(bytes, column) = SideCode(text);
        return true;
    case ColumnKind::Style:
        if (const std::optional<std::uint8_t> style = StyleCode(text)) {
            FieldOf(bytes, column) = *style;
            return true;
        }
        return false;
    case ColumnKind::Value:
        break;
    }
    std::uint8_t& field = FieldOf(bytes, column);
    const long long contribution = FieldContribution(column.code, text);
    if (adding) {
        field = LowByte(field + contribution);
    } else {
        const std::uint8_t mask = FieldMask(column.code);
        field = static_cast<std::uint8_t>((field & ~mask) | (LowByte(contribution) & mask));
    }
    return true;
}

template <typename Bytes, typename RowTexts, std::size_t Count>
std::optional<Bytes> BytesFromRow(const RowTexts& texts, const std::array<Column, Count>& columns) {
    Bytes bytes; // every byte 0, so that a shared byte is the sum of its columns
    for (const Column& column : columns)
        if (!StoreCell(bytes, column, texts[static_cast<std::size_t>(column.number - 1)], true))
            return std::nullopt;
    return bytes;
}

template <typename Bytes, typename RowTexts, std::size_t Count>
void MergeRow(Bytes& bytes, const RowTexts& before, const RowTexts& after,
              const std::array<Column, Count>& columns) {
    for (const Column& column : columns) {
        const auto index = static_cast<std::size_t>(column.number - 1);
        if (before[index] != after[index])
            (void)StoreCell(bytes, column, after[index], false);
    }
}

} // namespace

BatterRowTexts BatterRowFromBytes(const BatterBytes& bytes) {
    return RowFromBytes<BatterRowTexts>(bytes, BatterColumns);
}

PitcherRowTexts PitcherRowFromBytes(const PitcherBytes& bytes) {
    return RowFromBytes<PitcherRowTexts>(bytes, PitcherColumns);
}

std::optional<BatterBytes> BatterBytesFromRow(const BatterRowTexts& texts) {
    return BytesFromRow<BatterBytes>(texts, BatterColumns);
}

std::optional<PitcherBytes> PitcherBytesFromRow(const PitcherRowTexts& texts) {
    return BytesFromRow<PitcherBytes>(texts, PitcherColumns);
}

void MergeBatterRow(BatterBytes& bytes, const BatterRowTexts& before, const BatterRowTexts& after) {
    MergeRow(bytes, before, after, BatterColumns);
}

void MergePitcherRow(PitcherBytes& bytes, const PitcherRowTexts& before,
                     const PitcherRowTexts& after) {
    MergeRow(bytes, before, after, PitcherColumns);
}

bool BattingOrderPositionsValid(const std::array<std::string, 8>& positionTexts) {
    // The eight batters of the order are the eight fielders besides the pitcher (position 1),
    // so together they must cover the positions 2..9, each exactly once.
    std::array<bool, BattingOrderLength> seen{};
    for (const std::string& text : positionTexts) {
        const int position = LenientToInt(text);
        if (position < 2 || position > 9)
            return false;
        bool& slot = seen[static_cast<std::size_t>(position - 2)];
        if (slot)
            return false;
        slot = true;
    }
    return std::all_of(seen.begin(), seen.end(), [](bool found) { return found; });
}

} // namespace teamdata
