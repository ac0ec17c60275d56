// SPDX-License-Identifier: MIT
#pragma once

#include "Apply.h"
#include "CsvReader.h"
#include "ImageCheck.h"
#include "Import.h"
#include "LeagueChange.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// An image set beside what it is compared with: another image, the image as a patch would make
// it, or the image as an import of a CSV file would make it. Every face compares through this one
// plan, so that the same inputs give the same changes and the same decision everywhere.
namespace plans {

enum class CompareKind { Image, Patch, Csv };

enum class CompareDecision {
    Compared,       // `after` is the other side and `changes` lead to it
    AlreadyApplied, // the patch is in the image already: nothing to show, no changes
    PatchRefused,   // the patch is not for this image, or is damaged (`apply` says why)
    NoImage,        // the other image, or what the patch gives, is no image of this game
    AskFirst,       // it does not look like an image of this game; compared only when agreed
    CsvRefused,     // the file has errors (`read` holds them with their places)
    TeamMissing,    // a team CSV for which no team was named
};

struct CompareChoices {
    std::optional<int> team; // the team a team CSV is read into
    // The user has already agreed to go on with an image that does not look like the game's.
    bool agreed = false;
    TextDecoder decodeText; // needed for a CSV file only
    bool round = false;     // a CSV file's numbers rounded to values the cells hold
};

struct ComparisonPlan {
    CompareDecision decision = CompareDecision::Compared;
    std::optional<ApplyPlan> apply;         // for a patch
    std::optional<reports::CsvImport> read; // for a CSV file: every error and note
    std::vector<std::uint8_t> after;        // the other side, when there is one to compare with
    teamdata::ImageCheck afterCheck;
    std::vector<teamdata::LeagueChange> changes; // from the image to `after`

    // Whether the comparison is to be shown (perhaps with no changes).
    [[nodiscard]] bool Shown() const {
        return decision == CompareDecision::Compared || decision == CompareDecision::AlreadyApplied;
    }
};

// What a file picked to compare an image with is: a patch when it says so by its first bytes or,
// failing that, by its name (a damaged patch is then refused as a patch, not as an image); an
// image otherwise. An iNES file is an image whatever its name.
[[nodiscard]] CompareKind KindOfComparedFile(std::string_view fileName,
                                             std::span<const std::uint8_t> bytes);

// `image` is an image the program may read (not refused); `other` is the file compared with, as
// `kind` says it is.
[[nodiscard]] ComparisonPlan PlanComparison(std::span<const std::uint8_t> image,
                                            std::span<const std::uint8_t> other, CompareKind kind,
                                            const CompareChoices& how);

} // namespace plans
