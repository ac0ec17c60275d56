// SPDX-License-Identifier: MIT
#pragma once

#include "ImageFile.h"
#include "InesHeader.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// Which cartridge an image is: its header as declared, and checksums of the whole file and of the
// file without its 16-byte header, the form cartridge databases use (images of one cartridge
// from different sources often differ only in their header).
namespace exchange {

struct ImageIdentity {
    std::optional<teamdata::InesHeader> header; // empty when the file has no iNES header
    std::uint64_t size = 0;
    std::uint32_t crc32 = 0;
    QString sha1; // lower-case hex
    std::uint32_t dataCrc32 = 0;
    QString dataSha1;
};

// `image` has been read (it may have failed its check).
[[nodiscard]] ImageIdentity IdentityOf(const LoadedImage& image);

// The identity as "label: value" lines in the user's language, the image check's result last.
[[nodiscard]] QStringList DescribeIdentity(const ImageIdentity& identity, const LoadedImage& image);

// "iNES 1.0", "NES 2.0", "archaic iNES".
[[nodiscard]] QString HeaderKindName(teamdata::InesKind kind);

// A CRC-32 as eight upper-case hex digits.
[[nodiscard]] QString ChecksumText(std::uint32_t checksum);

} // namespace exchange
