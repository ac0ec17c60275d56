// SPDX-License-Identifier: MIT
#pragma once

#include "Columns.h"
#include "RecordText.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// What a grid cell may hold and what a click on it does to its text: the cycles of the batting
// side and the pitching style, the ranges the value dialog offers per column, the swap that keeps
// fielding positions unique within the batting order, and the one rule by which a text written
// elsewhere (a CSV file, pasted text) becomes a cell's text.
namespace teamdata {

// 右 → 左 → 両 → 右. Empty for a text that is none of the three (it is left alone).
[[nodiscard]] std::optional<std::string_view> NextBatterSide(std::string_view text);

// The ten styles in the order a click steps through them (right- and left-handed overhand, then
// underhand, sidearm, and the two special deliveries), back to the start after ten clicks.
// Empty for a text that is none of the ten labels.
[[nodiscard]] std::optional<std::string_view> NextPitchingStyle(std::string_view text);

// The value dialog's settings for a grid column, or empty for a column that is not a value.
[[nodiscard]] std::optional<ValueColumn> BatterValueColumn(int column);
[[nodiscard]] std::optional<ValueColumn> PitcherValueColumn(int column);

// The value the value dialog moves to for a number typed into it: `typed` read in the column's
// units (312, or with a point in a column that has a pointScale, .312), rounded half up to a
// multiple of the small step and kept within the multiples of the step that the range holds, as
// the dialog's OK would hand them back. Empty while `typed` is no number yet (a lone point).
[[nodiscard]] std::optional<int> TypedValue(std::string_view typed, const ValueColumn& column);

// What a cell of a grid column stores for a text written elsewhere, or why it cannot hold it.
enum class CellRefusalKind {
    NotANumber,           // not decimal digits; allowed: `minimum`..`maximum` by `step`
    ValueNotAllowed,      // a number outside `minimum`..`maximum` or not a multiple of `step`
    NotALabel,            // none of the `allowed` labels
    NameUnknownCharacter, // `character`, the `position`-th character of the text, has no tile
    NameTooLong,          // the name needs `tiles` tiles
    NotACell,             // the column is no data column of the grid
    // A name in kanji read when asked: every reading (`allowed`, best first) needs more places
    // than a name has, the fewest `tiles`; or there is no reading at all (`allowed` empty).
    NameReadingsTooLong,
    NameNotRead,
    // The reader's dictionary is missing (`character` names the package to install).
    NameReaderMissing,
};

struct CellRefusal {
    CellRefusalKind kind{};
    int minimum = 0;
    int maximum = 0;
    int step = 0;
    // Where not 0, `minimum`, `maximum` and `step` are in units of 1/pointScale, and the fan
    // thinks of them as that decimal: an average of .200 to .400, an ERA of 0.00 to 9.90.
    int pointScale = 0;
    std::vector<std::string> allowed;
    std::string character;
    int position = 0;
    int tiles = 0;
};

struct AcceptedCell {
    std::string text;                 // the cell's text: the stored form of what was written
    bool nameSpellingChanged = false; // small kana were written large, as the game writes them
    // A name written as a number that equals the number the current name reads as (1234 for
    // ０１２３４): what a spreadsheet makes of a name of digits. The current name is kept.
    bool nameKeptFromNumber = false;
};

// The one rule for a text written into grid column `column` (1..9 batters, 1..11 pitchers) from
// outside the dialogs. A text equal to `current` (what the cell shows now) is taken as it is, so
// that whatever the image holds reads back; any other text must be what the dialogs could give:
// a name the name normalizer accepts (stored normalized), a batting side or pitching style label,
// or a value of the value dialog's range and step (stored without leading zeros or spaces). A
// value may be spelled as spreadsheets and input methods spell numbers: full-width digits and
// minus, and for the average and the earned run average the decimal they stand for (.300, 2.50).
[[nodiscard]] std::variant<AcceptedCell, CellRefusal>
AcceptCellText(Grid grid, int column, std::string_view written, std::string_view current);

// The batting side labels, in the order a click steps through them.
inline constexpr std::array<std::string_view, 3> BatterSideLabels = {SideRight, SideLeft, SideBoth};

// Choosing `newPosition` for grid row `row` of the batting order: the first batting-order row
// (1..8, top down, `row` itself included) whose position text equals it gives up its place and
// receives the edited row's old text. Returns that row, or 0 when nothing is swapped (no row
// matches, or `row` is a bench row 9..13).
[[nodiscard]] int PositionSwapRow(const std::array<std::string, 8>& battingOrderPositions, int row,
                                  std::string_view newPosition);

} // namespace teamdata
