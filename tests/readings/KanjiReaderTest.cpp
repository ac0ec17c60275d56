// SPDX-License-Identifier: MIT
#include "KanjiReader.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using readings::KanjiReader;
using readings::KanjiReadings;

// Common surnames as a roster writes them, with the reading a fan expects first. Variant kanji
// of official spellings are among them, read through their usual forms.
struct Surname {
    const char* written;
    const char* reading;
};
constexpr Surname CommonSurnames[] = {
    {"佐藤", "さとう"},     {"鈴木", "すずき"},   {"高橋", "たかはし"}, {"田中", "たなか"},
    {"伊藤", "いとう"},     {"渡辺", "わたなべ"}, {"山本", "やまもと"}, {"中村", "なかむら"},
    {"小林", "こばやし"},   {"加藤", "かとう"},   {"吉田", "よしだ"},   {"山田", "やまだ"},
    {"佐々木", "ささき"},   {"山口", "やまぐち"}, {"松本", "まつもと"}, {"井上", "いのうえ"},
    {"木村", "きむら"},     {"林", "はやし"},     {"斎藤", "さいとう"}, {"清水", "しみず"},
    {"山崎", "やまざき"},   {"森", "もり"},       {"池田", "いけだ"},   {"橋本", "はしもと"},
    {"阿部", "あべ"},       {"石川", "いしかわ"}, {"山下", "やました"}, {"中島", "なかじま"},
    {"石井", "いしい"},     {"小川", "おがわ"},   {"前田", "まえだ"},   {"岡田", "おかだ"},
    {"長谷川", "はせがわ"}, {"藤田", "ふじた"},   {"後藤", "ごとう"},   {"近藤", "こんどう"},
    {"村上", "むらかみ"},   {"遠藤", "えんどう"}, {"青木", "あおき"},   {"坂本", "さかもと"},
    {"斉藤", "さいとう"},   {"福田", "ふくだ"},   {"太田", "おおた"},   {"西村", "にしむら"},
    {"藤井", "ふじい"},     {"金子", "かねこ"},   {"岡本", "おかもと"}, {"藤原", "ふじわら"},
    {"中野", "なかの"},     {"三浦", "みうら"},   {"原田", "はらだ"},   {"中川", "なかがわ"},
    {"松田", "まつだ"},     {"竹内", "たけうち"}, {"小野", "おの"},     {"田村", "たむら"},
    {"中山", "なかやま"},   {"和田", "わだ"},     {"石田", "いしだ"},   {"森田", "もりた"},
    {"上田", "うえだ"},     {"原", "はら"},       {"内田", "うちだ"},   {"柴田", "しばた"},
    {"酒井", "さかい"},     {"宮崎", "みやざき"}, {"横山", "よこやま"}, {"高木", "たかぎ"},
    {"安藤", "あんどう"},   {"宮本", "みやもと"}, {"大野", "おおの"},   {"小島", "こじま"},
    {"谷口", "たにぐち"},   {"今井", "いまい"},   {"工藤", "くどう"},   {"高田", "たかだ"},
    {"増田", "ますだ"},     {"丸山", "まるやま"}, {"杉山", "すぎやま"}, {"村田", "むらた"},
    {"大塚", "おおつか"},   {"新井", "あらい"},   {"小山", "こやま"},   {"平野", "ひらの"},
    {"藤本", "ふじもと"},   {"河野", "こうの"},   {"上野", "うえの"},   {"野口", "のぐち"},
    {"武田", "たけだ"},     {"松井", "まつい"},   {"千葉", "ちば"},     {"岩崎", "いわさき"},
    {"菅原", "すがわら"},   {"木下", "きのした"}, {"久保", "くぼ"},     {"佐野", "さの"},
    {"野村", "のむら"},     {"松尾", "まつお"},   {"市川", "いちかわ"}, {"菊地", "きくち"},
    {"杉本", "すぎもと"},   {"古川", "ふるかわ"}, {"大西", "おおにし"}, {"島田", "しまだ"},
    {"水野", "みずの"},     {"桜井", "さくらい"}, {"高野", "たかの"},   {"吉川", "よしかわ"},
    {"山内", "やまうち"},   {"西田", "にしだ"},   {"飯田", "いいだ"},   {"菊池", "きくち"},
    {"西川", "にしかわ"},   {"小松", "こまつ"},   {"北村", "きたむら"}, {"安田", "やすだ"},
    {"五十嵐", "いがらし"}, {"川口", "かわぐち"}, {"平田", "ひらた"},   {"関", "せき"},
    {"服部", "はっとり"},   {"岩田", "いわた"},   {"土屋", "つちや"},   {"川崎", "かわさき"},
    {"福島", "ふくしま"},   {"本田", "ほんだ"},   {"辻", "つじ"},       {"樋口", "ひぐち"},
    {"秋山", "あきやま"},   {"田口", "たぐち"},   {"永井", "ながい"},   {"星野", "ほしの"},
    {"髙橋", "たかはし"},   {"山﨑", "やまざき"}, {"濵田", "はまだ"},   {"德永", "とくなが"},
    {"髙木", "たかぎ"},     {"宮嵜", "みやざき"}, {"渡邊", "わたなべ"}, {"齋藤", "さいとう"},
};

// Surnames with more than one usual reading: every one of them is offered.
struct Ambiguous {
    const char* written;
    std::vector<std::string> readings;
};
const Ambiguous AmbiguousSurnames[] = {
    {"中田", {"なかた", "なかだ"}},
    {"上林", {"うえばやし", "かんばやし", "かみばやし"}},
    {"新垣", {"あらかき", "あらがき", "にいがき"}},
    {"角田", {"つのだ", "かくだ"}},
    {"山崎", {"やまざき", "やまさき"}},
    {"金城", {"きんじょう"}},
};

std::vector<std::string> Kana(const KanjiReadings& read) {
    std::vector<std::string> kana;
    for (const readings::NameReading& reading : read.readings)
        kana.push_back(reading.kana);
    return kana;
}

TEST(KanjiReader, ReadsCommonSurnamesRightAtTheFirstAnswer) {
    KanjiReader reader;
    int right = 0;
    std::string wrong;
    for (const Surname& surname : CommonSurnames) {
        const KanjiReadings read = reader.Read(surname.written);
        if (!read.readings.empty() && read.readings.front().kana == surname.reading)
            ++right;
        else
            wrong += std::string(surname.written) + " ";
    }
    const int count = static_cast<int>(std::size(CommonSurnames));
    ASSERT_GE(count, 100);
    EXPECT_GE(right * 100, count * 97) << "read wrong first: " << wrong;
}

TEST(KanjiReader, ListsTheKnownAlternativesOfAmbiguousSurnames) {
    KanjiReader reader;
    for (const Ambiguous& surname : AmbiguousSurnames) {
        const std::vector<std::string> kana = Kana(reader.Read(surname.written));
        for (const std::string& expected : surname.readings)
            EXPECT_NE(std::find(kana.begin(), kana.end(), expected), kana.end())
                << surname.written << " lacks " << expected;
        // Each reading once, however many of the dictionary's words give it.
        std::vector<std::string> sorted = kana;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
    }
}

TEST(KanjiReader, CountsPlacesAsTheGameSpellsTheReading) {
    KanjiReader reader;
    // A voicing mark takes a place of its own: these four need six.
    for (const auto& [written, kana] :
         {std::pair{"勅使河原", "てしがわら"}, std::pair{"毒島", "ぶすじま"},
          std::pair{"上林", "かんばやし"}, std::pair{"金城", "きんじょう"}}) {
        const KanjiReadings read = reader.Read(written);
        const auto reading = std::find_if(read.readings.begin(), read.readings.end(),
                                          [&](const auto& r) { return r.kana == kana; });
        ASSERT_NE(reading, read.readings.end()) << written;
        EXPECT_EQ(reading->places, 6) << written;
        EXPECT_FALSE(reading->Fits()) << written;
    }
    const KanjiReadings sato = reader.Read("佐藤");
    ASSERT_EQ(sato.outcome, KanjiReadings::Outcome::Read);
    EXPECT_EQ(sato.readings.front().spelling, "さとう");
    EXPECT_TRUE(sato.readings.front().Fits());
    const KanjiReadings goto_ = reader.Read("後藤");
    EXPECT_EQ(goto_.readings.front().spelling, "こ゛とう");
    EXPECT_EQ(goto_.readings.front().places, 4);
}

TEST(KanjiReader, ReadsFullNamesAndKanjiMixedWithKana) {
    KanjiReader reader;
    EXPECT_EQ(Kana(reader.Read("鈴木一郎")).front(), "すずきいちろう");
    EXPECT_EQ(Kana(reader.Read(" 山田　")).front(), "やまだ");
    const std::vector<std::string> mixed = Kana(reader.Read("山田たろう"));
    ASSERT_FALSE(mixed.empty());
    EXPECT_EQ(mixed.front(), "やまだたろう");
}

TEST(KanjiReader, RefusesWhatNoKanaCanSpell) {
    KanjiReader reader;
    for (const char* text : {"山田😀", "★田中", "山田Иван", "김田中", "田中\xff"})
        EXPECT_EQ(reader.Read(text).outcome, KanjiReadings::Outcome::Unreadable) << text;
    // Without a kanji there is nothing to read, and the dictionary is not even loaded for it.
    KanjiReader untouched;
    for (const char* text : {"", "さとう", "ＳＡＴＯ", "😀", "★"})
        EXPECT_EQ(untouched.Read(text).outcome, KanjiReadings::Outcome::NoKanji) << text;
    EXPECT_FALSE(untouched.DictionaryLoaded());
    EXPECT_EQ(reader.Read(std::string(300, 'a') + "山").outcome,
              KanjiReadings::Outcome::Unreadable);
}

TEST(KanjiReader, MapsVariantKanjiToTheirUsualForms) {
    EXPECT_EQ(readings::WithUsualKanji("髙橋"), "高橋");
    EXPECT_EQ(readings::WithUsualKanji("山﨑 濵田 德永"), "山崎 浜田 徳永");
    EXPECT_EQ(readings::WithUsualKanji("さとう"), "さとう");
    EXPECT_TRUE(readings::ContainsKanji("佐々木"));
    EXPECT_TRUE(readings::ContainsKanji("𠮷田"));
    EXPECT_FALSE(readings::ContainsKanji("ささき"));
}

TEST(KanjiReader, SaysTheDictionaryIsMissingAndLoadsItOnlyForAKanji) {
    testsupport::TempDir empty;
    KanjiReader reader(empty.Path().string());
    EXPECT_FALSE(reader.DictionaryLoaded());
    EXPECT_EQ(reader.Read("佐藤").outcome, KanjiReadings::Outcome::DictionaryMissing);
    const KanjiReadings again = reader.Read("佐藤");
    EXPECT_EQ(again.outcome, KanjiReadings::Outcome::DictionaryMissing);
    EXPECT_EQ(again.dictionaryFolder, empty.Path().string());
    // Kana still go on to the name rules.
    EXPECT_EQ(reader.Read("さとう").outcome, KanjiReadings::Outcome::NoKanji);

    // The folder is the environment's to name, so that a test can hide the dictionary.
    ASSERT_EQ(
        setenv(std::string(readings::DictionaryFolderVariable).c_str(), empty.Path().c_str(), 1),
        0);
    EXPECT_EQ(readings::DictionaryFolder(), empty.Path().string());
    EXPECT_EQ(KanjiReader().Read("佐藤").outcome, KanjiReadings::Outcome::DictionaryMissing);
    unsetenv(std::string(readings::DictionaryFolderVariable).c_str());
    EXPECT_EQ(readings::DictionaryFolder(), readings::StandardDictionaryFolder);
}

} // namespace
