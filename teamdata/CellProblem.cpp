// SPDX-License-Identifier: MIT
#include "CellProblem.h"

#include "CellRounding.h"
#include "Columns.h"
#include "ImageLayout.h"

#include <algorithm>
#include <variant>

namespace teamdata {

namespace {

// The name cell of a row whose name is written in kanji: its first reading that the cell takes,
// or why none is taken. Nothing when the text holds no kanji.
std::optional<std::variant<CellNote, CellRefusal>> ReadKanjiName(Grid grid, int row, int column,
                                                                 const std::string& written,
                                                                 const std::string& current,
                                                                 const KanjiNameReader& readKanji) {
    const std::optional<KanjiNameReadings> readings = readKanji(written);
    if (!readings)
        return std::nullopt;
    CellRefusal refusal;
    if (!readings->missingPackage.empty()) {
        refusal.kind = CellRefusalKind::NameReaderMissing;
        refusal.character = readings->missingPackage;
        return refusal;
    }
    refusal.kind = readings->kana.empty() ? CellRefusalKind::NameNotRead
                                          : CellRefusalKind::NameReadingsTooLong;
    refusal.allowed = readings->kana;
    for (const std::string& kana : readings->kana) {
        auto accepted = AcceptCellText(grid, column, kana, current);
        if (auto* taken = std::get_if<AcceptedCell>(&accepted)) {
            CellNote note{grid, row, column, written, taken->text, CellNoteKind::NameRead, {}};
            for (const std::string& other : readings->kana)
                if (other != kana)
                    note.otherReadings.push_back(other);
            return note;
        }
        const int tiles = std::get<CellRefusal>(accepted).tiles;
        if (tiles > 0 && (refusal.tiles == 0 || tiles < refusal.tiles))
            refusal.tiles = tiles;
    }
    return refusal;
}

} // namespace

CellRowRead ReadCellRow(Grid grid, int row, int firstColumn, std::span<const std::string> written,
                        std::span<const std::string> current, bool round,
                        const KanjiNameReader& readKanji) {
    CellRowRead read;
    read.texts.assign(current.begin(), current.end());
    for (std::size_t i = 0; i < written.size() && i < current.size(); ++i) {
        const int column = firstColumn + static_cast<int>(i);
        const bool nameCell = (grid == Grid::Batters && column == BatterColumn::Name) ||
                              (grid == Grid::Pitchers && column == PitcherColumn::Name);
        if (nameCell && readKanji) {
            if (auto kanji = ReadKanjiName(grid, row, column, written[i], current[i], readKanji)) {
                if (auto* refusal = std::get_if<CellRefusal>(&*kanji)) {
                    read.problems.push_back({grid, row, column, written[i], std::move(*refusal)});
                } else {
                    read.texts[i] = std::get<CellNote>(*kanji).stored;
                    read.notes.push_back(std::move(std::get<CellNote>(*kanji)));
                }
                continue;
            }
        }
        auto accepted = AcceptCellText(grid, column, written[i], current[i]);
        if (auto* refusal = std::get_if<CellRefusal>(&accepted)) {
            if (round && refusal->kind == CellRefusalKind::ValueNotAllowed) {
                if (std::optional<RoundedValue> rounded =
                        RoundCellValue(grid, column, written[i])) {
                    // 4 for an ERA of 4.00 is that ERA as a spreadsheet writes it: no news.
                    if (rounded->changed)
                        read.notes.push_back({grid,
                                              row,
                                              column,
                                              written[i],
                                              rounded->text,
                                              CellNoteKind::ValueRounded,
                                              {}});
                    read.texts[i] = std::move(rounded->text);
                    continue;
                }
            }
            read.problems.push_back({grid, row, column, written[i], std::move(*refusal)});
            continue;
        }
        auto& taken = std::get<AcceptedCell>(accepted);
        if (taken.nameSpellingChanged || taken.nameKeptFromNumber)
            read.notes.push_back({grid,
                                  row,
                                  column,
                                  written[i],
                                  taken.text,
                                  taken.nameKeptFromNumber ? CellNoteKind::NameKeptFromNumber
                                                           : CellNoteKind::NameSpellingChanged,
                                  {}});
        read.texts[i] = std::move(taken.text);
    }
    return read;
}

bool RoundingTakes(const CellProblem& problem) {
    return problem.refusal.kind == CellRefusalKind::ValueNotAllowed &&
           RoundCellValue(problem.grid, problem.column, problem.text).has_value();
}

bool RefusesABattingOrderPosition(std::span<const CellProblem> problems) {
    return std::any_of(problems.begin(), problems.end(), [](const CellProblem& problem) {
        return problem.grid == Grid::Batters && problem.column == BatterColumn::Position &&
               problem.row >= 1 && problem.row <= BattingOrderLength;
    });
}

} // namespace teamdata
