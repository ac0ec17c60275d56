// SPDX-License-Identifier: MIT
#include "Checksums.h"

namespace teamdata {
namespace {

constexpr std::uint32_t ReflectedPolynomial = 0xEDB88320u;

// The remainder of every byte value, worked out by the compiler once.
constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t value = 0; value < table.size(); ++value) {
        std::uint32_t remainder = value;
        for (int bit = 0; bit < 8; ++bit)
            remainder =
                (remainder & 1u) != 0 ? (remainder >> 1) ^ ReflectedPolynomial : remainder >> 1;
        table[value] = remainder;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> CrcTable = MakeCrcTable();

} // namespace

std::uint32_t TableCrc32(std::span<const std::uint8_t> bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const std::uint8_t byte : bytes)
        crc = CrcTable[(crc ^ byte) & 0xFFu] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

} // namespace teamdata
