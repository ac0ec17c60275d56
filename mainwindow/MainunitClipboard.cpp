// SPDX-License-Identifier: MIT
// The window as a working surface: whole players copied as spreadsheets paste them, blocks of
// cells pasted in by the rules of the CSV import, and files dropped on the window.
#include "Mainunit.h"

#include "EditCaptions.h"
#include "Files.h"
#include "IssueList.h"
#include "League.h"
#include "MainunitShared.h"
#include "MessageDialogs.h"
#include "TeamWords.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

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

} // namespace

// ---- Copy and paste ----

StringGrid* TMainForm::ClipboardGrid() const {
    return clipboardGrid_;
}

void TMainForm::MenuCopyClick() {
    if (!ImageOpenOrSayNoData())
        return;
    // Whole rows, because a row is a player: the rows the user sees selected (a row whose label
    // was clicked, a range of cells), or the current cell's, in grid order, with the data cells
    // as shown (the batting side and pitching style in the words of the interface's language; a
    // paste reads them back), but the names as the game spells them, as the CSV files hold them:
    // a spreadsheet is another program's file, and the spelling pastes back into the very same
    // name, a leading blank included.
    const StringGrid* grid = ClipboardGrid();
    const std::vector<int> rows = grid->SelectedRows();
    if (rows.empty())
        return;
    const int columns = reports::DataColumnCount(GridOf(grid));
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

void TMainForm::MenuPasteClick() {
    if (!ImageOpenOrSayNoData())
        return;
    const std::string text = QApplication::clipboard()->text().toStdString();
    // Far more than a whole league's text: whatever it is, it is no team's data, and reading it
    // cell by cell would keep the window busy for nothing.
    if (text.size() > exchange::MaxCsvFileSize) {
        ShowError(this, tr("The clipboard holds more than %1 KiB of text, more than any team's "
                           "data; nothing was pasted.")
                            .arg(exchange::MaxCsvFileSize / 1024));
        return;
    }
    // A whole team, with the headers CSV出力 writes, is what CSV取込 reads.
    if (const std::optional<std::string> teamCsv = reports::TeamCsvOfPaste(text)) {
        ImportTeamCsv(QByteArray::fromStdString(*teamCsv), StepName(EditStep::Paste),
                      StepName(EditStep::Paste));
        return;
    }
    StringGrid* grid = ClipboardGrid();
    const teamdata::TeamTexts shown = TeamShown();
    // From the current cell on: after a click on a row's label, the first cell of that row, which
    // takes the player pasted there whole.
    const reports::PasteTarget target{GridOf(grid), grid->Col(), grid->Row()};
    reports::PasteRead read =
        reports::ReadPaste(text, target, shown, exchange::PastedLabelSpellings());
    if (!read.Accepted()) {
        if (!ShowPasteProblems(grid, read, true))
            return;
        read = reports::ReadPaste(text, target, shown, exchange::PastedLabelSpellings(), true);
        if (!read.Accepted()) {
            static_cast<void>(ShowPasteProblems(grid, read, false));
            return;
        }
    }
    if (read.texts != shown)
        ApplyTeam(read.texts, StepName(EditStep::Paste));
    if (!read.notes.empty())
        ShowPasteNotes(grid, read.notes);
}

bool TMainForm::ShowPasteProblems(StringGrid* grid, const reports::PasteRead& read,
                                  bool offerRounding) {
    using Kind = reports::PasteProblemKind;
    if (read.problems.front().kind == Kind::NothingToPaste) {
        ShowError(this, tr("The clipboard holds no cells to paste."));
        return false;
    }
    const teamdata::Grid which = GridOf(grid);
    std::vector<TIssueListDialog::Row> rows;
    for (const reports::PasteProblem& problem : read.problems) {
        // A refused cell is placed by the cell it names.
        const int problemRow = problem.cell ? problem.cell->row : problem.row;
        const int problemColumn = problem.cell ? problem.cell->column : problem.column;
        TIssueListDialog::Row row;
        row.line = problemRow;
        row.column = problemColumn;
        row.text = QString::fromStdString(problem.cell ? problem.cell->text : problem.text);
        row.lineCaption = RowCaption(grid, problemRow);
        row.columnCaption = exchange::ColumnName(which, problemColumn);
        switch (problem.kind) {
        case Kind::NothingToPaste:
            break;
        case Kind::UnclosedQuote: {
            // Its place is in the text, not in the grid.
            reports::CsvIssue issue;
            issue.kind = reports::CsvIssueKind::UnclosedQuote;
            row.lineCaption = tr("text line %1").arg(problem.line);
            row.columnCaption = QString::number(problem.column);
            row.reason = exchange::DescribeCsvIssue(issue);
            break;
        }
        case Kind::DoesNotFit:
            row.reason =
                problem.moreRows
                    ? tr("the pasted block has more than %1 rows; from this cell there is room "
                         "for %2 × %3 cells (rows × columns)")
                          .arg(problem.rows)
                          .arg(problem.roomRows)
                          .arg(problem.roomColumns)
                    : tr("the pasted block is %1 × %2 cells (rows × columns); from this cell "
                         "there is room for %3 × %4")
                          .arg(problem.rows)
                          .arg(problem.columns)
                          .arg(problem.roomRows)
                          .arg(problem.roomColumns);
            break;
        case Kind::CellRefused:
            row.reason = DescribeRefusedCell(*problem.cell);
            break;
        case Kind::FieldingPositions: {
            if (problem.otherRow > 0) {
                row.reason = tr("the batter in row %1 holds this fielding position too; the "
                                "batting order needs the positions 2 to 9 once each")
                                 .arg(RowCaption(grid, problem.otherRow));
                break;
            }
            reports::CsvIssue issue;
            issue.kind = reports::CsvIssueKind::FieldingPositions;
            row.reason = exchange::DescribeCsvIssue(issue);
            break;
        }
        }
        rows.push_back(std::move(row));
    }
    TIssueListDialog dialog(StepName(EditStep::Paste),
                            tr("Nothing was pasted because of these problems."), rows, this,
                            TIssueListDialog::Places::GridCells);
    if (offerRounding && std::all_of(read.problems.begin(), read.problems.end(),
                                     [](const reports::PasteProblem& problem) {
                                         return problem.kind == Kind::CellRefused && problem.cell &&
                                                teamdata::RoundingTakes(*problem.cell);
                                     }))
        dialog.OfferRounding();
    return dialog.exec() == TIssueListDialog::RoundChosen;
}

void TMainForm::ShowPasteNotes(StringGrid* grid, const std::vector<teamdata::CellNote>& notes) {
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
        }
        issue.text = note.text;
        issue.expected = note.stored;
        TIssueListDialog::Row row;
        row.line = note.row;
        row.column = note.column;
        row.text = QString::fromStdString(note.text);
        row.reason = exchange::DescribeCsvIssue(issue);
        row.lineCaption = RowCaption(grid, note.row);
        row.columnCaption = exchange::ColumnName(GridOf(grid), note.column);
        rows.push_back(std::move(row));
    }
    const bool rounded =
        std::any_of(notes.begin(), notes.end(), [](const teamdata::CellNote& note) {
            return note.kind == teamdata::CellNoteKind::ValueRounded;
        });
    TIssueListDialog dialog(
        StepName(EditStep::Paste),
        rounded ? tr("Pasted. These cells were read as listed.")
                : tr("Pasted. These names were changed to the way the game writes them."),
        rows, this, TIssueListDialog::Places::GridCells);
    dialog.exec();
}

// ---- Files dropped on the window ----

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    // Whatever is dragged here may be dropped: what cannot be used is refused with a message
    // that says what can, rather than with a forbidding pointer that says nothing.
    event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    // Taken once the drop has ended: the questions and lists it may bring up would otherwise keep
    // the program the file came from waiting for the drop to finish.
    QTimer::singleShot(0, this, [this, urls] { OpenDroppedFiles(urls); });
}

void TMainForm::OpenDroppedFiles(const QList<QUrl>& urls) {
    const auto sayWhatCanBeDropped = [this] {
        ShowError(this, tr("Drop one file here: an image (.nes) to open it, a team CSV or a league "
                           "file (.csv) to import it, or a patch (.bps, .ips) to apply it."));
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
        if (EditsMayBeGivenUp())
            OpenCartridgeFile(path);
        return;
    }
    if (suffix == QLatin1String("bps") || suffix == QLatin1String("ips")) {
        ApplyPatchFile(path);
        return;
    }
    if (suffix == QLatin1String("csv")) {
        ImportDroppedCsv(path);
        return;
    }
    sayWhatCanBeDropped();
}

void TMainForm::ImportDroppedCsv(const QString& path) {
    if (!ImageOpenOrSayNoData())
        return;
    // A league file has team lines; any other file goes to CSV取込, which says what is wrong
    // with it if it is no team CSV either.
    bool leagueFile = false;
    const exchange::InputFile input = exchange::ReadInputFile(path, exchange::MaxCsvFileSize);
    if (input.outcome == exchange::InputFile::Outcome::Read) {
        reports::LeagueTexts current;
        current.fill(TeamShown());
        leagueFile = exchange::ReadCsvFile(input.bytes, current, shownTeam_).leagueFile;
    }
    if (!leagueFile) {
        ImportTeamCsvFile(path, TeamCsvQuestion::ListChanges);
        return;
    }
    if (LeagueImportMayStart())
        ImportLeagueCsvFile(path);
}
