// SPDX-License-Identifier: MIT
#include "ReportController.h"

#include "Files.h"
#include "League.h"
#include "Mainunit.h"
#include "MainunitShared.h"
#include "MakePatch.h"
#include "MessageDialogs.h"
#include "SafeImageWriter.h"
#include "TextNumbers.h"
#include "TolvanekApplication.h"

using namespace mainunit;

namespace {

QString NotSavedMessage() {
    return TMainForm::tr("The file cannot be saved.");
}

std::span<const std::uint8_t> BytesOf(const std::string& file) {
    return {reinterpret_cast<const std::uint8_t*>(file.data()), file.size()};
}

bool IsLeagueExport(plans::ExportKind kind) {
    return kind == plans::ExportKind::LeagueCsv || kind == plans::ExportKind::Overview ||
           kind == plans::ExportKind::LeagueJson;
}

} // namespace

TReportController::TReportController(QWidget* parent)
    : parent_(parent) {}

void TReportController::WriteReport(const QString& path, std::span<const std::uint8_t> bytes) {
    // Written beside the old file and renamed into place: an export that fails half-way leaves
    // the file that was there.
    const teamdata::FileWriteResult result =
        teamdata::WriteFileSafely(exchange::NativePath(path), bytes);
    MessageDlg(parent_,
               result.Written()
                   ? TMainForm::tr("The file has been saved.")
                   : WithDetail(NotSavedMessage(), exchange::DescribeWriteFailure(result, path)),
               MessageKind::Confirmation, MessageButtons::Ok);
    if (result.Written())
        ShowWriteAftermath(parent_, result.aftermath, path);
}

void TReportController::Export(const QString& path, const QString& imagePath,
                               const plans::ExportChoices& how) {
    exchange::LoadedImage image;
    if (IsLeagueExport(how.kind)) {
        image = exchange::LoadImage(imagePath);
        if (image.Refused()) {
            ShowError(parent_, SourceUnreadableMessage());
            return;
        }
    }
    // The file is made before the old one is touched: a total that cannot be computed ends the
    // export with its message and leaves any existing file as it was.
    const plans::ExportPlan plan = plans::PlanExport(image.bytes, how);
    if (plan.decision == plans::ExportDecision::NotANumber) {
        TolvanekApplication::ShowException(teamdata::NotANumberError(plan.notANumber));
        return;
    }
    WriteReport(path, BytesOf(plan.bytes));
}

std::optional<exchange::LoadedImage> TReportController::PatchOriginal(const QString& originalPath) {
    exchange::LoadedImage original = exchange::LoadImage(originalPath);
    if (original.Refused()) {
        ShowError(parent_, TMainForm::tr("This file cannot be the original image (%1).")
                               .arg(exchange::DescribeImageDoubt(original)));
        return std::nullopt;
    }
    if (original.Questionable() &&
        !AskYesNo(parent_,
                  TMainForm::tr("The original image does not look like an image of this game "
                                "(%1). Use it?")
                      .arg(exchange::DescribeImageDoubt(original)),
                  MessageResult::No))
        return std::nullopt;
    return original;
}

void TReportController::MakePatch(const QString& patchPath, const exchange::LoadedImage& original,
                                  const QString& imagePath) {
    if (!teamdata::PatchFormatForName(exchange::NativePath(patchPath))) {
        ShowError(parent_,
                  TMainForm::tr("Choose the patch format by the extension: .bps or .ips."));
        return;
    }
    const exchange::LoadedImage modified = exchange::LoadImage(imagePath);
    if (modified.Refused()) {
        ShowError(parent_, SourceUnreadableMessage());
        return;
    }
    const plans::PatchMakingPlan patch =
        plans::PlanMakePatch(original.bytes, modified.bytes, exchange::NativePath(patchPath));
    if (patch.decision != plans::PatchMakingDecision::Made) {
        ShowError(parent_, TMainForm::tr("The image is too large for an IPS patch. Choose BPS."));
        return;
    }
    if (const teamdata::FileWriteResult result =
            teamdata::WriteFileSafely(exchange::NativePath(patchPath), patch.bytes);
        !result.Written()) {
        MessageDlg(parent_,
                   WithDetail(NotSavedMessage(), exchange::DescribeWriteFailure(result, patchPath)),
                   MessageKind::Confirmation, MessageButtons::Ok);
        return;
    } else {
        ShowWriteAftermath(parent_, result.aftermath, patchPath);
    }
    MessageDlg(parent_,
               TMainForm::tr("The patch has been saved (%1, %2 bytes).")
                   .arg(exchange::PatchFormatName(patch.format))
                   .arg(patch.bytes.size()),
               MessageKind::Confirmation, MessageButtons::Ok);
}
