// SPDX-License-Identifier: MIT
#include "NameCodec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace teamdata;

namespace {

std::vector<std::uint8_t> PlaceholderCodes() {
    std::vector<std::uint8_t> codes = {38, 39};
    for (std::uint8_t c = 88; c <= 96; ++c)
        codes.push_back(c);
    return codes;
}

std::vector<std::uint8_t> CharacterCodes() {
    std::vector<std::uint8_t> codes;
    for (int c = 0; c < TileCharCount; ++c)
        if (c != 38 && c != 39 && (c < 88 || c > 96))
            codes.push_back(static_cast<std::uint8_t>(c));
    return codes;
}

} // namespace

TEST(TileCharTable, HoldsTheSoundMarksDashSpaceAndPlaceholdersAsTheirExactCharacters) {
    EXPECT_EQ(TileCharTable[36], "\xE3\x80\x80"); // U+3000 ideographic space
    EXPECT_EQ(TileCharTable[86], "\xE3\x82\x9B"); // U+309B voiced mark
    EXPECT_EQ(TileCharTable[87], "\xE3\x82\x9C"); // U+309C semi-voiced mark
    EXPECT_EQ(TileCharTable[97], "\xEF\xBC\x8D"); // U+FF0D full-width hyphen-minus
    EXPECT_EQ(PlaceholderChar, "\xEF\xBC\x8A");   // U+FF0A full-width asterisk
    EXPECT_EQ(NameSpaceChar, TileCharTable[36]);
}

TEST(TileCharTable, HasElevenPlaceholdersAndOtherwiseDistinctCharacters) {
    int placeholders = 0;
    for (std::size_t i = 0; i < TileCharTable.size(); ++i) {
        if (TileCharTable[i] == PlaceholderChar) {
            ++placeholders;
            continue;
        }
        for (std::size_t j = i + 1; j < TileCharTable.size(); ++j)
            EXPECT_NE(TileCharTable[i], TileCharTable[j]) << i << " and " << j;
    }
    EXPECT_EQ(placeholders, 11);
    EXPECT_EQ(TileCharTable[0], "０");
    EXPECT_EQ(TileCharTable[35], "Ｚ");
    EXPECT_EQ(TileCharTable[40], "あ");
    EXPECT_EQ(TileCharTable[85], "ん");
}

TEST(NameCodec, DecodesDigitLetterSpaceKanaAndDash) {
    std::string name;
    ASSERT_TRUE(DecodeName({0, 10, 36, 40, 97}, name));
    EXPECT_EQ(name, "０Ａ　あ－");
}

TEST(NameCodec, DecodesAndEncodesAVoicedNameAsKanaPlusMark) {
    std::string name;
    ASSERT_TRUE(DecodeName({45, 86, 70, 36, 36}, name));
    EXPECT_EQ(name, "か゛ま　　");
    NameTiles tiles{};
    ASSERT_TRUE(EncodeName(name, tiles));
    EXPECT_EQ(tiles, (NameTiles{45, 86, 70, 36, 36}));
}

TEST(NameCodec, EncodesCapitalsAndSpaces) {
    NameTiles tiles{};
    ASSERT_TRUE(EncodeName("ＡＢＣＤＥ", tiles));
    EXPECT_EQ(tiles, (NameTiles{10, 11, 12, 13, 14}));
    ASSERT_TRUE(EncodeName("　　　　　", tiles));
    EXPECT_EQ(tiles, (NameTiles{36, 36, 36, 36, 36}));
}

class NameCodecPlaceholder : public testing::TestWithParam<std::uint8_t> {};

TEST_P(NameCodecPlaceholder, RefusesPlaceholderTilesInAnyPlace) {
    for (std::size_t place = 0; place < 5; ++place) {
        NameTiles tiles = {10, 11, 12, 13, 14};
        tiles[place] = GetParam();
        std::string name;
        EXPECT_FALSE(DecodeName(tiles, name)) << "place " << place;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPlaceholder, NameCodecPlaceholder,
                         testing::ValuesIn(PlaceholderCodes()));
INSTANTIATE_TEST_SUITE_P(CodesBeyondTheTable, NameCodecPlaceholder,
                         testing::Values(98, 99, 127, 128, 200, 255));

TEST(NameCodec, RoundTripsEveryCharacterTileInEveryPlace) {
    for (std::uint8_t code : CharacterCodes()) {
        for (std::size_t place = 0; place < 5; ++place) {
            NameTiles tiles = {36, 36, 36, 36, 36};
            tiles[place] = code;
            std::string name;
            ASSERT_TRUE(DecodeName(tiles, name)) << int(code);
            NameTiles again{};
            ASSERT_TRUE(EncodeName(name, again)) << name;
            EXPECT_EQ(again, tiles) << int(code);
        }
    }
}

TEST(NameCodec, DisplaysTilesWithoutACharacterAsPlaceholdersThatDoNotEncode) {
    const std::string shown = DecodeNameForDisplay({40, 38, 200, 97, 36});
    EXPECT_EQ(shown, "あ＊＊－　");
    NameTiles tiles{};
    EXPECT_FALSE(EncodeName(shown, tiles));
    EXPECT_EQ(DecodeNameForDisplay({45, 86, 70, 36, 36}), "か゛ま　　");
}

TEST(NameCodec, RefusesAVoicedKanaWrittenAsOneCharacter) {
    NameTiles tiles{};
    EXPECT_FALSE(EncodeName("が　　　　", tiles));
    EXPECT_TRUE(EncodeName("か゛　　　", tiles));
}

TEST(NameCodec, RefusesEverythingButFiveTableCharacters) {
    const char* const refused[] = {
        "",           "ＡＢＣＤ",       "ＡＢＣＤＥＦ", "ABCDE",      "ＡＢＣＤE",
        "＊ＡＢＣＤ", "ＡＢ＊ＣＤ",     "カタカナ　",   "山田　　　", "ＡＢＣＤＥ ",
        "ぁいうえお", "ＡＢＣ\xE3\x80", "\x80ＡＢＣＤ",
    };
    for (const char* text : refused) {
        NameTiles tiles = {1, 2, 3, 4, 5};
        EXPECT_FALSE(EncodeName(text, tiles)) << text;
    }
}

TEST(NameCodec, EncodesOnlyWhatTheTextViewHolds) {
    const std::string longer = "ＡＢＣＤＥＦ";
    NameTiles tiles{};
    // The view ends in the middle of the fifth character: the bytes behind it must not count.
    EXPECT_FALSE(EncodeName(std::string_view(longer.data(), 14), tiles));
    ASSERT_TRUE(EncodeName(std::string_view(longer.data(), 15), tiles));
    EXPECT_EQ(tiles, (NameTiles{10, 11, 12, 13, 14}));
}
