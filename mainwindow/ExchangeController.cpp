// SPDX-License-Identifier: MIT
#include "ExchangeController.h"

#include "ChangeList.h"
#include "CompareWindow.h"
#include "Files.h"
#include "League.h"
#include "Mainunit.h"
#include "MainunitShared.h"
#include "MessageDialogs.h"
#include "PatchFiles.h"

#include <algorithm>

using namespace mainunit;

namespace {

std::span<const std::uint8_t> BytesOf(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

QString PatchedImageDoubt(const plans::ApplyPlan& plan) {
    return exchange::DescribeImageDoubt(plan.resultCheck);
}

bool AskAboutQuestionableResult(QWidget* parent, const plans::ApplyPlan& plan) {
    return AskYesNo(parent,
                    TMainForm::tr("The patched image does not look like an image of this game "
                                  "(%1). Go on?")
                        .arg(PatchedImageDoubt(plan)),
                    MessageResult::No);
}

// Why a patch goes no further, shown; false when the user is asked and goes on.
bool StopsAtPatch(QWidget* parent, const plans::ApplyPlan& plan) {
    switch (plan.verdict) {
    case plans::ApplyVerdict::Write:
        return false;
    case plans::ApplyVerdict::AlreadyApplied:
    case plans::ApplyVerdict::Refused:
        ShowError(parent, Sentence(exchange::DescribeApplyRefusal(plan)));
        return true;
    case plans::ApplyVerdict::NoImage:
        ShowError(parent, TMainForm::tr("What the patch gives is no image of this game (%1).")
                              .arg(PatchedImageDoubt(plan)));
        return true;
    case plans::ApplyVerdict::AskFirst:
        return !AskAboutQuestionableResult(parent, plan);
    }
    return true;
}

} // namespace

TExchangeController::TExchangeController(QWidget* parent, WindowHooks hooks)
    : parent_(parent)
    , hooks_(std::move(hooks)) {}

void TExchangeController::Comparison::Compare() {
    changes = otherIsBefore ? teamdata::CompareLeagues(plan.after, image)
                            : teamdata::CompareLeagues(image, plan.after);
}

QString TExchangeController::Comparison::Message() const {
    QStringList lines = description;
    lines << (otherIsBefore ? TMainForm::tr("Before: %1. After: %2.").arg(otherName, imageName)
                            : TMainForm::tr("Before: %1. After: %2.").arg(imageName, otherName))
          << TMainForm::tr("Edits not saved yet are not compared. Double-click a line to "
                           "show its team and cell.");
    return lines.join(QLatin1Char('\n'));
}

std::optional<TExchangeController::Comparison>
TExchangeController::PrepareComparison(const QString& imagePath, const QString& otherPath,
                                       const KindOf& kindOf, std::optional<int> team) {
    // What is compared is the image as it is on disk: edits not saved yet are not in it, and the
    // window says so.
    const exchange::LoadedImage image = exchange::LoadImage(imagePath);
    if (image.Refused()) {
        ShowError(parent_, SourceUnreadableMessage());
        return std::nullopt;
    }
    const exchange::InputFile other = exchange::ReadInputFile(
        otherPath, std::max(exchange::MaxPatchFileSize, teamdata::MaxImageFileSize));
    if (other.outcome != exchange::InputFile::Outcome::Read) {
        ShowError(parent_, TMainForm::tr("The file cannot be read."));
        return std::nullopt;
    }
    const plans::CompareKind kind = kindOf(other.bytes);
    Comparison compared;
    compared.image = image.bytes;
    compared.imageName = FileNamePart(imagePath);
    compared.otherName = FileNamePart(otherPath);
    plans::CompareChoices how;
    how.team = team;
    // Only read, never written: an image that does not look like this game's is compared, and
    // the user is told.
    how.agreed = kind == plans::CompareKind::Image;
    how.decodeText = exchange::DecodeTextBytes;
    compared.plan = plans::PlanComparison(image.bytes, BytesOf(other.bytes), kind, how);
    const QString& imageName = compared.imageName;
    const QString& otherName = compared.otherName;
    switch (compared.plan.decision) {
    case plans::CompareDecision::Compared:
    case plans::CompareDecision::AlreadyApplied:
        break;
    case plans::CompareDecision::AskFirst:
        // Only a patch's result is asked about: a comparison never shows a result that applying
        // would not write.
        if (!AskAboutQuestionableResult(parent_, *compared.plan.apply))
            return std::nullopt;
        how.agreed = true;
        compared.plan = plans::PlanComparison(image.bytes, BytesOf(other.bytes), kind, how);
        break;
    case plans::CompareDecision::PatchRefused:
        ShowError(parent_, Sentence(exchange::DescribeApplyRefusal(*compared.plan.apply)));
        return std::nullopt;
    case plans::CompareDecision::NoImage:
        if (compared.plan.apply)
            ShowError(parent_, TMainForm::tr("What the patch gives is no image of this game (%1).")
                                   .arg(PatchedImageDoubt(*compared.plan.apply)));
        else
            ShowError(parent_,
                      TMainForm::tr("%1 cannot be compared: it is no image of this game (%2).")
                          .arg(otherName, exchange::DescribeImageDoubt(compared.plan.afterCheck)));
        return std::nullopt;
    case plans::CompareDecision::TeamMissing:
    case plans::CompareDecision::CsvRefused:
        ShowError(parent_,
                  Sentence(exchange::DescribeCsvIssue(compared.plan.read->errors.front())));
        return std::nullopt;
    }
    if (kind == plans::CompareKind::Patch) {
        compared.otherName = TMainForm::tr("the patched image");
        compared.description
            << TMainForm::tr("%1 as it is saved on disk, against the same image with the patch %2 "
                             "applied.")
                   .arg(imageName, otherName);
        for (const QString& note : exchange::DescribeApplyNotes(*compared.plan.apply))
            compared.description << Sentence(note);
    } else {
        compared.description
            << TMainForm::tr("%1 as it is saved on disk, against %2.").arg(imageName, otherName);
        if (compared.plan.afterCheck.verdict == teamdata::ImageVerdict::Questionable)
            compared.description
                << TMainForm::tr("%1 does not look like an image of this game (%2).")
                       .arg(otherName, exchange::DescribeImageDoubt(compared.plan.afterCheck));
    }
    compared.changes = compared.plan.changes;
    return compared;
}

void TExchangeController::Compare(const QString& imagePath, const QString& otherPath,
                                  const KindOf& kindOf) {
    std::optional<Comparison> prepared = PrepareComparison(imagePath, otherPath, kindOf);
    if (!prepared)
        return;
    // As the command line notes it: the image already holds what the patch gives, so there is
    // nothing to show.
    if (prepared->plan.decision == plans::CompareDecision::AlreadyApplied) {
        MessageDlg(parent_, Sentence(exchange::DescribeApplyRefusal(*prepared->plan.apply)),
                   MessageKind::Confirmation, MessageButtons::Ok);
        return;
    }
    const QString imageName = FileNamePart(imagePath);
    const QString otherName = FileNamePart(otherPath);
    if (prepared->changes.empty()) {
        MessageDlg(parent_,
                   TMainForm::tr("%1 and %2 hold the same data.").arg(imageName, otherName),
                   MessageKind::Confirmation, MessageButtons::Ok);
        return;
    }
    auto compared = std::make_shared<Comparison>(std::move(*prepared));
    auto* window = new TCompareWindow(TMainForm::tr("Compare: %1 and %2").arg(imageName, otherName),
                                      compared->Message(), ChangeListHeaders(),
                                      ChangeListRows(compared->changes), parent_);
    QObject::connect(window, &TCompareWindow::RowActivated, parent_,
                     [showPlace = hooks_.showPlace, imagePath, compared](int row) {
                         if (row >= 0 && row < static_cast<int>(compared->changes.size()))
                             showPlace(imagePath, compared->changes[static_cast<std::size_t>(row)]);
                     });
    QObject::connect(window, &TCompareWindow::SwapRequested, parent_, [window, compared] {
        compared->otherIsBefore = !compared->otherIsBefore;
        compared->Compare();
        window->ShowChanges(compared->Message(), ChangeListRows(compared->changes));
    });
    hooks_.placeBeside(window);
    window->show();
}

std::optional<plans::ApplyPlan> TExchangeController::PlanPatch(const exchange::LoadedImage& image,
                                                               const QByteArray& patch,
                                                               QStringList& notes) {
    plans::ApplyPlan plan = plans::PlanApply(image.bytes, BytesOf(patch), {});
    if (StopsAtPatch(parent_, plan))
        return std::nullopt;
    for (const QString& note : exchange::DescribeApplyNotes(plan))
        notes << Sentence(note);
    return plan;
}
