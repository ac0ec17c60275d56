// SPDX-License-Identifier: MIT
#include "TRomTeamData.h"

#include <cstdio>
#include <utility>

using namespace teamdata;

const std::array<std::string_view, TeamCount> TRomTeamData::TeamInitials = {
    "Ｄ", "Ｃ", "Ｓ", "Ｇ", "Ｗ", "Ｔ", "Bu", "Ｌ", "Ｂ", "Ｈ", "Ｆ", "Ｏ", "Ｍ", "Ｖ", "Dy", "Ｎ",
};

namespace {

// One open image file for the length of one operation. It is closed on every way out; a write
// asks for Commit, so that data which cannot reach the disk is reported as a failure.
class ImageFile {
public:
    ImageFile(const std::string& path, const char* mode)
        : file(std::fopen(path.c_str(), mode)) {
        // One operation moves one record of at most 16 bytes. Left to itself the library would
        // ask the system for the file's block size, allocate a block-sized buffer and fill all
        // of it on every open; a small buffer of our own spares all three.
        if (file)
            std::setvbuf(file, buffer.data(), _IOFBF, buffer.size());
    }
    ImageFile(const ImageFile&) = delete;
    ImageFile& operator=(const ImageFile&) = delete;
    ~ImageFile() {
        if (file)
            std::fclose(file);
    }

    [[nodiscard]] bool IsOpen() const { return file != nullptr; }

    [[nodiscard]] bool SeekTo(FileOffset offset) {
        return std::fseek(file, static_cast<long>(offset.value), SEEK_SET) == 0;
    }

    // True when the file reaches to the end of `size` bytes from `offset`. A player record is
    // only ever overwritten where it lies: a file that ends before it (another, shorter file put
    // in the image's place) is not made longer with a record it never held.
    [[nodiscard]] bool Holds(FileOffset offset, std::uint32_t size) {
        if (std::fseek(file, 0, SEEK_END) != 0)
            return false;
        const long end = std::ftell(file);
        return end >= 0 && static_cast<unsigned long>(end) >= offset.value + size;
    }

    [[nodiscard]] bool Read(std::uint8_t& byte) { return std::fread(&byte, 1, 1, file) == 1; }

    [[nodiscard]] bool Read(NameTiles& tiles) {
        return std::fread(tiles.data(), 1, tiles.size(), file) == tiles.size();
    }

    [[nodiscard]] bool Write(std::uint8_t byte) { return std::fwrite(&byte, 1, 1, file) == 1; }

    [[nodiscard]] bool Write(const NameTiles& tiles) {
        return std::fwrite(tiles.data(), 1, tiles.size(), file) == tiles.size();
    }

    // Flushes and closes; false when the buffered bytes could not be stored.
    [[nodiscard]] bool Commit() {
        const bool flushed = std::fflush(file) == 0;
        const bool closed = std::fclose(std::exchange(file, nullptr)) == 0;
        return flushed && closed;
    }

private:
    std::array<char, 64> buffer;
    std::FILE* file;
};

// Writing lands one record field after another; any byte that does not go out fails the whole
// operation, and whatever went out before stays in the file.
template <typename... Bytes> bool WriteAll(ImageFile& image, Bytes... bytes) {
    return (image.Write(static_cast<std::uint8_t>(bytes)) && ...);
}

} // namespace

TRomTeamData::TRomTeamData() {
    Init();
}

void TRomTeamData::Init() {
    // Every record transfer runs this first, so the two texts are joined only once; copying
    // them into strings that already hold them allocates nothing.
    static const std::string teamInitials = [] {
        std::string joined;
        for (std::string_view initials : TeamInitials)
            joined += initials;
        return joined;
    }();
    static const std::string tileChars = [] {
        std::string joined;
        for (std::string_view character : TileCharTable)
            joined += character;
        return joined;
    }();
    BaseOffset = TeamAreaBase;
    SideCodes = {SideCode(SideRight), SideCode(SideLeft), SideCode(SideBoth)};
    for (std::size_t i = 0; i < PitchingStyles.size(); ++i)
        StyleCodes[i] = PitchingStyles[i].code;
    TeamInitialsCopy = teamInitials;
    TileCharTableCopy = tileChars;
}

bool TRomTeamData::ReadBatter(const std::string& path, int team, int index, BatterBytes& out) {
    Init();
    if (!IsValidTeam(team) || !IsValidBatter(index))
        return false;
    ImageFile image(path, "rb");
    if (!image.IsOpen() || !image.SeekTo(BatterRecordOffset(team, index)))
        return false;
    std::uint8_t lead = 0;
    if (!image.Read(lead) || lead > MaxLeadByte)
        return false;
    if (!image.Read(out.tiles))
        return false;
    std::string scratch;
    if (!DecodeName(out.tiles, scratch))
        return false;
    return image.Read(out.side) && image.Read(out.popularityPosition) &&
           image.Read(out.averageCode) && image.Read(out.homeRuns) && image.Read(out.speed) &&
           image.Read(out.fielding) && image.Read(out.arm);
}

bool TRomTeamData::WriteBatter(const std::string& path, int team, int index,
                               const BatterRowTexts& texts) {
    Init();
    if (!IsValidTeam(team) || !IsValidBatter(index))
        return false;
    ImageFile image(path, "r+b");
    if (!image.IsOpen() || !image.Holds(BatterRecordOffset(team, index), BatterRecordSize) ||
        !image.SeekTo({BatterRecordOffset(team, index).value + 1})) // the lead byte stays
        return false;
    NameTiles tiles{};
    if (!EncodeName(texts[BatterColumn::Name - 1], tiles))
        return false;
    if (!image.Write(tiles))
        return false;
    const bool written = WriteAll(
        image, SideCode(texts[BatterColumn::Side - 1]),
        PopularityPositionByte(texts[BatterColumn::Popularity - 1],
                               texts[BatterColumn::Position - 1]),
        BattingAverageCode(texts[BatterColumn::Average - 1]),
        PlainByte(texts[BatterColumn::HomeRuns - 1]), PlainByte(texts[BatterColumn::Speed - 1]),
        PlainByte(texts[BatterColumn::Fielding - 1]), PlainByte(texts[BatterColumn::Arm - 1]));
    return written && image.Commit();
}

bool TRomTeamData::ReadPitcher(const std::string& path, int team, int index, PitcherBytes& out) {
    Init();
    if (!IsValidTeam(team) || !IsValidPitcher(index))
        return false;
    ImageFile image(path, "rb");
    if (!image.IsOpen() || !image.SeekTo(PitcherRecordOffset(team, index)))
        return false;
    std::uint8_t lead = 0;
    if (!image.Read(lead) || lead > MaxLeadByte)
        return false;
    // A pitcher's tiles are not checked here: the team display shows a damaged name with
    // placeholders, and the encoder refuses it again on save.
    return image.Read(out.tiles) && image.Read(out.style) && image.Read(out.popularity) &&
           image.Read(out.eraCode) && image.Read(out.stamina) && image.Read(out.fast) &&
           image.Read(out.medium) && image.Read(out.slow) && image.Read(out.rightBreak) &&
           image.Read(out.leftBreak) && image.Read(out.fork);
}

bool TRomTeamData::WritePitcher(const std::string& path, int team, int index,
                                const PitcherRowTexts& texts) {
    Init();
    if (!IsValidTeam(team) || !IsValidPitcher(index))
        return false;
    ImageFile image(path, "r+b");
    if (!image.IsOpen() || !image.Holds(PitcherRecordOffset(team, index), PitcherRecordSize) ||
        !image.SeekTo({PitcherRecordOffset(team, index).value + 1})) // the lead byte stays
        return false;
    NameTiles tiles{};
    if (!EncodeName(texts[PitcherColumn::Name - 1], tiles))
        return false;
    if (!image.Write(tiles))
        return false;
    // The style is checked only after the name has gone out; a bad style leaves the new name in
    // the record, and the closing of the file still delivers it.
    const std::optional<std::uint8_t> style = StyleCode(texts[PitcherColumn::Style - 1]);
    if (!style)
        return false;
    const bool written = WriteAll(
        image, *style, PitcherPopularityByte(texts[PitcherColumn::Popularity - 1]),
        EarnedRunAverageCode(texts[PitcherColumn::Era - 1]),
        PlainByte(texts[PitcherColumn::Stamina - 1]), PlainByte(texts[PitcherColumn::Fast - 1]),
        PlainByte(texts[PitcherColumn::Medium - 1]), PlainByte(texts[PitcherColumn::Slow - 1]),
        PlainByte(texts[PitcherColumn::RightBreak - 1]),
        PlainByte(texts[PitcherColumn::LeftBreak - 1]), PlainByte(texts[PitcherColumn::Fork - 1]));
    return written && image.Commit();
}

bool TRomTeamData::WriteBatterBytes(const std::string& path, int team, int index,
                                    const BatterBytes& b) {
    Init();
    if (!IsValidTeam(team) || !IsValidBatter(index))
        return false;
    ImageFile image(path, "r+b");
    if (!image.IsOpen() || !image.Holds(BatterRecordOffset(team, index), BatterRecordSize) ||
        !image.SeekTo({BatterRecordOffset(team, index).value + 1}))
        return false;
    return image.Write(b.tiles) &&
           WriteAll(image, b.side, b.popularityPosition, b.averageCode, b.homeRuns, b.speed,
                    b.fielding, b.arm) &&
           image.Commit();
}

bool TRomTeamData::WritePitcherBytes(const std::string& path, int team, int index,
                                     const PitcherBytes& p) {
    Init();
    if (!IsValidTeam(team) || !IsValidPitcher(index))
        return false;
    ImageFile image(path, "r+b");
    if (!image.IsOpen() || !image.Holds(PitcherRecordOffset(team, index), PitcherRecordSize) ||
        !image.SeekTo({PitcherRecordOffset(team, index).value + 1}))
        return false;
    return image.Write(p.tiles) &&
           WriteAll(image, p.style, p.popularity, p.eraCode, p.stamina, p.fast, p.medium, p.slow,
                    p.rightBreak, p.leftBreak, p.fork) &&
           image.Commit();
}

bool TRomTeamData::ReadColors(const std::string& path, int team, std::uint8_t& helmet,
                              std::uint8_t& uniform) {
    Init();
    if (!IsValidTeam(team))
        return false;
    ImageFile image(path, "rb");
    if (!image.IsOpen() || !image.SeekTo(ColorEntryOffset(team)))
        return false;
    return image.Read(helmet) && image.Read(uniform);
}

bool TRomTeamData::WriteColors(const std::string& path, int team, std::uint8_t helmet,
                               std::uint8_t uniform) {
    Init();
    if (!IsValidTeam(team))
        return false;
    ImageFile image(path, "r+b");
    if (!image.IsOpen() || !image.SeekTo(ColorEntryOffset(team)))
        return false;
    return WriteAll(image, helmet, uniform) && image.Commit();
}

bool TRomTeamData::DecodeName(const NameTiles& tiles, std::string& name) const {
    return teamdata::DecodeName(tiles, name);
}

bool TRomTeamData::EncodeName(std::string_view name, NameTiles& tiles) const {
    return teamdata::EncodeName(name, tiles);
}
