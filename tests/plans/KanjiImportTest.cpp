// SPDX-License-Identifier: MIT
// Names in kanji read while importing, with a reader handed in as the desktop hands MeCab's: the
// plan itself reads no kanji, and reads none unasked.

#include "ImageBuilder.h"
#include "Import.h"
#include "LeagueCsv.h"
#include "TeamReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace plans;

namespace {

namespace BatterColumn = teamdata::BatterColumn;
namespace PitcherColumn = teamdata::PitcherColumn;

const std::vector<std::uint8_t> Source = testsupport::ImageBuilder().FillValidTeams().Bytes();

// A few names with the readings a dictionary gives them, best first.
teamdata::KanjiNameReader FakeReader(std::string missingPackage = {}) {
    return [missingPackage](std::string_view text) -> std::optional<teamdata::KanjiNameReadings> {
        static const std::map<std::string, std::vector<std::string>, std::less<>> known = {
            {"中田", {"なかた", "なかだ"}},
            {"勅使河原", {"てしがわら"}},
            {"上林", {"うえばやし", "かんばやし", "かみはやし"}},
            {"山田😀", {}},
        };
        const auto found = known.find(text);
        if (found == known.end())
            return std::nullopt;
        return teamdata::KanjiNameReadings{found->second, missingPackage};
    };
}

std::string TeamCsvWithNames(const std::vector<std::string>& names) {
    teamdata::TeamTexts team = LeagueTextsOf(Source)[2];
    for (std::size_t i = 0; i < names.size(); ++i)
        team.batters[i][BatterColumn::Name - 1] = names[i];
    team.pitchers[0][PitcherColumn::Name - 1] = "上林";
    return reports::BuildCsv(reports::BatterGrid(team.batters),
                             reports::PitcherGrid(team.pitchers));
}

ImportPlan Plan(const std::string& csv, teamdata::KanjiNameReader readKanji) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(csv.data());
    return PlanImport(Source, {bytes, csv.size()},
                      {2, [](std::string_view) { return std::string(); }, std::move(readKanji)});
}

TEST(KanjiImport, TakesTheFirstReadingThatFitsAndNotesTheOthers) {
    const ImportPlan plan = Plan(TeamCsvWithNames({"中田", "さとう"}), FakeReader());
    ASSERT_TRUE(plan.read.errors.empty());
    const teamdata::TeamTexts read = LeagueTextsOf(plan.result)[2];
    EXPECT_EQ(read.batters[0][BatterColumn::Name - 1], "なかた　　");
    EXPECT_EQ(read.batters[1][BatterColumn::Name - 1], "さとう　　");
    // 上林's first reading needs six places: the first that fits is taken.
    EXPECT_EQ(read.pitchers[0][PitcherColumn::Name - 1], "かみはやし");
    std::vector<std::pair<std::string, std::vector<std::string>>> noted;
    for (const reports::CsvIssue& note : plan.read.notes)
        if (note.kind == reports::CsvIssueKind::NameRead)
            noted.push_back({note.text, note.allowed});
    const decltype(noted) expected = {{"中田", {"なかだ"}}, {"上林", {"うえばやし", "かんばやし"}}};
    EXPECT_EQ(noted, expected);
    EXPECT_FALSE(plan.writes.empty());
}

TEST(KanjiImport, NamesTwoPlayersOfATeamReadAlike) {
    const ImportPlan plan = Plan(TeamCsvWithNames({"中田", "さとう", "中田"}), FakeReader());
    ASSERT_TRUE(plan.read.errors.empty());
    const auto same =
        std::find_if(plan.read.notes.begin(), plan.read.notes.end(),
                     [](const auto& n) { return n.kind == reports::CsvIssueKind::SameReading; });
    ASSERT_NE(same, plan.read.notes.end());
    EXPECT_EQ(same->expected, "なかた　　");
    EXPECT_EQ(same->line, 4); // the header is line 1
    EXPECT_EQ(same->otherLine, 2);
}

TEST(KanjiImport, NeverCutsANameAndReadsNoneUnasked) {
    const std::string csv = TeamCsvWithNames({"勅使河原", "山田😀"});
    const ImportPlan read = Plan(csv, FakeReader());
    ASSERT_EQ(read.read.errors.size(), 2u);
    const teamdata::CellRefusal& tooLong = read.read.errors[0].cell->refusal;
    EXPECT_EQ(tooLong.kind, teamdata::CellRefusalKind::NameReadingsTooLong);
    EXPECT_EQ(tooLong.tiles, 6);
    EXPECT_EQ(tooLong.allowed, std::vector<std::string>{"てしがわら"});
    EXPECT_EQ(read.read.errors[1].cell->refusal.kind, teamdata::CellRefusalKind::NameNotRead);
    EXPECT_TRUE(read.writes.empty());
    EXPECT_TRUE(read.result.empty());

    // Unasked, a kanji is a character without a tile like any other.
    const ImportPlan unasked = Plan(TeamCsvWithNames({"中田"}), {});
    ASSERT_FALSE(unasked.read.errors.empty());
    EXPECT_EQ(unasked.read.errors[0].cell->refusal.kind,
              teamdata::CellRefusalKind::NameUnknownCharacter);

    const ImportPlan missing = Plan(TeamCsvWithNames({"中田"}), FakeReader("mecab-ipadic-utf8"));
    ASSERT_FALSE(missing.read.errors.empty());
    EXPECT_EQ(missing.read.errors[0].cell->refusal.kind,
              teamdata::CellRefusalKind::NameReaderMissing);
    EXPECT_EQ(missing.read.errors[0].cell->refusal.character, "mecab-ipadic-utf8");
}

} // namespace
