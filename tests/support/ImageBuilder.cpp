// SPDX-License-Identifier: MIT
#include "ImageBuilder.h"

#include "NameCodec.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <numeric>
#include <random>
#include <stdexcept>
#include <string>

using namespace teamdata;

namespace testsupport {

namespace {

constexpr std::uint8_t InesMagic[] = {'N', 'E', 'S', 0x1A, 8, 16};

// Tile codes that stand for a character, in table order.
std::vector<std::uint8_t> NameTileCodes() {
    std::vector<std::uint8_t> codes;
    for (int code = 0; code < TileCharCount; ++code)
        if (TileCharTable[static_cast<std::size_t>(code)] != PlaceholderChar)
            codes.push_back(static_cast<std::uint8_t>(code));
    return codes;
}

void CheckTeam(int team) {
    if (!IsValidTeam(team))
        throw std::out_of_range("team " + std::to_string(team));
}

} // namespace

ImageBuilder::ImageBuilder(std::size_t size) {
    Resize(size);
}

std::uint8_t ImageBuilder::FillerByte(std::size_t offset) {
    if (offset < std::size(InesMagic))
        return InesMagic[offset];
    if (offset < InesHeaderSize)
        return 0;
    // A cheap integer hash of the offset: looks random, is the same on every run, never 0.
    std::uint32_t x = static_cast<std::uint32_t>(offset) * 2654435761u;
    x ^= x >> 15;
    x *= 2246822519u;
    x ^= x >> 13;
    const auto byte = static_cast<std::uint8_t>(x >> 24);
    return byte == 0 ? 0x5A : byte;
}

ImageBuilder& ImageBuilder::Resize(std::size_t size) {
    const std::size_t old = bytes.size();
    bytes.resize(size);
    for (std::size_t offset = old; offset < size; ++offset)
        bytes[offset] = FillerByte(offset);
    return *this;
}

void ImageBuilder::Put(std::size_t offset, const std::uint8_t* data, std::size_t count) {
    if (offset > bytes.size() || count > bytes.size() - offset)
        throw std::out_of_range("offset " + std::to_string(offset) + " beyond the image");
    std::copy(data, data + count, bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

ImageBuilder& ImageBuilder::SetByte(std::size_t offset, std::uint8_t value) {
    Put(offset, &value, 1);
    return *this;
}

ImageBuilder& ImageBuilder::SetBatter(int team, int index, const BatterBytes& b,
                                      std::uint8_t leadByte) {
    CheckTeam(team);
    if (!IsValidBatter(index))
        throw std::out_of_range("batter " + std::to_string(index));
    const std::uint8_t record[BatterRecordSize] = {
        leadByte, b.tiles[0],           b.tiles[1],    b.tiles[2], b.tiles[3], b.tiles[4],
        b.side,   b.popularityPosition, b.averageCode, b.homeRuns, b.speed,    b.fielding,
        b.arm};
    Put(BatterRecordOffset(team, index).value, record, BatterRecordSize);
    return *this;
}

ImageBuilder& ImageBuilder::SetPitcher(int team, int index, const PitcherBytes& p,
                                       std::uint8_t leadByte) {
    CheckTeam(team);
    if (!IsValidPitcher(index))
        throw std::out_of_range("pitcher " + std::to_string(index));
    const std::uint8_t record[PitcherRecordSize] = {
        leadByte, p.tiles[0],   p.tiles[1],  p.tiles[2], p.tiles[3], p.tiles[4],
        p.style,  p.popularity, p.eraCode,   p.stamina,  p.fast,     p.medium,
        p.slow,   p.rightBreak, p.leftBreak, p.fork};
    Put(PitcherRecordOffset(team, index).value, record, PitcherRecordSize);
    return *this;
}

ImageBuilder& ImageBuilder::SetBatterLeadByte(int team, int index, std::uint8_t leadByte) {
    CheckTeam(team);
    if (!IsValidBatter(index))
        throw std::out_of_range("batter " + std::to_string(index));
    return SetByte(BatterRecordOffset(team, index).value, leadByte);
}

ImageBuilder& ImageBuilder::SetPitcherLeadByte(int team, int index, std::uint8_t leadByte) {
    CheckTeam(team);
    if (!IsValidPitcher(index))
        throw std::out_of_range("pitcher " + std::to_string(index));
    return SetByte(PitcherRecordOffset(team, index).value, leadByte);
}

ImageBuilder& ImageBuilder::SetColors(int team, std::uint8_t helmet, std::uint8_t uniform) {
    CheckTeam(team);
    const std::uint8_t entry[ColorEntrySize] = {helmet, uniform};
    Put(ColorEntryOffset(team).value, entry, ColorEntrySize);
    return *this;
}

ImageBuilder& ImageBuilder::FillValidTeam(int team) {
    for (int i = 0; i < BatterCount; ++i)
        SetBatter(team, i, ValidBatter(team, i), ValidLeadByte(team, i));
    for (int i = 0; i < PitcherCount; ++i)
        SetPitcher(team, i, ValidPitcher(team, i), ValidLeadByte(team, BatterCount + i));
    return SetColors(team, ValidHelmetColor(team), ValidUniformColor(team));
}

ImageBuilder& ImageBuilder::FillValidTeams() {
    for (int team = 0; team < TeamCount; ++team)
        FillValidTeam(team);
    return *this;
}

void ImageBuilder::WriteTo(const std::filesystem::path& path) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write the image " + path.string());
}

BatterBytes ImageBuilder::ValidBatter(int team, int index) {
    static const std::vector<std::uint8_t> codes = NameTileCodes();
    BatterBytes b;
    for (std::size_t k = 0; k < b.tiles.size(); ++k)
        b.tiles[k] =
            codes[static_cast<std::size_t>(team * 31 + index * 7 + static_cast<int>(k) * 13) %
                  codes.size()];
    b.side = static_cast<std::uint8_t>((team + index) % 3);
    const int popularity = 1 + (team + index) % 10;
    const int position = index < BattingOrderLength ? 2 + (team + index) % BattingOrderLength
                                                    : 1 + (team * 2 + index) % 9;
    b.popularityPosition = static_cast<std::uint8_t>(16 * popularity + position);
    const int average = 200 + 2 * ((team * 7 + index * 11) % 101); // 200..400, even
    b.averageCode = static_cast<std::uint8_t>((average - 150) / 2);
    b.homeRuns = static_cast<std::uint8_t>((team * 5 + index * 3) % 60);
    b.speed = static_cast<std::uint8_t>((team * 3 + index * 7) % 51);
    b.fielding = static_cast<std::uint8_t>(1 + (team + index * 2) % 5);
    b.arm = static_cast<std::uint8_t>(1 + (team * 2 + index) % 5);
    return b;
}

PitcherBytes ImageBuilder::ValidPitcher(int team, int index) {
    static const std::vector<std::uint8_t> codes = NameTileCodes();
    PitcherBytes p;
    for (std::size_t k = 0; k < p.tiles.size(); ++k)
        p.tiles[k] =
            codes[static_cast<std::size_t>(team * 17 + index * 23 + static_cast<int>(k) * 5 + 3) %
                  codes.size()];
    p.style = PitchingStyles[static_cast<std::size_t>(team + index) % PitchingStyles.size()].code;
    p.popularity = static_cast<std::uint8_t>(16 * (1 + (team + 3 * index) % 10) + 1);
    p.eraCode = static_cast<std::uint8_t>((team * 7 + index * 13) % 100);
    p.stamina = static_cast<std::uint8_t>(1 + (team + index * 3) % 20);
    p.fast = static_cast<std::uint8_t>(80 + 2 * ((team * 5 + index * 7) % 58));
    p.medium = static_cast<std::uint8_t>(80 + 2 * ((team * 3 + index * 5) % 58));
    p.slow = static_cast<std::uint8_t>(80 + 2 * ((team + index * 11) % 58));
    p.rightBreak = static_cast<std::uint8_t>(2 * ((team + index * 3) % 17));
    p.leftBreak = static_cast<std::uint8_t>(2 * ((team * 2 + index) % 17));
    p.fork = static_cast<std::uint8_t>(2 * ((team * 3 + index * 2) % 17));
    return p;
}

std::uint8_t ImageBuilder::ValidLeadByte(int team, int index) {
    return static_cast<std::uint8_t>((team * 5 + index) % (MaxLeadByte + 1));
}

std::uint8_t ImageBuilder::ValidHelmetColor(int team) {
    return static_cast<std::uint8_t>(((team % 4) << 4) | (team * 3 % 14));
}

std::uint8_t ImageBuilder::ValidUniformColor(int team) {
    return static_cast<std::uint8_t>((((team + 1) % 4) << 4) | ((team * 5 + 2) % 14));
}

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>()};
    if (in.bad())
        throw std::runtime_error("cannot read " + path.string());
    return bytes;
}

bool IsWritableTeamByte(std::size_t offset) {
    if (offset >= ColorTableBase && offset < ColorTableEnd)
        return true;
    if (offset < TeamAreaBase || offset >= TeamBlocksEnd)
        return false;
    const std::size_t inBlock = (offset - TeamAreaBase) % TeamBlockSize;
    if (inBlock < PitcherAreaInBlock)
        return inBlock % BatterRecordSize != 0;
    const std::size_t inPitchers = inBlock - PitcherAreaInBlock;
    if (inPitchers >= PitcherCount * PitcherRecordSize)
        return false;
    return inPitchers % PitcherRecordSize != 0;
}

std::vector<std::uint8_t> RandomLeagueImage(std::uint32_t seed) {
    std::mt19937 random(seed);
    ImageBuilder builder;
    builder.FillValidTeams();
    std::vector<std::uint8_t> bytes = builder.Bytes();
    for (std::size_t offset = 0; offset < bytes.size(); ++offset)
        if (IsWritableTeamByte(offset) && random() % 4 == 0)
            bytes[offset] = static_cast<std::uint8_t>(random());
    for (int team = 0; team < TeamCount; ++team)
        for (int batter = 0; batter < BattingOrderLength; ++batter) {
            const std::size_t at = BatterRecordOffset(team, batter).value + 7;
            bytes[at] =
                static_cast<std::uint8_t>((bytes[at] & 0xF0) | (builder.Bytes()[at] & 0x0F));
        }
    return bytes;
}

std::vector<std::uint8_t> RandomValidLeagueImage(std::uint32_t seed) {
    std::mt19937 random(seed);
    const auto anyTeam = [&random] {
        return static_cast<int>(random() % TeamCount);
    };
    const auto offeredColor = [&random] {
        return static_cast<std::uint8_t>(0x10 * (random() % 4) + random() % 14);
    };
    ImageBuilder builder;
    for (int team = 0; team < TeamCount; ++team) {
        std::array<int, BattingOrderLength> order{};
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), random);
        const int orderTeam = anyTeam();
        for (int i = 0; i < BattingOrderLength; ++i)
            builder.SetBatter(team, i, ImageBuilder::ValidBatter(orderTeam, order[i]),
                              ImageBuilder::ValidLeadByte(team, i));
        for (int i = BattingOrderLength; i < BatterCount; ++i)
            builder.SetBatter(
                team, i,
                ImageBuilder::ValidBatter(
                    anyTeam(), BattingOrderLength +
                                   static_cast<int>(random() % (BatterCount - BattingOrderLength))),
                ImageBuilder::ValidLeadByte(team, i));
        for (int i = 0; i < PitcherCount; ++i)
            builder.SetPitcher(
                team, i,
                ImageBuilder::ValidPitcher(anyTeam(), static_cast<int>(random() % PitcherCount)),
                ImageBuilder::ValidLeadByte(team, BatterCount + i));
        const std::uint8_t helmet = offeredColor();
        builder.SetColors(team, helmet, offeredColor());
    }
    return builder.Bytes();
}

} // namespace testsupport
