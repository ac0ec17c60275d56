// SPDX-License-Identifier: MIT
#include "PatchFiles.h"

#include "ImageCheck.h"

namespace exchange {

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
    teamdata::MadePatch made = teamdata::MakePatch(*format, original.bytes, modified.bytes);
    if (made.outcome == teamdata::PatchMaking::TooLargeForIps) {
        file.outcome = PatchFile::Outcome::TooLargeForIps;
        return file;
    }
    file.bytes = std::move(made.bytes);
    return file;
}

ApplyPlan PlanApply(const LoadedImage& image, const QByteArray& patch) {
    ApplyPlan plan;
    plan.applied = teamdata::ApplyPatch(
        image.bytes, std::span(reinterpret_cast<const std::uint8_t*>(patch.constData()),
                               static_cast<std::size_t>(patch.size())));
    if (plan.applied.refusal != teamdata::PatchRefusal::None)
        return plan;
    plan.result.read = teamdata::FileRead::Read;
    plan.result.bytes = plan.applied.result;
    plan.result.check = teamdata::CheckImage(plan.result.bytes);
    return plan;
}

} // namespace exchange
