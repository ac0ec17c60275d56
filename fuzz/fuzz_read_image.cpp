// SPDX-License-Identifier: MIT
// Any image contents and any image length, read through every read operation of TRomTeamData: a
// read succeeds exactly when the record lies in the file and passes its checks, hands out exactly
// the stored bytes, and the cell texts made from them follow the conversion rules both ways.
//
// Input: three bytes giving the file length (big-endian, modulo MaxLength + 1), two bytes naming
// the teams whose every record is read (opening a file costs far more than checking a record, so
// each input reads two teams fully, every colour entry, and one step beyond each end of the
// ranges), then the contents of the 16 team blocks, then those of the colour table. Team data the
// input leaves out is zero; every other byte of the file is a fixed pattern.
//
// The same bytes, given the iNES magic, are opened as the window and the command line open an
// image: a file is refused exactly when its check refuses it, and otherwise every team's texts are
// the ones its records show.

#include "FuzzSupport.h"

#include "ImageLayout.h"
#include "NameCodec.h"
#include "Open.h"
#include "RecordText.h"
#include "TRomTeamData.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

using namespace teamdata;
using fuzzsupport::IsNameTile;
using fuzzsupport::LowByte;

namespace {

constexpr std::size_t TeamAreaSize = TeamCount * TeamBlockSize;
constexpr std::size_t ColorTableSize = TeamCount * ColorEntrySize;
constexpr std::size_t MaxLength = ColorTableBase + ColorTableSize + 16;

using Image = std::vector<std::uint8_t>;

Image BuildImage(const std::vector<std::uint8_t>& lengthBytes, fuzzsupport::ByteReader& input) {
    std::size_t length = 0;
    for (std::uint8_t byte : lengthBytes)
        length = length * 256 + byte;
    length %= MaxLength + 1;

    static const Image blank = [] {
        Image bytes(MaxLength);
        for (std::size_t offset = 0; offset < bytes.size(); ++offset)
            bytes[offset] = fuzzsupport::PatternByte(offset);
        std::fill_n(bytes.begin() + TeamAreaBase, TeamAreaSize, 0);
        std::fill_n(bytes.begin() + ColorTableBase, ColorTableSize, 0);
        return bytes;
    }();
    Image image = blank;
    const std::vector<std::uint8_t> teams = input.Bytes(TeamAreaSize);
    std::copy(teams.begin(), teams.end(), image.begin() + TeamAreaBase);
    const std::vector<std::uint8_t> colours = input.Bytes(ColorTableSize);
    std::copy(colours.begin(), colours.end(), image.begin() + ColorTableBase);
    image.resize(length);
    return image;
}

bool InFile(const Image& image, FileOffset offset, std::size_t size) {
    return offset.value + size <= image.size();
}

NameTiles TilesAt(const Image& image, std::size_t offset) {
    NameTiles tiles{};
    for (std::size_t i = 0; i < tiles.size(); ++i)
        tiles[i] = image[offset + i];
    return tiles;
}

bool AllNameTiles(const NameTiles& tiles) {
    for (std::uint8_t code : tiles)
        if (!IsNameTile(code))
            return false;
    return true;
}

std::optional<BatterBytes> StoredBatter(const Image& image, int team, int index) {
    if (!IsValidTeam(team) || !IsValidBatter(index))
        return std::nullopt;
    const FileOffset at = BatterRecordOffset(team, index);
    if (!InFile(image, at, BatterRecordSize) || image[at.value] > MaxLeadByte)
        return std::nullopt;
    const std::size_t o = at.value;
    BatterBytes b;
    b.tiles = TilesAt(image, o + 1);
    if (!AllNameTiles(b.tiles))
        return std::nullopt;
    b.side = image[o + 6];
    b.popularityPosition = image[o + 7];
    b.averageCode = image[o + 8];
    b.homeRuns = image[o + 9];
    b.speed = image[o + 10];
    b.fielding = image[o + 11];
    b.arm = image[o + 12];
    return b;
}

std::optional<PitcherBytes> StoredPitcher(const Image& image, int team, int index) {
    if (!IsValidTeam(team) || !IsValidPitcher(index))
        return std::nullopt;
    const FileOffset at = PitcherRecordOffset(team, index);
    if (!InFile(image, at, PitcherRecordSize) || image[at.value] > MaxLeadByte)
        return std::nullopt;
    const std::size_t o = at.value;
    PitcherBytes p;
    p.tiles = TilesAt(image, o + 1);
    p.style = image[o + 6];
    p.popularity = image[o + 7];
    p.eraCode = image[o + 8];
    p.stamina = image[o + 9];
    p.fast = image[o + 10];
    p.medium = image[o + 11];
    p.slow = image[o + 12];
    p.rightBreak = image[o + 13];
    p.leftBreak = image[o + 14];
    p.fork = image[o + 15];
    return p;
}

std::string Number(long long value) {
    return std::to_string(value);
}

// The pitching styles as the game codes them; any other byte is shown as the last label.
constexpr std::array<std::pair<std::uint8_t, std::string_view>, 10> Styles = {{
    {0x00, "右"},
    {0x01, "左"},
    {0x80, "右横"},
    {0x81, "左横"},
    {0xC0, "右下"},
    {0xC1, "左下"},
    {0x10, "右ま"},
    {0x11, "左ま"},
    {0x20, "右背"},
    {0x21, "左背"},
}};

std::optional<std::uint8_t> KnownStyle(std::uint8_t code) {
    for (const auto& [styleCode, label] : Styles)
        if (styleCode == code)
            return styleCode;
    return std::nullopt;
}

std::string_view ExpectedStyleLabel(std::uint8_t code) {
    for (const auto& [styleCode, label] : Styles)
        if (styleCode == code)
            return label;
    return Styles.back().second;
}

void CheckName(const NameTiles& tiles, const std::string& shown) {
    NameTiles back{};
    const bool encodes = EncodeName(shown, back);
    FUZZ_CHECK(encodes == AllNameTiles(tiles));
    if (encodes)
        FUZZ_CHECK(back == tiles);
    else
        FUZZ_CHECK(shown.find(PlaceholderChar) != std::string::npos);
}

void CheckBatterTexts(const BatterBytes& b) {
    const BatterRowTexts texts = BatterRowFromBytes(b);
    CheckName(b.tiles, texts[0]);
    FUZZ_CHECK(texts[1] == (b.side == 0 ? "右" : b.side == 1 ? "左" : "両"));
    FUZZ_CHECK(texts[2] == Number(b.popularityPosition >> 4));
    FUZZ_CHECK(texts[3] == Number(b.popularityPosition & 15));
    FUZZ_CHECK(texts[4] == Number(2 * b.averageCode + 150));
    FUZZ_CHECK(texts[5] == Number(b.homeRuns));
    FUZZ_CHECK(texts[6] == Number(b.speed));
    FUZZ_CHECK(texts[7] == Number(b.fielding));
    FUZZ_CHECK(texts[8] == Number(b.arm));

    // Saving the texts as shown: sides above 2 become 2, averages of 128 and more lose 128,
    // everything else comes back unchanged.
    BatterBytes survives = b;
    survives.side = b.side <= 1 ? b.side : 2;
    survives.averageCode = b.averageCode & 0x7F;
    const std::optional<BatterBytes> saved = BatterBytesFromRow(texts);
    FUZZ_CHECK(saved.has_value());
    FUZZ_CHECK(*saved == survives);
}

void CheckPitcherTexts(const PitcherBytes& p) {
    const PitcherRowTexts texts = PitcherRowFromBytes(p);
    CheckName(p.tiles, texts[0]);
    FUZZ_CHECK(texts[1] == ExpectedStyleLabel(p.style));
    const int popularity = (p.popularity - 1) / 16;
    FUZZ_CHECK(texts[2] == Number(popularity));
    FUZZ_CHECK(texts[3] == Number(10 * p.eraCode));
    FUZZ_CHECK(texts[4] == Number(p.stamina));
    FUZZ_CHECK(texts[5] == Number(p.fast));
    FUZZ_CHECK(texts[6] == Number(p.medium));
    FUZZ_CHECK(texts[7] == Number(p.slow));
    FUZZ_CHECK(texts[8] == Number(p.rightBreak));
    FUZZ_CHECK(texts[9] == Number(p.leftBreak));
    FUZZ_CHECK(texts[10] == Number(p.fork));

    // A damaged name cannot be saved back; otherwise unknown styles become "左背" and the
    // popularity byte takes the form 16 x value + 1.
    const std::optional<PitcherBytes> saved = PitcherBytesFromRow(texts);
    FUZZ_CHECK(saved.has_value() == AllNameTiles(p.tiles));
    if (!saved)
        return;
    PitcherBytes survives = p;
    survives.style = KnownStyle(p.style).value_or(0x21);
    survives.popularity = LowByte(16 * popularity + 1);
    FUZZ_CHECK(*saved == survives);
}

// Every record of the chosen teams, every colour entry, and one step beyond each end of the
// game's ranges, which must be refused.
void ReadTeams(const std::string& path, const Image& image, int first, int second) {
    TRomTeamData rom;
    for (int team = -1; team <= TeamCount; ++team) {
        const bool teamInRange = IsValidTeam(team);
        const bool chosen = team == first || team == second;
        for (int index = -1; index <= BatterCount; ++index) {
            if (!chosen && !(index == 0 && !teamInRange))
                continue;
            BatterBytes read;
            const bool ok = rom.ReadBatter(path, team, index, read);
            const std::optional<BatterBytes> stored = StoredBatter(image, team, index);
            FUZZ_CHECK(ok == stored.has_value());
            if (ok) {
                FUZZ_CHECK(read == *stored);
                CheckBatterTexts(read);
            }
        }
        for (int index = -1; index <= PitcherCount; ++index) {
            if (!chosen && !(index == 0 && !teamInRange))
                continue;
            PitcherBytes read;
            const bool ok = rom.ReadPitcher(path, team, index, read);
            const std::optional<PitcherBytes> stored = StoredPitcher(image, team, index);
            FUZZ_CHECK(ok == stored.has_value());
            if (ok) {
                FUZZ_CHECK(read == *stored);
                CheckPitcherTexts(read);
            }
        }
        std::uint8_t helmet = 0x5A;
        std::uint8_t uniform = 0xA5;
        const bool ok = rom.ReadColors(path, team, helmet, uniform);
        const bool stored = teamInRange && InFile(image, ColorEntryOffset(team), ColorEntrySize);
        FUZZ_CHECK(ok == stored);
        if (ok) {
            FUZZ_CHECK(helmet == image[ColorEntryOffset(team).value]);
            FUZZ_CHECK(uniform == image[ColorEntryOffset(team).value + 1]);
        }
    }
}

// The bytes opened as an image: shaped as one (the magic; the pattern of the rest makes most of
// them questionable), or not at all.
void OpenAsImage(Image image) {
    std::copy_n(InesMagic.begin(), std::min(InesMagic.size(), image.size()), image.begin());
    const plans::OpenPlan plan = plans::PlanOpen(image);
    FUZZ_CHECK(plan.bytes == image);
    FUZZ_CHECK(plan.Refused() == (plan.check.verdict == ImageVerdict::Refused));
    if (plan.Refused()) {
        FUZZ_CHECK(plan.texts.empty());
        return;
    }
    FUZZ_CHECK(plan.texts.size() == static_cast<std::size_t>(TeamCount));
    for (int team = 0; team < TeamCount; ++team)
        FUZZ_CHECK(plan.texts[static_cast<std::size_t>(team)] ==
                   TextsOf(TeamRecordsAt(image, team)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzzsupport::ScratchFile scratch;
    fuzzsupport::ByteReader input(data, size);
    const std::vector<std::uint8_t> lengthBytes = input.Bytes(3);
    const int first = input.Byte() % TeamCount;
    const int second = input.Byte() % TeamCount;
    const Image image = BuildImage(lengthBytes, input);
    scratch.Store(image);
    ReadTeams(scratch.Path(), image, first, second);
    // Reading never changes the file.
    FUZZ_CHECK(scratch.Load() == image);
    OpenAsImage(image);
    return 0;
}
