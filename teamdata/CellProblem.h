// SPDX-License-Identifier: MIT
#pragma once

#include "CellEditRules.h"
#include "RecordText.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace teamdata {

// A cell that cannot hold a text, wherever the text came from: a line of an imported file, a
// pasted block, or a team about to be saved. Each face words `refusal` once
// (exchange::DescribeCellRefusal) and names the place in its own terms: a file's line and field,
// the grid's row and column.
struct CellProblem {
    Grid grid = Grid::Batters;
    int row = 0;      // 1-based grid row: the player
    int column = 0;   // grid column (BatterColumn / PitcherColumn)
    std::string text; // as written, or as the cell holds it for a save
    CellRefusal refusal;
};

enum class CellNoteKind {
    NameSpellingChanged, // small kana were written large, as the game writes them
    NameKeptFromNumber,  // a number a spreadsheet made of a name of digits: the name is kept
    NameRead,            // a name in kanji read as kana, on request; `otherReadings` the rest
    ValueRounded,        // a number off the column's step or range, rounded as asked
};

// A cell taken in another form than written; no problem, but worth telling.
struct CellNote {
    Grid grid = Grid::Batters;
    int row = 0;
    int column = 0;
    std::string text;   // as written
    std::string stored; // what the cell holds
    CellNoteKind kind{};
    std::vector<std::string> otherReadings;
};

// The readings of a name written in kanji, best first: nothing for a text without kanji, which
// the cell rule takes as it is. The core reads no kanji itself; a face that has a reader hands it
// in when the user asks for readings.
struct KanjiNameReadings {
    std::vector<std::string> kana;
    std::string missingPackage; // the reader's dictionary is missing: install this
};
using KanjiNameReader = std::function<std::optional<KanjiNameReadings>(std::string_view)>;

struct CellRowRead {
    std::vector<std::string> texts; // the stored forms; a refused cell keeps its current text
    std::vector<CellNote> notes;
    std::vector<CellProblem> problems;
};

// Texts written elsewhere (a line of a file, a row of a pasted block) read into grid row `row`
// from grid column `firstColumn` on, each by AcceptCellText against the text at the same place
// of `current`, which is as long as `written`. Every cell is read, so that every refusal is
// listed at once. With `round`, a number the cell cannot hold as written is rounded to the
// nearest value it can (RoundCellValue) and noted; what is no number is refused all the same.
// With `readKanji`, a name in kanji becomes its first reading that fits; when none fits, the cell
// is refused with every reading listed.
[[nodiscard]] CellRowRead ReadCellRow(Grid grid, int row, int firstColumn,
                                      std::span<const std::string> written,
                                      std::span<const std::string> current, bool round = false,
                                      const KanjiNameReader& readKanji = {});

// True when reading the cell again with rounding would take it: a number off the column's step or
// range, not a text that is no number. The window offers rounding only when every problem is one.
[[nodiscard]] bool RoundingTakes(const CellProblem& problem);

// True when one of `problems` is a position cell of the batting order: the order cannot be
// judged then, the position read being the one refused.
[[nodiscard]] bool RefusesABattingOrderPosition(std::span<const CellProblem> problems);

} // namespace teamdata
