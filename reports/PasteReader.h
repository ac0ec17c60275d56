// SPDX-License-Identifier: MIT
#pragma once

#include "CellEditRules.h"
#include "CellProblem.h"
#include "RecordText.h"
#include "Team.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Text pasted into a grid, as spreadsheets put it on the clipboard: rows of cells separated by
// tabs (or by commas when the text holds no tab). Each text cell lands on one grid cell and is
// read by the rule the CSV import follows (teamdata::AcceptCellText), so that what may be pasted
// and what may be imported are one and the same. Nothing here phrases a message; every problem
// carries the data to phrase it.
namespace reports {

// Where a pasted block goes: a grid and the data cell its first text cell lands on.
struct PasteTarget {
    teamdata::Grid grid = teamdata::Grid::Batters;
    int column = 1; // 1 is the name; the label column 0 is never written
    int row = 1;    // 1 is the first player
};

enum class PasteProblemKind {
    NothingToPaste, // the text holds no cell at all
    UnclosedQuote,  // a quoted cell opens at `line` (of the text), cell `column`, and never closes
    // The block is `rows` × `columns` (`moreRows`: more than `rows` rows) from the target cell
    // (`row`, `column`), where the grid has room for `roomRows` × `roomColumns`.
    DoesNotFit,
    CellRefused, // `cell`: a grid cell cannot hold the pasted text
    // The batting order's fielding positions would not be 2..9 once each: batter row `row` holds
    // `text`, outside 2..9 (`otherRow` 0) or held by row `otherRow` too.
    FieldingPositions,
};

struct PasteProblem {
    PasteProblemKind kind{};
    int row = 0;
    int column = 0;
    std::string text;
    std::optional<teamdata::CellProblem> cell; // CellRefused
    int otherRow = 0;
    int line = 0;
    int rows = 0;
    int columns = 0;
    bool moreRows = false;
    int roomRows = 0;
    int roomColumns = 0;
};

struct PasteRead {
    // The team with the block written in; the current team unchanged when there are problems.
    teamdata::TeamTexts texts;
    // Where the block landed: its first grid row and column and its size.
    int firstRow = 0;
    int firstColumn = 0;
    int rows = 0;
    int columns = 0;
    std::vector<PasteProblem> problems;    // nothing may be applied unless empty
    std::vector<teamdata::CellNote> notes; // what the CSV import notes too

    [[nodiscard]] bool Accepted() const { return problems.empty(); }
};

// Words that stand for a batting side or pitching style label in a pasted cell of that column,
// each with the label it stands for ("R" for 右): what the grids show under another interface
// language, so that rows copied there paste here.
using LabelSpellings = std::map<std::string, std::string, std::less<>>;

// The data columns of a grid: 9 for the batters, 11 for the pitchers.
[[nodiscard]] int DataColumnCount(teamdata::Grid grid);

// Reads `text` into `current` (the shown team) as a block whose first cell is the target cell. A
// block as wide as the grid's data columns is whole players, and starts at column 1 of the target
// row whatever the target column. Rows may be ragged: a row writes the cells it has, empty cells
// at its end being the padding spreadsheets leave. Every cell must be accepted, the block must
// fit, and where the batters change, the batting order's fielding positions must stay 2..9 once
// each; otherwise every problem is listed and nothing is taken. In the batting side and pitching
// style columns a cell that is one of `labelSpellings` is read as its label.
// With `round`, numbers the cells cannot hold are rounded as the import rounds them, and noted.
[[nodiscard]] PasteRead ReadPaste(std::string_view text, PasteTarget target,
                                  const teamdata::TeamTexts& current,
                                  const LabelSpellings& labelSpellings = {}, bool round = false,
                                  const teamdata::KanjiNameReader& readKanji = {});

// The text as a team CSV, comma-separated as CSV出力 writes it, when its first line is the batter
// header (the whole team copied, from the file or from a spreadsheet that opened it, with tabs);
// empty for any other text.
[[nodiscard]] std::optional<std::string> TeamCsvOfPaste(std::string_view text);

} // namespace reports
