// SPDX-License-Identifier: MIT
// Opening, showing and closing an image, and saving the shown team.
#include "Mainunit.h"

#include "Files.h"
#include "ImageFile.h"
#include "MainunitShared.h"
#include "MessageDialogs.h"
#include "Palette.h"
#include "RecordText.h"
#include "SafeImageWriter.h"

#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>

using namespace mainunit;

// ---- Opening, showing and closing ----

void TMainForm::MenuOpenClick() {
    OpenCartridge();
}

void TMainForm::SpeedOpenButtonClick() {
    OpenCartridge();
}

void TMainForm::OpenCartridge() {
    if (!FilePath.isEmpty()) {
        ShowError(this, QStringLiteral("ファイルを閉じてください"));
        return;
    }
    const QString path = RunOpenDialog(this, OpenDialog);
    if (path.isEmpty())
        return;
    OpenCartridgeFile(path);
}

bool TMainForm::OpenCartridgeFile(const QString& path) {
    // The whole file is checked before anything of it is shown: a file that is no image of this
    // game is refused, and one that only looks unlike it is opened when the user says so, since
    // saving into it could damage it.
    const LoadedImage image = LoadImage(path);
    if (image.Refused()) {
        CloseCartridge();
        ShowError(this, BrokenFileMessage);
        return false;
    }
    if (image.Questionable() &&
        !AskYesNo(this,
                  QStringLiteral("このファイルはこのゲームのイメージではないようです（%1）。\n"
                                 "保存するとファイルを壊すおそれがあります。開きますか？")
                      .arg(DescribeImageDoubt(image)),
                  MessageResult::No))
        return false;
    CloseCartridge();
    FilePath = path;
    questionableImageAccepted_ = image.Questionable();
    if (!ShowTeam(0)) {
        // Nothing of a file that is not open stays on screen.
        FilePath.clear();
        ClearDataCells();
        shownTeam_ = -1;
        return false;
    }
    shownTeam_ = 0;
    setWindowTitle(ApplicationTitle + QStringLiteral(" -") + FileNamePart(FilePath));
    TeamBox->clear();
    TeamBox->clearEditText();
    for (int team = 0; team < teamdata::TeamCount; ++team)
        TeamBox->addItem(TeamInitialsText(team));
    TeamBox->setCurrentIndex(0);
    DataChanged = 0;
    return true;
}

bool TMainForm::ShowTeam(int team) {
    bool shown = false;
    {
        // The grids repaint once when the team is in, not once for every one of its cells.
        const GridRepaintPause pause({BatterTable, PitcherTable});
        shown = FillTeam(team);
    }
    undoStack_.clear();
    if (!shown) {
        ShowError(this, BrokenFileMessage);
        return false;
    }
    // An image that ends before its colour table still shows its players; the colours then
    // keep their earlier values.
    std::uint8_t helmet = 0;
    std::uint8_t uniform = 0;
    if (RomTeamData.ReadColors(NativePath(FilePath), team, helmet, uniform))
        ShowColors({helmet, uniform});
    else
        ShowColors({RomTeamData.HelmetColorByte, RomTeamData.UniformColorByte});
    return true;
}

void TMainForm::ShowColors(teamdata::TeamColors colors) {
    RomTeamData.HelmetColorByte = colors.helmet;
    RomTeamData.UniformColorByte = colors.uniform;
    SetSwatch(HelmetColor, QColor::fromRgb(teamdata::SwatchColor(colors.helmet)));
    SetSwatch(UniformColor, QColor::fromRgb(teamdata::SwatchColor(colors.uniform)));
}

bool TMainForm::FillTeam(int team) {
    // Each record's row is written as soon as it is read, so after a failed read the rows
    // before it already show the new team.
    const std::string path = NativePath(FilePath);
    for (int i = 0; i < teamdata::BatterCount; ++i) {
        teamdata::BatterBytes bytes;
        if (!RomTeamData.ReadBatter(path, team, i, bytes))
            return false;
        SetRowTexts(BatterTable, i + 1, teamdata::BatterRowFromBytes(bytes));
    }
    for (int i = 0; i < teamdata::PitcherCount; ++i) {
        teamdata::PitcherBytes bytes;
        if (!RomTeamData.ReadPitcher(path, team, i, bytes))
            return false;
        SetRowTexts(PitcherTable, i + 1, teamdata::PitcherRowFromBytes(bytes));
    }
    return true;
}

void TMainForm::TeamBoxChange() {
    // With no file open there is nothing to show: the pick changes nothing and the box keeps
    // showing what it showed.
    if (FilePath.isEmpty()) {
        RestoreTeamBoxEntry();
        return;
    }
    if (DataChanged == 1 && !AskYesNo(this, UnsavedEditsQuestion, MessageResult::No)) {
        // The grids still hold the shown team; so must TeamBox, or a save would write these
        // rows into the records of the team just picked.
        RestoreTeamBoxEntry();
        return;
    }
    const int team = TeamBox->currentIndex();
    if (ShowTeam(team)) {
        shownTeam_ = team;
    } else {
        FilePath.clear();
        ClearDataCells();
        setWindowTitle(ApplicationTitle);
        shownTeam_ = -1;
    }
    DataChanged = 0;
}

void TMainForm::RestoreTeamBoxEntry() {
    if (shownTeam_ >= 0 && shownTeam_ < TeamBox->count()) {
        TeamBox->setCurrentIndex(shownTeam_);
        TeamBox->setEditText(TeamBox->itemText(shownTeam_));
    } else {
        TeamBox->setCurrentIndex(-1);
        TeamBox->clearEditText();
    }
}

void TMainForm::TeamBoxTextEdited(const QString& text) {
    // Typing the initials of a team picks it; anything else is put back when editing ends.
    const int entry = TeamBox->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry < 0)
        return;
    TeamBox->setCurrentIndex(entry);
    TeamBoxChange();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TeamBox->lineEdit()) {
        const bool finishesEditing = event->type() == QEvent::FocusOut ||
                                     (event->type() == QEvent::KeyPress &&
                                      (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                                       static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter));
        if (finishesEditing) {
            const int entry = TeamBox->findText(TeamBox->currentText(),
                                                Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (entry < 0 || entry != TeamBox->currentIndex())
                RestoreTeamBoxEntry();
            if (event->type() == QEvent::KeyPress)
                return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::CloseCartridge() {
    ClearDataCells();
    FilePath.clear();
    questionableImageAccepted_ = false;
    undoStack_.clear();
    setWindowTitle(ApplicationTitle);
}

bool TMainForm::ConfirmDiscardEdits() {
    if (DataChanged != 1)
        return true;
    // No is the default: Enter keeps the edits.
    if (!AskYesNo(this, UnsavedEditsQuestion, MessageResult::No))
        return false;
    DataChanged = 0;
    return true;
}

void TMainForm::MenuCloseClick() {
    if (!ConfirmDiscardEdits())
        return;
    CloseCartridge();
}

void TMainForm::SpeedCloseButtonClick() {
    if (!ConfirmDiscardEdits())
        return;
    DataChanged = 0;
    CloseCartridge();
}

void TMainForm::MenuExitClick() {
    close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!ConfirmDiscardEdits()) {
        event->ignore();
        return;
    }
    event->accept();
}

// ---- Saving ----

teamdata::TeamTexts TMainForm::TeamShown() const {
    teamdata::TeamTexts team;
    for (int r = 0; r < teamdata::BatterCount; ++r)
        for (int c = 0; c < static_cast<int>(team.batters[0].size()); ++c)
            team.batters[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                BatterTable->Cells(c + 1, r + 1).toStdString();
    for (int r = 0; r < teamdata::PitcherCount; ++r)
        for (int c = 0; c < static_cast<int>(team.pitchers[0].size()); ++c)
            team.pitchers[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                PitcherTable->Cells(c + 1, r + 1).toStdString();
    team.colors = {RomTeamData.HelmetColorByte, RomTeamData.UniformColorByte};
    return team;
}

bool TMainForm::TeamReadyToSave() {
    if (TeamBox->currentIndex() < 0 || FilePath.isEmpty()) {
        ShowError(this, QStringLiteral("保存するデータが存在しません"));
        return false;
    }
    const teamdata::TeamTexts team = TeamShown();
    switch (teamdata::CheckTeamTexts(team.batters, team.pitchers)) {
    case teamdata::SaveRefusal::None:
        return true;
    case teamdata::SaveRefusal::RecordNotWritable:
        ShowError(this, UnsavableRowMessage(team));
        return false;
    case teamdata::SaveRefusal::FieldingPositions:
        ShowError(this, QStringLiteral("守備位置がおかしい"));
        return false;
    }
    return false;
}

QString TMainForm::UnsavableRowMessage(const teamdata::TeamTexts& team) const {
    // A name from the image that no keyboard or import could have made (damaged tiles shown as
    // "＊") is named with its row, so that the user knows which one to type again.
    teamdata::NameTiles tiles{};
    const auto nameRefused = [&](const std::string& name) {
        return !teamdata::EncodeName(name, tiles);
    };
    const auto message = [](const QString& grid, int row, const std::string& name) {
        return QStringLiteral("%1の%2行目の名前「%3」は保存できません")
            .arg(grid)
            .arg(row)
            .arg(QString::fromStdString(name));
    };
    for (int r = 0; r < teamdata::BatterCount; ++r) {
        const std::string& name =
            team.batters[static_cast<std::size_t>(r)][teamdata::BatterColumn::Name - 1];
        if (nameRefused(name))
            return message(QStringLiteral("打者"), r + 1, name);
    }
    for (int r = 0; r < teamdata::PitcherCount; ++r) {
        const std::string& name =
            team.pitchers[static_cast<std::size_t>(r)][teamdata::PitcherColumn::Name - 1];
        if (nameRefused(name))
            return message(QStringLiteral("投手"), r + 1, name);
    }
    return CannotSaveMessage;
}

void TMainForm::SaveTeam(const QString& target) {
    // Every text is checked before the first byte is written, and the new image takes the old
    // one's place only when it is whole on the disk: a save is all there, or not at all.
    if (!TeamReadyToSave())
        return;
    const bool inPlace = target == FilePath;
    teamdata::ImageWriteRequest request;
    request.source = NativePath(FilePath);
    request.target = NativePath(target);
    request.teams.push_back({TeamBox->currentIndex(), TeamShown()});
    request.acceptQuestionable = questionableImageAccepted_;
    switch (teamdata::WriteImage(request).outcome) {
    case teamdata::ImageWriteOutcome::Written:
        undoStack_.setClean();
        DataChanged = 0;
        return;
    case teamdata::ImageWriteOutcome::SourceUnreadable:
    case teamdata::ImageWriteOutcome::SourceRefused:
    case teamdata::ImageWriteOutcome::SourceChanged:
        ShowError(this, inPlace ? CannotSaveMessage : QStringLiteral("元ファイルを読めません"));
        return;
    case teamdata::ImageWriteOutcome::TargetUncreatable:
        ShowError(this, inPlace ? CannotSaveMessage : QStringLiteral("ファイルを作れません"));
        return;
    case teamdata::ImageWriteOutcome::WriteFailed:
    case teamdata::ImageWriteOutcome::TextRefused:
    case teamdata::ImageWriteOutcome::Busy:
        ShowError(this, CannotSaveMessage);
        return;
    }
}

void TMainForm::MenuSaveClick() {
    if (TeamBox->currentIndex() >= 0 && !FilePath.isEmpty())
        SaveTeam(FilePath);
    else
        ShowError(this, QStringLiteral("保存するデータが存在しません"));
}

void TMainForm::SpeedUpdateButtonClick() {
    SaveTeam(FilePath);
}

void TMainForm::MenuSaveNewClick() {
    if (FilePath.isEmpty()) {
        ShowError(this, NoDataMessage);
        return;
    }
    const QString target = RunSaveDialog(this, SaveNewDialog);
    if (target.isEmpty())
        return;
    // The open file itself (under whatever name) is saved in place, without a question.
    if (exchange::IsSameFile(target, FilePath)) {
        SaveTeam(FilePath);
        return;
    }
    if (QFileInfo::exists(target) &&
        !AskYesNo(this,
                  QStringLiteral("%1 は既に存在します。置き換えますか？").arg(FileNamePart(target)),
                  MessageResult::No))
        return;
    SaveTeam(target);
}
