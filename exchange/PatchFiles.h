// SPDX-License-Identifier: MIT
#pragma once

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

struct ApplyPlan {
    teamdata::PatchApplication decision;
    // The patched image, checked as opening checks an image: what the patch gives must be an
    // image the window opens, or it is not written. Read only when the decision applied it.
    LoadedImage result;

    [[nodiscard]] bool Applied() const {
        return decision.decision == teamdata::PatchDecision::Applied ||
               decision.decision == teamdata::PatchDecision::AppliedToData;
    }
};

// `image` has been loaded and may be read (not refused).
[[nodiscard]] ApplyPlan PlanApply(const LoadedImage& image, const QByteArray& patch);

// What becomes of a planned patch. Applying it and comparing with its result follow this one
// decision, so that a comparison never shows a result that applying would not write.
enum class ApplyVerdict {
    Write,          // the result is an image to write (or to compare with)
    AlreadyApplied, // the image already is the result (DescribeApplyRefusal)
    Refused,        // the patch is not for this image, or is damaged (DescribeApplyRefusal)
    NoImage,        // the result is no image of this game (DescribeImageDoubt of the result)
    AskFirst,       // the result does not look like an image of this game: written only when
                    // the user agrees, as --force or a yes in the window does
};

// `agreed`: the user has already agreed to go on with an image that does not look like the
// game's (--force), so that such a result is written rather than asked about.
[[nodiscard]] ApplyVerdict DecideApply(const ApplyPlan& plan, bool agreed);

// Why the patch is not applied, in the user's language: already applied, or refused with the
// checksums that tell the images apart. Empty when it is applied.
[[nodiscard]] QString DescribeApplyRefusal(const ApplyPlan& plan);

// What the user should know about a patch that is applied: that it went behind another header,
// or that an IPS patch cannot prove which image it was made for.
[[nodiscard]] QStringList DescribeApplyNotes(const ApplyPlan& plan);

} // namespace exchange
