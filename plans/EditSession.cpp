// SPDX-License-Identifier: MIT
#include "EditSession.h"

#include "CellMerge.h"
#include "Palette.h"
#include "ShiftJisCodec.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace plans {

namespace {

std::string ShiftJisText(std::string_view bytes) {
    return reports::DecodeShiftJis(bytes);
}

int RowCount(teamdata::Grid grid) {
    return grid == teamdata::Grid::Batters ? teamdata::BatterCount : teamdata::PitcherCount;
}

template <typename Rows> void MoveWithin(Rows& rows, int from, int to) {
    const auto first = rows.begin();
    if (from < to)
        std::rotate(first + from - 1, first + from, first + to);
    else
        std::rotate(first + to - 1, first + from - 1, first + from);
}

teamdata::CellRefusal NotACell() {
    teamdata::CellRefusal refusal;
    refusal.kind = teamdata::CellRefusalKind::NotACell;
    return refusal;
}

} // namespace

EditSession::EditSession(std::vector<std::uint8_t> image)
    : saved_(std::make_shared<const std::vector<std::uint8_t>>(std::move(image))) {
    steps_.push_back({saved_, teamdata::TextsOf(teamdata::TeamRecordsAt(*saved_, 0))});
}

void EditSession::ShowTeam(int team) {
    if (!teamdata::IsValidTeam(team))
        return;
    shownTeam_ = team;
    steps_.assign(1, {saved_, teamdata::TextsOf(teamdata::TeamRecordsAt(*saved_, team))});
    at_ = savedAt_ = 0;
}

bool EditSession::Push(Step step) {
    const bool sameBase = step.base == steps_[at_].base || *step.base == Base();
    if (sameBase && step.shown == Shown())
        return false;
    steps_.resize(at_ + 1);
    // A step undone and then replaced can never be the saved state again.
    if (savedAt_ > at_)
        savedAt_ = std::numeric_limits<std::size_t>::max();
    steps_.push_back(std::move(step));
    ++at_;
    return true;
}

bool EditSession::PushTexts(const teamdata::TeamTexts& texts) {
    return Push({steps_[at_].base, texts});
}

bool EditSession::IsCell(teamdata::Grid grid, int row, int column) const {
    return row >= 1 && row <= RowCount(grid) && column >= 1 &&
           column <= reports::DataColumnCount(grid);
}

std::string& EditSession::CellText(teamdata::TeamTexts& texts, teamdata::Grid grid, int row,
                                   int column) const {
    const auto r = static_cast<std::size_t>(row - 1);
    const auto c = static_cast<std::size_t>(column - 1);
    return grid == teamdata::Grid::Batters ? texts.batters[r][c] : texts.pitchers[r][c];
}

EditOutcome EditSession::WriteCell(teamdata::Grid grid, int row, int column,
                                   std::string_view text) {
    EditOutcome outcome;
    if (!IsCell(grid, row, column)) {
        outcome.refusal = NotACell();
        return outcome;
    }
    teamdata::TeamTexts texts = Shown();
    std::string& cell = CellText(texts, grid, row, column);
    auto accepted = teamdata::AcceptCellText(grid, column, text, cell);
    if (auto* refusal = std::get_if<teamdata::CellRefusal>(&accepted)) {
        outcome.refusal = std::move(*refusal);
        return outcome;
    }
    auto& cellText = std::get<teamdata::AcceptedCell>(accepted);
    outcome.nameSpellingChanged = cellText.nameSpellingChanged;
    // A number typed into a fielding position is the value dialog's choice, swap included.
    if (grid == teamdata::Grid::Batters && column == teamdata::BatterColumn::Position &&
        cellText.text != cell) {
        std::array<std::string, teamdata::BattingOrderLength> positions;
        for (int r = 1; r <= teamdata::BattingOrderLength; ++r)
            positions[static_cast<std::size_t>(r - 1)] = CellText(texts, grid, r, column);
        if (const int swapRow = teamdata::PositionSwapRow(positions, row, cellText.text))
            CellText(texts, grid, swapRow, column) = cell;
    }
    cell = std::move(cellText.text);
    outcome.changed = PushTexts(texts);
    return outcome;
}

EditOutcome EditSession::StepCell(teamdata::Grid grid, int row, int column) {
    EditOutcome outcome;
    if (!IsCell(grid, row, column))
        return outcome;
    teamdata::TeamTexts texts = Shown();
    std::string& cell = CellText(texts, grid, row, column);
    const bool side = grid == teamdata::Grid::Batters && column == teamdata::BatterColumn::Side;
    const bool style = grid == teamdata::Grid::Pitchers && column == teamdata::PitcherColumn::Style;
    const auto next = side    ? teamdata::NextBatterSide(cell)
                      : style ? teamdata::NextPitchingStyle(cell)
                              : std::nullopt;
    if (!next)
        return outcome;
    cell = std::string(*next);
    outcome.changed = PushTexts(texts);
    return outcome;
}

EditOutcome EditSession::SetValue(teamdata::Grid grid, int row, int column, int value) {
    const auto valueColumn = grid == teamdata::Grid::Batters ? teamdata::BatterValueColumn(column)
                                                             : teamdata::PitcherValueColumn(column);
    if (!valueColumn || !IsCell(grid, row, column)) {
        EditOutcome outcome;
        outcome.refusal = NotACell();
        return outcome;
    }
    return WriteCell(grid, row, column, std::to_string(value));
}

bool EditSession::MoveRow(teamdata::Grid grid, int from, int to) {
    if (from == to || from < 1 || to < 1 || from > RowCount(grid) || to > RowCount(grid))
        return false;
    teamdata::TeamTexts texts = Shown();
    if (grid == teamdata::Grid::Batters)
        MoveWithin(texts.batters, from, to);
    else
        MoveWithin(texts.pitchers, from, to);
    return PushTexts(texts);
}

bool EditSession::SetColor(bool helmet, int index) {
    if (!teamdata::IsOfferedColorIndex(index))
        return false;
    teamdata::TeamTexts texts = Shown();
    (helmet ? texts.colors.helmet : texts.colors.uniform) = static_cast<std::uint8_t>(index);
    return PushTexts(texts);
}

bool EditSession::ApplyTeam(const teamdata::TeamTexts& texts) {
    return PushTexts(texts);
}

PastePlan EditSession::Paste(std::string_view text, const reports::PasteTarget& target,
                             const reports::LabelSpellings& labelSpellings, bool round) {
    PasteChoices how;
    how.target = target;
    how.labelSpellings = labelSpellings;
    how.largest = LargestText;
    how.shownTeam = shownTeam_;
    how.round = round;
    PastePlan plan = PlanPaste(text, Shown(), how);
    if (plan.decision == PasteDecision::Apply)
        PushTexts(plan.read.texts);
    return plan;
}

TeamCsvPlan EditSession::PlanTeamCsv(std::string_view file, bool round) const {
    if (const auto pasted = reports::TeamCsvOfPaste(file))
        return PlanTeamCsvImport(*pasted, Shown(), shownTeam_, ShiftJisText, round);
    return PlanTeamCsvImport(file, Shown(), shownTeam_, ShiftJisText, round);
}

std::vector<teamdata::LeagueChange>
EditSession::TeamChanges(const teamdata::TeamTexts& imported) const {
    return ShownTeamChanges(Base(), shownTeam_, Shown(), imported);
}

LeagueImportOutcome EditSession::ImportLeague(std::string_view file, bool round, bool apply) {
    // The league is read against what the image will hold, the shown team as edited; a shown
    // team whose rows make no record yet is read as the image holds it.
    std::vector<std::uint8_t> current = Base();
    const teamdata::TeamRecords records = teamdata::TeamRecordsAt(current, shownTeam_);
    teamdata::PutTeamRecords(
        current, shownTeam_,
        teamdata::MergeChangedCells(records, teamdata::TextsOf(records), Shown()));
    ImportChoices how;
    how.decodeText = ShiftJisText;
    how.round = round;
    LeagueImportOutcome outcome;
    outcome.plan =
        PlanImport(current, {reinterpret_cast<const std::uint8_t*>(file.data()), file.size()}, how);
    if (!apply || !outcome.plan.read.errors.empty() || TeamMissing(outcome.plan) ||
        outcome.plan.writes.empty())
        return outcome;
    auto base = std::make_shared<const std::vector<std::uint8_t>>(outcome.plan.result);
    teamdata::TeamTexts shown = teamdata::TextsOf(teamdata::TeamRecordsAt(*base, shownTeam_));
    outcome.applied = Push({std::move(base), std::move(shown)});
    return outcome;
}

bool EditSession::Undo() {
    if (!CanUndo())
        return false;
    --at_;
    return true;
}

bool EditSession::Redo() {
    if (!CanRedo())
        return false;
    ++at_;
    return true;
}

SavePlan EditSession::PlanSave() const {
    return plans::PlanSave(shownTeam_, Shown());
}

std::optional<std::vector<std::uint8_t>> EditSession::Save() {
    const SavePlan plan = PlanSave();
    if (plan.refusal != teamdata::SaveRefusal::None)
        return std::nullopt;
    std::optional<std::vector<std::uint8_t>> image = ImageWithTeam(Base(), shownTeam_, Shown());
    if (!image)
        return std::nullopt;
    saved_ = std::make_shared<const std::vector<std::uint8_t>>(*image);
    // The saved image is where undo stands now; the steps before it stay, now unsaved again.
    steps_[at_].base = saved_;
    savedAt_ = at_;
    return image;
}

std::optional<std::vector<std::uint8_t>> ImageWithTeam(std::vector<std::uint8_t> image, int team,
                                                       const teamdata::TeamTexts& texts) {
    teamdata::TeamRecords records = teamdata::TeamRecordsAt(image, team);
    for (std::size_t i = 0; i < records.batters.size(); ++i) {
        const auto bytes = teamdata::BatterBytesFromRow(texts.batters[i]);
        if (!bytes)
            return std::nullopt;
        records.batters[i] = *bytes;
    }
    for (std::size_t i = 0; i < records.pitchers.size(); ++i) {
        const auto bytes = teamdata::PitcherBytesFromRow(texts.pitchers[i]);
        if (!bytes)
            return std::nullopt;
        records.pitchers[i] = *bytes;
    }
    records.colors = texts.colors;
    teamdata::PutTeamRecords(image, team, records);
    return image;
}

} // namespace plans
