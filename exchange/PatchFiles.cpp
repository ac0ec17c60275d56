// SPDX-License-Identifier: MIT
#include "PatchFiles.h"

#include "ImageCheck.h"
#include "ImageIdentity.h"
#include "League.h"

#include <QCoreApplication>

namespace exchange {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PatchFiles)
};

std::span<const std::uint8_t> BytesOf(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

} // namespace

PatchFile MakePatchFile(const QString& patchPath, const LoadedImage& original,
                        const LoadedImage& modified) {
    PatchFile file;
    const std::optional<teamdata::PatchFormat> format =
        teamdata::PatchFormatForName(NativePath(patchPath));
    if (!format) {
        file.outcome = PatchFile::Outcome::UnknownFormat;
        return file;
    }
    file.format = *format;
    static_assert(sizeof("Tolvanek " TOLVANEK_VERSION) <= 128,
                  "the metadata must stay within what the patch readers' limit allows for");
    const std::string metadata =
        teamdata::OriginMetadata("Tolvanek " TOLVANEK_VERSION, original.bytes);
    teamdata::MadePatch made =
        teamdata::MakePatch(*format, original.bytes, modified.bytes, metadata);
    if (made.outcome == teamdata::PatchMaking::TooLargeForIps) {
        file.outcome = PatchFile::Outcome::TooLargeForIps;
        return file;
    }
    file.bytes = std::move(made.bytes);
    return file;
}

ApplyPlan PlanApply(const LoadedImage& image, const QByteArray& patch) {
    ApplyPlan plan;
    plan.decision = teamdata::DecidePatch(image.bytes, BytesOf(patch));
    if (!plan.Applied())
        return plan;
    plan.result.read = teamdata::FileRead::Read;
    plan.result.bytes = plan.decision.result;
    plan.result.check = teamdata::CheckImage(plan.result.bytes);
    return plan;
}

ApplyVerdict DecideApply(const ApplyPlan& plan, bool agreed) {
    if (plan.decision.decision == teamdata::PatchDecision::AlreadyApplied)
        return ApplyVerdict::AlreadyApplied;
    if (!plan.Applied())
        return ApplyVerdict::Refused;
    // What the patch gives is checked as any image the program opens: a result the window would
    // refuse is never written, one it would ask about only when the user agrees.
    if (plan.result.Refused())
        return ApplyVerdict::NoImage;
    if (plan.result.Questionable() && !agreed)
        return ApplyVerdict::AskFirst;
    return ApplyVerdict::Write;
}

QString DescribeApplyRefusal(const ApplyPlan& plan) {
    const teamdata::PatchApplication& decision = plan.decision;
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

QStringList DescribeApplyNotes(const ApplyPlan& plan) {
    QStringList notes;
    if (plan.decision.decision == teamdata::PatchDecision::AppliedToData)
        notes << Texts::tr("applied to an image that differs only in its header");
    if (plan.Applied() && plan.decision.format == teamdata::PatchFormat::Ips)
        notes << Texts::tr("an IPS patch carries no checksums, so it cannot prove that this is "
                           "the image it was made for");
    return notes;
}

} // namespace exchange
