// SPDX-License-Identifier: MIT
#include "ClipboardController.h"

#include "EditCaptions.h"
#include "Files.h"
#include "ImportController.h"
#include "IssueList.h"
#include "League.h"
#include "Mainunit.h"
#include "MainunitShared.h"
#include "MessageDialogs.h"
#include "Paste.h"
#include "TeamWords.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>

using namespace mainunit;

namespace {

// What a spreadsheet puts between the rows it copies.
const QString ClipboardLineEnd = QStringLiteral("\r\n");

// A grid row's label as the list of problems names the row: "３", "Ｐ２".
QString RowCaption(const StringGrid* grid, int row) {
    const QString label = grid->Cells(0, row).trimmed();
    return label.isEmpty() ? QString::number(row) : label;
}

// A refused cell worded as the CSV import words the same refusal, the labels it allows as the
// grid shows them.
QString DescribeRefusedCell(const teamdata::CellProblem& problem) {
    teamdata::CellRefusal refusal = problem.refusal;
    for (std::string& allowed : refusal.allowed)
        allowed = exchange::LabelWord(allowed).toStdString();
    return exchange::DescribeCellRefusal(refusal);
}

// Why a paste problem stops the paste, the rows of the batting order named by their labels.
QString DescribePasteProblem(const StringGrid* grid, const reports::PasteProblem& problem) {
    using Kind = reports::PasteProblemKind;
    switch (problem.kind) {
    case Kind::NothingToPaste:
        break;
    case Kind::UnclosedQuote: {
        reports::CsvIssue issue;
        issue.kind = reports::CsvIssueKind::UnclosedQuote;
        return exchange::DescribeCsvIssue(issue);
    }
    case Kind::DoesNotFit:
        return problem.moreRows
                   ? TMainForm::tr("the pasted block has more than %1 rows; from this cell there "
                                   "is room for %2 × %3 cells (rows × columns)")
                         .arg(problem.rows)
                         .arg(problem.roomRows)
                         .arg(problem.roomColumns)
                   : TMainForm::tr("the pasted block is %1 × %2 cells (rows × columns); from this "
                                   "cell there is room for %3 × %4")
                         .arg(problem.rows)
                         .arg(problem.columns)
                         .arg(problem.roomRows)
                         .arg(problem.roomColumns);
    case Kind::CellRefused:
        return DescribeRefusedCell(*problem.cell);
    case Kind::FieldingPositions: {
        if (problem.otherRow > 0)
            return TMainForm::tr("the batter in row %1 holds this fielding position too; the "
                                 "batting order needs the positions 2 to 9 once each")
                .arg(RowCaption(grid, problem.otherRow));
        reports::CsvIssue issue;
        issue.kind = reports::CsvIssueKind::FieldingPositions;
        return exchange::DescribeCsvIssue(issue);
    }
    }
    return {};
}

} // namespace

TClipboardController::TClipboardController(TMainForm& window)
    : window_(window) {}

void TClipboardController::Copy(const StringGrid* grid) {
    // Whole rows, because a row is a player: the rows the user sees selected (a row whose label
    // was clicked, a range of cells), or the current cell's, in grid order, with the data cells
    // as shown (the batting side and pitching style in the words of the interface's language; a
    // paste reads them back), but the names as the game spells them, as the CSV files hold them:
    // a spreadsheet is another program's file, and the spelling pastes back into the very same
    // name, a leading blank included.
    const std::vector<int> rows = grid->SelectedRows();
    if (rows.empty())
        return;
    const int columns = reports::DataColumnCount(window_.GridOf(grid));
    QString text;
    for (const int row : rows) {
        QStringList cells;
        for (int column = 1; column <= columns; ++column)
            cells << (column == teamdata::BatterColumn::Name ? grid->Cells(column, row)
                                                             : grid->ShownText(column, row));
        text += cells.join(QLatin1Char('\t')) + ClipboardLineEnd;
    }
    QApplication::clipboard()->setText(text);
}

void TClipboardController::Paste(StringGrid* grid) {
    const teamdata::TeamTexts shown = window_.TeamShown();
    plans::PasteChoices how;
    // From the current cell on: after a click on a row's label, the first cell of that row, which
    // takes the player pasted there whole.
    how.target = {window_.GridOf(grid), grid->Col(), grid->Row()};
    how.labelSpellings = exchange::PastedLabelSpellings();
    how.largest = exchange::MaxCsvFileSize;
    how.shownTeam = window_.ShownTeam();
    const std::string text = QApplication::clipboard()->text().toStdString();
    plans::PastePlan plan = plans::PlanPaste(text, shown, how);
    // 丸めて読み込む, 読みを付けて読み込む: the same text read again as chosen, until nothing
    // more is offered.
    ReadChoices chosen;
    while (plan.decision == plans::PasteDecision::Refused) {
        const std::optional<ReadChoices> next = ShowPasteProblems(grid, plan.read, chosen);
        if (!next)
            return;
        chosen = *next;
        how.round = chosen.round;
        how.readKanji = KanjiReaderFor(chosen);
        plan = plans::PlanPaste(text, shown, how);
    }
    switch (plan.decision) {
    case plans::PasteDecision::TooLarge:
        ShowError(&window_, TMainForm::tr("The clipboard holds more than %1 KiB of text, more "
                                          "than any team's data; nothing was pasted.")
                                .arg(exchange::MaxCsvFileSize / 1024));
        return;
    case plans::PasteDecision::TeamCsv:
        TImportController(window_).ImportTeamCsv(
            *plan.teamCsv, StepName(EditStep::Paste), StepName(EditStep::Paste),
            TImportController::TeamCsvQuestion::OnlyForAnotherTeam,
            [text, shown, how](ReadChoices next) mutable {
                how.round = next.round;
                how.readKanji = KanjiReaderFor(next);
                return *plans::PlanPaste(text, shown, how).teamCsv;
            },
            chosen);
        return;
    case plans::PasteDecision::Refused:
        return;
    case plans::PasteDecision::Apply:
        window_.ApplyTeam(plan.read.texts, StepName(EditStep::Paste));
        break;
    case plans::PasteDecision::Unchanged:
        break;
    }
    if (!plan.read.notes.empty())
        ShowPasteNotes(grid, plan.read.notes, plan.sameReadings);
}

std::optional<ReadChoices> TClipboardController::ShowPasteProblems(StringGrid* grid,
                                                                   const reports::PasteRead& read,
                                                                   const ReadChoices& chosen) {
    if (read.problems.front().kind == reports::PasteProblemKind::NothingToPaste) {
        ShowError(&window_, TMainForm::tr("The clipboard holds no cells to paste."));
        return std::nullopt;
    }
    const teamdata::Grid which = window_.GridOf(grid);
    std::vector<TIssueListDialog::Row> rows;
    for (const reports::PasteProblem& problem : read.problems) {
        // A refused cell is placed by the cell it names.
        const int problemRow = problem.cell ? problem.cell->row : problem.row;
        const int problemColumn = problem.cell ? problem.cell->column : problem.column;
        TIssueListDialog::Row row;
        row.line = problemRow;
        row.column = problemColumn;
        row.text = QString::fromStdString(problem.cell ? problem.cell->text : problem.text);
        row.reason = DescribePasteProblem(grid, problem);
        if (problem.kind == reports::PasteProblemKind::UnclosedQuote) {
            // Its place is in the text, not in the grid.
            row.lineCaption = TMainForm::tr("text line %1").arg(problem.line);
            row.columnCaption = QString::number(problem.column);
        } else {
            row.lineCaption = RowCaption(grid, problemRow);
            row.columnCaption = exchange::ColumnName(which, problemColumn);
        }
        rows.push_back(std::move(row));
    }
    TIssueListDialog dialog(StepName(EditStep::Paste),
                            TMainForm::tr("Nothing was pasted because of these problems."), rows,
                            &window_, TIssueListDialog::Places::GridCells);
    std::vector<const teamdata::CellProblem*> cells;
    for (const reports::PasteProblem& problem : read.problems)
        cells.push_back(problem.kind == reports::PasteProblemKind::CellRefused && problem.cell
                            ? &*problem.cell
                            : nullptr);
    OfferReadingAgain(dialog, cells, chosen);
    return ChosenAgain(dialog.exec(), chosen);
}

void TClipboardController::ShowPasteNotes(StringGrid* grid,
                                          const std::vector<teamdata::CellNote>& notes,
                                          const std::vector<plans::SameReading>& sameReadings) {
    std::vector<TIssueListDialog::Row> rows;
    for (const teamdata::CellNote& note : notes) {
        reports::CsvIssue issue;
        switch (note.kind) {
        case teamdata::CellNoteKind::NameKeptFromNumber:
            issue.kind = reports::CsvIssueKind::NameKeptFromNumber;
            break;
        case teamdata::CellNoteKind::NameSpellingChanged:
            issue.kind = reports::CsvIssueKind::NameSpellingChanged;
            break;
        case teamdata::CellNoteKind::ValueRounded:
            issue.kind = reports::CsvIssueKind::ValueRounded;
            break;
        case teamdata::CellNoteKind::NameRead:
            issue.kind = reports::CsvIssueKind::NameRead;
            break;
        }
        issue.text = note.text;
        issue.expected = note.stored;
        issue.allowed = note.otherReadings;
        TIssueListDialog::Row row;
        row.line = note.row;
        row.column = note.column;
        row.text = QString::fromStdString(note.text);
        row.reason = exchange::DescribeCsvIssue(issue);
        row.lineCaption = RowCaption(grid, note.row);
        row.columnCaption = exchange::ColumnName(window_.GridOf(grid), note.column);
        rows.push_back(std::move(row));
    }
    for (const plans::SameReading& same : sameReadings) {
        const StringGrid* other = same.otherGrid == teamdata::Grid::Batters
                                      ? window_.BatterTable()
                                      : window_.PitcherTable();
        TIssueListDialog::Row row;
        row.line = same.row;
        row.column = teamdata::BatterColumn::Name;
        row.text = QString::fromStdString(same.text);
        row.reason = TMainForm::tr("the name \"%1\" is read \"%2\" as the name in row %3 is; "
                                   "the game shows the two alike")
                         .arg(row.text, exchange::ShownName(QString::fromStdString(same.stored)),
                              RowCaption(other, same.otherRow));
        row.lineCaption = RowCaption(grid, same.row);
        row.columnCaption = exchange::ColumnName(window_.GridOf(grid), row.column);
        rows.push_back(std::move(row));
    }
    const bool rounded =
        std::any_of(notes.begin(), notes.end(), [](const teamdata::CellNote& note) {
            return note.kind == teamdata::CellNoteKind::ValueRounded ||
                   note.kind == teamdata::CellNoteKind::NameRead;
        });
    TIssueListDialog dialog(
        StepName(EditStep::Paste),
        rounded
            ? TMainForm::tr("Pasted. These cells were read as listed.")
            : TMainForm::tr("Pasted. These names were changed to the way the game writes them."),
        rows, &window_, TIssueListDialog::Places::GridCells);
    dialog.exec();
}

void TClipboardController::OpenDroppedFiles(const QList<QUrl>& urls) {
    const auto sayWhatCanBeDropped = [this] {
        ShowError(&window_,
                  TMainForm::tr("Drop one file here: an image (.nes) to open it, a team CSV or a "
                                "league file (.csv) to import it, or a patch (.bps, .ips) to "
                                "apply it."));
    };
    if (urls.size() != 1 || !urls.front().isLocalFile()) {
        sayWhatCanBeDropped();
        return;
    }
    const QString path = urls.front().toLocalFile();
    const QFileInfo file(path);
    if (!file.isFile()) {
        sayWhatCanBeDropped();
        return;
    }
    const QString suffix = file.suffix().toLower();
    if (suffix == QLatin1String("nes")) {
        // As 開く, but the open image need not be closed first: it is replaced, once the user
        // has agreed to give up its unsaved edits.
        // The edits stay marked until another image is really open: should this one be refused
        // or not agreed to at its own question, the shown team is still there, unsaved.
        if (window_.EditsMayBeGivenUp())
            window_.OpenCartridgeFile(path);
        return;
    }
    if (suffix == QLatin1String("bps") || suffix == QLatin1String("ips")) {
        window_.ApplyPatchFile(path);
        return;
    }
    if (suffix == QLatin1String("csv")) {
        TImportController(window_).ImportDroppedCsv(path);
        return;
    }
    sayWhatCanBeDropped();
}
