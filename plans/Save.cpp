// SPDX-License-Identifier: MIT
#include "Save.h"

#include "NameCodec.h"

#include <string>
#include <variant>

namespace plans {

namespace {

// The cell refused as the one rule for cells refuses it; a name the rule would take in another
// spelling (the grid holds texts as they are stored, never as typed) is refused as having a
// character without a tile, which is what stops its encoding.
teamdata::CellProblem ProblemAt(teamdata::Grid grid, int row, int column, const std::string& text) {
    teamdata::CellProblem problem{grid, row, column, text, {}};
    const auto accepted = teamdata::AcceptCellText(grid, column, text, {});
    if (const auto* refusal = std::get_if<teamdata::CellRefusal>(&accepted))
        problem.refusal = *refusal;
    else
        problem.refusal.kind = teamdata::CellRefusalKind::NameUnknownCharacter;
    return problem;
}

template <typename Rows>
std::optional<teamdata::CellProblem> FirstUnwritableName(teamdata::Grid grid, const Rows& rows) {
    teamdata::NameTiles tiles{};
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::string& name = rows[r][0];
        if (!teamdata::EncodeName(name, tiles))
            return ProblemAt(grid, static_cast<int>(r) + 1, 1, name);
    }
    return std::nullopt;
}

std::optional<teamdata::CellProblem> FirstUnwritableCell(const teamdata::TeamTexts& team) {
    static_assert(teamdata::BatterColumn::Name == 1 && teamdata::PitcherColumn::Name == 1);
    if (auto name = FirstUnwritableName(teamdata::Grid::Batters, team.batters))
        return name;
    if (auto name = FirstUnwritableName(teamdata::Grid::Pitchers, team.pitchers))
        return name;
    for (std::size_t r = 0; r < team.pitchers.size(); ++r) {
        const std::string& style = team.pitchers[r][teamdata::PitcherColumn::Style - 1];
        if (!teamdata::PitcherBytesFromRow(team.pitchers[r]))
            return ProblemAt(teamdata::Grid::Pitchers, static_cast<int>(r) + 1,
                             teamdata::PitcherColumn::Style, style);
    }
    return std::nullopt;
}

} // namespace

SavePlan PlanSave(int team, const teamdata::TeamTexts& shown) {
    SavePlan plan;
    plan.refusal = teamdata::CheckTeamTexts(shown.batters, shown.pitchers);
    switch (plan.refusal) {
    case teamdata::SaveRefusal::None:
        plan.write = teamdata::TeamWrite{team, shown};
        break;
    case teamdata::SaveRefusal::RecordNotWritable:
        plan.cell = FirstUnwritableCell(shown);
        break;
    case teamdata::SaveRefusal::FieldingPositions:
        plan.positions = teamdata::FindPositionProblems(shown.batters);
        break;
    }
    return plan;
}

} // namespace plans
