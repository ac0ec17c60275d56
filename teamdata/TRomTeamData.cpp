// SPDX-License-Identifier: MIT
#include "TRomTeamData.h"

#include "RecordLayout.h"

#include <algorithm>
#include <functional>
#include <span>

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

    [[nodiscard]] bool Read(std::span<std::uint8_t> bytes) {
        return std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    }

    [[nodiscard]] bool Write(std::uint8_t byte) { return std::fwrite(&byte, 1, 1, file) == 1; }

    // Byte by byte, so that a write that stops part-way has stored the bytes before it.
    [[nodiscard]] bool Write(std::span<const std::uint8_t> bytes) {
        return std::all_of(bytes.begin(), bytes.end(), [this](std::uint8_t b) { return Write(b); });
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

// Reads a record's fields behind its lead byte: the name tiles first, which `tilesReadable`
// judges before the rest is read.
template <std::size_t Size>
bool ReadFields(ImageFile& image, std::array<std::uint8_t, Size>& fields,
                const std::function<bool(const NameTiles&)>& tilesReadable) {
    NameTiles tiles{};
    if (!image.Read(tiles) || !tilesReadable(tiles))
        return false;
    std::copy(tiles.begin(), tiles.end(), fields.begin());
    return image.Read(std::span(fields).subspan(NameTileCount));
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
    BatterFields fields{};
    std::string scratch;
    if (!ReadFields(image, fields,
                    [&](const NameTiles& tiles) { return DecodeName(tiles, scratch); }))
        return false;
    out = BatterOfFields(fields);
    return true;
}

bool TRomTeamData::WriteBatter(const std::string& path, int team, int index,
                               const BatterRowTexts& texts) {
    Init();
    // A name that does not encode is refused before the file is touched.
    const std::optional<BatterBytes> bytes = BatterBytesFromRow(texts);
    return bytes && WriteBatterBytes(path, team, index, *bytes);
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
    PitcherFields fields{};
    if (!ReadFields(image, fields, [](const NameTiles&) { return true; }))
        return false;
    out = PitcherOfFields(fields);
    return true;
}

bool TRomTeamData::WritePitcher(const std::string& path, int team, int index,
                                const PitcherRowTexts& texts) {
    Init();
    if (!IsValidTeam(team) || !IsValidPitcher(index))
        return false;
    NameTiles tiles{};
    if (!EncodeName(texts[PitcherColumn::Name - 1], tiles))
        return false;
    if (const std::optional<PitcherBytes> bytes = PitcherBytesFromRow(texts))
        return WritePitcherBytes(path, team, index, *bytes);
    // A style that is none of the labels is found only after the name has gone out; the new
    // name stays in the record, as the closing of the file still delivers it.
    ImageFile image(path, "r+b");
    if (!image.IsOpen() || !image.Holds(PitcherRecordOffset(team, index), PitcherRecordSize) ||
        !image.SeekTo({PitcherRecordOffset(team, index).value + 1}))
        return false;
    (void)image.Write(tiles);
    return false;
}

bool TRomTeamData::WriteBatterBytes(const std::string& path, int team, int index,
                                    const BatterBytes& b) {
    Init();
    if (!IsValidTeam(team) || !IsValidBatter(index))
        return false;
    ImageFile image(path, "r+b");
    if (!image.IsOpen() || !image.Holds(BatterRecordOffset(team, index), BatterRecordSize) ||
        !image.SeekTo({BatterRecordOffset(team, index).value + 1})) // the lead byte stays
        return false;
    return image.Write(FieldsOf(b)) && image.Commit();
}

bool TRomTeamData::WritePitcherBytes(const std::string& path, int team, int index,
                                     const PitcherBytes& p) {
    Init();
    if (!IsValidTeam(team) || !IsValidPitcher(index))
        return false;
    ImageFile image(path, "r+b");
    if (!image.IsOpen() || !image.Holds(PitcherRecordOffset(team, index), PitcherRecordSize) ||
        !image.SeekTo({PitcherRecordOffset(team, index).value + 1})) // the lead byte stays
        return false;
    return image.Write(FieldsOf(p)) && image.Commit();
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
    return image.Write(helmet) && image.Write(uniform) && image.Commit();
}

bool TRomTeamData::DecodeName(const NameTiles& tiles, std::string& name) const {
    return teamdata::DecodeName(tiles, name);
}

bool TRomTeamData::EncodeName(std::string_view name, NameTiles& tiles) const {
    return teamdata::EncodeName(name, tiles);
}
