// SPDX-License-Identifier: MIT
#include "ImageCheck.h"

#include "FileDescriptor.h"
#include "NameCodec.h"
#include "RecordText.h"
#include "Team.h"

#include <algorithm>
#include <array>
#include <string>

namespace teamdata {

namespace {

constexpr std::uint64_t TrainerSize = 512;
constexpr std::uint64_t PrgBankSize = 16 * 1024;
constexpr std::uint64_t ChrBankSize = 8 * 1024;

// A NES 2.0 bank count: a plain 12-bit count of `unit`-sized banks, or, when its high nibble is
// all ones, an exponent and multiplier giving the size in bytes.
std::uint64_t Nes2RomSize(std::uint8_t low, std::uint8_t highNibble, std::uint64_t unit) {
    if (highNibble == 0x0F) {
        const unsigned exponent = low >> 2;
        const std::uint64_t multiplier = (low & 3u) * 2 + 1;
        return exponent >= 48 ? ~std::uint64_t{0} / 4 : (std::uint64_t{1} << exponent) * multiplier;
    }
    return ((std::uint64_t{highNibble} << 8) | low) * unit;
}

bool RecordLeadByteReadable(std::span<const std::uint8_t> image, std::size_t offset) {
    return image[offset] <= MaxLeadByte;
}

bool TilesDecode(std::span<const std::uint8_t> image, std::size_t recordOffset) {
    NameTiles tiles{};
    for (std::size_t k = 0; k < tiles.size(); ++k)
        tiles[k] = image[recordOffset + 1 + k];
    std::string ignored;
    return DecodeName(tiles, ignored);
}

// The first doubt about one team's records, in the order a team is read: the batters (which the
// window cannot show at all otherwise), the pitchers, then the batting order.
ImageDoubt TeamDoubt(std::span<const std::uint8_t> image, int team) {
    for (int i = 0; i < BatterCount; ++i) {
        const std::size_t offset = BatterRecordOffset(team, i).value;
        if (!RecordLeadByteReadable(image, offset) || !TilesDecode(image, offset))
            return ImageDoubt::UnreadableRecord;
    }
    for (int i = 0; i < PitcherCount; ++i) {
        const std::size_t offset = PitcherRecordOffset(team, i).value;
        if (!RecordLeadByteReadable(image, offset))
            return ImageDoubt::UnreadableRecord;
        if (!TilesDecode(image, offset))
            return ImageDoubt::UnreadableName;
    }
    const TeamRecords records = TeamRecordsAt(image, team);
    std::array<std::string, BattingOrderLength> positions;
    for (std::size_t i = 0; i < positions.size(); ++i)
        positions[i] = std::to_string(FieldingPosition(records.batters[i].popularityPosition));
    if (!BattingOrderPositionsValid(positions))
        return ImageDoubt::FieldingPositions;
    return ImageDoubt::None;
}

} // namespace

std::uint64_t DeclaredImageSize(std::span<const std::uint8_t> image) {
    if (image.size() < InesHeaderSize)
        return 0;
    const bool trainer = (image[6] & 0x04) != 0;
    const bool nes2 = (image[7] & 0x0C) == 0x08;
    std::uint64_t prg = std::uint64_t{image[4]} * PrgBankSize;
    std::uint64_t chr = std::uint64_t{image[5]} * ChrBankSize;
    if (nes2) {
        prg = Nes2RomSize(image[4], image[9] & 0x0F, PrgBankSize);
        chr = Nes2RomSize(image[5], image[9] >> 4, ChrBankSize);
    }
    return InesHeaderSize + (trainer ? TrainerSize : 0) + prg + chr;
}

ImageCheck CheckImage(std::span<const std::uint8_t> image) {
    ImageCheck check;
    check.actualSize = image.size();
    check.declaredSize = DeclaredImageSize(image);
    static constexpr std::uint8_t Magic[] = {'N', 'E', 'S', 0x1A};
    if (image.size() < std::size(Magic) ||
        !std::equal(std::begin(Magic), std::end(Magic), image.begin())) {
        check.verdict = ImageVerdict::Refused;
        check.doubt = ImageDoubt::NoInesMagic;
        return check;
    }
    if (image.size() < ImageMinimumSize) {
        check.verdict = ImageVerdict::Refused;
        check.doubt = ImageDoubt::TooShort;
        return check;
    }
    if (check.declaredSize != check.actualSize) {
        check.verdict = ImageVerdict::Questionable;
        check.doubt = ImageDoubt::LengthMismatch;
        return check;
    }
    for (int team = 0; team < TeamCount; ++team) {
        const ImageDoubt doubt = TeamDoubt(image, team);
        if (doubt != ImageDoubt::None) {
            check.verdict = ImageVerdict::Questionable;
            check.doubt = doubt;
            check.team = team;
            return check;
        }
    }
    return check;
}

FileRead ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                       std::uint64_t maxSize) {
    // Opened first and judged by what was opened: a name looked at and then opened may meanwhile
    // have been given to a pipe, whose open would wait for a writer that never comes. The open
    // does not wait; a regular file ignores that.
    const FileDescriptor file = OpenFile(path, O_RDONLY | OpenWithoutWaiting);
    if (!file.IsOpen())
        return FileRead::Unreadable;
    return ReadOpenedFile(file.Get(), bytes, maxSize);
}

} // namespace teamdata
