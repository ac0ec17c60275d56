// SPDX-License-Identifier: MIT
#include "CellEditRules.h"

#include "ImageLayout.h"
#include "NameNormalizer.h"
#include "RecordText.h"
#include "Spaces.h"
#include "TextNumbers.h"

#include <algorithm>
#include <cstdint>

namespace teamdata {

std::optional<std::string_view> NextBatterSide(std::string_view text) {
    for (std::size_t i = 0; i < BatterSideLabels.size(); ++i)
        if (BatterSideLabels[i] == text)
            return BatterSideLabels[(i + 1) % BatterSideLabels.size()];
    return std::nullopt;
}

std::optional<std::string_view> NextPitchingStyle(std::string_view text) {
    // Overhand, underhand, sidearm, then the two special deliveries, each right- then
    // left-handed: not the order of the codes.
    static constexpr std::array<std::uint8_t, 10> cycle = {0x00, 0x01, 0xC0, 0xC1, 0x80,
                                                           0x81, 0x10, 0x11, 0x20, 0x21};
    const std::optional<std::uint8_t> code = StyleCode(text);
    if (!code)
        return std::nullopt;
    const auto at = std::find(cycle.begin(), cycle.end(), *code);
    return StyleLabel(std::next(at) == cycle.end() ? cycle.front() : *std::next(at));
}

std::optional<ValueColumn> BatterValueColumn(int column) {
    const Column* found = ColumnOf(Grid::Batters, column);
    return found ? found->value : std::nullopt;
}

std::optional<ValueColumn> PitcherValueColumn(int column) {
    const Column* found = ColumnOf(Grid::Pitchers, column);
    return found ? found->value : std::nullopt;
}

namespace {

// A value as a spreadsheet or an input method may spell it: full-width digits and signs, and
// where `pointScale` is not 0 a decimal point, which stands for the value divided by that scale
// (an average of .300 for 300, an earned run average of 2.50 for 250). Empty for a text that is
// no number, or a decimal that falls between two values; values stop growing at a million, far
// beyond every column's range, so that no number of digits can overflow.
struct WrittenValue {
    bool number = false; // the text is a number at all
    std::optional<int> value;
};

WrittenValue ValueOf(std::string_view text, int pointScale) {
    const std::optional<WrittenDecimal> decimal = ReadWrittenDecimal(text);
    if (!decimal)
        return {};
    // A point is a number all the same, but not one of a column of whole numbers.
    const bool hasPoint = AsciiNumberText(text).find('.') != std::string::npos;
    if (hasPoint && pointScale == 0)
        return {true, std::nullopt};
    int value = 0;
    for (char c : decimal->whole)
        value = std::min(value * 10 + (c - '0'), 1'000'000);
    if (hasPoint) {
        int scale = pointScale;
        value = std::min(value * pointScale, 1'000'000);
        for (char c : decimal->fraction) {
            if (scale % 10 != 0)
                return {true, std::nullopt}; // finer than the column's values
            scale /= 10;
            value += (c - '0') * scale;
        }
    }
    return {true, decimal->negative ? -value : value};
}

std::variant<AcceptedCell, CellRefusal> AcceptName(std::string_view written,
                                                   std::string_view current) {
    // A spreadsheet reads a name of digits (０１２３４) as a number and writes it back as one
    // (1234): the same number means the name the cell holds now.
    const std::optional<WrittenDecimal> writtenNumber = ReadWrittenDecimal(written);
    if (writtenNumber && writtenNumber == ReadWrittenDecimal(current))
        return AcceptedCell{std::string(current), false, true};

    const NameNormalization name = NormalizeName(written);
    using Outcome = NameNormalization::Outcome;
    CellRefusal refusal;
    switch (name.outcome) {
    case Outcome::Accepted:
        return AcceptedCell{name.name, name.spellingChanged};
    case Outcome::UnknownCharacter:
        refusal.kind = CellRefusalKind::NameUnknownCharacter;
        refusal.character = name.character;
        refusal.position = name.position;
        return refusal;
    case Outcome::TooLong:
        refusal.kind = CellRefusalKind::NameTooLong;
        refusal.tiles = name.tiles;
        return refusal;
    }
    return refusal;
}

std::variant<AcceptedCell, CellRefusal> AcceptLabel(std::string_view written,
                                                    std::vector<std::string> labels) {
    const std::string_view label = WithoutAsciiSpaces(written);
    if (std::find(labels.begin(), labels.end(), label) != labels.end())
        return AcceptedCell{std::string(label)};
    CellRefusal refusal;
    refusal.kind = CellRefusalKind::NotALabel;
    refusal.allowed = std::move(labels);
    return refusal;
}

// The values the value dialog can give: the multiples of its small step within its range.
std::variant<AcceptedCell, CellRefusal> AcceptValue(std::string_view written,
                                                    const ValueColumn& column, int pointScale) {
    const int step = column.smallStep;
    const int minimum = (column.minimum + step - 1) / step * step;
    const int maximum = column.maximum / step * step;
    const WrittenValue read = ValueOf(written, pointScale);
    const std::optional<int> value = read.value;
    if (value && *value >= minimum && *value <= maximum && *value % step == 0)
        return AcceptedCell{std::to_string(*value)};
    CellRefusal refusal;
    refusal.kind = read.number ? CellRefusalKind::ValueNotAllowed : CellRefusalKind::NotANumber;
    refusal.minimum = minimum;
    refusal.maximum = maximum;
    refusal.step = step;
    refusal.pointScale = pointScale;
    return refusal;
}

std::vector<std::string> Labels(auto&& labels) {
    return {labels.begin(), labels.end()};
}

} // namespace

std::variant<AcceptedCell, CellRefusal>
AcceptCellText(Grid grid, int column, std::string_view written, std::string_view current) {
    const Column* found = ColumnOf(grid, column);
    if (!found) {
        CellRefusal refusal;
        refusal.kind = CellRefusalKind::NotACell;
        return refusal;
    }
    if (written == current)
        return AcceptedCell{std::string(current)};
    switch (found->kind) {
    case ColumnKind::Name:
        return AcceptName(written, current);
    case ColumnKind::Side:
        return AcceptLabel(written, Labels(BatterSideLabels));
    case ColumnKind::Style: {
        std::vector<std::string> styles;
        for (const PitchingStyle& style : PitchingStyles)
            styles.emplace_back(style.label);
        return AcceptLabel(written, std::move(styles));
    }
    case ColumnKind::Value:
        break;
    }
    return AcceptValue(written, *found->value, found->value->pointScale);
}

std::optional<int> TypedValue(std::string_view typed, const ValueColumn& column) {
    const std::optional<WrittenDecimal> decimal = ReadWrittenDecimal(typed);
    const bool hasPoint = AsciiNumberText(typed).find('.') != std::string::npos;
    if (!decimal || (hasPoint && column.pointScale == 0))
        return std::nullopt;
    const std::int64_t step = std::max<int>(column.smallStep, 1);
    const std::int64_t lowest = (column.minimum + step - 1) / step * step;
    const std::int64_t highest = std::max(lowest, column.maximum / step * step);
    if (decimal->negative)
        return static_cast<int>(lowest);
    // Far more digits than any range needs are read as the largest value, so that nothing
    // overflows; the fraction counts only as far as it can move the rounding.
    if (decimal->whole.size() > 9)
        return static_cast<int>(highest);
    std::int64_t numerator = 0;
    for (char c : decimal->whole)
        numerator = numerator * 10 + (c - '0');
    std::int64_t denominator = 1;
    if (hasPoint) {
        numerator *= column.pointScale;
        for (std::size_t i = 0; i < decimal->fraction.size() && i < 6; ++i) {
            numerator = numerator * 10 + (decimal->fraction[i] - '0') * column.pointScale;
            denominator *= 10;
        }
    }
    // Half up: (2 * value / step + 1) / 2 steps, the value being numerator / denominator.
    const std::int64_t steps = (2 * numerator / (denominator * step) + 1) / 2;
    return static_cast<int>(std::clamp(steps * step, lowest, highest));
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
