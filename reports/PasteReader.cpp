// SPDX-License-Identifier: MIT
#include "PasteReader.h"

#include "CsvRecords.h"
#include "TeamReport.h"

#include "CellEditRules.h"
#include "GridCaptions.h"
#include "SaveCheck.h"
#include "Spaces.h"
#include "TextNumbers.h"

#include <algorithm>
#include <array>
#include <climits>
#include <iterator>
#include <span>

namespace reports {

namespace {

using teamdata::Grid;

char SeparatorOf(std::string_view text) {
    return text.find('\t') != std::string_view::npos ? '\t' : ',';
}

int DataRowCount(Grid grid) {
    return grid == Grid::Batters ? teamdata::BatterCount : teamdata::PitcherCount;
}

int UsedCells(const CsvRecord& record) {
    return static_cast<int>(std::min<std::size_t>(UsedFieldCount(record), INT_MAX));
}

// The data cells of grid row `row`, counted from 1 as the grid counts its players.
std::span<std::string> RowOf(teamdata::TeamTexts& texts, Grid grid, int row) {
    const auto r = static_cast<std::size_t>(row - 1);
    return grid == Grid::Batters ? std::span<std::string>(texts.batters[r])
                                 : std::span<std::string>(texts.pitchers[r]);
}

// Room from `first` to the last of `count` places, none when `first` is not one of them.
int RoomFrom(int first, int count) {
    return first >= 1 && first <= count ? count - first + 1 : 0;
}

// The import's rule for the batting order, with grid rows for places: every batter whose
// position is outside 2..9 or held by another batter too.
void CheckFieldingPositions(const teamdata::TeamTexts& texts, std::vector<PasteProblem>& problems) {
    for (const teamdata::PositionClash& clash : teamdata::FindPositionClashes(texts.batters)) {
        PasteProblem& problem = problems.emplace_back();
        problem.kind = PasteProblemKind::FieldingPositions;
        problem.row = clash.row;
        problem.column = teamdata::BatterColumn::Position;
        problem.text = texts.batters[static_cast<std::size_t>(clash.row - 1)]
                                    [teamdata::BatterColumn::Position - 1];
        problem.otherRow = clash.otherRow;
    }
}

// The label a cell of the batting side or pitching style column stands for when it is one of the
// spellings (spaces around it aside, as the labels themselves are read); any other cell as it is.
const std::string& LabelOfSpelling(const std::string& field, Grid grid, int column,
                                   const LabelSpellings& spellings) {
    const int labelColumn =
        grid == Grid::Batters ? teamdata::BatterColumn::Side : teamdata::PitcherColumn::Style;
    if (column != labelColumn || spellings.empty())
        return field;
    const auto spelling = spellings.find(teamdata::WithoutAsciiSpaces(field));
    return spelling != spellings.end() ? spelling->second : field;
}

// Line ends as the splitter counts them: CR LF, LF or CR alone.
int LineEnds(std::string_view text) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++count;
    return count;
}

} // namespace

int DataColumnCount(Grid grid) {
    return grid == Grid::Batters ? static_cast<int>(std::tuple_size_v<teamdata::BatterRowTexts>)
                                 : static_cast<int>(std::tuple_size_v<teamdata::PitcherRowTexts>);
}

PasteRead ReadPaste(std::string_view text, PasteTarget target, const teamdata::TeamTexts& current,
                    const LabelSpellings& labelSpellings, bool round,
                    const teamdata::KanjiNameReader& readKanji) {
    PasteRead read;
    read.texts = current;
    const Grid grid = target.grid;
    const int dataRows = DataRowCount(grid);
    const int dataColumns = DataColumnCount(grid);
    // No grid has more rows than the batters', so the text is read no further than that: a huge
    // paste costs no more than one that just does not fit.
    const CsvRecords parsed =
        SplitCsvRecords(text, SeparatorOf(text), static_cast<std::size_t>(teamdata::BatterCount));
    if (parsed.unclosedQuoteLine != 0) {
        PasteProblem& problem = read.problems.emplace_back();
        problem.kind = PasteProblemKind::UnclosedQuote;
        problem.line = parsed.unclosedQuoteLine;
        problem.column = parsed.unclosedQuoteColumn;
        return read;
    }
    const std::vector<CsvRecord>& records = parsed.records;
    int columns = 0;
    for (const CsvRecord& record : records)
        columns = std::max(columns, UsedCells(record));
    if (columns == 0) {
        read.problems.emplace_back().kind = PasteProblemKind::NothingToPaste;
        return read;
    }

    read.firstRow = target.row;
    read.firstColumn = columns == dataColumns ? 1 : target.column;
    read.rows = static_cast<int>(records.size());
    read.columns = columns;
    const int roomRows = RoomFrom(read.firstRow, dataRows);
    const int roomColumns = RoomFrom(read.firstColumn, dataColumns);
    const bool moreRows = parsed.firstLineBeyondLimit != 0;
    if (moreRows || read.rows > roomRows || read.columns > roomColumns) {
        PasteProblem& problem = read.problems.emplace_back();
        problem.kind = PasteProblemKind::DoesNotFit;
        problem.row = read.firstRow;
        problem.column = read.firstColumn;
        problem.rows = read.rows;
        problem.columns = read.columns;
        problem.moreRows = moreRows;
        problem.roomRows = roomRows;
        problem.roomColumns = roomColumns;
        return read;
    }

    teamdata::TeamTexts texts = current;
    // A position cell refused on its own is listed as that; the order is then not judged.
    bool positionsRead = true;
    for (int i = 0; i < read.rows; ++i) {
        const CsvRecord& record = records[static_cast<std::size_t>(i)];
        const int row = read.firstRow + i;
        const auto cells = static_cast<std::size_t>(
            std::min(UsedCells(record), static_cast<int>(record.fields.size())));
        std::vector<std::string> written;
        for (std::size_t c = 0; c < cells; ++c)
            written.push_back(LabelOfSpelling(
                record.fields[c], grid, read.firstColumn + static_cast<int>(c), labelSpellings));
        const std::span<std::string> rowTexts =
            std::span(RowOf(texts, grid, row))
                .subspan(static_cast<std::size_t>(read.firstColumn - 1), cells);
        teamdata::CellRowRead cellsRead =
            teamdata::ReadCellRow(grid, row, read.firstColumn, written, rowTexts, round, readKanji);
        std::move(cellsRead.texts.begin(), cellsRead.texts.end(), rowTexts.begin());
        positionsRead =
            positionsRead && !teamdata::RefusesABattingOrderPosition(cellsRead.problems);
        for (teamdata::CellProblem& refused : cellsRead.problems) {
            // Named as pasted, before a spelling of a label was read as the label.
            refused.text =
                record.fields[static_cast<std::size_t>(refused.column - read.firstColumn)];
            PasteProblem& problem = read.problems.emplace_back();
            problem.kind = PasteProblemKind::CellRefused;
            problem.cell = std::move(refused);
        }
        std::move(cellsRead.notes.begin(), cellsRead.notes.end(), std::back_inserter(read.notes));
    }
    // Pitchers have no part in the batting order, and a batting order the image already holds is
    // not the paste's to judge unless the paste changes the batters.
    if (positionsRead && texts.batters != current.batters)
        CheckFieldingPositions(texts, read.problems);
    if (!read.problems.empty()) {
        read.notes.clear();
        return read;
    }
    read.texts = std::move(texts);
    return read;
}

std::optional<std::string> TeamCsvOfPaste(std::string_view text) {
    const char separator = SeparatorOf(text);
    const CsvRecords first = SplitCsvRecords(text, separator, 1);
    if (first.records.empty())
        return std::nullopt;
    const CsvRecord& header = first.records.front();
    for (std::size_t column = 1; column < teamdata::BatterHeaders.size(); ++column) {
        const std::string_view field =
            column <= header.fields.size() ? std::string_view(header.fields[column - 1]) : "";
        if (teamdata::WithoutTrailingSpaces(field) !=
            teamdata::WithoutTrailingSpaces(teamdata::BatterHeaders[column]))
            return std::nullopt;
    }
    if (separator == ',')
        return std::string(text);
    // Written again with commas, every record and field kept and every record on the line it
    // came from, so that the import reads exactly what was pasted and places its faults where
    // the text has them. A quote that never closes cannot be written again as such; the paste
    // reading reports it.
    const CsvRecords all = SplitCsvRecords(text, separator);
    if (all.unclosedQuoteLine != 0)
        return std::nullopt;
    std::string csv;
    int line = 1;
    for (const CsvRecord& record : all.records) {
        for (; line < record.line; ++line)
            csv += "\r\n";
        for (std::size_t f = 0; f < record.fields.size(); ++f) {
            if (f > 0)
                csv += ',';
            csv += CsvField(record.fields[f]);
            line += LineEnds(record.fields[f]);
        }
        csv.append(record.droppedFields, ',');
        csv += "\r\n";
        ++line;
    }
    return csv;
}

} // namespace reports
