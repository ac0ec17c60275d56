// SPDX-License-Identifier: MIT
#include "InesHeader.h"

#include <algorithm>

namespace teamdata {

namespace {

// A NES 2.0 size: a plain 12-bit count of `unit`-sized banks, or, when its high nibble is all
// ones, an exponent and multiplier giving the size in bytes.
std::uint64_t Nes2RomSize(std::uint8_t low, std::uint8_t highNibble, std::uint64_t unit) {
    if (highNibble == 0x0F) {
        const unsigned exponent = low >> 2;
        const std::uint64_t multiplier = (low & 3u) * 2 + 1;
        return exponent >= 48 ? ~std::uint64_t{0} / 4 : (std::uint64_t{1} << exponent) * multiplier;
    }
    return ((std::uint64_t{highNibble} << 8) | low) * unit;
}

InesHeaderData Begun(std::span<const std::uint8_t> image) {
    InesHeaderData header{};
    std::copy(InesMagic.begin(), InesMagic.end(), header.begin());
    header[6] = image[6];
    return header;
}

} // namespace

std::optional<InesHeader> ReadInesHeader(std::span<const std::uint8_t> image) {
    if (image.size() < InesHeaderBytes ||
        !std::equal(InesMagic.begin(), InesMagic.end(), image.begin()))
        return std::nullopt;
    InesHeader header;
    const std::uint8_t format = image[7] & 0x0C;
    if (format == 0x08)
        header.kind = InesKind::Nes20;
    else if (format == 0x00 && std::all_of(image.begin() + 12, image.begin() + InesHeaderBytes,
                                           [](std::uint8_t b) { return b == 0; }))
        header.kind = InesKind::Ines10;
    else
        header.kind = InesKind::Archaic;
    header.trainer = (image[6] & 0x04) != 0;
    header.mapper = image[6] >> 4;
    if (header.kind != InesKind::Archaic)
        header.mapper |= image[7] & 0xF0;
    if (header.kind == InesKind::Nes20) {
        header.mapper |= (image[8] & 0x0F) << 8;
        header.programSize = Nes2RomSize(image[4], image[9] & 0x0F, ProgramBankBytes);
        header.characterSize = Nes2RomSize(image[5], image[9] >> 4, CharacterBankBytes);
    } else {
        header.programSize = image[4] * ProgramBankBytes;
        header.characterSize = image[5] * CharacterBankBytes;
    }
    return header;
}

std::optional<InesHeaderData> AsInes10(std::span<const std::uint8_t> image) {
    const std::optional<InesHeader> read = ReadInesHeader(image);
    if (!read || read->mapper > 0xFF || read->programSize % ProgramBankBytes != 0 ||
        read->characterSize % CharacterBankBytes != 0 ||
        read->programSize / ProgramBankBytes > 0xFF ||
        read->characterSize / CharacterBankBytes > 0xFF)
        return std::nullopt;
    InesHeaderData header = Begun(image);
    header[4] = static_cast<std::uint8_t>(read->programSize / ProgramBankBytes);
    header[5] = static_cast<std::uint8_t>(read->characterSize / CharacterBankBytes);
    // The two low bits of byte 7 (the console type) mean the same in both forms.
    const std::uint8_t console = read->kind == InesKind::Archaic ? 0 : image[7] & 0x03;
    header[7] = static_cast<std::uint8_t>((read->mapper & 0xF0) | console);
    return header;
}

std::optional<InesHeaderData> AsNes20(std::span<const std::uint8_t> image) {
    const std::optional<InesHeader> read = ReadInesHeader(image);
    if (!read || read->mapper > 0xFFF || read->programSize % ProgramBankBytes != 0 ||
        read->characterSize % CharacterBankBytes != 0 ||
        read->programSize / ProgramBankBytes > 0xEFF ||
        read->characterSize / CharacterBankBytes > 0xEFF)
        return std::nullopt;
    const std::uint64_t programBanks = read->programSize / ProgramBankBytes;
    const std::uint64_t characterBanks = read->characterSize / CharacterBankBytes;
    InesHeaderData header = Begun(image);
    header[4] = static_cast<std::uint8_t>(programBanks & 0xFF);
    header[5] = static_cast<std::uint8_t>(characterBanks & 0xFF);
    const std::uint8_t console = read->kind == InesKind::Archaic ? 0 : image[7] & 0x03;
    header[7] = static_cast<std::uint8_t>((read->mapper & 0xF0) | 0x08 | console);
    header[8] = static_cast<std::uint8_t>((read->mapper >> 8) & 0x0F);
    header[9] = static_cast<std::uint8_t>((programBanks >> 8) | (characterBanks >> 8) << 4);
    return header;
}

} // namespace teamdata
