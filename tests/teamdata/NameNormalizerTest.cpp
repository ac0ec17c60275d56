// SPDX-License-Identifier: MIT
#include "NameNormalizer.h"

#include "NameCodec.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace teamdata;
using Outcome = NameNormalization::Outcome;

namespace {

struct NormalizeCase {
    std::string input;
    Outcome outcome;
    std::string name;      // Accepted: the game text; UnknownCharacter: the refused character
    int number = 0;        // UnknownCharacter: its position; TooLong: the tiles needed
    bool spelling = false; // small kana were made large
};

void PrintTo(const NormalizeCase& c, std::ostream* out) {
    *out << '"' << c.input << '"';
}

class NameNormalizerRule : public testing::TestWithParam<NormalizeCase> {};

const NormalizeCase NormalizeCases[] = {
    {"だ", Outcome::Accepted, "た゛　　　"},
    {"ぱ", Outcome::Accepted, "は゜　　　"},
    {"ゔ", Outcome::Accepted, "う゛　　　"},
    {"ヤマダ", Outcome::Accepted, "やまた゛　"},
    {"か\u3099は\u309A", Outcome::Accepted, "か゛は゜　"},
    {"ｶﾞﾊﾟｰ", Outcome::Accepted, "か゛は゜－"},
    {"ー-ｰ−", Outcome::Accepted, "－－－－　"},
    {"しょう", Outcome::Accepted, "しよう　　", 0, true},
    {"ヵヶッ", Outcome::Accepted, "かけつ　　", 0, true},
    {"a1 B.", Outcome::Accepted, "Ａ１　Ｂ．"},
    {"ｚ", Outcome::Accepted, "Ｚ　　　　"},
    {" 　たなか 　", Outcome::Accepted, "たなか　　"},
    {"", Outcome::Accepted, "　　　　　"},
    {"  ", Outcome::Accepted, "　　　　　"},
    // A text that already is a game name is kept, its leading blank too.
    {"　あいう　", Outcome::Accepted, "　あいう　"},
    {"やま田", Outcome::UnknownCharacter, "田", 3},
    {" 😀", Outcome::UnknownCharacter, "😀", 2},
    {"あ＊", Outcome::UnknownCharacter, "＊", 2},
    {"ヰヸ", Outcome::UnknownCharacter, "ヰ", 1},
    {"わヸ", Outcome::UnknownCharacter, "ヸ", 2},
    {"あ\tい", Outcome::UnknownCharacter, "\t", 2},
    {"ａ\xFF", Outcome::UnknownCharacter, "\xFF", 2},
    {"だいごろう", Outcome::TooLong, "", 7},
};

} // namespace

TEST_P(NameNormalizerRule, FollowsTheRuleOfItsKindOfCharacter) {
    const NormalizeCase& c = GetParam();
    const NameNormalization result = NormalizeName(c.input);
    ASSERT_EQ(result.outcome, c.outcome);
    switch (c.outcome) {
    case Outcome::Accepted: {
        EXPECT_EQ(result.name, c.name);
        EXPECT_EQ(result.spellingChanged, c.spelling);
        EXPECT_EQ(result.changed, c.input != c.name);
        NameTiles tiles{};
        EXPECT_TRUE(EncodeName(result.name, tiles));
        break;
    }
    case Outcome::UnknownCharacter:
        EXPECT_EQ(result.character, c.name);
        EXPECT_EQ(result.position, c.number);
        break;
    case Outcome::TooLong:
        EXPECT_EQ(result.tiles, c.number);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(EachKind, NameNormalizerRule, testing::ValuesIn(NormalizeCases));

TEST(NameNormalizer, GivesBackEveryNameTheCodecCanDecodeUnchanged) {
    std::vector<std::uint8_t> codes;
    for (int code = 0; code < TileCharCount; ++code)
        if (TileCharTable[static_cast<std::size_t>(code)] != PlaceholderChar)
            codes.push_back(static_cast<std::uint8_t>(code));
    std::vector<NameTiles> names;
    // Every code in every position, then random names.
    for (std::size_t at = 0; at < 5; ++at)
        for (std::uint8_t code : codes) {
            NameTiles tiles{36, 36, 36, 36, 36};
            tiles[at] = code;
            names.push_back(tiles);
        }
    std::mt19937 random(20240);
    std::uniform_int_distribution<std::size_t> pick(0, codes.size() - 1);
    for (int i = 0; i < 3000; ++i) {
        NameTiles tiles{};
        for (std::uint8_t& tile : tiles)
            tile = codes[pick(random)];
        names.push_back(tiles);
    }
    for (const NameTiles& tiles : names) {
        std::string text;
        ASSERT_TRUE(DecodeName(tiles, text));
        const NameNormalization result = NormalizeName(text);
        ASSERT_EQ(result.outcome, Outcome::Accepted) << text;
        EXPECT_EQ(result.name, text);
        EXPECT_FALSE(result.changed || result.spellingChanged) << text;
    }
}

TEST(NameTilesNeeded, CountsVoicedKanaTwiceAndNeitherEndsSpaces) {
    EXPECT_EQ(NameTilesNeeded("やまだ"), 4);
    EXPECT_EQ(NameTilesNeeded(" たなか　　"), 3);
    EXPECT_EQ(NameTilesNeeded("山田ごろう"), 6);
}

TEST(NameForDisplay, JoinsVoicingMarksAndLongVowelsOfKanaOnly) {
    EXPECT_EQ(NameForDisplay("ほ゜－る　"), "ぽーる　");
    EXPECT_EQ(NameForDisplay("か゛く゛う゛　"), "がぐゔ　");
    EXPECT_EQ(NameForDisplay("ふ゛し゛い"), "ぶじい");
    // Marks with no voiced kana to join, and a "－" that is no long vowel, stay as the game
    // writes them.
    EXPECT_EQ(NameForDisplay("わ゛あ゜゛－"), "わ゛あ゜゛－");
    EXPECT_EQ(NameForDisplay("Ｊ－１　　"), "Ｊ－１　　");
    EXPECT_EQ(NameForDisplay("ら－－ん　"), "らーーん　");
    EXPECT_EQ(NameForDisplay("＊＊か゛＊"), "＊＊が＊");
    EXPECT_EQ(NameForDisplay(""), "");
}

// What the screens show reads back as the same name: a name copied from the window and pasted
// into it again keeps its tiles. (A leading blank is the one thing normalising drops, whatever
// the form.)
TEST(NameForDisplay, ReadsBackAsTheSameTiles) {
    std::mt19937 random(1992);
    std::vector<std::uint8_t> codes;
    for (int code = 0; code < TileCharCount; ++code)
        if (TileCharTable[static_cast<std::size_t>(code)] != PlaceholderChar)
            codes.push_back(static_cast<std::uint8_t>(code));
    std::uniform_int_distribution<std::size_t> pick(0, codes.size() - 1);
    for (int i = 0; i < 5000; ++i) {
        NameTiles tiles{};
        for (std::uint8_t& tile : tiles)
            tile = codes[pick(random)];
        std::string name;
        ASSERT_TRUE(DecodeName(tiles, name));
        if (name.starts_with(NameSpaceChar))
            continue;
        const NameNormalization read = NormalizeName(NameForDisplay(name));
        ASSERT_EQ(read.outcome, Outcome::Accepted) << name;
        EXPECT_EQ(read.name, name) << NameForDisplay(name);
        EXPECT_FALSE(read.spellingChanged) << name;
    }
}
