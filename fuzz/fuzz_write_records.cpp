// SPDX-License-Identifier: MIT
// Arbitrary cell texts written through WriteBatter, WritePitcher and WriteColors into a scratch
// image, several writes per input. After every write the whole file must equal the image the
// conversion rules predict: only the bytes of the one record (lead byte excepted) or colour entry
// change, a refused write changes nothing (a pitcher whose style is refused keeps only its new
// name), a file that ends before a player record is left alone, and what reads back is what was
// predicted.
//
// Input: the image length (one byte choosing a whole image or a cut one, then three bytes when
// cut), then up to eight writes, each an operation byte, team and index bytes and its texts or
// colour bytes.

#include "FuzzSupport.h"

#include "ImageLayout.h"
#include "NameCodec.h"
#include "RecordText.h"
#include "TRomTeamData.h"

#include <array>
#include <optional>
#include <string>

using namespace teamdata;
using fuzzsupport::ByteReader;
using fuzzsupport::LenientLowByte;
using fuzzsupport::LenientTenthLowByte;
using fuzzsupport::LowByte;

namespace {

constexpr std::size_t ImageEnd = ColorTableBase + TeamCount * ColorEntrySize;
constexpr std::size_t WholeImageLength = ImageEnd + 16;
constexpr int MaxWritesPerInput = 8;

using Image = std::vector<std::uint8_t>;

constexpr std::array<std::string_view, 3> SideLabels = {"右", "左", "両"};
constexpr std::array<std::string_view, 10> StyleLabels = {"右",   "左",   "右横", "左横", "右下",
                                                          "左下", "右ま", "左ま", "右背", "左背"};
constexpr std::array<std::uint8_t, 10> StyleCodes = {0x00, 0x01, 0x80, 0x81, 0xC0,
                                                     0xC1, 0x10, 0x11, 0x20, 0x21};

// Team and record numbers mostly inside the game's ranges, sometimes one or two beyond.
int Number(ByteReader& input, int count) {
    return input.Byte() % (count + 4) - 2;
}

// A name text: any bytes, the display form of any five tiles, or five tiles with a character.
std::string NameText(ByteReader& input) {
    const std::uint8_t mode = input.Byte() % 3;
    if (mode == 0)
        return input.Text();
    NameTiles tiles{};
    for (std::uint8_t& tile : tiles) {
        tile = input.Byte();
        if (mode == 2) {
            tile %= 87;
            tile = tile <= 37 ? tile : tile <= 85 ? tile + 2 : 97;
        }
    }
    return DecodeNameForDisplay(tiles);
}

// A label from the list, or any text.
template <std::size_t N>
std::string LabelText(ByteReader& input, const std::array<std::string_view, N>& labels) {
    const std::uint8_t choice = input.Byte();
    if (choice < N * 16)
        return std::string(labels[choice % N]);
    return input.Text();
}

std::optional<NameTiles> NameTilesOf(const std::string& text) {
    NameTiles tiles{};
    if (!EncodeName(text, tiles))
        return std::nullopt;
    return tiles;
}

// The stored-byte rules of the cell texts, restated.
std::uint8_t Plain(const std::string& text) {
    return LenientLowByte(text);
}
std::uint8_t AverageCode(const std::string& text) {
    return static_cast<std::uint8_t>(((LenientLowByte(text) + 106) % 256) / 2);
}
std::uint8_t SideCodeOf(const std::string& text) {
    return text == SideLabels[0] ? 0 : text == SideLabels[1] ? 1 : 2;
}
std::optional<std::uint8_t> StyleCodeOf(const std::string& text) {
    for (std::size_t i = 0; i < StyleLabels.size(); ++i)
        if (text == StyleLabels[i])
            return StyleCodes[i];
    return std::nullopt;
}

void Put(Image& image, std::size_t offset, std::initializer_list<std::uint8_t> bytes) {
    for (std::uint8_t byte : bytes)
        image[offset++] = byte;
}

void PutTiles(Image& image, std::size_t offset, const NameTiles& tiles) {
    for (std::uint8_t tile : tiles)
        image[offset++] = tile;
}

bool InFile(const Image& image, FileOffset offset, std::size_t size) {
    return offset.value + size <= image.size();
}

void WriteBatterCase(ByteReader& input, const std::string& path, Image& image) {
    const int team = Number(input, TeamCount);
    const int index = Number(input, BatterCount);
    BatterRowTexts texts;
    texts[0] = NameText(input);
    texts[1] = LabelText(input, SideLabels);
    for (std::size_t c = 2; c < texts.size(); ++c)
        texts[c] = input.Text();

    TRomTeamData rom;
    const bool ok = rom.WriteBatter(path, team, index, texts);
    const std::optional<NameTiles> tiles = NameTilesOf(texts[0]);
    const std::optional<BatterBytes> converted = BatterBytesFromRow(texts);
    FUZZ_CHECK(converted.has_value() == tiles.has_value());
    const bool writable = IsValidTeam(team) && IsValidBatter(index) &&
                          InFile(image, BatterRecordOffset(team, index), BatterRecordSize);
    FUZZ_CHECK(ok == (writable && tiles.has_value()));
    if (!ok)
        return;

    const std::size_t o = BatterRecordOffset(team, index).value;
    PutTiles(image, o + 1, *tiles);
    Put(image, o + 6,
        {SideCodeOf(texts[1]), LowByte(16 * LenientLowByte(texts[2]) + LenientLowByte(texts[3])),
         AverageCode(texts[4]), Plain(texts[5]), Plain(texts[6]), Plain(texts[7]),
         Plain(texts[8])});

    BatterBytes read;
    const bool readable = image[o] <= MaxLeadByte;
    FUZZ_CHECK(rom.ReadBatter(path, team, index, read) == readable);
    if (readable)
        FUZZ_CHECK(read == *converted);
}

void WritePitcherCase(ByteReader& input, const std::string& path, Image& image) {
    const int team = Number(input, TeamCount);
    const int index = Number(input, PitcherCount);
    PitcherRowTexts texts;
    texts[0] = NameText(input);
    texts[1] = LabelText(input, StyleLabels);
    for (std::size_t c = 2; c < texts.size(); ++c)
        texts[c] = input.Text();

    TRomTeamData rom;
    const bool ok = rom.WritePitcher(path, team, index, texts);
    const std::optional<NameTiles> tiles = NameTilesOf(texts[0]);
    const std::optional<std::uint8_t> style = StyleCodeOf(texts[1]);
    const std::optional<PitcherBytes> converted = PitcherBytesFromRow(texts);
    FUZZ_CHECK(converted.has_value() == (tiles && style));
    const bool writable = IsValidTeam(team) && IsValidPitcher(index) &&
                          InFile(image, PitcherRecordOffset(team, index), PitcherRecordSize);
    FUZZ_CHECK(ok == (writable && tiles && style));
    if (!writable || !tiles)
        return;

    // The name goes out before the style is looked at.
    const std::size_t o = PitcherRecordOffset(team, index).value;
    PutTiles(image, o + 1, *tiles);
    if (!ok)
        return;
    Put(image, o + 6,
        {*style, LowByte(16 * LenientLowByte(texts[2]) + 1), LenientTenthLowByte(texts[3]),
         Plain(texts[4]), Plain(texts[5]), Plain(texts[6]), Plain(texts[7]), Plain(texts[8]),
         Plain(texts[9]), Plain(texts[10])});

    PitcherBytes read;
    const bool readable = image[o] <= MaxLeadByte;
    FUZZ_CHECK(rom.ReadPitcher(path, team, index, read) == readable);
    if (readable)
        FUZZ_CHECK(read == *converted);
}

void WriteColorsCase(ByteReader& input, const std::string& path, Image& image) {
    const int team = Number(input, TeamCount);
    const std::uint8_t helmet = input.Byte();
    const std::uint8_t uniform = input.Byte();

    TRomTeamData rom;
    const bool ok = rom.WriteColors(path, team, helmet, uniform);
    FUZZ_CHECK(ok == IsValidTeam(team));
    if (!ok)
        return;
    // An image that ends before its colour table is lengthened up to the entry written; the gap
    // reads as zeros.
    const std::size_t o = ColorEntryOffset(team).value;
    if (image.size() < o + ColorEntrySize)
        image.resize(o + ColorEntrySize, 0);
    Put(image, o, {helmet, uniform});

    std::uint8_t readHelmet = 0;
    std::uint8_t readUniform = 0;
    FUZZ_CHECK(rom.ReadColors(path, team, readHelmet, readUniform));
    FUZZ_CHECK(readHelmet == helmet && readUniform == uniform);
}

Image InitialImage(ByteReader& input) {
    std::size_t length = WholeImageLength;
    if (input.Byte() >= 192) {
        length = 0;
        for (std::uint8_t byte : input.Bytes(3))
            length = length * 256 + byte;
        length %= WholeImageLength + 1;
    }
    static const Image whole = [] {
        Image bytes(WholeImageLength);
        for (std::size_t offset = 0; offset < bytes.size(); ++offset)
            bytes[offset] = fuzzsupport::PatternByte(offset);
        return bytes;
    }();
    return Image(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzzsupport::ScratchFile scratch;
    ByteReader input(data, size);
    Image image = InitialImage(input);
    scratch.Store(image);
    for (int write = 0; write < MaxWritesPerInput && !input.Empty(); ++write) {
        switch (input.Byte() % 3) {
        case 0:
            WriteBatterCase(input, scratch.Path(), image);
            break;
        case 1:
            WritePitcherCase(input, scratch.Path(), image);
            break;
        default:
            WriteColorsCase(input, scratch.Path(), image);
            break;
        }
        FUZZ_CHECK(scratch.Load() == image);
    }
    return 0;
}
