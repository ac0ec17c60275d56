// SPDX-License-Identifier: MIT
#pragma once

// Callers that check a patch's CRC-32s find Crc32 through this header.
#include "Checksums.h"
#include "ImageCheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Patches between two cartridge images, so that a changed roster can be shared without the image
// itself. Everything works in memory; the callers read and write the files and choose the
// messages.
namespace teamdata {

enum class PatchFormat { Bps, Ips };

// The format a file name asks for by its extension (".bps" or ".ips", in any letter case), or
// nothing for any other name.
[[nodiscard]] std::optional<PatchFormat> PatchFormatForName(std::string_view fileName);

// The format whose magic `bytes` begin with, or nothing: the one test of whether a file is a
// patch by its content, whole or damaged, which applying makes too.
[[nodiscard]] std::optional<PatchFormat> LooksLikePatch(std::span<const std::uint8_t> bytes);

// IPS offsets have three bytes: no image larger than this can be described by one.
inline constexpr std::size_t MaxIpsImageSize = std::size_t{1} << 24;

// The largest result a BPS patch may declare: the largest image the program reads at all
// (MaxImageFileSize), so that every patch it makes can be applied again. It keeps a damaged or
// hostile patch from asking for unbounded memory before anything has been checked.
inline constexpr std::uint64_t MaxBpsResultSize = std::uint64_t{64} << 20;

// The metadata this program writes into a BPS patch (OriginMetadata: its name and version, a
// checksum and a header) is far shorter than this for any program name under 128 bytes.
inline constexpr std::size_t MaxBpsMetadataMade = 256;

// How many bytes a BPS number takes.
[[nodiscard]] constexpr std::uint64_t BpsNumberSize(std::uint64_t value) {
    std::uint64_t size = 1;
    while (value >= 0x80) {
        value = (value >> 7) - 1;
        ++size;
    }
    return size;
}

// The longest patch MakePatch writes between two images of at most `imageSize` bytes each (with
// `metadataSize` bytes of BPS metadata); readers take their limit from it, so that every patch the
// program makes is read back.
//
// BPS: the header, the footer, and the actions. Every action takes at least one byte and a changed
// byte is written literally, so the worst is every other byte changed: a one-byte literal (two
// bytes) and a one-byte read (one byte) per two bytes of the target; a number of n bytes costs at
// most (n + 1) / 2 of a run of n, so longer runs cost less.
// IPS: the magic, the end marker and a cut size; a record costs at most six bytes per byte it
// writes (a five-byte header and one byte, or eight bytes for a run of four or more), and records
// write each changed byte once, but for the one byte written again to move a record off the end
// marker's offset.
[[nodiscard]] constexpr std::uint64_t LongestPatchMade(PatchFormat format, std::uint64_t imageSize,
                                                       std::uint64_t metadataSize = 0) {
    if (format == PatchFormat::Bps)
        return 4 + 2 * BpsNumberSize(imageSize) + BpsNumberSize(metadataSize) + metadataSize +
               (3 * imageSize + 1) / 2 + 12;
    return 5 + 6 * (imageSize + 1) + 3 + 3;
}

// The largest patch file worth reading: the longest the program makes for the largest images it
// makes patches of (BPS for any image it reads, IPS only as far as its offsets reach).
inline constexpr std::uint64_t MaxPatchFileSize =
    std::max(LongestPatchMade(PatchFormat::Bps, MaxImageFileSize, MaxBpsMetadataMade),
             LongestPatchMade(PatchFormat::Ips, MaxIpsImageSize));

enum class PatchMaking {
    Made,
    TooLargeForIps, // the source or the target is larger than MaxIpsImageSize
};

struct MadePatch {
    PatchMaking outcome = PatchMaking::Made;
    std::vector<std::uint8_t> bytes; // empty unless made
};

// A patch that turns `source` into `target`. BPS patches carry checksums of both images, so
// applying one to any other source is refused; IPS patches carry none. A BPS patch carries
// `bpsMetadata` in its metadata field, which patchers that do not know it skip.
[[nodiscard]] MadePatch MakePatch(PatchFormat format, std::span<const std::uint8_t> source,
                                  std::span<const std::uint8_t> target,
                                  std::string_view bpsMetadata = {});

// What a sound BPS patch says of itself before it is applied: the sizes and checksums of the
// image it was made for and of the one it gives, and its metadata field as it is.
struct BpsFacts {
    std::uint64_t sourceSize = 0;
    std::uint64_t targetSize = 0;
    std::uint32_t sourceChecksum = 0;
    std::uint32_t targetChecksum = 0;
    std::string metadata;
};

// Empty for anything but a BPS patch whose own checksum holds and whose header reads whole.
[[nodiscard]] std::optional<BpsFacts> ReadBpsFacts(std::span<const std::uint8_t> patch);

enum class PatchRefusal {
    None,
    NotAPatch,              // neither the BPS nor the IPS magic
    Malformed,              // truncated, inconsistent, or reaching outside its images
    SourceSizeMismatch,     // BPS: the source is not the size the patch was made for
    SourceChecksumMismatch, // BPS: the source has that size but other contents
    PatchChecksumMismatch,  // BPS: the patch itself is damaged
    ResultChecksumMismatch, // BPS: applied, but the result is not what the patch was made to give
    TooLarge,               // BPS: it declares a result larger than MaxBpsResultSize
};

struct AppliedPatch {
    PatchRefusal refusal = PatchRefusal::None;
    PatchFormat format = PatchFormat::Bps; // as the magic says; meaningless for NotAPatch
    std::vector<std::uint8_t> result;      // empty unless the refusal is None
};

// Applies a BPS or IPS patch, told apart by its magic bytes. A BPS patch is checked in the order
// that names the real fault: its own checksum first (a damaged patch is not a wrong source), then
// the source's size and checksum, then its actions, then the result's checksum. A BPS patch that
// declares a result larger than MaxBpsResultSize is refused as TooLarge.
[[nodiscard]] AppliedPatch ApplyPatch(std::span<const std::uint8_t> source,
                                      std::span<const std::uint8_t> patch);

} // namespace teamdata
