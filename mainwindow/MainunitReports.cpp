// SPDX-License-Identifier: MIT
// What leaves the window as files or comes into it from files: the team's CSV and HTML reports,
// the league CSV both ways, a team CSV into the grids, and patches.
#include "Mainunit.h"

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

const QString SavedMessage = QStringLiteral("ファイルを保存しました");
const QString NotSavedMessage = QStringLiteral("ファイルを保存できません");
const QString SourceUnreadableMessage = QStringLiteral("元ファイルを読めません");

} // namespace

// ---- Reports of the shown team ----

void TMainForm::WriteReport(const QString& path, const QByteArray& bytes) {
    // Written beside the old file and renamed into place: an export that fails half-way leaves
    // the file that was there.
    const bool saved =
        teamdata::WriteFileSafely(NativePath(path),
                                  std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                            static_cast<std::size_t>(bytes.size())))
            .Written();
    MessageDlg(this, saved ? SavedMessage : NotSavedMessage, MessageKind::Confirmation,
               MessageButtons::Ok);
}

void TMainForm::SaveCSV() {
    if (FilePath.isEmpty()) {
        ShowError(this, NoDataMessage);
        return;
    }
    const QString path = RunSaveDialog(this, SaveCSVDialog);
    if (path.isEmpty())
        return;
    WriteReport(path, exchange::TeamCsvBytes(TeamShown()));
}

void TMainForm::OutputHTML() {
    if (FilePath.isEmpty()) {
        ShowError(this, NoDataMessage);
        return;
    }
    const QString path = RunSaveDialog(this, SaveHTMLDialog);
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
    const LoadedImage image = LoadImage(FilePath);
    if (image.Refused()) {
        ShowError(this, SourceUnreadableMessage);
        return std::nullopt;
    }
    reports::LeagueTexts league = exchange::TextsOf(exchange::RecordsOf(image));
    // The shown team as the user sees it, unsaved edits included, as CSV出力 writes it.
    if (shownTeam_ >= 0)
        league[static_cast<std::size_t>(shownTeam_)] = TeamShown();
    return league;
}

void TMainForm::MenuSaveLeagueCSVClick() {
    if (FilePath.isEmpty()) {
        ShowError(this, NoDataMessage);
        return;
    }
    const QString path = RunSaveDialog(this, SaveLeagueCSVDialog);
    if (path.isEmpty())
        return;
    if (const auto league = LeagueShown())
        WriteReport(path, exchange::LeagueCsvBytes(*league));
}

std::optional<QByteArray> TMainForm::ReadImportFile(const QString& path) {
    exchange::InputFile input = exchange::ReadInputFile(path, exchange::MaxCsvFileSize);
    if (input.outcome != exchange::InputFile::Outcome::Read) {
        ShowError(this, QStringLiteral("ファイルを読めません"));
        return std::nullopt;
    }
    return std::move(input.bytes);
}

void TMainForm::ShowCsvIssues(const QString& caption, const QString& message,
                              const std::vector<reports::CsvIssue>& issues) {
    std::vector<TIssueListDialog::Row> rows;
    for (const reports::CsvIssue& issue : issues)
        rows.push_back({issue.line, issue.column, QString::fromStdString(issue.text),
                        exchange::DescribeCsvIssue(issue)});
    TIssueListDialog dialog(caption, message, rows, this);
    dialog.exec();
}

void TMainForm::MenuImportCSVClick() {
    if (FilePath.isEmpty()) {
        ShowError(this, NoDataMessage);
        return;
    }
    const QString path = RunOpenDialog(this, ImportCSVDialog);
    if (path.isEmpty())
        return;
    const std::optional<QByteArray> bytes = ReadImportFile(path);
    if (!bytes)
        return;
    // Whatever team the file names, it goes into the shown team's grids, so every cell is
    // compared with what the grids show now.
    reports::LeagueTexts current;
    current.fill(TeamShown());
    const reports::CsvImport read = exchange::ReadCsvFile(*bytes, current, shownTeam_);
    if (!read.errors.empty()) {
        ShowCsvIssues(QStringLiteral("CSV取込"),
                      QStringLiteral("次の誤りがあるため取り込みませんでした。"), read.errors);
        return;
    }
    if (read.teams.size() != 1) {
        ShowError(this, QStringLiteral("CSV取込では1チームだけのファイルを読みます。"
                                       "リーグCSV取込を使ってください"));
        return;
    }
    const reports::ImportedTeam& team = read.teams.front();
    if (team.team != shownTeam_ &&
        !AskYesNo(this,
                  QStringLiteral("このファイルはチーム%1のデータです。表示中のチーム%2に"
                                 "取り込みますか？")
                      .arg(TeamInitialsText(team.team), TeamInitialsText(shownTeam_)),
                  MessageResult::No))
        return;
    // One step on the undo stack; nothing reaches the image until the user saves.
    ApplyTeam(team.texts, QStringLiteral("CSV取込"));
    if (!read.notes.empty())
        ShowCsvIssues(QStringLiteral("CSV取込"),
                      QStringLiteral("取り込みました。次の名前はゲームの書き方に直しました。"),
                      read.notes);
}

void TMainForm::MenuImportLeagueCSVClick() {
    if (FilePath.isEmpty()) {
        ShowError(this, NoDataMessage);
        return;
    }
    // The shown team is read again from the image afterwards, as a team switch would. Until the
    // import has been written, the edits stay on screen and still count as unsaved.
    if (DataChanged == 1 && !AskYesNo(this, UnsavedEditsQuestion, MessageResult::No))
        return;
    const QString path = RunOpenDialog(this, ImportLeagueCSVDialog);
    if (path.isEmpty())
        return;
    const std::optional<QByteArray> bytes = ReadImportFile(path);
    if (!bytes)
        return;
    const LoadedImage image = LoadImage(FilePath);
    if (image.Refused()) {
        ShowError(this, SourceUnreadableMessage);
        return;
    }
    const exchange::ImportPlan plan = exchange::PlanImport(image, *bytes, std::nullopt);
    const reports::CsvImport& read = plan.read;
    if (!read.errors.empty()) {
        ShowCsvIssues(QStringLiteral("リーグCSV取込"),
                      QStringLiteral("次の誤りがあるため何も変更しませんでした。"), read.errors);
        return;
    }
    const std::vector<teamdata::TeamWrite>& writes = plan.writes;
    if (writes.empty()) {
        MessageDlg(this, QStringLiteral("書き換えるチームはありません"), MessageKind::Confirmation,
                   MessageButtons::Ok);
        return;
    }
    if (!AskYesNo(
            this,
            QStringLiteral("%1チームのデータを書き換えます。よろしいですか？").arg(writes.size()),
            MessageResult::No))
        return;
    teamdata::ImageWriteRequest request;
    request.source = NativePath(FilePath);
    request.target = request.source;
    request.teams = writes;
    request.acceptQuestionable = questionableImageAccepted_;
    if (!teamdata::WriteImage(request).Written()) {
        ShowError(this, CannotSaveMessage);
        return;
    }
    // The written teams are what the image holds now; the shown one is read again.
    if (ShowTeam(shownTeam_)) {
        DataChanged = 0;
    } else {
        FilePath.clear();
        ClearDataCells();
        setWindowTitle(ApplicationTitle);
        shownTeam_ = -1;
    }
    if (!read.notes.empty())
        ShowCsvIssues(QStringLiteral("リーグCSV取込"),
                      QStringLiteral("%1チームを書き換えました。次の名前はゲームの書き方に"
                                     "直しました。")
                          .arg(writes.size()),
                      read.notes);
    else
        MessageDlg(this, QStringLiteral("%1チームを書き換えました").arg(writes.size()),
                   MessageKind::Confirmation, MessageButtons::Ok);
}

// ---- Patches ----

void TMainForm::MenuOutputPatchClick() {
    if (FilePath.isEmpty()) {
        ShowError(this, NoDataMessage);
        return;
    }
    // The patch is made from the image as it is on disk: edits not saved yet are saved first or
    // the patch is not made, never quietly left out.
    if (DataChanged == 1) {
        if (!AskYesNo(this, QStringLiteral("変更が保存されていません。保存してからパッチを"
                                           "作りますか？")))
            return;
        SaveTeam(FilePath);
        if (DataChanged == 1)
            return;
    }
    const QString originalPath = RunOpenDialog(this, PatchOriginalDialog);
    if (originalPath.isEmpty())
        return;
    const LoadedImage original = LoadImage(originalPath);
    if (original.Refused()) {
        ShowError(
            this,
            QStringLiteral("元のイメージとして使えません（%1）").arg(DescribeImageDoubt(original)));
        return;
    }
    if (original.Questionable() &&
        !AskYesNo(this,
                  QStringLiteral("元のイメージはこのゲームのイメージではないようです（%1）。"
                                 "使いますか？")
                      .arg(DescribeImageDoubt(original)),
                  MessageResult::No))
        return;
    const QString patchPath = RunSaveDialog(this, SavePatchDialog);
    if (patchPath.isEmpty())
        return;
    if (!teamdata::PatchFormatForName(NativePath(patchPath))) {
        ShowError(this, QStringLiteral("パッチの形式は拡張子 .bps か .ips で選んでください"));
        return;
    }
    const LoadedImage modified = LoadImage(FilePath);
    if (modified.Refused()) {
        ShowError(this, SourceUnreadableMessage);
        return;
    }
    const exchange::PatchFile patch = exchange::MakePatchFile(patchPath, original, modified);
    if (patch.outcome != exchange::PatchFile::Outcome::Made) {
        ShowError(this, QStringLiteral("IPSパッチにするには大きすぎるイメージです。BPSを選んで"
                                       "ください"));
        return;
    }
    if (!teamdata::WriteFileSafely(NativePath(patchPath), patch.bytes).Written()) {
        MessageDlg(this, NotSavedMessage, MessageKind::Confirmation, MessageButtons::Ok);
        return;
    }
    MessageDlg(this,
               QStringLiteral("パッチを保存しました（%1形式、%2バイト）")
                   .arg(exchange::PatchFormatName(patch.format))
                   .arg(patch.bytes.size()),
               MessageKind::Confirmation, MessageButtons::Ok);
}
