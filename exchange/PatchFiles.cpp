// SPDX-License-Identifier: MIT
#include "PatchFiles.h"

#include "ImageIdentity.h"
#include "League.h"

#include <QCoreApplication>

namespace exchange {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PatchFiles)
};

} // namespace

LoadedImage ResultImage(const plans::ApplyPlan& plan) {
    return {plans::PlanOpen(plan.result)};
}

QString DescribeApplyRefusal(const plans::ApplyPlan& plan) {
    const teamdata::PatchApplication& decision = plan.patch;
    if (decision.decision == teamdata::PatchDecision::AlreadyApplied)
        return Texts::tr("this patch has already been applied to this image");
    if (decision.decision != teamdata::PatchDecision::Refused)
        return {};
    using teamdata::PatchRefusal;
    if (decision.refusal != PatchRefusal::SourceSizeMismatch &&
        decision.refusal != PatchRefusal::SourceChecksumMismatch)
        return DescribePatchRefusal(decision.refusal);
    QString text =
        Texts::tr("the patch was made for another image: it expects CRC-32 %1; this "
                  "file has %2, and %3 without its header")
            .arg(ChecksumText(decision.expectedSourceChecksum),
                 ChecksumText(decision.imageChecksum), ChecksumText(decision.imageDataChecksum));
    if (decision.headerOnlyRuledOut)
        text += Texts::tr("; it is not the same cartridge behind another header either");
    return text;
}

QStringList DescribeApplyNotes(const plans::ApplyPlan& plan) {
    QStringList notes;
    for (const plans::ApplyNote note : plan.notes)
        switch (note) {
        case plans::ApplyNote::HeaderOnlyDifference:
            notes << Texts::tr("applied to an image that differs only in its header");
            break;
        case plans::ApplyNote::IpsProvesNoSource:
            notes << Texts::tr("an IPS patch carries no checksums, so it cannot prove that this "
                               "is the image it was made for");
            break;
        }
    return notes;
}

} // namespace exchange
