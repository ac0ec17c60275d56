// SPDX-License-Identifier: MIT
#include "Checksums.h"

// The browser build has no zlib; the table-driven CRC-32 is the one it uses.
namespace teamdata {

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
    return TableCrc32(bytes);
}

} // namespace teamdata
