// SPDX-License-Identifier: MIT
// Editing the shown team: cell clicks, the team colours and the row order. Every change goes
// through the undo stack, by way of the doors at the top of this file.
#include "Mainunit.h"

#include "CellEditCommand.h"
#include "CellEditRules.h"
#include "Color.h"
#include "EditCaptions.h"
#include "MainunitShared.h"
#include "MessageDialogs.h"
#include "Nameunit.h"
#include "Palette.h"
#include "RecordText.h"
#include "RowMoveCommand.h"
#include "TeamWords.h"
#include "TextNumbers.h"
#include "ValueCommand.h"
#include "Valuedlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace mainunit;

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

teamdata::Grid TMainForm::GridOf(const StringGrid* grid) const {
    return grid == batterTable_ ? teamdata::Grid::Batters : teamdata::Grid::Pitchers;
}

// ---- The doors: every change to the shown team is a step on the undo stack ----

void TMainForm::ApplyCellText(StringGrid* grid, int col, int row, const QString& text) {
    ApplyCellTexts(grid, {{col, row, text}}, exchange::ColumnName(GridOf(grid), col));
}

void TMainForm::ApplyCellTexts(StringGrid* grid, std::vector<CellEditCommand::Cell> cells,
                               const QString& what) {
    undoStack_.push(new CellEditCommand(grid, std::move(cells), what));
}

void TMainForm::ApplyColors(teamdata::TeamColors colors, const QString& what) {
    undoStack_.push(new ValueCommand<teamdata::TeamColors>(
        {romTeamData_.HelmetColorByte, romTeamData_.UniformColorByte}, colors,
        [this](const teamdata::TeamColors& shown) { ShowColors(shown); }, what));
}

void TMainForm::ApplyTeam(const teamdata::TeamTexts& team, const QString& what) {
    undoStack_.push(new ValueCommand<teamdata::TeamTexts>(
        TeamShown(), team, [this](const teamdata::TeamTexts& texts) { ShowTeamTexts(texts); },
        what));
}

void TMainForm::ShowTeamTexts(const teamdata::TeamTexts& team) {
    const GridRepaintPause pause({batterTable_, pitcherTable_});
    for (int i = 0; i < teamdata::BatterCount; ++i)
        SetRowTexts(batterTable_, i + 1, team.batters[static_cast<std::size_t>(i)]);
    for (int i = 0; i < teamdata::PitcherCount; ++i)
        SetRowTexts(pitcherTable_, i + 1, team.pitchers[static_cast<std::size_t>(i)]);
    ShowColors(team.colors);
}

// ---- Editing cells ----

void TMainForm::EditName(StringGrid* grid) {
    const int col = grid->Col();
    const int row = grid->Row();
    NameForm->EnsureBuilt();
    NameForm->NameEdit->setText(QString());
    NameForm->OldNameLabel->setText(grid->ShownText(col, row));
    if (NameForm->exec() != QDialog::Accepted)
        return;
    ApplyCellText(grid, col, row, NameForm->NameEdit->text());
}

std::optional<int> TMainForm::AskValue(StringGrid* grid, const teamdata::ValueColumn& column) {
    const int col = grid->Col();
    const int row = grid->Row();
    // A cell that holds no number fails here, before any dialog, and the failure is shown.
    const int initial = teamdata::StrictToInt(grid->Cells(col, row).toStdString());
    ValueDialog->SetupDialog(exchange::ValueCaption(GridOf(grid), col), column.minimum,
                             column.maximum, column.smallStep, column.largeStep, initial,
                             grid->ShownText(teamdata::BatterColumn::Name, row), column.pointScale);
    if (ValueDialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return ValueDialog->ValueBar->value();
}

void TMainForm::BatterTableClick() {
    if (filePath_.isEmpty())
        return;
    const int row = batterTable_->Row();
    const int col = batterTable_->Col();
    if (row == 0)
        return;
    if (col == teamdata::BatterColumn::Name) {
        EditName(batterTable_);
        return;
    }
    if (col == teamdata::BatterColumn::Side) {
        if (const auto next = teamdata::NextBatterSide(batterTable_->Cells(col, row).toStdString()))
            ApplyCellText(batterTable_, col, row, FromUtf8(*next));
        return;
    }
    const auto column = teamdata::BatterValueColumn(col);
    if (!column)
        return;
    const std::optional<int> value = AskValue(batterTable_, *column);
    if (!value)
        return;
    const QString text = QString::number(*value);
    if (col != teamdata::BatterColumn::Position) {
        ApplyCellText(batterTable_, col, row, text);
        return;
    }
    // The batter who held the picked position in the batting order takes the edited batter's
    // old one; both cells change in one step.
    std::array<std::string, teamdata::BattingOrderLength> positions;
    for (int r = 1; r <= teamdata::BattingOrderLength; ++r)
        positions[static_cast<std::size_t>(r - 1)] = batterTable_->Cells(col, r).toStdString();
    std::vector<CellEditCommand::Cell> cells;
    if (const int swapRow = teamdata::PositionSwapRow(positions, row, text.toStdString()))
        cells.push_back({col, swapRow, batterTable_->Cells(col, row)});
    cells.push_back({col, row, text});
    ApplyCellTexts(batterTable_, std::move(cells),
                   exchange::ColumnName(teamdata::Grid::Batters, col));
}

void TMainForm::PitcherTableClick() {
    if (filePath_.isEmpty())
        return;
    const int row = pitcherTable_->Row();
    const int col = pitcherTable_->Col();
    if (row == 0)
        return;
    if (col == teamdata::PitcherColumn::Name) {
        EditName(pitcherTable_);
        return;
    }
    if (col == teamdata::PitcherColumn::Style) {
        if (const auto next =
                teamdata::NextPitchingStyle(pitcherTable_->Cells(col, row).toStdString()))
            ApplyCellText(pitcherTable_, col, row, FromUtf8(*next));
        return;
    }
    const auto column = teamdata::PitcherValueColumn(col);
    if (!column)
        return;
    if (const std::optional<int> value = AskValue(pitcherTable_, *column))
        ApplyCellText(pitcherTable_, col, row, QString::number(*value));
}

// ---- Team colours and row order ----

void TMainForm::PickTeamColor(bool helmet) {
    if (!ImageOpenOrSayNoData())
        return;
    if (ColorForm->exec() != QDialog::Accepted)
        return;
    chosenColorIndex_ = ColorForm->ChosenColorIndex();
    chosenColor_ = ColorForm->ChosenColor();
    teamdata::TeamColors colors{romTeamData_.HelmetColorByte, romTeamData_.UniformColorByte};
    (helmet ? colors.helmet : colors.uniform) = static_cast<std::uint8_t>(chosenColorIndex_ & 0xFF);
    // A new colour is an edit like any other: switching team or closing asks before dropping it.
    ApplyColors(colors, StepName(helmet ? EditStep::Helmet : EditStep::Uniform));
}

void TMainForm::HelmetButtonClick() {
    PickTeamColor(true);
}

void TMainForm::UniformButtonClick() {
    PickTeamColor(false);
}

void TMainForm::BatterTableRowMoved(int fromIndex, int toIndex) {
    WriteBatterLabels();
    // Empty rows moved with no file open are no edit of anything.
    if (fromIndex != toIndex && !filePath_.isEmpty())
        undoStack_.push(new RowMoveCommand(
            batterTable_, fromIndex, toIndex, [this] { WriteBatterLabels(); },
            StepName(EditStep::BattingOrder)));
}

void TMainForm::PitcherTableRowMoved(int fromIndex, int toIndex) {
    WritePitcherLabels();
    if (fromIndex != toIndex && !filePath_.isEmpty())
        undoStack_.push(new RowMoveCommand(
            pitcherTable_, fromIndex, toIndex, [this] { WritePitcherLabels(); },
            StepName(EditStep::PitchingOrder)));
}
