// SPDX-License-Identifier: MIT
// What leaves the window as files or comes into it from files: the team's CSV and HTML reports,
// the league CSV both ways, a team CSV into the grids, and patches.
#include "Mainunit.h"

#include "Changes.h"
#include "EditCaptions.h"
#include "Files.h"
#include "ImageFile.h"
#include "ImportController.h"
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

// ---- Imports ----

void TMainForm::MenuImportCSVClick() {
    if (!ImageOpenOrSayNoData())
        return;
    const QString path = RunOpenDialog(this, importCSVDialog_);
    if (path.isEmpty())
        return;
    TImportController(*this).ImportTeamCsvFile(path);
}

void TMainForm::MenuImportLeagueCSVClick() {
    TImportController import(*this);
    if (!import.LeagueImportMayStart())
        return;
    const QString path = RunOpenDialog(this, importLeagueCSVDialog_);
    if (path.isEmpty())
        return;
    import.ImportLeagueCsvFile(path);
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
