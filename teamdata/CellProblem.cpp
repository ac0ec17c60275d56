// SPDX-License-Identifier: MIT
#include "CellProblem.h"

#include "CellRounding.h"
#include "Columns.h"
#include "ImageLayout.h"

#include <algorithm>
#include <variant>

namespace teamdata {

CellRowRead ReadCellRow(Grid grid, int row, int firstColumn, std::span<const std::string> written,
                        std::span<const std::string> current, bool round) {
    CellRowRead read;
    read.texts.assign(current.begin(), current.end());
    for (std::size_t i = 0; i < written.size() && i < current.size(); ++i) {
        const int column = firstColumn + static_cast<int>(i);
        auto accepted = AcceptCellText(grid, column, written[i], current[i]);
        if (auto* refusal = std::get_if<CellRefusal>(&accepted)) {
            if (round && refusal->kind == CellRefusalKind::ValueNotAllowed) {
                if (std::optional<RoundedValue> rounded =
                        RoundCellValue(grid, column, written[i])) {
                    // 4 for an ERA of 4.00 is that ERA as a spreadsheet writes it: no news.
                    if (rounded->changed)
                        read.notes.push_back({grid, row, column, written[i], rounded->text,
                                              CellNoteKind::ValueRounded});
                    read.texts[i] = std::move(rounded->text);
                    continue;
                }
            }
            read.problems.push_back({grid, row, column, written[i], std::move(*refusal)});
            continue;
        }
        auto& taken = std::get<AcceptedCell>(accepted);
        if (taken.nameSpellingChanged || taken.nameKeptFromNumber)
            read.notes.push_back({grid, row, column, written[i], taken.text,
                                  taken.nameKeptFromNumber ? CellNoteKind::NameKeptFromNumber
                                                           : CellNoteKind::NameSpellingChanged});
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
