// SPDX-License-Identifier: MIT
#pragma once

#include "RecordText.h"

#include <optional>
#include <string>
#include <string_view>

// Real numbers into the game's values, asked for by the user: an import or a paste with rounding,
// and the season sheet, whose statistics are real numbers too. What a cell accepts without being
// asked stays AcceptCellText's rule; this is the one place where a number is made to fit.
namespace teamdata {

struct RoundedValue {
    std::string text;     // the cell's text: a value the value dialog could give
    bool changed = false; // the number written was not that value (rounded or clamped)
};

// The value of value column `column` nearest to the number `written`: half up to the column's
// step (a tie goes to the higher value) and a number outside the range to its nearest end. Read
// as the value dialog reads a typed number (TypedValue), and beyond it as spreadsheets write the
// two decimal columns: a whole 0 or 1 in the average is .000 or 1.000, a whole number up to 9 in
// the earned run average is whole runs (4 for 4.00), and a decimal in a column of whole numbers
// (151.4 km/h) is rounded as well. Empty for a text that is no number, or a column that holds no
// value.
[[nodiscard]] std::optional<RoundedValue> RoundCellValue(Grid grid, int column,
                                                         std::string_view written);

} // namespace teamdata
