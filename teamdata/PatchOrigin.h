// SPDX-License-Identifier: MIT
#pragma once

#include "InesHeader.h"
#include "Patch.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Finding the image a received patch belongs to. A BPS patch that this program makes names, in
// its metadata field, the checksum of its source without the 16-byte header and the header
// itself, so that a patch made on one copy of the cartridge applies to another copy whose only
// difference is its header; for other BPS patches a few standard forms of the image's own header
// are tried. The decision is made before anything is written, in a fixed order.
namespace teamdata {

// What the metadata of a patch made here says about its source.
struct PatchOrigin {
    std::string program;                  // the first line: program name and version
    std::uint32_t sourceDataChecksum = 0; // CRC-32 of the source without its header
    InesHeaderData sourceHeader{};
};

// The metadata text for a patch made from `source` by `program` ("Tolvanek 1.0.0").
[[nodiscard]] std::string OriginMetadata(std::string_view program,
                                         std::span<const std::uint8_t> source);
// Empty for metadata that is not this program's, or not whole.
[[nodiscard]] std::optional<PatchOrigin> ReadOriginMetadata(std::string_view metadata);

enum class PatchDecision {
    AlreadyApplied, // the image already is what the patch gives
    Applied,        // the image is the patch's source (or, for IPS, any image it applies to)
    AppliedToData,  // the data is the patch's source behind another header; this header kept
    Refused,        // see `refusal`
};

enum class HeaderMatch {
    None,
    Metadata, // the header named in the patch's metadata
    Ines10,   // this image's header written as plain iNES 1.0
    Nes20,    // this image's header written as NES 2.0
};

struct PatchApplication {
    PatchDecision decision = PatchDecision::Refused;
    PatchFormat format = PatchFormat::Bps;
    PatchRefusal refusal = PatchRefusal::None; // why, when Refused
    HeaderMatch header = HeaderMatch::None;    // the header the patch was applied behind
    std::vector<std::uint8_t> result;          // when Applied or AppliedToData
    // For a BPS patch made for another image: the checksums to name.
    std::uint32_t expectedSourceChecksum = 0;
    std::uint32_t imageChecksum = 0;
    std::uint32_t imageDataChecksum = 0; // without the header
    bool headerOnlyRuledOut = false;     // a difference in the header alone was looked for
};

// Decides, in this order: the image already is the patch's result; it is the patch's source; its
// data is the source behind another header (BPS only); otherwise the patch is refused.
[[nodiscard]] PatchApplication DecidePatch(std::span<const std::uint8_t> image,
                                           std::span<const std::uint8_t> patch);

} // namespace teamdata
