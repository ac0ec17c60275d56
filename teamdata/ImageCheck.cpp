// SPDX-License-Identifier: MIT
#include "ImageCheck.h"

#include "InesHeader.h"
#include "NameCodec.h"
#include "RecordText.h"
#include "Team.h"

#include <algorithm>
#include <array>
#include <string>

namespace teamdata {

namespace {

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
    if (image.size() < InesHeaderBytes)
        return 0;
    // Read as the header says, whatever the magic: a file without it is refused all the same.
    InesHeaderData header{};
    std::copy(InesMagic.begin(), InesMagic.end(), header.begin());
    std::copy(image.begin() + InesMagic.size(), image.begin() + InesHeaderBytes,
              header.begin() + InesMagic.size());
    const std::optional<InesHeader> read = ReadInesHeader(header);
    return InesHeaderBytes + (read->trainer ? TrainerBytes : 0) + read->programSize +
           read->characterSize;
}

ImageCheck CheckImage(std::span<const std::uint8_t> image) {
    ImageCheck check;
    check.actualSize = image.size();
    check.declaredSize = DeclaredImageSize(image);
    if (image.size() < InesMagic.size() ||
        !std::equal(InesMagic.begin(), InesMagic.end(), image.begin())) {
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

} // namespace teamdata
