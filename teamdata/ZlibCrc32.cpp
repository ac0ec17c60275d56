// SPDX-License-Identifier: MIT
#include "Checksums.h"

#include <zlib.h>

namespace teamdata {

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
    return static_cast<std::uint32_t>(crc32_z(0, bytes.data(), bytes.size()));
}

} // namespace teamdata
