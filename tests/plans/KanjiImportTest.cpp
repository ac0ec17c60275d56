// SPDX-License-Identifier: MIT
// Names in kanji read while importing, pasting and rating a season, with a reader handed in as
// the desktop hands MeCab's: the plans themselves read no kanji, and read none unasked.

#include "ImageBuilder.h"
#include "Import.h"
#include "LeagueCsv.h"
#include "Paste.h"
#include "Season.h"
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

PastePlan Paste(const std::string& text, int column, teamdata::KanjiNameReader readKanji) {
    PasteChoices how;
    how.target = {teamdata::Grid::Batters, column, 1};
    how.largest = 1 << 20;
    how.shownTeam = 2;
    how.readKanji = std::move(readKanji);
    return PlanPaste(text, LeagueTextsOf(Source)[2], how);
}

TEST(KanjiPaste, ReadsABlockOrAWholeTeamOnlyWhenAskedAndCutsNoName) {
    const PastePlan unasked = Paste("中田\r\n上林\r\n", BatterColumn::Name, {});
    ASSERT_EQ(unasked.decision, PasteDecision::Refused);
    ASSERT_EQ(unasked.read.problems.size(), 2u);
    EXPECT_EQ(unasked.read.problems[0].cell->refusal.kind,
              teamdata::CellRefusalKind::NameUnknownCharacter);

    const PastePlan asked = Paste("中田\r\n上林\r\n", BatterColumn::Name, FakeReader());
    ASSERT_EQ(asked.decision, PasteDecision::Apply);
    EXPECT_EQ(asked.read.texts.batters[0][BatterColumn::Name - 1], "なかた　　");
    EXPECT_EQ(asked.read.texts.batters[1][BatterColumn::Name - 1], "かみはやし");
    ASSERT_EQ(asked.read.notes.size(), 2u);
    EXPECT_EQ(asked.read.notes[0].kind, teamdata::CellNoteKind::NameRead);
    EXPECT_EQ(asked.read.notes[0].text, "中田");
    EXPECT_EQ(asked.read.notes[0].otherReadings, std::vector<std::string>{"なかだ"});

    // A name read as another player of the team is named, the later of two read alike.
    const PastePlan same = Paste("中田\r\nなかた\r\n中田\r\n", BatterColumn::Name, FakeReader());
    ASSERT_EQ(same.decision, PasteDecision::Apply);
    ASSERT_EQ(same.sameReadings.size(), 2u);
    EXPECT_EQ(same.sameReadings[0].row, 1);
    EXPECT_EQ(same.sameReadings[0].otherRow, 2);
    EXPECT_EQ(same.sameReadings[1].row, 3);
    EXPECT_EQ(same.sameReadings[1].otherRow, 1);
    EXPECT_TRUE(asked.sameReadings.empty());

    // One name too long refuses the whole block; the rest of it is not applied.
    const PastePlan tooLong = Paste("中田\r\n勅使河原\r\n", BatterColumn::Name, FakeReader());
    ASSERT_EQ(tooLong.decision, PasteDecision::Refused);
    ASSERT_EQ(tooLong.read.problems.size(), 1u);
    EXPECT_EQ(tooLong.read.problems[0].cell->refusal.kind,
              teamdata::CellRefusalKind::NameReadingsTooLong);

    // A whole team pasted goes the team CSV import's way, readings and same readings included.
    const PastePlan team = Paste(TeamCsvWithNames({"中田", "さとう", "中田"}), 1, FakeReader());
    ASSERT_EQ(team.decision, PasteDecision::TeamCsv);
    ASSERT_EQ(team.teamCsv->decision, TeamCsvDecision::Apply);
    EXPECT_EQ(team.teamCsv->Team().texts.batters[2][BatterColumn::Name - 1], "なかた　　");
    EXPECT_TRUE(std::any_of(team.teamCsv->read.notes.begin(), team.teamCsv->read.notes.end(),
                            [](const reports::CsvIssue& note) {
                                return note.kind == reports::CsvIssueKind::SameReading &&
                                       note.otherLine == 2;
                            }));
}

// A season sheet of team Ｇ, statistics as the built-in rules read them, whose first batters and
// first pitcher carry the names given.
std::string SeasonSheet(const std::vector<std::string>& batters, const std::string& pitcher) {
    std::string sheet = "team,name,role,POS,AVG,HR,SB,ERA,IP,velocity,throws\n";
    const char* const positions[] = {"C", "1B", "2B", "3B", "SS", "LF", "CF", "RF"};
    for (std::size_t i = 0; i < 13; ++i)
        sheet += "Ｇ," + (i < batters.size() ? batters[i] : "ﾀﾞｼｬ" + std::to_string(i % 10)) +
                 ",B," + (i < 8 ? positions[i] : "LF") + ",.3" + std::to_string(10 + i) + "," +
                 std::to_string(i * 5) + "," + std::to_string(i * 4) + ",,,,\n";
    for (int i = 0; i < 5; ++i)
        sheet += "Ｇ," + (i == 0 ? pitcher : "ﾄｳｼｭ" + std::to_string(i)) + ",P,,,,,2.3" +
                 std::to_string(i) + "," + std::to_string(100 + 40 * i) + "," +
                 std::to_string(147 + i) + ",L\n";
    return sheet;
}

SeasonPlan Season(const std::string& sheet, const teamdata::KanjiNameReader& readKanji) {
    return PlanSeason(
        sheet, DefaultSeasonRules(), LeagueTextsOf(Source),
        [](std::string_view) { return std::string(); }, readKanji);
}

TEST(KanjiSeason, ReadsTheSheetsNamesWhenAskedAndNamesThoseReadAlike) {
    const std::string sheet = SeasonSheet({"中田", "さとう", "中田"}, "上林");
    const SeasonPlan unasked = Season(sheet, {});
    ASSERT_EQ(unasked.errors.size(), 3u);
    EXPECT_EQ(unasked.errors[0].kind, SeasonIssueKind::NameInKanji);
    EXPECT_EQ(unasked.errors[0].line, 2);

    const SeasonPlan asked = Season(sheet, FakeReader());
    ASSERT_TRUE(asked.errors.empty());
    constexpr std::size_t giants = 3;
    EXPECT_EQ(asked.league[giants].batters[0][BatterColumn::Name - 1], "なかた　　");
    EXPECT_EQ(asked.league[giants].pitchers[0][PitcherColumn::Name - 1], "かみはやし");
    std::vector<std::pair<SeasonIssueKind, int>> noted;
    std::vector<const SeasonIssue*> read;
    for (const SeasonIssue& note : asked.sheet.notes)
        if (note.kind == SeasonIssueKind::NameRead || note.kind == SeasonIssueKind::SameReading) {
            noted.push_back({note.kind, note.line});
            read.push_back(&note);
        }
    const decltype(noted) expected = {{SeasonIssueKind::NameRead, 2},
                                      {SeasonIssueKind::NameRead, 4},
                                      {SeasonIssueKind::NameRead, 15},
                                      {SeasonIssueKind::SameReading, 4}};
    EXPECT_EQ(noted, expected);
    ASSERT_EQ(read.size(), 4u);
    EXPECT_EQ(read[0]->readings, std::vector<std::string>{"なかだ"});
    EXPECT_EQ(read[3]->otherLine, 2);

    const SeasonPlan tooLong = Season(SeasonSheet({"勅使河原"}, "ﾄｳｼｭ"), FakeReader());
    ASSERT_EQ(tooLong.errors.size(), 1u);
    EXPECT_EQ(tooLong.errors[0].kind, SeasonIssueKind::NameRefused);
    EXPECT_EQ(tooLong.errors[0].refusal.kind, teamdata::CellRefusalKind::NameReadingsTooLong);
    EXPECT_EQ(tooLong.errors[0].refusal.allowed, std::vector<std::string>{"てしがわら"});

    const SeasonPlan missing = Season(sheet, FakeReader("mecab-ipadic-utf8"));
    ASSERT_FALSE(missing.errors.empty());
    EXPECT_EQ(missing.errors[0].refusal.kind, teamdata::CellRefusalKind::NameReaderMissing);
}

} // namespace
