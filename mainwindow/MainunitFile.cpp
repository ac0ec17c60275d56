// SPDX-License-Identifier: MIT
// Opening, showing and closing an image, and saving the shown team.
#include "Mainunit.h"

#include "CompareWindow.h"
#include "FileController.h"
#include "MainunitShared.h"
#include "MessageDialogs.h"
#include "Palette.h"
#include "PlayController.h"
#include "TeamInitials.h"

#include <QComboBox>
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
    return FileController().Open(path).open;
}

bool TMainForm::ShowTeam(int team) {
    return FileController().ShowTeam(team);
}

void TMainForm::ShowColors(teamdata::TeamColors colors) {
    romTeamData_.HelmetColorByte = colors.helmet;
    romTeamData_.UniformColorByte = colors.uniform;
    SetSwatch(helmetColor_, QColor::fromRgb(teamdata::SwatchColor(colors.helmet)));
    SetSwatch(uniformColor_, QColor::fromRgb(teamdata::SwatchColor(colors.uniform)));
}

TFileController TMainForm::FileController() {
    return TFileController({this, filePath_, questionableImageAccepted_, shownTeam_, teamBoxEntry_,
                            teamBox_, batterTable_, pitcherTable_, undoStack_, romTeamData_,
                            [this](teamdata::TeamColors colors) { ShowColors(colors); },
                            [this] { ClearDataCells(); },
                            [this] {
                                ShowCaption();
                            }});
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
    FileController().SwitchTeam(teamBox_->currentIndex());
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
    FileController().Close();
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
    playController_->RemoveCopies();
    event->accept();
}

// ---- Saving ----

teamdata::TeamTexts TMainForm::TeamShown() const {
    return TFileController::TeamIn(*batterTable_, *pitcherTable_,
                                   {romTeamData_.HelmetColorByte, romTeamData_.UniformColorByte});
}

void TMainForm::MenuPlayClick() {
    if (ImageOpenOrSayNoData())
        playController_->Play(filePath_, FileController());
}

bool TMainForm::SaveTeam(const QString& target) {
    return FileController().Save(target);
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
    // The copy received the edits and the open file did not, though the edits now count as
    // saved: the window says where they went.
    if (FileController().SaveAs(target))
        ShowSavedCopyNote(target);
}
