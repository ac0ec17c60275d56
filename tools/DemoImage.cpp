// SPDX-License-Identifier: MIT
#include "DemoImage.h"

#include "ImageLayout.h"
#include "NameCodec.h"
#include "Palette.h"
#include "RecordText.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <stdexcept>
#include <string_view>

using namespace teamdata;

namespace demoimage {

namespace {

// Invented player names spelled the way the game writes them: a voiced kana is the plain kana
// followed by "゛" (or "゜"), and each takes two of the five places.
constexpr std::array<std::string_view, 66> Names = {
    "やまた゛",   "すすき",     "たなか",     "さとう",     "いのうえ",   "きむら",
    "はやし",     "しみす゛",   "やまくち",   "まつもと",   "なかむら",   "こは゛やし",
    "わたなへ゛", "たかはし",   "いとう",     "かとう",     "よした゛",   "やまもと",
    "もりた",     "おかた゛",   "ふ゛し゛た", "こ゛とう",   "はせか゛わ", "むらかみ",
    "こんと゛う", "いしい",     "さいとう",   "さかもと",   "えんと゛う", "あおき",
    "ふ゛し゛い", "にしむら",   "ふくた゛",   "おおた",     "みうら",     "ほ゜－る",
    "へ゜れす",   "おの",       "なかの",     "はら",       "まつい",     "あらい",
    "くほ゛",     "のむら",     "ひろせ",     "こし゛ま",   "すか゛わら", "ほんた゛",
    "いわさき",   "みやもと",   "あさの",     "きくち",     "ちは゛",     "うえの",
    "かわい",     "ＪＯＮＥＳ", "ＢＲＯＷＮ", "ＤＡＶＩＳ", "ＫＩＮＧ",   "Ｊ．ＬＥＥ",
    "ＭＯＲＡ",   "ＲＯＳＳ",   "ＭＡＸ２",   "ＡＬ．５",   "おかもと",   "にしの",
};
// Consecutive players take every seventh name, so a team never holds the same name twice.
constexpr std::size_t NameStep = 7;
static_assert(Names.size() % NameStep != 0 && Names.size() >= BatterCount + PitcherCount);

constexpr int PlayersPerTeam = BatterCount + PitcherCount;

// A small linear congruential generator: the demo must come out the same on every run and on
// every standard library, which std::uniform_int_distribution does not promise.
class DemoRandom {
public:
    explicit DemoRandom(std::uint32_t seed)
        : state(seed) {}

    // A number in first..last, both included.
    int Between(int first, int last) {
        state = state * 1664525u + 1013904223u;
        return first +
               static_cast<int>((state >> 8) % static_cast<std::uint32_t>(last - first + 1));
    }

    // An even number in first..last (both even).
    int EvenBetween(int first, int last) { return 2 * Between(first / 2, last / 2); }

private:
    std::uint32_t state;
};

NameTiles NameOf(int player) {
    std::string text(Names[static_cast<std::size_t>(player) * NameStep % Names.size()]);
    std::size_t characters = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++characters;
    for (; characters < NameTileCount; ++characters)
        text += NameSpaceChar;
    NameTiles tiles{};
    if (!EncodeName(text, tiles))
        throw std::logic_error("demo name does not fit the tile table: " + text);
    return tiles;
}

std::uint8_t Byte(int value) {
    return static_cast<std::uint8_t>(value);
}

std::uint8_t OfferedColor(DemoRandom& random) {
    return Byte(16 * random.Between(0, PaletteRows - 1) + random.Between(0, PaletteColumns - 1));
}

void Put(std::vector<std::uint8_t>& image, FileOffset offset,
         std::initializer_list<std::uint8_t> bytes) {
    std::copy(bytes.begin(), bytes.end(), image.begin() + offset.value);
}

void PutTeam(std::vector<std::uint8_t>& image, int team, DemoRandom& random) {
    std::array<int, BattingOrderLength> positions = {2, 3, 4, 5, 6, 7, 8, 9};
    for (int i = BattingOrderLength - 1; i > 0; --i)
        std::swap(positions[static_cast<std::size_t>(i)],
                  positions[static_cast<std::size_t>(random.Between(0, i))]);

    for (int index = 0; index < BatterCount; ++index) {
        const NameTiles name = NameOf(team * PlayersPerTeam + index);
        const int position = index < BattingOrderLength ? positions[static_cast<std::size_t>(index)]
                                                        : random.Between(1, 9);
        const int average = random.EvenBetween(200, 400);
        Put(image, BatterRecordOffset(team, index),
            {Byte(random.Between(0, MaxLeadByte)), name[0], name[1], name[2], name[3], name[4],
             Byte(random.Between(0, 2)), Byte(16 * random.Between(1, 10) + position),
             Byte((average - 150) / 2), Byte(random.Between(0, 59)), Byte(random.Between(0, 50)),
             Byte(random.Between(1, 5)), Byte(random.Between(1, 5))});
    }

    for (int index = 0; index < PitcherCount; ++index) {
        const NameTiles name = NameOf(team * PlayersPerTeam + BatterCount + index);
        const std::uint8_t style =
            PitchingStyles[static_cast<std::size_t>(random.Between(0, 9))].code;
        const int fast = random.EvenBetween(120, 194);
        const int medium = std::max(80, fast - random.EvenBetween(10, 24));
        const int slow = std::max(80, medium - random.EvenBetween(10, 30));
        Put(image, PitcherRecordOffset(team, index),
            {Byte(random.Between(0, MaxLeadByte)), name[0], name[1], name[2], name[3], name[4],
             style, Byte(16 * random.Between(1, 10) + 1), Byte(random.Between(0, 99)),
             Byte(random.Between(1, 20)), Byte(fast), Byte(medium), Byte(slow),
             Byte(random.EvenBetween(0, 32)), Byte(random.EvenBetween(0, 32)),
             Byte(random.EvenBetween(0, 32))});
    }

    Put(image, ColorEntryOffset(team), {OfferedColor(random), OfferedColor(random)});
}

} // namespace

std::vector<std::uint8_t> MakeDemoImage() {
    std::vector<std::uint8_t> image(DemoImageSize);
    for (std::size_t offset = 0; offset < image.size(); ++offset)
        image[offset] = Byte(static_cast<int>((offset * 37 + (offset >> 9) * 11 + 0x6D) & 0xFF));
    // iNES header: magic, 8 program banks, 16 character banks, mapper 1, the rest zero.
    std::fill_n(image.begin(), InesHeaderBytes, std::uint8_t{0});
    std::copy(InesMagic.begin(), InesMagic.end(), image.begin());
    const std::uint8_t fields[] = {DemoImageBanks[0], DemoImageBanks[1], 0x10};
    std::copy(std::begin(fields), std::end(fields), image.begin() + InesMagic.size());

    DemoRandom random(1992);
    for (int team = 0; team < TeamCount; ++team)
        PutTeam(image, team, random);
    return image;
}

bool WriteDemoImage(const std::filesystem::path& path, std::string& error) {
    std::vector<std::uint8_t> image;
    try {
        image = MakeDemoImage();
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        error = "cannot create " + path.string();
        return false;
    }
    out.write(reinterpret_cast<const char*>(image.data()),
              static_cast<std::streamsize>(image.size()));
    out.close();
    if (!out) {
        error = "cannot write " + path.string();
        return false;
    }
    return true;
}

} // namespace demoimage
