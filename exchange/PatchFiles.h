// SPDX-License-Identifier: MIT
#pragma once

#include "ImageFile.h"
#include "Patch.h"

#include <QByteArray>

// Patches made and applied for both faces: the patch between two loaded images, and what a
// received patch gives for an image, checked before anything is written.
namespace exchange {

struct PatchFile {
    enum class Outcome {
        Made,
        UnknownFormat,  // the file's name ends in neither .bps nor .ips
        TooLargeForIps, // an image is larger than IPS offsets reach
    };
    Outcome outcome = Outcome::Made;
    teamdata::PatchFormat format = teamdata::PatchFormat::Bps;
    std::vector<std::uint8_t> bytes; // empty unless made
};

// The patch that turns `original` into `modified`, in the format the extension of `patchPath`
// asks for.
[[nodiscard]] PatchFile MakePatchFile(const QString& patchPath, const LoadedImage& original,
                                      const LoadedImage& modified);

struct ApplyPlan {
    teamdata::AppliedPatch applied;
    // The patched image, checked as opening checks an image: what the patch gives must be an
    // image the window opens, or it is not written (an IPS patch proves nothing of its base).
    LoadedImage result;
};

// `image` has been loaded and may be read (not refused).
[[nodiscard]] ApplyPlan PlanApply(const LoadedImage& image, const QByteArray& patch);

} // namespace exchange
