// SPDX-License-Identifier: MIT
#include "FileController.h"

#include "Files.h"
#include "ImageFile.h"
#include "ImageLock.h"
#include "Mainunit.h"
#include "MainunitShared.h"
#include "MessageDialogs.h"
#include "RecordText.h"
#include "SafeImageWriter.h"
#include "TeamWords.h"

#include <QComboBox>
#include <QFileInfo>
#include <QUndoStack>

#include <algorithm>
#include <vector>

using namespace mainunit;

TFileController::TFileController(Window window)
    : window_(std::move(window)) {}

// ---- Opening, showing and closing ----

TFileController::Opened TFileController::Open(const QString& path) {
    QWidget* parent = window_.parent;
    // The whole file is checked before anything of it is shown: a file that is no image of this
    // game is refused, and one that only looks unlike it is opened when the user says so, since
    // saving into it could damage it.
    const exchange::LoadedImage image = exchange::LoadImage(path);
    const plans::OpenVerdict verdict = image.Verdict();
    switch (verdict) {
    case plans::OpenVerdict::Open:
        break;
    case plans::OpenVerdict::Refused:
        // An image already open (a file dropped on the window while one is) stays open, with
        // its edits: nothing of the refused file replaced it.
        if (window_.filePath.isEmpty())
            Close();
        // A file that could not be read at all is no damaged image: the second line says why.
        ShowError(parent,
                  image.read == teamdata::FileRead::Read
                      ? BrokenFileMessage()
                      : WithDetail(BrokenFileMessage(), exchange::DescribeImageDoubt(image)));
        return {verdict, false};
    case plans::OpenVerdict::AskFirst:
        if (!AskYesNo(parent,
                      TMainForm::tr("This file does not look like an image of this game (%1).\n"
                                    "Saving into it could damage it. Open it?")
                          .arg(exchange::DescribeImageDoubt(image)),
                      MessageResult::No))
            return {verdict, false};
        break;
    }
    Close();
    window_.filePath = path;
    window_.questionableImageAccepted = verdict == plans::OpenVerdict::AskFirst;
    if (!ShowTeam(0)) {
        // Nothing of a file that is not open stays on screen.
        Close();
        return {verdict, false};
    }
    window_.shownTeam = 0;
    window_.teamBoxEntry = 0;
    window_.showCaption();
    QComboBox* teamBox = window_.teamBox;
    teamBox->clear();
    teamBox->clearEditText();
    for (int team = 0; team < teamdata::TeamCount; ++team)
        teamBox->addItem(exchange::TeamInitialsText(team));
    teamBox->setCurrentIndex(0);
    // A save into this image that was stopped while it copied the new image over it (a kill, a
    // power cut) left the complete new image beside it: say where, once the image is on screen.
    for (const std::string& copy : teamdata::InterruptedSaveCopies(exchange::NativePath(path)))
        MessageDlg(
            parent,
            Sentence(exchange::DescribeInterruptedSave(path, exchange::PathFromNative(copy))),
            MessageKind::Confirmation, MessageButtons::Ok);
    return {verdict, true};
}

bool TFileController::ShowTeam(int team) {
    bool shown = false;
    {
        // The grids repaint once when the team is in, not once for every one of its cells.
        const GridRepaintPause pause({window_.batterTable, window_.pitcherTable});
        shown = FillTeam(team);
    }
    // The steps of the team shown before are gone with it: none of them could be undone here.
    window_.undoStack.clear();
    if (!shown) {
        ShowError(window_.parent, BrokenFileMessage());
        return false;
    }
    // An image that ends before its colour table still shows its players; the colours then
    // keep their earlier values.
    TRomTeamData& rom = window_.romTeamData;
    std::uint8_t helmet = 0;
    std::uint8_t uniform = 0;
    if (rom.ReadColors(exchange::NativePath(window_.filePath), team, helmet, uniform))
        window_.showColors({helmet, uniform});
    else
        window_.showColors({rom.HelmetColorByte, rom.UniformColorByte});
    return true;
}

bool TFileController::FillTeam(int team) {
    // Each record's row is written as soon as it is read, so after a failed read the rows
    // before it already show the new team.
    const std::string path = exchange::NativePath(window_.filePath);
    for (int i = 0; i < teamdata::BatterCount; ++i) {
        teamdata::BatterBytes bytes;
        if (!window_.romTeamData.ReadBatter(path, team, i, bytes))
            return false;
        SetRowTexts(window_.batterTable, i + 1, teamdata::BatterRowFromBytes(bytes));
    }
    for (int i = 0; i < teamdata::PitcherCount; ++i) {
        teamdata::PitcherBytes bytes;
        if (!window_.romTeamData.ReadPitcher(path, team, i, bytes))
            return false;
        SetRowTexts(window_.pitcherTable, i + 1, teamdata::PitcherRowFromBytes(bytes));
    }
    return true;
}

void TFileController::SwitchTeam(int team) {
    if (ShowTeam(team)) {
        window_.shownTeam = team;
        window_.teamBoxEntry = team;
    } else {
        Close();
    }
}

void TFileController::Close() {
    window_.clearDataCells();
    window_.filePath.clear();
    window_.questionableImageAccepted = false;
    window_.undoStack.clear();
    window_.showCaption();
    window_.shownTeam = -1;
    // TeamBox keeps its entries and the one it shows; with no image open a pick changes nothing
    // and returns it there.
    window_.teamBoxEntry = window_.teamBox->currentIndex();
}

// ---- Saving ----

teamdata::TeamTexts TFileController::TeamShown() const {
    return TeamIn(*window_.batterTable, *window_.pitcherTable,
                  {window_.romTeamData.HelmetColorByte, window_.romTeamData.UniformColorByte});
}

teamdata::TeamTexts TFileController::TeamIn(const StringGrid& batters, const StringGrid& pitchers,
                                            teamdata::TeamColors colors) {
    teamdata::TeamTexts team;
    for (int r = 0; r < teamdata::BatterCount; ++r)
        for (int c = 0; c < static_cast<int>(team.batters[0].size()); ++c)
            team.batters[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                batters.Cells(c + 1, r + 1).toStdString();
    for (int r = 0; r < teamdata::PitcherCount; ++r)
        for (int c = 0; c < static_cast<int>(team.pitchers[0].size()); ++c)
            team.pitchers[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                pitchers.Cells(c + 1, r + 1).toStdString();
    team.colors = colors;
    return team;
}

std::optional<plans::SavePlan> TFileController::PlanSaveOrSayWhy() {
    const int team = window_.teamBox->currentIndex();
    if (team < 0 || window_.filePath.isEmpty()) {
        ShowError(window_.parent, TMainForm::tr("There is nothing to save."));
        return std::nullopt;
    }
    plans::SavePlan plan = plans::PlanSave(team, TeamShown());
    switch (plan.refusal) {
    case teamdata::SaveRefusal::None:
        return plan;
    case teamdata::SaveRefusal::RecordNotWritable:
        ShowError(window_.parent, UnsavableRowMessage(plan));
        break;
    case teamdata::SaveRefusal::FieldingPositions:
        ShowError(window_.parent, WithDetail(TMainForm::tr("The fielding positions are wrong."),
                                             PositionProblemsText(plan.positions)));
        break;
    }
    return std::nullopt;
}

QString TFileController::PositionProblemsText(const teamdata::PositionProblems& problems) {
    // The batting order needs the positions 2 to 9 once each: after a bench player was dragged
    // in, the user sees at once which one is missing and which is held twice, and by whom.
    const auto joined = [](const std::vector<int>& numbers) {
        QStringList texts;
        for (int number : numbers)
            texts << QString::number(number);
        return texts.join(TMainForm::tr(", ", "between numbers"));
    };
    // Each sentence brings the space that follows it, where the language puts one.
    QString text;
    if (!problems.missing.empty())
        text += TMainForm::tr("Missing from the batting order: %1. ").arg(joined(problems.missing));
    for (const auto& [position, rows] : problems.repeated)
        text +=
            TMainForm::tr("Position %1 is held by batters %2. ").arg(position).arg(joined(rows));
    if (!problems.outsideRows.empty())
        text += TMainForm::tr("Batters %1 hold a position the batting order cannot have (it "
                              "needs 2 to 9). ")
                    .arg(joined(problems.outsideRows));
    return text.trimmed();
}

QString TFileController::UnsavableRowMessage(const plans::SavePlan& plan) {
    // A name from the image that no keyboard or import could have made (damaged tiles shown as
    // "＊") is named with its row, so that the user knows which one to type again.
    if (!plan.cell || plan.cell->column != teamdata::BatterColumn::Name)
        return CannotSaveMessage();
    const QString name = exchange::ShownName(QString::fromStdString(plan.cell->text));
    if (plan.cell->grid == teamdata::Grid::Batters)
        return TMainForm::tr("The name \"%2\" in batter row %1 cannot be saved.")
            .arg(plan.cell->row)
            .arg(name);
    return TMainForm::tr("The name \"%2\" in pitcher row %1 cannot be saved.")
        .arg(plan.cell->row)
        .arg(name);
}

bool TFileController::Save(const QString& target) {
    if (!WriteCopy(target))
        return false;
    window_.undoStack.setClean();
    return true;
}

bool TFileController::WriteCopy(const QString& target) {
    // Every text is checked before the first byte is written, and the new image takes the old
    // one's place only when it is whole on the disk: a save is all there, or not at all.
    const std::optional<plans::SavePlan> plan = PlanSaveOrSayWhy();
    if (!plan)
        return false;
    const QString& filePath = window_.filePath;
    const bool inPlace = target == filePath;
    teamdata::ImageWriteRequest request;
    request.source = exchange::NativePath(filePath);
    request.target = exchange::NativePath(target);
    request.teams.push_back(*plan->write);
    request.acceptQuestionable = window_.questionableImageAccepted;
    const teamdata::ImageWriteResult result = teamdata::WriteImage(request);
    QString message = CannotSaveMessage();
    switch (result.outcome) {
    case teamdata::ImageWriteOutcome::Written:
        ShowWriteAftermath(window_.parent, result.aftermath, target);
        return true;
    case teamdata::ImageWriteOutcome::SourceUnreadable:
    case teamdata::ImageWriteOutcome::SourceRefused:
    case teamdata::ImageWriteOutcome::SourceChanged:
        if (!inPlace)
            message = SourceUnreadableMessage();
        break;
    case teamdata::ImageWriteOutcome::TargetUncreatable:
        if (!inPlace)
            message = TMainForm::tr("The new file cannot be created.");
        break;
    case teamdata::ImageWriteOutcome::WriteFailed:
    case teamdata::ImageWriteOutcome::TextRefused:
    case teamdata::ImageWriteOutcome::Busy:
    case teamdata::ImageWriteOutcome::TargetChanged:
        break;
    }
    ShowError(window_.parent,
              WithDetail(message, exchange::DescribeWriteFailure(result, filePath, target)));
    return false;
}

bool TFileController::SaveAs(const QString& target) {
    // The open file itself (under whatever name) is saved in place, without a question.
    if (exchange::IsSameFile(target, window_.filePath)) {
        Save(window_.filePath);
        return false;
    }
    if (QFileInfo::exists(target) &&
        !AskYesNo(window_.parent,
                  TMainForm::tr("%1 already exists. Replace it?").arg(FileNamePart(target)),
                  MessageResult::No))
        return false;
    return Save(target);
}

bool TFileController::WriteImageMadeFrom(std::span<const std::uint8_t> read,
                                         std::span<const std::uint8_t> result,
                                         const QString& target) {
    const QString& filePath = window_.filePath;
    teamdata::ImageLock lock;
    if (exchange::IsSameFile(target, filePath)) {
        // The result was made from the image as it was read; should anything have changed it
        // since, nothing is written.
        teamdata::ImageWriteResult refused;
        lock = teamdata::ImageLock::Acquire(exchange::NativePath(filePath));
        std::vector<std::uint8_t> now;
        if (lock.State() == teamdata::ImageLockState::Busy) {
            refused.outcome = teamdata::ImageWriteOutcome::Busy;
            refused.holder = lock.Holder();
        } else if (!lock.Held() || lock.ReadWhole(now) != teamdata::FileRead::Read) {
            refused.outcome = teamdata::ImageWriteOutcome::SourceUnreadable;
            refused.systemError = lock.SystemError();
        } else if (!std::ranges::equal(now, read))
            refused.outcome = teamdata::ImageWriteOutcome::SourceChanged;
        if (!refused.Written()) {
            ShowError(window_.parent,
                      WithDetail(CannotSaveMessage(),
                                 exchange::DescribeWriteFailure(refused, filePath, target)));
            return false;
        }
    }
    const teamdata::FileWriteResult written =
        teamdata::WriteFileSafely(exchange::NativePath(target), result, {&lock});
    if (!written.Written()) {
        ShowError(window_.parent,
                  WithDetail(CannotSaveMessage(), exchange::DescribeWriteFailure(written, target)));
        return false;
    }
    ShowWriteAftermath(window_.parent, written.aftermath, target);
    return true;
}
