// SPDX-License-Identifier: MIT
// The desktop shows an image's SHA-1 from Qt; the browser build computes it with the core's own
// SHA-1. Both are built here, so both must give the same digest for every input.

#include "Checksums.h"

#include <QByteArrayView>
#include <QCryptographicHash>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::string QtSha1Hex(const std::vector<std::uint8_t>& bytes) {
    return QCryptographicHash::hash(
               QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
               QCryptographicHash::Sha1)
        .toHex()
        .toStdString();
}

} // namespace

TEST(ChecksumAgreement, TheCoresSha1AgreesWithQtsOnRandomBytes) {
    std::mt19937 random(19920401);
    std::uniform_int_distribution<int> byte(0, 255);
    const auto randomBytes = [&](std::size_t size) {
        std::vector<std::uint8_t> bytes(size);
        for (std::uint8_t& b : bytes)
            b = static_cast<std::uint8_t>(byte(random));
        return bytes;
    };
    // Every length over the first few blocks, so that each way the padding can fall is met.
    for (std::size_t size = 0; size <= 200; ++size) {
        const std::vector<std::uint8_t> bytes = randomBytes(size);
        ASSERT_EQ(teamdata::Sha1Hex(bytes), QtSha1Hex(bytes)) << size << " bytes";
    }
    const std::vector<std::uint8_t> image = randomBytes(256 * 1024 + 16);
    EXPECT_EQ(teamdata::Sha1Hex(image), QtSha1Hex(image));
}
