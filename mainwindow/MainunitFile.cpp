// SPDX-License-Identifier: MIT
// Opening, showing and closing an image, and saving the shown team.
#include "Mainunit.h"

#include "CompareWindow.h"
#include "Files.h"
#include "ImageFile.h"
#include "MainunitShared.h"
#include "MessageDialogs.h"
#include "Palette.h"
#include "RecordText.h"
#include "SafeImageWriter.h"
#include "TeamInitials.h"
#include "TeamWords.h"

#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

using namespace mainunit;

// ---- Opening, showing and closing ----

void TMainForm::MenuOpenClick() {
    OpenCartridge();
}

void TMainForm::OpenCartridge() {
    if (!filePath_.isEmpty()) {
        ShowError(this, tr("Close the open file first."));
        return;
    }
    const QString path = RunOpenDialog(this, openDialog_);
    if (path.isEmpty())
        return;
    OpenCartridgeFile(path);
}

bool TMainForm::OpenCartridgeFile(const QString& path) {
    // The whole file is checked before anything of it is shown: a file that is no image of this
    // game is refused, and one that only looks unlike it is opened when the user says so, since
    // saving into it could damage it.
    const exchange::LoadedImage image = exchange::LoadImage(path);
    if (image.Refused()) {
        // An image already open (a file dropped on the window while one is) stays open, with
        // its edits: nothing of the refused file replaced it.
        if (filePath_.isEmpty())
            CloseCartridge();
        // A file that could not be read at all is no damaged image: the second line says why.
        ShowError(this, image.read == teamdata::FileRead::Read
                            ? BrokenFileMessage()
                            : WithDetail(BrokenFileMessage(), exchange::DescribeImageDoubt(image)));
        return false;
    }
    if (image.Questionable() &&
        !AskYesNo(this,
                  tr("This file does not look like an image of this game (%1).\n"
                     "Saving into it could damage it. Open it?")
                      .arg(exchange::DescribeImageDoubt(image)),
                  MessageResult::No))
        return false;
    CloseCartridge();
    filePath_ = path;
    questionableImageAccepted_ = image.Questionable();
    if (!ShowTeam(0)) {
        // Nothing of a file that is not open stays on screen.
        CloseCartridge();
        return false;
    }
    shownTeam_ = 0;
    teamBoxEntry_ = 0;
    ShowCaption();
    teamBox_->clear();
    teamBox_->clearEditText();
    for (int team = 0; team < teamdata::TeamCount; ++team)
        teamBox_->addItem(exchange::TeamInitialsText(team));
    teamBox_->setCurrentIndex(0);
    // A save into this image that was stopped while it copied the new image over it (a kill, a
    // power cut) left the complete new image beside it: say where, once the image is on screen.
    for (const std::string& copy : teamdata::InterruptedSaveCopies(exchange::NativePath(path)))
        MessageDlg(
            this, Sentence(exchange::DescribeInterruptedSave(path, exchange::PathFromNative(copy))),
            MessageKind::Confirmation, MessageButtons::Ok);
    return true;
}

bool TMainForm::ShowTeam(int team) {
    bool shown = false;
    {
        // The grids repaint once when the team is in, not once for every one of its cells.
        const GridRepaintPause pause({batterTable_, pitcherTable_});
        shown = FillTeam(team);
    }
    // The steps of the team shown before are gone with it: none of them could be undone here.
    undoStack_.clear();
    if (!shown) {
        ShowError(this, BrokenFileMessage());
        return false;
    }
    // An image that ends before its colour table still shows its players; the colours then
    // keep their earlier values.
    std::uint8_t helmet = 0;
    std::uint8_t uniform = 0;
    if (romTeamData_.ReadColors(exchange::NativePath(filePath_), team, helmet, uniform))
        ShowColors({helmet, uniform});
    else
        ShowColors({romTeamData_.HelmetColorByte, romTeamData_.UniformColorByte});
    return true;
}

void TMainForm::ShowColors(teamdata::TeamColors colors) {
    romTeamData_.HelmetColorByte = colors.helmet;
    romTeamData_.UniformColorByte = colors.uniform;
    SetSwatch(helmetColor_, QColor::fromRgb(teamdata::SwatchColor(colors.helmet)));
    SetSwatch(uniformColor_, QColor::fromRgb(teamdata::SwatchColor(colors.uniform)));
}

bool TMainForm::FillTeam(int team) {
    // Each record's row is written as soon as it is read, so after a failed read the rows
    // before it already show the new team.
    const std::string path = exchange::NativePath(filePath_);
    for (int i = 0; i < teamdata::BatterCount; ++i) {
        teamdata::BatterBytes bytes;
        if (!romTeamData_.ReadBatter(path, team, i, bytes))
            return false;
        SetRowTexts(batterTable_, i + 1, teamdata::BatterRowFromBytes(bytes));
    }
    for (int i = 0; i < teamdata::PitcherCount; ++i) {
        teamdata::PitcherBytes bytes;
        if (!romTeamData_.ReadPitcher(path, team, i, bytes))
            return false;
        SetRowTexts(pitcherTable_, i + 1, teamdata::PitcherRowFromBytes(bytes));
    }
    return true;
}

void TMainForm::TeamBoxChange() {
    // With no file open there is nothing to show: the pick changes nothing and the box keeps
    // showing what it showed.
    if (filePath_.isEmpty()) {
        RestoreTeamBoxEntry();
        return;
    }
    // One switch asks once: while its question is open, nothing else the team box reports
    // (the focus it loses to the question) starts a second one.
    if (teamSwitchAsking_)
        return;
    if (DataChanged() == 1) {
        const QScopedValueRollback asking(teamSwitchAsking_, true);
        if (!AskYesNo(this, UnsavedEditsQuestion(), MessageResult::No)) {
            // The grids still hold the shown team; so must TeamBox, or a save would write these
            // rows into the records of the team just picked.
            RestoreTeamBoxEntry();
            return;
        }
    }
    const int team = teamBox_->currentIndex();
    if (ShowTeam(team)) {
        shownTeam_ = team;
        teamBoxEntry_ = team;
    } else {
        CloseCartridge();
    }
}

void TMainForm::RestoreTeamBoxEntry() {
    if (teamBoxEntry_ >= 0 && teamBoxEntry_ < teamBox_->count()) {
        teamBox_->setCurrentIndex(teamBoxEntry_);
        teamBox_->setEditText(teamBox_->itemText(teamBoxEntry_));
    } else {
        teamBox_->setCurrentIndex(-1);
        teamBox_->clearEditText();
    }
}

void TMainForm::TeamBoxTextEdited(const QString& text) {
    // Typing the initials of a team picks it; anything else is put back when editing ends.
    const int entry = teamBox_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry < 0)
        return;
    teamBox_->setCurrentIndex(entry);
    TeamBoxChange();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == teamBox_ || watched == teamBox_->lineEdit()) {
        // The focus that goes to a question, to another window or to the box's own list comes
        // back to the box: the user has not finished editing, and a switch started then would
        // ask its question over one already open.
        const bool leftTheBox =
            event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason;
        const bool finishesEditing =
            leftTheBox || (event->type() == QEvent::KeyPress &&
                           (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter));
        if (finishesEditing) {
            // Initials as typed, in either width and case ("g" for Ｇ, "bu" for Bu), show that
            // team as a pick from the list does; text that names no team, or the shown one,
            // puts the box back to the shown team's initials. A switch when the focus leaves
            // waits until the focus has gone, since it may ask about unsaved edits.
            const std::optional<int> team =
                teamdata::TeamOfInitials(teamBox_->currentText().toStdString());
            if (teamSwitchAsking_) {
                // The switch under way has the box; its answer puts the box right.
            } else if (!team || *team == shownTeam_ || filePath_.isEmpty()) {
                RestoreTeamBoxEntry();
            } else if (event->type() == QEvent::KeyPress) {
                teamBox_->setCurrentIndex(*team);
                TeamBoxChange();
            } else {
                QMetaObject::invokeMethod(
                    this,
                    [this, picked = *team] {
                        // Only if the box still names that team when the focus has gone.
                        if (teamSwitchAsking_ || picked == shownTeam_ || filePath_.isEmpty() ||
                            teamdata::TeamOfInitials(teamBox_->currentText().toStdString()) !=
                                picked)
                            return;
                        teamBox_->setCurrentIndex(picked);
                        TeamBoxChange();
                    },
                    Qt::QueuedConnection);
            }
            if (event->type() == QEvent::KeyPress)
                return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::CloseCartridge() {
    ClearDataCells();
    filePath_.clear();
    questionableImageAccepted_ = false;
    undoStack_.clear();
    ShowCaption();
    shownTeam_ = -1;
    // TeamBox keeps its entries and the one it shows; with no image open a pick changes nothing
    // and returns it there.
    teamBoxEntry_ = teamBox_->currentIndex();
}

bool TMainForm::ImageOpenOrSayNoData() {
    if (!filePath_.isEmpty())
        return true;
    ShowError(this, NoDataMessage());
    return false;
}

bool TMainForm::ConfirmDiscardEdits() {
    if (!EditsMayBeGivenUp())
        return false;
    undoStack_.setClean();
    return true;
}

bool TMainForm::EditsMayBeGivenUp() {
    // No is the default: Enter keeps the edits.
    return DataChanged() != 1 || AskYesNo(this, UnsavedEditsQuestion(), MessageResult::No);
}

void TMainForm::MenuCloseClick() {
    if (!ConfirmDiscardEdits())
        return;
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
    // The comparisons belong to this window and go with it.
    for (QWidget* comparison : CompareWindows())
        comparison->close();
    event->accept();
}

// ---- Saving ----

teamdata::TeamTexts TMainForm::TeamShown() const {
    teamdata::TeamTexts team;
    for (int r = 0; r < teamdata::BatterCount; ++r)
        for (int c = 0; c < static_cast<int>(team.batters[0].size()); ++c)
            team.batters[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                batterTable_->Cells(c + 1, r + 1).toStdString();
    for (int r = 0; r < teamdata::PitcherCount; ++r)
        for (int c = 0; c < static_cast<int>(team.pitchers[0].size()); ++c)
            team.pitchers[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                pitcherTable_->Cells(c + 1, r + 1).toStdString();
    team.colors = {romTeamData_.HelmetColorByte, romTeamData_.UniformColorByte};
    return team;
}

bool TMainForm::TeamReadyToSave() {
    if (teamBox_->currentIndex() < 0 || filePath_.isEmpty()) {
        ShowError(this, tr("There is nothing to save."));
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
        ShowError(this,
                  WithDetail(tr("The fielding positions are wrong."),
                             PositionProblemsText(teamdata::FindPositionProblems(team.batters))));
        return false;
    }
    return false;
}

QString TMainForm::PositionProblemsText(const teamdata::PositionProblems& problems) {
    // The batting order needs the positions 2 to 9 once each: after a bench player was dragged
    // in, the user sees at once which one is missing and which is held twice, and by whom.
    const auto joined = [](const std::vector<int>& numbers) {
        QStringList texts;
        for (int number : numbers)
            texts << QString::number(number);
        return texts.join(tr(", ", "between numbers"));
    };
    // Each sentence brings the space that follows it, where the language puts one.
    QString text;
    if (!problems.missing.empty())
        text += tr("Missing from the batting order: %1. ").arg(joined(problems.missing));
    for (const auto& [position, rows] : problems.repeated)
        text += tr("Position %1 is held by batters %2. ").arg(position).arg(joined(rows));
    if (!problems.outsideRows.empty())
        text += tr("Batters %1 hold a position the batting order cannot have (it needs 2 to 9). ")
                    .arg(joined(problems.outsideRows));
    return text.trimmed();
}

QString TMainForm::UnsavableRowMessage(const teamdata::TeamTexts& team) const {
    // A name from the image that no keyboard or import could have made (damaged tiles shown as
    // "＊") is named with its row, so that the user knows which one to type again.
    teamdata::NameTiles tiles{};
    const auto nameRefused = [&](const std::string& name) {
        return !teamdata::EncodeName(name, tiles);
    };
    for (int r = 0; r < teamdata::BatterCount; ++r) {
        const std::string& name =
            team.batters[static_cast<std::size_t>(r)][teamdata::BatterColumn::Name - 1];
        if (nameRefused(name))
            return tr("The name \"%2\" in batter row %1 cannot be saved.")
                .arg(r + 1)
                .arg(exchange::ShownName(QString::fromStdString(name)));
    }
    for (int r = 0; r < teamdata::PitcherCount; ++r) {
        const std::string& name =
            team.pitchers[static_cast<std::size_t>(r)][teamdata::PitcherColumn::Name - 1];
        if (nameRefused(name))
            return tr("The name \"%2\" in pitcher row %1 cannot be saved.")
                .arg(r + 1)
                .arg(exchange::ShownName(QString::fromStdString(name)));
    }
    return CannotSaveMessage();
}

bool TMainForm::SaveTeam(const QString& target) {
    // Every text is checked before the first byte is written, and the new image takes the old
    // one's place only when it is whole on the disk: a save is all there, or not at all.
    if (!TeamReadyToSave())
        return false;
    const bool inPlace = target == filePath_;
    teamdata::ImageWriteRequest request;
    request.source = exchange::NativePath(filePath_);
    request.target = exchange::NativePath(target);
    request.teams.push_back({teamBox_->currentIndex(), TeamShown()});
    request.acceptQuestionable = questionableImageAccepted_;
    const teamdata::ImageWriteResult result = teamdata::WriteImage(request);
    QString message = CannotSaveMessage();
    switch (result.outcome) {
    case teamdata::ImageWriteOutcome::Written:
        undoStack_.setClean();
        ShowWriteAftermath(this, result.aftermath, target);
        return true;
    case teamdata::ImageWriteOutcome::SourceUnreadable:
    case teamdata::ImageWriteOutcome::SourceRefused:
    case teamdata::ImageWriteOutcome::SourceChanged:
        if (!inPlace)
            message = SourceUnreadableMessage();
        break;
    case teamdata::ImageWriteOutcome::TargetUncreatable:
        if (!inPlace)
            message = tr("The new file cannot be created.");
        break;
    case teamdata::ImageWriteOutcome::WriteFailed:
    case teamdata::ImageWriteOutcome::TextRefused:
    case teamdata::ImageWriteOutcome::Busy:
    case teamdata::ImageWriteOutcome::TargetChanged:
        break;
    }
    ShowError(this, WithDetail(message, exchange::DescribeWriteFailure(result, filePath_, target)));
    return false;
}

void TMainForm::MenuSaveClick() {
    // With nothing to save, the save's own first check says so.
    SaveTeam(filePath_);
}

void TMainForm::MenuSaveNewClick() {
    if (!ImageOpenOrSayNoData())
        return;
    const QString target = RunSaveDialog(this, saveNewDialog_);
    if (target.isEmpty())
        return;
    // The open file itself (under whatever name) is saved in place, without a question.
    if (exchange::IsSameFile(target, filePath_)) {
        SaveTeam(filePath_);
        return;
    }
    if (QFileInfo::exists(target) &&
        !AskYesNo(this, tr("%1 already exists. Replace it?").arg(FileNamePart(target)),
                  MessageResult::No))
        return;
    // The copy received the edits and the open file did not, though the edits now count as
    // saved: the window says where they went.
    if (SaveTeam(target))
        ShowSavedCopyNote(target);
}
