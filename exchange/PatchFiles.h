// SPDX-License-Identifier: MIT
#pragma once

#include "Apply.h"
#include "ImageFile.h"
#include "Patch.h"
#include "PatchOrigin.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Patches made and applied for both faces: the patch between two loaded images, and what a
// received patch gives for an image, decided and checked before anything is written.
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
// asks for. A BPS patch names this program and its source's header in its metadata, so that it
// also finds a copy of the cartridge behind another header.
[[nodiscard]] PatchFile MakePatchFile(const QString& patchPath, const LoadedImage& original,
                                      const LoadedImage& modified);

// The patched image a plan holds, as a loaded image, for the words and pages made of it.
[[nodiscard]] LoadedImage ResultImage(const plans::ApplyPlan& plan);

// Why the patch is not applied, in the user's language: already applied, or refused with the
// checksums that tell the images apart. Empty when it is applied.
[[nodiscard]] QString DescribeApplyRefusal(const plans::ApplyPlan& plan);

// What the user should know about a patch that is applied: that it went behind another header,
// or that an IPS patch cannot prove which image it was made for.
[[nodiscard]] QStringList DescribeApplyNotes(const plans::ApplyPlan& plan);

} // namespace exchange
