// SPDX-License-Identifier: MIT
#pragma once

#include "ImageCheck.h"
#include "PatchOrigin.h"

#include <cstdint>
#include <span>
#include <vector>

// A received patch put onto an image, decided before anything is written. Applying it and
// comparing with its result follow this one decision, so that a comparison never shows a result
// that applying would not write.
namespace plans {

enum class ApplyVerdict {
    Write,          // the result is an image to write (or to compare with)
    AlreadyApplied, // the image already is the result
    Refused,        // the patch is not for this image, or is damaged (see the patch's decision)
    NoImage,        // the result is no image of this game (see its check)
    AskFirst,       // the result does not look like an image of this game: written only when
                    // the user agrees, as --force or a yes in the window does
};

// What the user should know about a patch that is applied.
enum class ApplyNote {
    HeaderOnlyDifference, // applied to an image that differs from its source only in the header
    IpsProvesNoSource,    // an IPS patch carries no checksums to prove its source
};

struct ApplyChoices {
    // The user has already agreed to go on with a result that does not look like the game's.
    bool agreed = false;
};

struct ApplyPlan {
    teamdata::PatchApplication patch;
    ApplyVerdict verdict = ApplyVerdict::Refused;
    std::vector<ApplyNote> notes;
    // The patched image, checked as opening checks an image: what the patch gives must be an
    // image the window opens. Empty unless the patch applied.
    std::vector<std::uint8_t> result;
    teamdata::ImageCheck resultCheck;

    [[nodiscard]] bool Applied() const {
        return patch.decision == teamdata::PatchDecision::Applied ||
               patch.decision == teamdata::PatchDecision::AppliedToData;
    }
};

// `image` is an image the program may read (not refused).
[[nodiscard]] ApplyPlan PlanApply(std::span<const std::uint8_t> image,
                                  std::span<const std::uint8_t> patch, const ApplyChoices& how);

} // namespace plans
