// SPDX-License-Identifier: MIT
#include "Checksums.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

using namespace teamdata;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Of(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

Bytes RandomBytes(std::mt19937& random, std::size_t size) {
    std::uniform_int_distribution<int> byte(0, 255);
    Bytes bytes(size);
    for (std::uint8_t& b : bytes)
        b = static_cast<std::uint8_t>(byte(random));
    return bytes;
}

struct Crc32Implementation {
    const char* name;
    std::function<std::uint32_t(std::span<const std::uint8_t>)> crc;
};

class Crc32KnownAnswer : public testing::TestWithParam<Crc32Implementation> {};

} // namespace

// The check values of the zip CRC-32 that every implementation of it lists.
TEST_P(Crc32KnownAnswer, GivesTheCheckValuesOfTheZipCrc) {
    const auto& crc = GetParam().crc;
    EXPECT_EQ(crc(Of("123456789")), 0xCBF43926u);
    EXPECT_EQ(crc(Of("")), 0x00000000u);
    EXPECT_EQ(crc(Bytes{0x00}), 0xD202EF8Du);
    EXPECT_EQ(crc(Of("The quick brown fox jumps over the lazy dog")), 0x414FA339u);
    EXPECT_EQ(crc(Bytes(32, 0xFF)), 0xFF6CAB0Bu);
}

INSTANTIATE_TEST_SUITE_P(Checksums, Crc32KnownAnswer,
                         testing::Values(Crc32Implementation{"InUse", Crc32},
                                         Crc32Implementation{"TableDriven", TableCrc32}),
                         [](const auto& info) { return std::string(info.param.name); });

// Natively the CRC-32 in use is zlib's; the table-driven one must agree with it on every length
// around its loop and on an image-sized buffer.
TEST(Checksums, TheTableDrivenCrcAgreesWithTheOneInUseOnRandomBytes) {
    std::mt19937 random(20260612);
    for (std::size_t size = 0; size <= 300; ++size) {
        const Bytes bytes = RandomBytes(random, size);
        ASSERT_EQ(TableCrc32(bytes), Crc32(bytes)) << size << " bytes";
    }
    const Bytes image = RandomBytes(random, 256 * 1024 + 16);
    EXPECT_EQ(TableCrc32(image), Crc32(image));
}

// The vectors of FIPS 180-4's examples, and lengths either side of the padding's block limits,
// where a one-block message becomes a two-block one.
TEST(Checksums, Sha1GivesTheStandardDigests) {
    EXPECT_EQ(Sha1Hex(Of("abc")), "a9993e364706816aba3e25717850c26c9cd0d89d");
    EXPECT_EQ(Sha1Hex(Of("")), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
    EXPECT_EQ(Sha1Hex(Of("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
              "84983e441c3bd26ebaae4aa1f95129e5e54670f1");
    EXPECT_EQ(Sha1Hex(Of("The quick brown fox jumps over the lazy dog")),
              "2fd4e1c67a2d28fced849ee1bb76e7391b93eb12");
    EXPECT_EQ(Sha1Hex(Bytes(1000000, 'a')), "34aa973cd4c4daa4f61eeb2bdbad27316534016f");
    EXPECT_EQ(Sha1Hex(Bytes(55, 'a')), "c1c8bbdc22796e28c0e15163d20899b65621d65a");
    EXPECT_EQ(Sha1Hex(Bytes(56, 'a')), "c2db330f6083854c99d4b5bfb6e8f29f201be699");
    EXPECT_EQ(Sha1Hex(Bytes(64, 'a')), "0098ba824b5c16427bd7a1122a5a442a25ec644d");
}

TEST(Checksums, Sha1GivesTheDigestAsBytesInTheOrderOfItsHex) {
    const Sha1Digest expected = {0xA9, 0x99, 0x3E, 0x36, 0x47, 0x06, 0x81, 0x6A, 0xBA, 0x3E,
                                 0x25, 0x71, 0x78, 0x50, 0xC2, 0x6C, 0x9C, 0xD0, 0xD8, 0x9D};
    EXPECT_EQ(Sha1(Of("abc")), expected);
}
