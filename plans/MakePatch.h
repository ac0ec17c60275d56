// SPDX-License-Identifier: MIT
#pragma once

#include "Patch.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// The patch that turns one image into another, for another player of the game to apply: the
// same bytes from every face for the same two images and the same file name.
namespace plans {

enum class PatchMakingDecision {
    Made,
    UnknownFormat,  // the file's name ends in neither .bps nor .ips, which chooses the format
    TooLargeForIps, // an image is larger than IPS offsets reach (16 MiB): only BPS describes it
};

struct PatchMakingPlan {
    PatchMakingDecision decision = PatchMakingDecision::Made;
    teamdata::PatchFormat format = teamdata::PatchFormat::Bps;
    std::vector<std::uint8_t> bytes; // the patch file, empty unless made
};

// The name and version of this program as a BPS patch made here names its maker.
[[nodiscard]] std::string_view PatchMaker();

// The patch from `original` to `modified` (both images the program may read) in the format the
// extension of `patchFileName` asks for. A BPS patch names this program and its source's header
// in its metadata, so that it also finds a copy of the cartridge behind another header.
[[nodiscard]] PatchMakingPlan PlanMakePatch(std::span<const std::uint8_t> original,
                                            std::span<const std::uint8_t> modified,
                                            std::string_view patchFileName);

} // namespace plans
