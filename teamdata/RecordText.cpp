// SPDX-License-Identifier: MIT
#include "RecordText.h"

#include "ImageLayout.h"
#include "TextNumbers.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace teamdata {

const std::array<PitchingStyle, 10> PitchingStyles = {{
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

namespace {

// A cell text as a number that gives every stored-byte rule the result the full number would,
// whatever length the text has.
long long CellNumber(std::string_view text) {
    return LenientResidue(text);
}

// The low 8 bits of a value, negative values included (two's complement wrap).
std::uint8_t LowByte(long long value) {
    return static_cast<std::uint8_t>(static_cast<unsigned long long>(value) & 0xFF);
}

std::string Number(int value) {
    return std::to_string(value);
}

} // namespace

std::string_view SideText(std::uint8_t code) {
    if (code == 0)
        return SideRight;
    if (code == 1)
        return SideLeft;
    return SideBoth;
}

std::uint8_t SideCode(std::string_view text) {
    if (text == SideRight)
        return 0;
    if (text == SideLeft)
        return 1;
    return 2;
}

std::string_view StyleLabel(std::uint8_t code) {
    for (const PitchingStyle& style : PitchingStyles)
        if (style.code == code)
            return style.label;
    return PitchingStyles.back().label;
}

std::optional<std::uint8_t> StyleCode(std::string_view label) {
    for (const PitchingStyle& style : PitchingStyles)
        if (style.label == label)
            return style.code;
    return std::nullopt;
}

int BatterPopularity(std::uint8_t byte) {
    return byte >> 4;
}

int FieldingPosition(std::uint8_t byte) {
    return byte & 0x0F;
}

std::uint8_t PopularityPositionByte(std::string_view popularity, std::string_view position) {
    return LowByte(16 * CellNumber(popularity) + CellNumber(position));
}

int BattingAverage(std::uint8_t code) {
    return 2 * code + 150;
}

std::uint8_t BattingAverageCode(std::string_view text) {
    // The shown average is 2 x code + 150, so the code is (average - 150) / 2 taken on one
    // byte; adding 106 (= 256 - 150) keeps the dividend non-negative for every stored value.
    long long remainder = (CellNumber(text) + 106) % 256;
    if (remainder < 0)
        remainder += 256;
    return static_cast<std::uint8_t>(remainder / 2);
}

int PitcherPopularity(std::uint8_t byte) {
    return (byte - 1) / 16;
}

std::uint8_t PitcherPopularityByte(std::string_view text) {
    return LowByte(16 * CellNumber(text) + 1);
}

int EarnedRunAverage(std::uint8_t code) {
    return 10 * code;
}

std::uint8_t EarnedRunAverageCode(std::string_view text) {
    return LowByte(CellNumber(text) / 10);
}

std::uint8_t PlainByte(std::string_view text) {
    return LowByte(CellNumber(text));
}

BatterRowTexts BatterRowFromBytes(const BatterBytes& bytes) {
    return {
        DecodeNameForDisplay(bytes.tiles),
        std::string(SideText(bytes.side)),
        Number(BatterPopularity(bytes.popularityPosition)),
        Number(FieldingPosition(bytes.popularityPosition)),
        Number(BattingAverage(bytes.averageCode)),
        Number(bytes.homeRuns),
        Number(bytes.speed),
        Number(bytes.fielding),
        Number(bytes.arm),
    };
}

PitcherRowTexts PitcherRowFromBytes(const PitcherBytes& bytes) {
    return {
        DecodeNameForDisplay(bytes.tiles),
        std::string(StyleLabel(bytes.style)),
        Number(PitcherPopularity(bytes.popularity)),
        Number(EarnedRunAverage(bytes.eraCode)),
        Number(bytes.stamina),
        Number(bytes.fast),
        Number(bytes.medium),
        Number(bytes.slow),
        Number(bytes.rightBreak),
        Number(bytes.leftBreak),
        Number(bytes.fork),
    };
}

std::optional<BatterBytes> BatterBytesFromRow(const BatterRowTexts& texts) {
    BatterBytes bytes;
    if (!EncodeName(texts[BatterColumn::Name - 1], bytes.tiles))
        return std::nullopt;
    bytes.side = SideCode(texts[BatterColumn::Side - 1]);
    bytes.popularityPosition = PopularityPositionByte(texts[BatterColumn::Popularity - 1],
                                                      texts[BatterColumn::Position - 1]);
    bytes.averageCode = BattingAverageCode(texts[BatterColumn::Average - 1]);
    bytes.homeRuns = PlainByte(texts[BatterColumn::HomeRuns - 1]);
    bytes.speed = PlainByte(texts[BatterColumn::Speed - 1]);
    bytes.fielding = PlainByte(texts[BatterColumn::Fielding - 1]);
    bytes.arm = PlainByte(texts[BatterColumn::Arm - 1]);
    return bytes;
}

std::optional<PitcherBytes> PitcherBytesFromRow(const PitcherRowTexts& texts) {
    PitcherBytes bytes;
    if (!EncodeName(texts[PitcherColumn::Name - 1], bytes.tiles))
        return std::nullopt;
    const std::optional<std::uint8_t> style = StyleCode(texts[PitcherColumn::Style - 1]);
    if (!style)
        return std::nullopt;
    bytes.style = *style;
    bytes.popularity = PitcherPopularityByte(texts[PitcherColumn::Popularity - 1]);
    bytes.eraCode = EarnedRunAverageCode(texts[PitcherColumn::Era - 1]);
    bytes.stamina = PlainByte(texts[PitcherColumn::Stamina - 1]);
    bytes.fast = PlainByte(texts[PitcherColumn::Fast - 1]);
    bytes.medium = PlainByte(texts[PitcherColumn::Medium - 1]);
    bytes.slow = PlainByte(texts[PitcherColumn::Slow - 1]);
    bytes.rightBreak = PlainByte(texts[PitcherColumn::RightBreak - 1]);
    bytes.leftBreak = PlainByte(texts[PitcherColumn::LeftBreak - 1]);
    bytes.fork = PlainByte(texts[PitcherColumn::Fork - 1]);
    return bytes;
}

bool BattingOrderPositionsValid(const std::array<std::string, 8>& positionTexts) {
    // The eight batters of the order are the eight fielders besides the pitcher (position 1),
    // so together they must cover the positions 2..9, each exactly once.
    std::array<bool, BattingOrderLength> seen{};
    for (const std::string& text : positionTexts) {
        const int position = LenientToInt(text);
        if (position < 2 || position > 9)
            return false;
        bool& slot = seen[static_cast<std::size_t>(position - 2)];
        if (slot)
            return false;
        slot = true;
    }
    return std::all_of(seen.begin(), seen.end(), [](bool found) { return found; });
}

} // namespace teamdata
