// SPDX-License-Identifier: MIT
#include "Words.h"

#include "Columns.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using teamdata::Grid;
namespace Batter = teamdata::BatterColumn;
namespace Pitcher = teamdata::PitcherColumn;

// A language whose every text is its English source in brackets, with the disambiguation where
// one was asked for: a word taken from the wrong entry, or not looked up at all, shows.
reports::Words Bracketed(std::string language = "en") {
    reports::Words words;
    words.language = std::move(language);
    words.translate = [](const char*, const char* source, const char* disambiguation) {
        std::string text = "<" + std::string(source);
        if (disambiguation)
            text += "|" + std::string(disambiguation);
        return text + ">";
    };
    return words;
}

reports::Words English() {
    reports::Words words;
    words.language = "en";
    return words;
}

TEST(Words, EnglishSourcesNameEveryColumnByItsWord) {
    const reports::Words words = English();
    const auto everyColumn = [&words](Grid grid, const auto& columns) {
        for (const teamdata::Column& column : columns) {
            EXPECT_EQ(reports::ColumnName(words, grid, column.number), column.word);
            EXPECT_FALSE(reports::ColumnToolTip(words, grid, column.number).empty());
        }
    };
    everyColumn(Grid::Batters, teamdata::BatterColumns);
    everyColumn(Grid::Pitchers, teamdata::PitcherColumns);
    EXPECT_EQ(reports::ColumnHeaderWord(words, Grid::Pitchers, Pitcher::Popularity), "★");
    EXPECT_EQ(reports::ValueCaption(words, Grid::Batters, Batter::Average), "AVG");
    EXPECT_TRUE(reports::ColumnName(words, Grid::Batters, 0).empty());
    EXPECT_EQ(reports::LabelWord(words, "右下"), "R Sub");
    EXPECT_EQ(reports::LabelWord(words, "やまだ"), "やまだ");
}

TEST(Words, DisambiguatedTextsAreLookedUpWithTheirDisambiguation) {
    const reports::Words words = Bracketed();
    EXPECT_EQ(reports::ColumnName(words, Grid::Batters, Batter::Average), "<AVG>");
    EXPECT_EQ(reports::ValueCaption(words, Grid::Batters, Batter::Average), "<AVG|value dialog>");
    EXPECT_EQ(reports::ColumnHeaderWord(words, Grid::Batters, Batter::Popularity),
              "<★|the popularity column's header>");
    EXPECT_EQ(reports::LabelWord(words, "右"), "<R|batting side 右>");
    EXPECT_EQ(reports::CornerWord(words, Grid::Pitchers), "<Pit|the pitcher grid's corner>");
}

TEST(Words, JapaneseKeepsTheFilesAsTheyWere) {
    const reports::Words words = Bracketed("ja");
    const reports::TeamReportLabels page = reports::TeamReportLabelsIn(words);
    const reports::TeamReportLabels defaults;
    EXPECT_EQ(page.teamName, defaults.teamName);
    EXPECT_EQ(page.batterCaption, defaults.batterCaption);
    EXPECT_TRUE(page.batterHeaders.empty());
    EXPECT_TRUE(page.labelWords.empty());
    const reports::OverviewLabels overview = reports::OverviewLabelsIn(words);
    EXPECT_EQ(overview.title, reports::OverviewLabels{}.title);
    EXPECT_EQ(overview.language, "ja");
    EXPECT_EQ(overview.batterColumns, reports::OverviewLabels{}.batterColumns);
    // The change list's words are translated in every language, its columns only outside Japanese.
    const reports::ChangeLabels changes = reports::ChangeLabelsIn(words);
    EXPECT_EQ(changes.batter, "<batter>");
    EXPECT_EQ(changes.batterColumns, reports::ChangeLabels{}.batterColumns);
    EXPECT_TRUE(changes.labelWords.empty());
    const std::vector<std::string> data = {"打者", "名　　前　", "打席　"};
    EXPECT_EQ(reports::ShownHeaders(words, Grid::Batters, data), data);
}

TEST(Words, EnglishFilesTakeEveryWordFromTheTranslation) {
    const reports::Words words = Bracketed();
    const reports::TeamReportLabels page = reports::TeamReportLabelsIn(words);
    EXPECT_EQ(page.teamName, "<Team %1>");
    ASSERT_EQ(page.pitcherHeaders.size(), 11U);
    EXPECT_EQ(page.pitcherHeaders[Pitcher::Era - 1], "<ERA>");
    EXPECT_EQ(page.labelWords.at("左背"), "<L Bck|pitching style 左背: left-handed "
                                          "behind-the-back delivery>");

    const reports::OverviewLabels overview = reports::OverviewLabelsIn(words);
    EXPECT_EQ(overview.language, "en");
    EXPECT_EQ(overview.rank, "<#%1|a team's rank>");
    // A figure's heading and note name the column by its translated word.
    EXPECT_EQ(overview.figures[0].heading, "<AVG>");
    EXPECT_NE(overview.figures[0].note.find("<AVG>"), std::string::npos);
    EXPECT_EQ(overview.figures[5].heading, "<<Popularity> (Order)|popularity of the batting "
                                           "order>");
    EXPECT_NE(overview.figures[3].note.find("Rounded half up to tenths."), std::string::npos);

    const reports::ChangeLabels changes = reports::ChangeLabelsIn(words);
    EXPECT_EQ(changes.language, "<en>");
    EXPECT_EQ(changes.pitcherColumns[Pitcher::Fork - 1], "<Fork>");
    EXPECT_EQ(changes.labelWords.size(), 11U);

    const std::vector<std::string> data = {"打者", "名　　前　", "", "人気"};
    EXPECT_EQ(reports::ShownHeaders(words, Grid::Batters, data),
              (std::vector<std::string>{"<Bat|the batter grid's corner>", "<Name>", "",
                                        "<★|the popularity column's header>"}));
}

TEST(Words, FillInReplacesEveryFirstPlaceholderOnly) {
    EXPECT_EQ(reports::FillIn("%1 and %1, %2", "x"), "x and x, %2");
    EXPECT_EQ(reports::FillIn("100%", "x"), "100%");
    EXPECT_EQ(reports::FillIn("%1", "%1"), "%1");
}

TEST(Words, PastedSpellingsLeaveOutWordsTheTranslationLacksOrKeeps) {
    std::map<std::string, std::string> held = {{"R", "右"}, {"S", "S"}, {"R Sub", "RS"}};
    reports::Words words;
    words.language = "xx";
    words.translate = [&held](const char*, const char* source, const char*) {
        const auto found = held.find(source);
        return found == held.end() ? std::string() : found->second;
    };
    const auto spellings = reports::LabelSpellingsIn(words);
    ASSERT_EQ(spellings.size(), 2U);
    EXPECT_EQ(spellings[0], (std::pair<std::string, std::string>{"S", "両"}));
    EXPECT_EQ(spellings[1], (std::pair<std::string, std::string>{"RS", "右下"}));
}

} // namespace
