// SPDX-License-Identifier: MIT
// What leaves the window as files or comes into it from files: the team's CSV and HTML reports,
// the league CSV both ways, the JSON forms of the team and the league, a team CSV into the grids,
// and patches. The exports and the patch are handed to TReportController.
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
#include "ReportController.h"
#include "SafeImageWriter.h"
#include "TeamWords.h"

#include <QComboBox>

using namespace mainunit;

namespace {

plans::CsvEncoding EncodingOfFileType(int fileType) {
    return fileType == Utf8CsvFileType ? plans::CsvEncoding::Utf8 : plans::CsvEncoding::ShiftJis;
}

} // namespace

// ---- Reports of the shown team and of the league ----

plans::ExportChoices TMainForm::ExportAsShown(plans::ExportKind kind) const {
    plans::ExportChoices how;
    how.kind = kind;
    how.team = shownTeam_;
    // The shown team as the user sees it, unsaved edits included, in every export.
    if (shownTeam_ >= 0)
        how.shown = plans::ShownTeam{shownTeam_, TeamShown()};
    how.pageLabels = exchange::InterfaceTeamReportLabels();
    how.overviewLabels = exchange::InterfaceOverviewLabels();
    return how;
}

void TMainForm::SaveCSV() {
    if (!ImageOpenOrSayNoData())
        return;
    const SaveChoice chosen = RunSaveDialogWithType(this, saveCSVDialog_);
    if (chosen.path.isEmpty())
        return;
    plans::ExportChoices how = ExportAsShown(plans::ExportKind::TeamCsv);
    how.encoding = EncodingOfFileType(chosen.fileType);
    TReportController(this).Export(chosen.path, filePath_, how);
}

void TMainForm::OutputHTML() {
    if (!ImageOpenOrSayNoData())
        return;
    const QString path = RunSaveDialog(this, saveHTMLDialog_);
    if (path.isEmpty())
        return;
    TReportController(this).Export(path, filePath_, ExportAsShown(plans::ExportKind::TeamPage));
}

void TMainForm::MenuSaveCSVClick() {
    SaveCSV();
}

void TMainForm::MenuOutputHTMLClick() {
    OutputHTML();
}

void TMainForm::MenuSaveLeagueCSVClick() {
    if (!ImageOpenOrSayNoData())
        return;
    const SaveChoice chosen = RunSaveDialogWithType(this, saveLeagueCSVDialog_);
    if (chosen.path.isEmpty())
        return;
    plans::ExportChoices how = ExportAsShown(plans::ExportKind::LeagueCsv);
    how.encoding = EncodingOfFileType(chosen.fileType);
    TReportController(this).Export(chosen.path, filePath_, how);
}

void TMainForm::MenuOutputLeagueOverviewClick() {
    if (!ImageOpenOrSayNoData())
        return;
    const QString path = RunSaveDialog(this, saveLeagueOverviewDialog_);
    if (path.isEmpty())
        return;
    TReportController(this).Export(path, filePath_, ExportAsShown(plans::ExportKind::Overview));
}

void TMainForm::MenuSaveTeamJSONClick() {
    if (!ImageOpenOrSayNoData())
        return;
    const QString path = RunSaveDialog(this, saveTeamJSONDialog_);
    if (path.isEmpty())
        return;
    TReportController(this).Export(path, filePath_, ExportAsShown(plans::ExportKind::TeamJson));
}

void TMainForm::MenuSaveLeagueJSONClick() {
    if (!ImageOpenOrSayNoData())
        return;
    const QString path = RunSaveDialog(this, saveLeagueJSONDialog_);
    if (path.isEmpty())
        return;
    TReportController(this).Export(path, filePath_, ExportAsShown(plans::ExportKind::LeagueJson));
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
    TReportController reports(this);
    const std::optional<exchange::LoadedImage> original = reports.PatchOriginal(originalPath);
    if (!original)
        return;
    const QString patchPath = RunSaveDialog(this, savePatchDialog_);
    if (patchPath.isEmpty())
        return;
    reports.MakePatch(patchPath, *original, filePath_);
}
