// SPDX-License-Identifier: MIT
#include "CellRounding.h"

#include "CellEditRules.h"
#include "Columns.h"
#include "TextNumbers.h"

#include <algorithm>
#include <variant>

namespace teamdata {

namespace {

// The largest whole number that a spreadsheet leaves of a decimal in a column of decimals: an
// average is at most 1.000, so 0 and 1 can only be .000 and 1.000 (2 is .002, nothing else); an
// earned run average of 4.00 comes out as 4, and 10 hundredths is still a fine ERA, so the whole
// numbers up to 9 are runs.
int LargestWholeDecimal(int pointScale) {
    if (pointScale == 1000)
        return 1;
    if (pointScale == 100)
        return 9;
    return -1;
}

// A spreadsheet computes in binary floating point and writes out more digits than that holds:
// Gnumeric writes .355 as 0.35499999999999999999. Cut to the 15 significant digits a double
// holds, the number is the one the fan typed again, ties and all.
std::string AsSpreadsheetMeantIt(const WrittenDecimal& decimal) {
    constexpr std::size_t SignificantDigits = 15;
    std::string digits = decimal.whole + decimal.fraction;
    std::size_t wholeLength = decimal.whole.size();
    const std::size_t first = std::min(digits.find_first_not_of('0'), digits.size());
    const std::size_t kept = first + SignificantDigits;
    if (digits.size() > kept) {
        const bool up = digits[kept] >= '5';
        digits.resize(kept);
        for (std::size_t i = kept; up; --i) {
            if (i == 0) {
                digits.insert(digits.begin(), '1');
                ++wholeLength;
                break;
            }
            if (digits[i - 1] == '9') {
                digits[i - 1] = '0';
                continue;
            }
            ++digits[i - 1];
            break;
        }
    }
    std::string text = decimal.negative ? "-" : "";
    text += wholeLength == 0 ? "0" : digits.substr(0, wholeLength);
    return text + "." + digits.substr(wholeLength);
}

} // namespace

std::optional<RoundedValue> RoundCellValue(Grid grid, int column, std::string_view written) {
    const Column* found = ColumnOf(grid, column);
    if (!found || !found->value)
        return std::nullopt;
    const std::optional<WrittenDecimal> decimal = ReadWrittenDecimal(written);
    if (!decimal)
        return std::nullopt;
    std::string spelled = AsciiNumberText(written);
    const bool hasPoint = spelled.find('.') != std::string::npos;
    if (hasPoint)
        spelled = AsSpreadsheetMeantIt(*decimal);
    if (!hasPoint && !decimal->negative && decimal->whole.size() <= 1 &&
        (decimal->whole.empty() ? 0 : decimal->whole[0] - '0') <=
            LargestWholeDecimal(found->value->pointScale))
        spelled += '.';
    // 12.0 home runs are 12, as the cell's own rule, which takes no point there, should see.
    if (hasPoint && found->value->pointScale == 0 && decimal->fraction.empty())
        spelled = (decimal->negative ? "-" : "") + (decimal->whole.empty() ? "0" : decimal->whole);
    ValueColumn reading = *found->value;
    if (reading.pointScale == 0)
        reading.pointScale = 1; // 151.4 km/h is a number of whole km/h all the same
    const std::optional<int> value = TypedValue(spelled, reading);
    if (!value)
        return std::nullopt;
    RoundedValue rounded{std::to_string(*value), true};
    // Written exactly as a value the cell holds: the same text under the cell's own rule.
    const auto accepted = AcceptCellText(grid, column, spelled, {});
    if (const auto* cell = std::get_if<AcceptedCell>(&accepted))
        rounded.changed = cell->text != rounded.text;
    return rounded;
}

} // namespace teamdata
