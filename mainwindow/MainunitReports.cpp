// SPDX-License-Identifier: MIT
// What leaves the window as files or comes into it from files: the team's CSV and HTML reports,
// the league CSV both ways, a team CSV into the grids, and patches.
#include "Mainunit.h"

#include "CellMerge.h"
#include "Changes.h"
#include "EditCaptions.h"
#include "Files.h"
#include "ImageFile.h"
#include "Import.h"
#include "IssueList.h"
#include "League.h"
#include "MainunitShared.h"
#include "MessageDialogs.h"
#include "PatchFiles.h"
#include "SafeImageWriter.h"
#include "TolvanekApplication.h"

#include <QComboBox>

using namespace mainunit;

namespace {

QString NotSavedMessage() {
    return TMainForm::tr("The file cannot be saved.");
}

exchange::CsvEncoding EncodingOfFileType(int fileType) {
    return fileType == Utf8CsvFileType ? exchange::CsvEncoding::Utf8
                                       : exchange::CsvEncoding::ShiftJis;
}

} // namespace

// ---- Reports of the shown team ----

void TMainForm::WriteReport(const QString& path, const QByteArray& bytes) {
    // Written beside the old file and renamed into place: an export that fails half-way leaves
    // the file that was there.
    const teamdata::FileWriteResult result = teamdata::WriteFileSafely(
        exchange::NativePath(path), std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                              static_cast<std::size_t>(bytes.size())));
    MessageDlg(this,
               result.Written()
                   ? tr("The file has been saved.")
                   : WithDetail(NotSavedMessage(), exchange::DescribeWriteFailure(result, path)),
               MessageKind::Confirmation, MessageButtons::Ok);
    if (result.Written())
        ShowWriteAftermath(this, result.aftermath, path);
}

void TMainForm::SaveCSV() {
    if (!ImageOpenOrSayNoData())
        return;
    const SaveChoice chosen = RunSaveDialogWithType(this, saveCSVDialog_);
    if (chosen.path.isEmpty())
        return;
    WriteReport(chosen.path,
                exchange::TeamCsvBytes(TeamShown(), EncodingOfFileType(chosen.fileType)));
}

void TMainForm::OutputHTML() {
    if (!ImageOpenOrSayNoData())
        return;
    const QString path = RunSaveDialog(this, saveHTMLDialog_);
    if (path.isEmpty())
        return;
    // The page is built before the file is touched: a total that cannot be computed ends the
    // export with its message and leaves any existing file as it was.
    const QByteArray page = exchange::TeamHtmlBytes(shownTeam_, TeamShown());
    WriteReport(path, page);
}

void TMainForm::MenuSaveCSVClick() {
    SaveCSV();
}

void TMainForm::MenuOutputHTMLClick() {
    // A total that cannot be read ends the export with its message here: the exception must not
    // unwind through the toolkit's action code, which is not built to be unwound and leaks.
    try {
        OutputHTML();
    } catch (const std::exception& error) {
        TolvanekApplication::ShowException(error);
    }
}

// ---- The league CSV ----

std::optional<reports::LeagueTexts> TMainForm::LeagueShown() {
    const exchange::LoadedImage image = exchange::LoadImage(filePath_);
    if (image.Refused()) {
        ShowError(this, SourceUnreadableMessage());
        return std::nullopt;
    }
    reports::LeagueTexts league = exchange::TextsOf(exchange::RecordsOf(image));
    // The shown team as the user sees it, unsaved edits included, as CSV出力 writes it.
    if (shownTeam_ >= 0)
        league[static_cast<std::size_t>(shownTeam_)] = TeamShown();
    return league;
}

void TMainForm::MenuSaveLeagueCSVClick() {
    if (!ImageOpenOrSayNoData())
        return;
    const SaveChoice chosen = RunSaveDialogWithType(this, saveLeagueCSVDialog_);
    if (chosen.path.isEmpty())
        return;
    if (const auto league = LeagueShown())
        WriteReport(chosen.path,
                    exchange::LeagueCsvBytes(*league, EncodingOfFileType(chosen.fileType)));
}

void TMainForm::MenuOutputLeagueOverviewClick() {
    if (!ImageOpenOrSayNoData())
        return;
    const QString path = RunSaveDialog(this, saveLeagueOverviewDialog_);
    if (path.isEmpty())
        return;
    // The shown team as the grids show it, unsaved edits included, the others from the file, as
    // the league CSV is written. As with the team's page, a figure that cannot be computed ends
    // the export here, with the file left as it was.
    const std::optional<reports::LeagueTexts> league = LeagueShown();
    if (!league)
        return;
    try {
        WriteReport(path, exchange::LeagueOverviewBytes(*league));
    } catch (const std::exception& error) {
        TolvanekApplication::ShowException(error);
    }
}

std::optional<QByteArray> TMainForm::ReadImportFile(const QString& path) {
    exchange::InputFile input = exchange::ReadInputFile(path, exchange::MaxCsvFileSize);
    if (input.outcome != exchange::InputFile::Outcome::Read) {
        ShowError(this, tr("The file cannot be read."));
        return std::nullopt;
    }
    return std::move(input.bytes);
}

bool TMainForm::ShowCsvIssues(const QString& caption, const QString& message,
                              const std::vector<reports::CsvIssue>& issues, bool offerRounding) {
    std::vector<TIssueListDialog::Row> rows;
    for (const reports::CsvIssue& issue : issues)
        rows.push_back({issue.line, issue.column, QString::fromStdString(issue.text),
                        exchange::DescribeCsvIssue(issue)});
    TIssueListDialog dialog(caption, message, rows, this);
    if (offerRounding &&
        std::all_of(issues.begin(), issues.end(), [](const reports::CsvIssue& issue) {
            return issue.kind == reports::CsvIssueKind::CellRefused && issue.cell &&
                   teamdata::RoundingTakes(*issue.cell);
        }))
        dialog.OfferRounding();
    return dialog.exec() == TIssueListDialog::RoundChosen;
}

void TMainForm::MenuImportCSVClick() {
    if (!ImageOpenOrSayNoData())
        return;
    const QString path = RunOpenDialog(this, importCSVDialog_);
    if (path.isEmpty())
        return;
    ImportTeamCsvFile(path);
}

void TMainForm::ImportTeamCsvFile(const QString& path, TeamCsvQuestion question) {
    if (const std::optional<QByteArray> bytes = ReadImportFile(path))
        ImportTeamCsv(*bytes, tr("Import Team CSV"), StepName(EditStep::TeamCsvImport), question);
}

std::optional<std::vector<teamdata::LeagueChange>>
TMainForm::ShownTeamChanges(const teamdata::TeamTexts& imported) {
    // Compared as the league import compares: the image with the shown team as the grids hold it,
    // and the same with the imported team, so that moved and transferred players read as such.
    const exchange::LoadedImage image = exchange::LoadImage(filePath_);
    if (image.Refused()) {
        ShowError(this, SourceUnreadableMessage());
        return std::nullopt;
    }
    const teamdata::TeamRecords onDisk = teamdata::TeamRecordsAt(image.bytes, shownTeam_);
    const teamdata::TeamTexts shown = TeamShown();
    const teamdata::TeamRecords before =
        teamdata::MergeChangedCells(onDisk, teamdata::TextsOf(onDisk), shown);
    std::vector<std::uint8_t> beforeImage = image.bytes;
    teamdata::PutTeamRecords(beforeImage, shownTeam_, before);
    std::vector<std::uint8_t> afterImage = image.bytes;
    teamdata::PutTeamRecords(afterImage, shownTeam_,
                             teamdata::MergeChangedCells(before, shown, imported));
    return teamdata::CompareLeagues(beforeImage, afterImage);
}

void TMainForm::ImportTeamCsv(const QByteArray& bytes, const QString& caption,
                              const QString& stepName, TeamCsvQuestion question, bool round) {
    // Whatever team the file names, it goes into the shown team's grids, so every cell is
    // compared with what the grids show now.
    reports::LeagueTexts current;
    current.fill(TeamShown());
    const reports::CsvImport read = exchange::ReadCsvFile(bytes, current, shownTeam_, round);
    if (!read.errors.empty()) {
        if (ShowCsvIssues(caption, tr("Nothing was imported because of these errors."), read.errors,
                          !round))
            ImportTeamCsv(bytes, caption, stepName, question, true);
        return;
    }
    if (read.teams.size() != 1) {
        ShowError(this, tr("A team CSV import reads a file of one team. Import this one as a "
                           "league CSV."));
        return;
    }
    const reports::ImportedTeam& team = read.teams.front();
    if (question == TeamCsvQuestion::ListChanges) {
        const std::optional<std::vector<teamdata::LeagueChange>> changes =
            ShownTeamChanges(team.texts);
        if (!changes)
            return;
        const QString shown = exchange::TeamInitialsText(shownTeam_);
        if (changes->empty()) {
            MessageDlg(this,
                       tr("This file holds what team %1 shows; nothing was changed.").arg(shown),
                       MessageKind::Confirmation, MessageButtons::Ok);
            return;
        }
        QStringList message;
        if (team.team != shownTeam_)
            message << tr("This file holds team %1.").arg(exchange::TeamInitialsText(team.team));
        message << tr("It replaces team %1, which is shown, as listed below. Nothing is written "
                      "to the image until you save.")
                       .arg(shown)
                << tr("Go on?");
        if (!AskAboutChanges(this, caption, message.join(QLatin1Char('\n')), *changes))
            return;
    } else if (team.team != shownTeam_ &&
               !AskYesNo(this,
                         tr("This file holds team %1. Import it into team %2, which is shown?")
                             .arg(exchange::TeamInitialsText(team.team),
                                  exchange::TeamInitialsText(shownTeam_)),
                         MessageResult::No))
        return;
    // One step on the undo stack; nothing reaches the image until the user saves.
    ApplyTeam(team.texts, stepName);
    if (!read.notes.empty())
        static_cast<void>(ShowCsvIssues(
            caption,
            round ? tr("Imported. These cells were read as listed.")
                  : tr("Imported. These names were changed to the way the game writes them."),
            read.notes));
}

bool TMainForm::LeagueImportMayStart() {
    if (!ImageOpenOrSayNoData())
        return false;
    // The shown team is read again from the image afterwards, as a team switch would. Until the
    // import has been written, the edits stay on screen and still count as unsaved.
    return DataChanged() != 1 || AskYesNo(this, UnsavedEditsQuestion(), MessageResult::No);
}

void TMainForm::MenuImportLeagueCSVClick() {
    if (!LeagueImportMayStart())
        return;
    const QString path = RunOpenDialog(this, importLeagueCSVDialog_);
    if (path.isEmpty())
        return;
    ImportLeagueCsvFile(path);
}

void TMainForm::ImportLeagueCsvFile(const QString& path) {
    if (const std::optional<QByteArray> bytes = ReadImportFile(path))
        ImportLeagueCsv(*bytes, tr("Import League CSV"));
}

void TMainForm::ImportLeagueCsv(const QByteArray& bytes, const QString& caption, bool round) {
    const exchange::LoadedImage image = exchange::LoadImage(filePath_);
    if (image.Refused()) {
        ShowError(this, SourceUnreadableMessage());
        return;
    }
    const exchange::ImportPlan plan = exchange::PlanImport(image, bytes, std::nullopt, round);
    const reports::CsvImport& read = plan.read;
    if (!read.errors.empty()) {
        if (ShowCsvIssues(caption, tr("Nothing was changed because of these errors."), read.errors,
                          !round))
            ImportLeagueCsv(bytes, caption, true);
        return;
    }
    const std::vector<teamdata::TeamWrite>& writes = plan.writes;
    if (writes.empty()) {
        MessageDlg(this, tr("No team needs to be rewritten."), MessageKind::Confirmation,
                   MessageButtons::Ok);
        return;
    }
    const int teams = static_cast<int>(writes.size());
    // Every change is listed before anything is written: a spreadsheet may have changed cells
    // the user never touched (a name of digits read as a number, for one).
    QStringList question = {
        tr("The data of %n team(s) will be rewritten as listed below, and the image file is "
           "written at once.",
           nullptr, teams)};
    question << exchange::TeamSummaries(plan.changes) << tr("Go on?");
    if (!AskAboutChanges(this, caption, question.join(QLatin1Char('\n')), plan.changes))
        return;
    teamdata::ImageWriteRequest request;
    request.source = exchange::NativePath(filePath_);
    request.target = request.source;
    request.teams = writes;
    request.acceptQuestionable = questionableImageAccepted_;
    // The question was answered for the image as it was read; should anything have changed it
    // since, nothing is written.
    request.expectedSource = std::span<const std::uint8_t>(image.bytes);
    if (const teamdata::ImageWriteResult result = teamdata::WriteImage(request);
        !result.Written()) {
        ShowError(this, WithDetail(CannotSaveMessage(),
                                   exchange::DescribeWriteFailure(result, filePath_, filePath_)));
        return;
    } else {
        ShowWriteAftermath(this, result.aftermath, filePath_);
    }
    // The written teams are what the image holds now; the shown one is read again.
    if (!ShowTeam(shownTeam_))
        CloseCartridge();
    if (!read.notes.empty())
        static_cast<void>(ShowCsvIssues(
            caption,
            round ? tr("%n team(s) rewritten. These cells were read as listed.", nullptr, teams)
                  : tr("%n team(s) rewritten. These names were changed to the way the game "
                       "writes them.",
                       nullptr, teams),
            read.notes));
    else
        MessageDlg(this, tr("%n team(s) rewritten.", nullptr, teams), MessageKind::Confirmation,
                   MessageButtons::Ok);
}

// ---- Patches ----

void TMainForm::MenuOutputPatchClick() {
    if (!ImageOpenOrSayNoData())
        return;
    // The patch is made from the image as it is on disk: edits not saved yet are saved first or
    // the patch is not made, never quietly left out.
    if (DataChanged() == 1) {
        if (!AskYesNo(this, tr("The changes have not been saved. Save them and make the patch?")))
            return;
        SaveTeam(filePath_);
        if (DataChanged() == 1)
            return;
    }
    const QString originalPath = RunOpenDialog(this, patchOriginalDialog_);
    if (originalPath.isEmpty())
        return;
    const exchange::LoadedImage original = exchange::LoadImage(originalPath);
    if (original.Refused()) {
        ShowError(this, tr("This file cannot be the original image (%1).")
                            .arg(exchange::DescribeImageDoubt(original)));
        return;
    }
    if (original.Questionable() &&
        !AskYesNo(this,
                  tr("The original image does not look like an image of this game (%1). Use it?")
                      .arg(exchange::DescribeImageDoubt(original)),
                  MessageResult::No))
        return;
    const QString patchPath = RunSaveDialog(this, savePatchDialog_);
    if (patchPath.isEmpty())
        return;
    if (!teamdata::PatchFormatForName(exchange::NativePath(patchPath))) {
        ShowError(this, tr("Choose the patch format by the extension: .bps or .ips."));
        return;
    }
    const exchange::LoadedImage modified = exchange::LoadImage(filePath_);
    if (modified.Refused()) {
        ShowError(this, SourceUnreadableMessage());
        return;
    }
    const exchange::PatchFile patch = exchange::MakePatchFile(patchPath, original, modified);
    if (patch.outcome != exchange::PatchFile::Outcome::Made) {
        ShowError(this, tr("The image is too large for an IPS patch. Choose BPS."));
        return;
    }
    if (const teamdata::FileWriteResult result =
            teamdata::WriteFileSafely(exchange::NativePath(patchPath), patch.bytes);
        !result.Written()) {
        MessageDlg(this,
                   WithDetail(NotSavedMessage(), exchange::DescribeWriteFailure(result, patchPath)),
                   MessageKind::Confirmation, MessageButtons::Ok);
        return;
    } else {
        ShowWriteAftermath(this, result.aftermath, patchPath);
    }
    MessageDlg(this,
               tr("The patch has been saved (%1, %2 bytes).")
                   .arg(exchange::PatchFormatName(patch.format))
                   .arg(patch.bytes.size()),
               MessageKind::Confirmation, MessageButtons::Ok);
}
