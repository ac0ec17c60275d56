// SPDX-License-Identifier: MIT
// Editing the shown team: cell clicks, the team colours and the row order. Every change goes
// through the undo stack, by way of the doors at the top of this file.
#include "Mainunit.h"

#include "CellEditCommand.h"
#include "CellEditRules.h"
#include "Color.h"
#include "MainunitShared.h"
#include "MessageDialogs.h"
#include "Nameunit.h"
#include "Palette.h"
#include "RecordText.h"
#include "RowMoveCommand.h"
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

// What an edit of a column is called in the undo and redo commands: the header without the
// spaces that pad it.
QString ColumnName(const StringGrid* grid, int col) {
    QString name = grid->Cells(col, 0);
    name.remove(QChar(0x3000));
    name.remove(QLatin1Char(' '));
    return name;
}

} // namespace

// ---- The doors: every change to the shown team is a step on the undo stack ----

void TMainForm::ApplyCellText(StringGrid* grid, int col, int row, const QString& text) {
    ApplyCellTexts(grid, {{col, row, text}}, ColumnName(grid, col));
}

void TMainForm::ApplyCellTexts(StringGrid* grid, std::vector<CellEditCommand::Cell> cells,
                               const QString& what) {
    undoStack_.push(new CellEditCommand(grid, std::move(cells), what));
}

void TMainForm::ApplyColors(teamdata::TeamColors colors, const QString& what) {
    undoStack_.push(new ValueCommand<teamdata::TeamColors>(
        {RomTeamData.HelmetColorByte, RomTeamData.UniformColorByte}, colors,
        [this](const teamdata::TeamColors& shown) { ShowColors(shown); }, what));
}

void TMainForm::ApplyTeam(const teamdata::TeamTexts& team, const QString& what) {
    undoStack_.push(new ValueCommand<teamdata::TeamTexts>(
        TeamShown(), team, [this](const teamdata::TeamTexts& texts) { ShowTeamTexts(texts); },
        what));
}

void TMainForm::ShowTeamTexts(const teamdata::TeamTexts& team) {
    const GridRepaintPause pause({BatterTable, PitcherTable});
    for (int i = 0; i < teamdata::BatterCount; ++i)
        SetRowTexts(BatterTable, i + 1, team.batters[static_cast<std::size_t>(i)]);
    for (int i = 0; i < teamdata::PitcherCount; ++i)
        SetRowTexts(PitcherTable, i + 1, team.pitchers[static_cast<std::size_t>(i)]);
    ShowColors(team.colors);
}

// ---- Editing cells ----

void TMainForm::EditName(StringGrid* grid) {
    const int col = grid->Col();
    const int row = grid->Row();
    NameForm->EnsureBuilt();
    NameForm->NameEdit->setText(QString());
    NameForm->OldNameLabel->setText(grid->Cells(col, row));
    if (NameForm->exec() != QDialog::Accepted)
        return;
    ApplyCellText(grid, col, row, NameForm->NameEdit->text());
}

std::optional<int> TMainForm::AskValue(StringGrid* grid, const teamdata::ValueColumn& column) {
    const int col = grid->Col();
    const int row = grid->Row();
    // A cell that holds no number fails here, before any dialog, and the failure is shown.
    const int initial = teamdata::StrictToInt(grid->Cells(col, row).toStdString());
    ValueDialog->SetupDialog(FromUtf8(column.caption), column.minimum, column.maximum,
                             column.smallStep, column.largeStep, initial, grid->Cells(1, row));
    if (ValueDialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return ValueDialog->ValueBar->value();
}

void TMainForm::BatterTableClick() {
    if (FilePath.isEmpty())
        return;
    const int row = BatterTable->Row();
    const int col = BatterTable->Col();
    if (row == 0)
        return;
    if (col == teamdata::BatterColumn::Name) {
        EditName(BatterTable);
        return;
    }
    if (col == teamdata::BatterColumn::Side) {
        if (const auto next = teamdata::NextBatterSide(BatterTable->Cells(col, row).toStdString()))
            ApplyCellText(BatterTable, col, row, FromUtf8(*next));
        return;
    }
    const auto column = teamdata::BatterValueColumn(col);
    if (!column)
        return;
    const std::optional<int> value = AskValue(BatterTable, *column);
    if (!value)
        return;
    const QString text = QString::number(*value);
    if (col != teamdata::BatterColumn::Position) {
        ApplyCellText(BatterTable, col, row, text);
        return;
    }
    // The batter who held the picked position in the batting order takes the edited batter's
    // old one; both cells change in one step.
    std::array<std::string, teamdata::BattingOrderLength> positions;
    for (int r = 1; r <= teamdata::BattingOrderLength; ++r)
        positions[static_cast<std::size_t>(r - 1)] = BatterTable->Cells(col, r).toStdString();
    std::vector<CellEditCommand::Cell> cells;
    if (const int swapRow = teamdata::PositionSwapRow(positions, row, text.toStdString()))
        cells.push_back({col, swapRow, BatterTable->Cells(col, row)});
    cells.push_back({col, row, text});
    ApplyCellTexts(BatterTable, std::move(cells), ColumnName(BatterTable, col));
}

void TMainForm::PitcherTableClick() {
    if (FilePath.isEmpty())
        return;
    const int row = PitcherTable->Row();
    const int col = PitcherTable->Col();
    if (row == 0)
        return;
    if (col == teamdata::PitcherColumn::Name) {
        EditName(PitcherTable);
        return;
    }
    if (col == teamdata::PitcherColumn::Style) {
        if (const auto next =
                teamdata::NextPitchingStyle(PitcherTable->Cells(col, row).toStdString()))
            ApplyCellText(PitcherTable, col, row, FromUtf8(*next));
        return;
    }
    const auto column = teamdata::PitcherValueColumn(col);
    if (!column)
        return;
    if (const std::optional<int> value = AskValue(PitcherTable, *column))
        ApplyCellText(PitcherTable, col, row, QString::number(*value));
}

// ---- Team colours and row order ----

void TMainForm::PickTeamColor(bool helmet) {
    if (FilePath.isEmpty()) {
        ShowError(this, NoDataMessage);
        return;
    }
    if (ColorForm->exec() != QDialog::Accepted)
        return;
    ChosenColorIndex = ColorForm->ChosenColorIndex();
    ChosenColor = ColorForm->ChosenColor();
    teamdata::TeamColors colors{RomTeamData.HelmetColorByte, RomTeamData.UniformColorByte};
    (helmet ? colors.helmet : colors.uniform) = static_cast<std::uint8_t>(ChosenColorIndex & 0xFF);
    // A new colour is an edit like any other: switching team or closing asks before dropping it.
    ApplyColors(colors, helmet ? HelmetButton->text() : UniformButton->text());
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
    if (fromIndex != toIndex && !FilePath.isEmpty())
        undoStack_.push(new RowMoveCommand(
            BatterTable, fromIndex, toIndex, [this] { WriteBatterLabels(); },
            QStringLiteral("打順")));
}

void TMainForm::PitcherTableRowMoved(int fromIndex, int toIndex) {
    WritePitcherLabels();
    if (fromIndex != toIndex && !FilePath.isEmpty())
        undoStack_.push(new RowMoveCommand(
            PitcherTable, fromIndex, toIndex, [this] { WritePitcherLabels(); },
            QStringLiteral("投手の順番")));
}
