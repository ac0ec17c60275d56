// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

// The checksums the program writes and checks: CRC-32 (BPS patches, patch origins, the identity
// of an image) and SHA-1 (the identity of an image, as cartridge databases list it). The desktop
// takes its CRC-32 from zlib; the browser build, which has no zlib, takes the table-driven one
// below.
namespace teamdata {

// The CRC-32 of zip files and BPS patches (reflected polynomial 0xEDB88320).
[[nodiscard]] std::uint32_t Crc32(std::span<const std::uint8_t> bytes);

// The same CRC-32 computed here, with no library: the browser build's Crc32. Every build has it,
// so that a test can hold it against zlib's.
[[nodiscard]] std::uint32_t TableCrc32(std::span<const std::uint8_t> bytes);

using Sha1Digest = std::array<std::uint8_t, 20>;

[[nodiscard]] Sha1Digest Sha1(std::span<const std::uint8_t> bytes);

// The digest as 40 lower-case hex digits, as the desktop shows it.
[[nodiscard]] std::string Sha1Hex(std::span<const std::uint8_t> bytes);

} // namespace teamdata
