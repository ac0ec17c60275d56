// SPDX-License-Identifier: MIT
// The commands that set the open image beside another: the comparison with another image or with
// a patch, a received patch applied into a new image, and which cartridge the image is.
#include "Mainunit.h"

#include "ChangeList.h"
#include "ChangeReport.h"
#include "Changes.h"
#include "CompareWindow.h"
#include "ExchangeController.h"
#include "FileController.h"
#include "Files.h"
#include "ImageFile.h"
#include "ImageIdentity.h"
#include "ImageInfo.h"
#include "ImageLayout.h"
#include "MainunitShared.h"
#include "MessageDialogs.h"
#include "PatchFiles.h"
#include "SafeImageWriter.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <memory>

using namespace mainunit;

namespace mainunit {

QStringList ChangeListHeaders() {
    return {TMainForm::tr("Team", "change list"), TMainForm::tr("Kind", "change list"),
            TMainForm::tr("Row", "change list"),  TMainForm::tr("Name", "change list"),
            TMainForm::tr("Item", "change list"), TMainForm::tr("Before", "change list"),
            TMainForm::tr("After", "change list")};
}

std::vector<QStringList> ChangeListRows(const std::vector<teamdata::LeagueChange>& changes) {
    reports::ChangeLabels labels = exchange::InterfaceChangeLabels();
    labels.namesForDisplay = true;
    std::vector<QStringList> rows;
    rows.reserve(changes.size());
    for (const teamdata::LeagueChange& change : changes) {
        const reports::ChangeFields fields = reports::FieldsOf(change, labels);
        QStringList row;
        for (const std::string* field : {&fields.team, &fields.kind, &fields.row, &fields.name,
                                         &fields.item, &fields.before, &fields.after})
            row << QString::fromStdString(*field);
        rows.push_back(row);
    }
    return rows;
}

bool AskAboutChanges(QWidget* parent, const QString& caption, const QString& message,
                     const std::vector<teamdata::LeagueChange>& changes) {
    TChangeListDialog dialog(caption, message, ChangeListHeaders(), ChangeListRows(changes),
                             parent);
    return dialog.Ask();
}

} // namespace mainunit

namespace {

// The number of changes outside the players and colours: a patch that touches the program too
// should say so before the list is read.
int ByteRangeCount(const std::vector<teamdata::LeagueChange>& changes) {
    return static_cast<int>(std::count_if(changes.begin(), changes.end(), [](const auto& change) {
        return std::holds_alternative<teamdata::ByteRange>(change);
    }));
}

QStringList ChangeSummary(const std::vector<teamdata::LeagueChange>& changes) {
    QStringList lines = exchange::TeamSummaries(changes);
    if (const int ranges = ByteRangeCount(changes))
        lines << TMainForm::tr("%n byte range(s) outside the players and colours", nullptr, ranges);
    return lines;
}

} // namespace

// ---- Comparing ----

void TMainForm::PlaceBeside(QWidget* window) const {
    // To the right of the main window, or to its left where only that side has room, each further
    // comparison a little lower; on a screen too small for either, as far right as it goes.
    const QRect main = frameGeometry();
    const int lower = 24 * static_cast<int>(CompareWindows().size());
    QRect place(QPoint(main.right() + 1, main.top() + lower), window->size());
    if (const QScreen* screen = this->screen()) {
        const QRect room = screen->availableGeometry();
        if (place.right() > room.right() && main.left() - place.width() >= room.left())
            place.moveRight(main.left() - 1);
        place.moveRight(std::min(place.right(), room.right()));
        place.moveLeft(std::max(place.left(), room.left()));
        place.moveBottom(std::min(place.bottom(), room.bottom()));
        place.moveTop(std::max(place.top(), room.top()));
    }
    window->move(place.topLeft());
}

QList<TCompareWindow*> TMainForm::CompareWindows() const {
    QList<TCompareWindow*> open;
    // A closed comparison is deleted later; until then it is a hidden child.
    for (TCompareWindow* window : findChildren<TCompareWindow*>(Qt::FindDirectChildrenOnly))
        if (window->isVisible())
            open << window;
    return open;
}

TExchangeController TMainForm::ExchangeController() {
    return TExchangeController(
        this, {[this](QWidget* window) { PlaceBeside(window); },
               [this](const QString& comparedImage, const teamdata::LeagueChange& change) {
                   ShowChangePlace(comparedImage, change);
               }});
}

void TMainForm::MenuCompareClick() {
    if (!ImageOpenOrSayNoData())
        return;
    const QString otherPath = RunOpenDialog(this, compareDialog_);
    if (otherPath.isEmpty())
        return;
    ExchangeController().Compare(filePath_, otherPath, [&otherPath](const QByteArray& bytes) {
        return plans::KindOfComparedFile(
            exchange::NativePath(otherPath),
            std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                      static_cast<std::size_t>(bytes.size())));
    });
}

void TMainForm::ShowChangePlace(const QString& comparedImage,
                                const teamdata::LeagueChange& change) {
    const std::optional<teamdata::ChangePlace> place = teamdata::PlaceOf(change);
    if (!place)
        return; // bytes outside the teams: there is nothing to show in the grids
    if (filePath_.isEmpty() || !exchange::IsSameFile(filePath_, comparedImage)) {
        ShowError(this, tr("The image this comparison was made for is no longer open."));
        return;
    }
    raise();
    activateWindow();
    // The team is changed as a pick in TeamBox changes it, with the question about unsaved edits.
    if (place->team != shownTeam_) {
        teamBox_->setCurrentIndex(place->team);
        TeamBoxChange();
        if (shownTeam_ != place->team)
            return;
    }
    if (place->grid) {
        StringGrid* grid = *place->grid == teamdata::Grid::Batters ? batterTable_ : pitcherTable_;
        grid->SetCurrentCell(place->column, place->row);
        grid->setFocus();
    } else if (const auto* color = std::get_if<teamdata::ColorChange>(&change)) {
        (color->slot == teamdata::ColorSlot::Helmet ? helmetButton_ : uniformButton_)->setFocus();
    }
}

// ---- Applying a patch ----

void TMainForm::MenuApplyPatchClick() {
    if (!ImageOpenOrSayNoData())
        return;
    const QString patchPath = RunOpenDialog(this, applyPatchDialog_);
    if (patchPath.isEmpty())
        return;
    ApplyPatchFile(patchPath);
}

bool TMainForm::ApplyPatchFile(const QString& patchPath) {
    if (!ImageOpenOrSayNoData())
        return false;
    const exchange::InputFile patch =
        exchange::ReadInputFile(patchPath, exchange::MaxPatchFileSize);
    if (patch.outcome != exchange::InputFile::Outcome::Read) {
        ShowError(this, tr("The file cannot be read."));
        return false;
    }
    // The patch goes onto the image as it is on disk; the open image itself is not changed
    // unless the user chooses it as the new file.
    const exchange::LoadedImage image = exchange::LoadImage(filePath_);
    if (image.Refused()) {
        ShowError(this, SourceUnreadableMessage());
        return false;
    }
    QStringList message;
    const std::optional<plans::ApplyPlan> patched =
        ExchangeController().PlanPatch(image, patch.bytes, message);
    if (!patched)
        return false;
    const std::vector<teamdata::LeagueChange> changes =
        teamdata::CompareLeagues(image.bytes, patched->result);
    if (changes.empty()) {
        MessageDlg(this, tr("The patch changes nothing in this image."), MessageKind::Confirmation,
                   MessageButtons::Ok);
        return false;
    }
    message << tr("The patch %1 makes these changes:").arg(FileNamePart(patchPath))
            << ChangeSummary(changes)
            << tr("Write the patched image into a new file? The open image stays as it is.");
    if (!AskAboutChanges(this, tr("Apply Patch"), message.join(QLatin1Char('\n')), changes))
        return false;

    FileDialogSettings saveDialog = savePatchedDialog_;
    const QFileInfo open(filePath_);
    saveDialog.initialFileName =
        open.dir().filePath(open.completeBaseName() + QStringLiteral("-patched.nes"));
    const QString target = RunSaveDialog(this, saveDialog);
    if (target.isEmpty())
        return false;
    // Replacing a file is asked about as 名前を付けて保存 asks; the open image itself can only be
    // replaced through the same question, and then the shown team is read again from it.
    if (QFileInfo::exists(target) &&
        !AskYesNo(this, tr("%1 already exists. Replace it?").arg(FileNamePart(target)),
                  MessageResult::No))
        return false;
    const bool intoOpenImage = exchange::IsSameFile(target, filePath_);
    if (intoOpenImage && DataChanged() == 1 &&
        !AskYesNo(this, UnsavedEditsQuestion(), MessageResult::No))
        return false;
    if (!FileController().WriteImageMadeFrom(image.bytes, patched->result, target))
        return false;
    if (intoOpenImage) {
        questionableImageAccepted_ =
            questionableImageAccepted_ ||
            patched->resultCheck.verdict == teamdata::ImageVerdict::Questionable;
        if (!ShowTeam(shownTeam_))
            CloseCartridge();
        MessageDlg(this, tr("The patch has been applied to %1.").arg(FileNamePart(target)),
                   MessageKind::Confirmation, MessageButtons::Ok);
        return true;
    }
    if (AskYesNo(this,
                 tr("The patched image has been saved as %1. Open it?").arg(FileNamePart(target)),
                 MessageResult::Yes) &&
        EditsMayBeGivenUp())
        OpenCartridgeFile(target);
    return true;
}

// ---- Which cartridge the image is ----

void TMainForm::MenuImageInfoClick() {
    if (!ImageOpenOrSayNoData())
        return;
    const exchange::LoadedImage image = exchange::LoadImage(filePath_);
    if (image.read != teamdata::FileRead::Read) {
        ShowError(this, SourceUnreadableMessage());
        return;
    }
    QStringList lines = {tr("file: %1").arg(exchange::Shown(QDir::toNativeSeparators(filePath_)))};
    lines << exchange::DescribeIdentity(exchange::IdentityOf(image), image);
    TImageInfoDialog dialog(tr("Image Information: %1").arg(FileNamePart(filePath_)), lines, this);
    dialog.exec();
}
