// SPDX-License-Identifier: MIT
#include "CsvReader.h"
#include "LeagueCsv.h"
#include "TextEncoding.h"

#include "CellMerge.h"
#include "RecordText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

using namespace teamdata;
using reports::CsvImport;
using reports::CsvIssue;
using reports::CsvIssueKind;
using reports::LeagueTexts;
using reports::ReadCsv;

namespace {

using League = std::array<TeamRecords, TeamCount>;

// Random teams, either as the editor's dialogs could leave them or with any byte the image may
// hold (batter names always decode, as the window insists on opening).
class RecordMaker {
public:
    explicit RecordMaker(unsigned seed)
        : random_(seed) {}

    League MakeLeague(bool editorRange) {
        League league;
        for (TeamRecords& team : league)
            team = editorRange ? EditorTeam() : AnyTeam();
        return league;
    }

private:
    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    std::uint8_t AnyByte() { return static_cast<std::uint8_t>(Between(0, 255)); }

    NameTiles Name() {
        NameTiles tiles{};
        for (std::uint8_t& tile : tiles)
            do
                tile = static_cast<std::uint8_t>(Between(0, TileCharCount - 1));
            while (TileCharTable[tile] == PlaceholderChar);
        return tiles;
    }

    TeamRecords EditorTeam() {
        TeamRecords team;
        std::array<int, BattingOrderLength> order{2, 3, 4, 5, 6, 7, 8, 9};
        std::shuffle(order.begin(), order.end(), random_);
        for (std::size_t i = 0; i < team.batters.size(); ++i) {
            BatterBytes& b = team.batters[i];
            const int position = i < order.size() ? order[i] : Between(1, 9);
            b = {Name(),
                 static_cast<std::uint8_t>(Between(0, 2)),
                 static_cast<std::uint8_t>(Between(1, 10) << 4 | position),
                 static_cast<std::uint8_t>(Between(25, 125)),
                 static_cast<std::uint8_t>(Between(0, 59)),
                 static_cast<std::uint8_t>(Between(0, 50)),
                 static_cast<std::uint8_t>(Between(1, 5)),
                 static_cast<std::uint8_t>(Between(1, 5))};
        }
        for (PitcherBytes& p : team.pitchers) {
            const auto even = [&](int low, int high) {
                return static_cast<std::uint8_t>(2 * Between(low / 2, high / 2));
            };
            p = {Name(),
                 PitchingStyles[static_cast<std::size_t>(Between(0, 9))].code,
                 static_cast<std::uint8_t>(16 * Between(1, 10) + 1),
                 static_cast<std::uint8_t>(Between(0, 99)),
                 static_cast<std::uint8_t>(Between(1, 20)),
                 even(80, 194),
                 even(80, 194),
                 even(80, 194),
                 even(0, 32),
                 even(0, 32),
                 even(0, 32)};
        }
        const auto offered = [&] {
            return static_cast<std::uint8_t>(16 * Between(0, 3) + Between(0, 13));
        };
        team.colors = {offered(), offered()};
        return team;
    }

    TeamRecords AnyTeam() {
        TeamRecords team;
        for (BatterBytes& b : team.batters)
            b = {Name(),    AnyByte(), AnyByte(), AnyByte(),
                 AnyByte(), AnyByte(), AnyByte(), AnyByte()};
        for (PitcherBytes& p : team.pitchers) {
            for (std::uint8_t& tile : p.tiles)
                tile = AnyByte();
            p.style = AnyByte();
            for (std::uint8_t* value : {&p.popularity, &p.eraCode, &p.stamina, &p.fast, &p.medium,
                                        &p.slow, &p.rightBreak, &p.leftBreak, &p.fork})
                *value = AnyByte();
        }
        team.colors = {AnyByte(), AnyByte()};
        return team;
    }

    std::mt19937 random_;
};

LeagueTexts TextsOf(const League& league) {
    LeagueTexts texts;
    for (std::size_t t = 0; t < league.size(); ++t)
        texts[t] = teamdata::TextsOf(league[t]);
    return texts;
}

std::string Describe(const std::vector<CsvIssue>& issues) {
    std::ostringstream out;
    for (const CsvIssue& issue : issues)
        out << "kind " << static_cast<int>(issue.kind) << " at " << issue.line << ':'
            << issue.column << " \"" << issue.text << "\"\n";
    return out.str();
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string::npos;
         start = end + separator.size())
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

std::string Join(const std::vector<std::string>& parts, const std::string& separator) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i > 0 ? separator : "") + parts[i];
    return text;
}

} // namespace

TEST(LeagueCsv, ReadsBackEveryValueTheEditorCanGiveAndStoresItAsASaveWould) {
    RecordMaker maker(7);
    for (int trial = 0; trial < 20; ++trial) {
        const League league = maker.MakeLeague(true);
        const League other = maker.MakeLeague(true);
        const LeagueTexts texts = TextsOf(league);
        const LeagueTexts otherTexts = TextsOf(other);
        const std::string csv = reports::BuildLeagueCsv(texts);

        const CsvImport same = ReadCsv(csv, texts, std::nullopt);
        ASSERT_TRUE(same.errors.empty()) << Describe(same.errors);
        EXPECT_TRUE(same.leagueFile);
        EXPECT_TRUE(same.notes.empty());
        ASSERT_EQ(same.teams.size(), league.size());
        for (std::size_t t = 0; t < league.size(); ++t) {
            EXPECT_FALSE(same.teams[t].changed);
            EXPECT_EQ(MergeChangedCells(league[t], texts[t], same.teams[t].texts), league[t]);
        }

        // Over other current texts, every cell is checked by the dialogs' rules instead.
        const CsvImport over = ReadCsv(csv, otherTexts, std::nullopt);
        ASSERT_TRUE(over.errors.empty()) << Describe(over.errors);
        ASSERT_EQ(over.teams.size(), league.size());
        for (std::size_t t = 0; t < league.size(); ++t) {
            EXPECT_EQ(over.teams[t].team, static_cast<int>(t));
            EXPECT_EQ(over.teams[t].texts, texts[t]);
            EXPECT_EQ(MergeChangedCells(other[t], otherTexts[t], over.teams[t].texts), league[t]);
        }
    }
}

TEST(LeagueCsv, GivesBackTheBytesOfAnyImageThroughExportReadAndMerge) {
    RecordMaker maker(11);
    for (int trial = 0; trial < 20; ++trial) {
        const League league = maker.MakeLeague(false);
        const LeagueTexts texts = TextsOf(league);
        const CsvImport read = ReadCsv(reports::BuildLeagueCsv(texts), texts, std::nullopt);
        ASSERT_TRUE(read.errors.empty()) << Describe(read.errors);
        ASSERT_EQ(read.teams.size(), league.size());
        for (std::size_t t = 0; t < league.size(); ++t)
            EXPECT_EQ(MergeChangedCells(league[t], texts[t], read.teams[t].texts), league[t]);

        // A team CSV has no colours and goes into the team the caller names.
        const int team = trial % TeamCount;
        const TeamTexts& shown = texts[static_cast<std::size_t>(team)];
        const CsvImport single = ReadCsv(reports::BuildCsv(reports::BatterGrid(shown.batters),
                                                           reports::PitcherGrid(shown.pitchers)),
                                         texts, team);
        ASSERT_TRUE(single.errors.empty()) << Describe(single.errors);
        EXPECT_FALSE(single.leagueFile);
        ASSERT_EQ(single.teams.size(), 1u);
        EXPECT_EQ(single.teams[0].team, team);
        EXPECT_EQ(single.teams[0].texts, shown);
    }
}

TEST(LeagueCsv, StoresAnEditedFileAsTheTextRulesSayAndNothingElse) {
    League league = RecordMaker(5).MakeLeague(false);
    TeamRecords& giants = league[3]; // block at line 64: team line, header, batters from 66
    for (std::size_t r = 0; r < BattingOrderLength; ++r)
        giants.batters[r].popularityPosition = static_cast<std::uint8_t>(0x40 | (r + 2));
    giants.batters[0] = {{0, 0, 0, 0, 0}, 0, 0x52, 0, 0, 10, 1, 1};
    giants.batters[1].popularityPosition = 0x73;
    giants.batters[2].tiles = {0, 0, 0, 0, 0};
    giants.pitchers[0] = {{0, 0, 0, 0, 0}, 0x00, 0x31, 10, 3, 100, 100, 100, 0, 0, 0};
    giants.colors = {0x01, 0x02};
    const LeagueTexts texts = TextsOf(league);

    LeagueTexts edited = texts;
    BatterRowTexts& b0 = edited[3].batters[0];
    b0[BatterColumn::Name - 1] = "ヤマダ";
    b0[BatterColumn::Side - 1] = "両";
    b0[BatterColumn::Popularity - 1] = "3";
    b0[BatterColumn::Position - 1] = "3";
    b0[BatterColumn::Average - 1] = "300";
    b0[BatterColumn::Speed - 1] = "050";
    edited[3].batters[1][BatterColumn::Position - 1] = "2";
    edited[3].batters[2][BatterColumn::Name - 1] = "しょう";
    PitcherRowTexts& p0 = edited[3].pitchers[0];
    p0[PitcherColumn::Name - 1] = "ﾊﾟｰｸ";
    p0[PitcherColumn::Style - 1] = "左横";
    p0[PitcherColumn::Popularity - 1] = "10";
    p0[PitcherColumn::Era - 1] = "990";
    p0[PitcherColumn::Stamina - 1] = " 7 ";
    p0[PitcherColumn::Fast - 1] = "194";
    p0[PitcherColumn::Fork - 1] = "32";
    edited[3].colors.helmet = 0x2C;
    std::string csv = reports::BuildLeagueCsv(edited);
    const std::string helmet = "チーム,Ｇ,ヘルメット,0x2C,";
    ASSERT_NE(csv.find(helmet), std::string::npos);
    csv.replace(csv.find(helmet), helmet.size(), "チーム,Ｇ,ヘルメット,0x2c,");

    TeamRecords expected = giants;
    expected.batters[0] = {{75, 70, 55, 86, 36}, 2, 0x33, 75, 0, 50, 1, 1}; // やまた゛
    expected.batters[1].popularityPosition = 0x72;
    expected.batters[2].tiles = {51, 77, 42, 36, 36}; // しよう
    expected.pitchers[0] = {{65, 87, 97, 47, 36}, 0x81, 0xA1, 99, 7, 194, 100, 100, 0, 0, 32};
    expected.colors = {0x2C, 0x02};

    const CsvImport read = ReadCsv(csv, texts, std::nullopt);
    ASSERT_TRUE(read.errors.empty()) << Describe(read.errors);
    ASSERT_EQ(read.notes.size(), 1u);
    EXPECT_EQ(read.notes[0].kind, CsvIssueKind::NameSpellingChanged);
    EXPECT_EQ(read.notes[0].line, 68);
    EXPECT_EQ(read.notes[0].column, 1);
    EXPECT_EQ(read.notes[0].expected, "しよう　　");
    ASSERT_EQ(read.teams.size(), league.size());
    // The stored forms: normalized names, numbers without padding.
    EXPECT_EQ(read.teams[3].texts, teamdata::TextsOf(expected));
    for (std::size_t t = 0; t < league.size(); ++t) {
        SCOPED_TRACE(t);
        EXPECT_EQ(read.teams[t].changed, t == 3);
        EXPECT_EQ(MergeChangedCells(league[t], texts[t], read.teams[t].texts),
                  t == 3 ? expected : league[t]);
    }
}

// What spreadsheets and input methods make of the texts, taken back as the numbers, names and
// colours they stand for: full-width digits, an average or an earned run average written as the
// decimal it stands for, a name of digits turned into a number, lines ending in CR alone.
TEST(LeagueCsv, ReadsTheSpellingsSpreadsheetsGiveTheSameValues) {
    League league = RecordMaker(7).MakeLeague(true);
    league[3].batters[0].tiles = {0, 1, 2, 3, 4};   // ０１２３４
    league[3].batters[1].tiles = {0, 0, 0, 0, 1};   // ００００１
    league[3].pitchers[0].tiles = {1, 37, 5, 0, 0}; // １．５００
    league[3].pitchers[1].tiles = {97, 0, 1, 2, 3}; // －０１２３
    const LeagueTexts texts = TextsOf(league);
    LeagueTexts edited = texts;
    auto& batters = edited[3].batters;
    auto& pitchers = edited[3].pitchers;
    batters[0][BatterColumn::Name - 1] = "1234";
    batters[1][BatterColumn::Name - 1] = "1";
    pitchers[0][PitcherColumn::Name - 1] = "1.5";
    pitchers[1][PitcherColumn::Name - 1] = "-123";
    batters[2][BatterColumn::Name - 1] = "1235"; // another number: a new name
    batters[0][BatterColumn::Average - 1] = ".300";
    batters[1][BatterColumn::Average - 1] = "0.3";
    batters[2][BatterColumn::Average - 1] = "２８６";
    batters[3][BatterColumn::HomeRuns - 1] = "　３０ ";
    pitchers[0][PitcherColumn::Era - 1] = "2.5";
    pitchers[1][PitcherColumn::Era - 1] = "３.２０";
    std::string csv = reports::BuildLeagueCsv(edited);
    const std::string teamLine = "チーム,Ｇ,ヘルメット,";
    csv.replace(csv.find(teamLine) + teamLine.size(), 4, "０ｘ１６");
    std::replace(csv.begin(), csv.end(), '\n', '\r');
    csv.erase(
        std::unique(csv.begin(), csv.end(), [](char a, char b) { return a == '\r' && b == '\r'; }),
        csv.end());

    const CsvImport read = ReadCsv(csv, texts, std::nullopt);
    ASSERT_TRUE(read.errors.empty()) << Describe(read.errors);
    const TeamTexts& giants = read.teams[3].texts;
    for (int r : {0, 1})
        EXPECT_EQ(giants.batters[r][BatterColumn::Name - 1], texts[3].batters[r][0]);
    for (int r : {0, 1})
        EXPECT_EQ(giants.pitchers[r][PitcherColumn::Name - 1], texts[3].pitchers[r][0]);
    EXPECT_EQ(giants.batters[2][BatterColumn::Name - 1], "１２３５　");
    EXPECT_EQ(std::count_if(read.notes.begin(), read.notes.end(),
                            [](const CsvIssue& note) {
                                return note.kind == CsvIssueKind::NameKeptFromNumber;
                            }),
              4);
    EXPECT_EQ(giants.batters[0][BatterColumn::Average - 1], "300");
    EXPECT_EQ(giants.batters[1][BatterColumn::Average - 1], "300");
    EXPECT_EQ(giants.batters[2][BatterColumn::Average - 1], "286");
    EXPECT_EQ(giants.batters[3][BatterColumn::HomeRuns - 1], "30");
    EXPECT_EQ(giants.pitchers[0][PitcherColumn::Era - 1], "250");
    EXPECT_EQ(giants.pitchers[1][PitcherColumn::Era - 1], "320");
    EXPECT_EQ(giants.colors.helmet, 0x16);

    // A decimal that falls between two values is refused as a value, not read as another one.
    edited[3].batters[0][BatterColumn::Average - 1] = "0.3005";
    const CsvImport between = ReadCsv(reports::BuildLeagueCsv(edited), texts, std::nullopt);
    ASSERT_EQ(between.errors.size(), 1u);
    ASSERT_EQ(between.errors[0].kind, CsvIssueKind::CellRefused);
    EXPECT_EQ(between.errors[0].cell->refusal.kind, teamdata::CellRefusalKind::ValueNotAllowed);
}

// A league file that a spreadsheet opened in the wrong encoding and saved again: its Japanese is
// Latin letters and symbols, and the message says so, team named or not.
TEST(LeagueCsv, SaysWhenAFileWasReadInTheWrongEncoding) {
    const std::string misread = "\xC6\x92`\xC6\x92\xE2\x82\xAC,\xC3\x9E,"
                                "\xC6\x92w\xC6\x92\x8B\xC6\x92\x81\xC6\x92"
                                "b\xC6\x92g,0x16\r\n";
    const LeagueTexts texts = TextsOf(RecordMaker(3).MakeLeague(true));
    for (const std::optional<int> team : {std::optional<int>(), std::optional<int>(3)}) {
        const CsvImport read = ReadCsv(misread + misread, texts, team);
        ASSERT_EQ(read.errors.size(), 1u);
        EXPECT_EQ(read.errors[0].kind, CsvIssueKind::MisdecodedText);
    }
}

namespace {

// One fault put into a valid league file (team 0's batting order holds positions 2..9 top down):
// field `column` of line `line` set to `text`, or the line removed when `column` is 0.
struct ErrorCase {
    int line;
    int column;
    std::string text;
    CsvIssueKind kind;
    int errorLine;
    int errorColumn;
    std::string detail; // see IssueDetail
    std::size_t errorCount;
    std::size_t teamsRead;
};

void PrintTo(const ErrorCase& c, std::ostream* out) {
    *out << "line " << c.line << " field " << c.column << " \"" << c.text << '"';
}

// The datum that lets a cell's refusal be phrased.
std::string RefusalDetail(const teamdata::CellRefusal& refusal) {
    using Refusal = teamdata::CellRefusalKind;
    switch (refusal.kind) {
    case Refusal::NameTooLong:
        return std::to_string(refusal.tiles) + " tiles";
    case Refusal::NotALabel:
    case Refusal::NotACell:
        return std::to_string(refusal.allowed.size()) + " allowed";
    case Refusal::NotANumber:
    case Refusal::ValueNotAllowed:
        return std::to_string(refusal.minimum) + ".." + std::to_string(refusal.maximum) + " by " +
               std::to_string(refusal.step);
    case Refusal::NameUnknownCharacter:
        return refusal.character + " at " + std::to_string(refusal.position);
    }
    return {};
}

// The datum that lets each kind be phrased.
std::string IssueDetail(const CsvIssue& issue) {
    switch (issue.kind) {
    case CsvIssueKind::WrongLineCount:
    case CsvIssueKind::WrongFieldCount:
        return std::to_string(issue.count) + " of " + std::to_string(issue.expectedCount);
    case CsvIssueKind::UnknownHeader:
    case CsvIssueKind::UnknownWord:
        return issue.expected;
    case CsvIssueKind::UnknownTeam:
        return std::to_string(issue.allowed.size()) + " allowed";
    case CsvIssueKind::DuplicateTeam:
    case CsvIssueKind::FieldingPositions:
        return "other line " + std::to_string(issue.otherLine);
    case CsvIssueKind::CellRefused:
        return issue.cell ? RefusalDetail(issue.cell->refusal) : "no cell";
    case CsvIssueKind::LinesBeforeFirstTeam:
        return std::to_string(issue.count) + " lines";
    default:
        return issue.text;
    }
}

class LeagueCsvError : public testing::TestWithParam<ErrorCase> {};

const ErrorCase ErrorCases[] = {
    {5, 0, "", CsvIssueKind::WrongLineCount, 1, 0, "19 of 20", 1, 15},
    {3, 10, "x", CsvIssueKind::WrongFieldCount, 3, 0, "10 of 9", 1, 15},
    {2, 2, "打席X", CsvIssueKind::UnknownHeader, 2, 2, "打席　", 1, 15},
    {1, 3, "ヘルメト", CsvIssueKind::UnknownWord, 1, 3, "ヘルメット", 1, 15},
    {1, 2, "Q", CsvIssueKind::UnknownTeam, 1, 2, "16 allowed", 1, 15},
    {22, 2, "d", CsvIssueKind::DuplicateTeam, 22, 2, "other line 1", 1, 15},
    {1, 4, "12", CsvIssueKind::MalformedColor, 1, 4, "12", 1, 16},
    {1, 6, "0x0E", CsvIssueKind::ColorNotOffered, 1, 6, "0x0E", 1, 16},
    {3, 5, "3割", CsvIssueKind::CellRefused, 3, 5, "200..400 by 2", 1, 16},
    {17, 4, "995", CsvIssueKind::CellRefused, 17, 4, "0..990 by 10", 1, 16},
    {17, 2, "右上", CsvIssueKind::CellRefused, 17, 2, "10 allowed", 1, 16},
    {3, 2, "みぎ", CsvIssueKind::CellRefused, 3, 2, "3 allowed", 1, 16},
    {3, 1, "やま田", CsvIssueKind::CellRefused, 3, 1, "田 at 3", 1, 16},
    {3, 1, "だいごろう", CsvIssueKind::CellRefused, 3, 1, "7 tiles", 1, 16},
    {3, 4, "3", CsvIssueKind::FieldingPositions, 3, 4, "other line 4", 2, 16},
    {3, 4, "1", CsvIssueKind::FieldingPositions, 3, 4, "other line 0", 1, 16},
    {10, 1, "\"やま", CsvIssueKind::UnclosedQuote, 10, 1, "", 1, 0},
    // A league file is one by any team line, so a first one lost is reported as that.
    {1, 0, "", CsvIssueKind::LinesBeforeFirstTeam, 1, 1, "20 lines", 1, 15},
};

} // namespace

TEST_P(LeagueCsvError, IsReportedAtItsLineAndColumnWithTheDataToPhraseIt) {
    const ErrorCase& c = GetParam();
    League league = RecordMaker(13).MakeLeague(true);
    for (std::size_t r = 0; r < BattingOrderLength; ++r)
        league[0].batters[r].popularityPosition =
            static_cast<std::uint8_t>((league[0].batters[r].popularityPosition & 0xF0) | (r + 2));
    const LeagueTexts texts = TextsOf(league);
    std::vector<std::string> lines = Split(reports::BuildLeagueCsv(texts), "\r\n");
    auto& line = lines.at(static_cast<std::size_t>(c.line - 1));
    if (c.column == 0) {
        lines.erase(lines.begin() + (c.line - 1));
    } else {
        std::vector<std::string> fields = Split(line, ",");
        fields.resize(std::max(fields.size(), static_cast<std::size_t>(c.column)));
        fields[static_cast<std::size_t>(c.column - 1)] = c.text;
        line = Join(fields, ",");
    }

    const CsvImport read = ReadCsv(Join(lines, "\r\n"), texts, std::nullopt);
    ASSERT_EQ(read.errors.size(), c.errorCount) << Describe(read.errors);
    const CsvIssue& error = read.errors.front();
    EXPECT_EQ(error.kind, c.kind);
    EXPECT_EQ(error.line, c.errorLine);
    EXPECT_EQ(error.column, c.errorColumn);
    EXPECT_EQ(IssueDetail(error), c.detail);
    EXPECT_EQ(read.teams.size(), c.teamsRead);
}

INSTANTIATE_TEST_SUITE_P(OneOfEachKind, LeagueCsvError, testing::ValuesIn(ErrorCases));

TEST(LeagueCsv, ReadsAByteOrderMarkLineFeedsAndCommaPaddingLikeTheCrLfOriginal) {
    RecordMaker maker(17);
    const LeagueTexts texts = TextsOf(maker.MakeLeague(true));
    const LeagueTexts current = TextsOf(maker.MakeLeague(true));
    const std::string csv = reports::BuildLeagueCsv(texts);
    std::vector<std::string> padded = Split(csv, "\r\n");
    for (std::string& line : padded)
        line += ",,";
    const std::string variants[] = {
        "\xEF\xBB\xBF" + csv,
        Join(Split(csv, "\r\n"), "\n"),
        Join(padded, "\r\n") + "\r\n,,,\r\n",
    };
    for (const std::string& variant : variants) {
        const CsvImport read = ReadCsv(variant, current, std::nullopt);
        ASSERT_TRUE(read.errors.empty()) << Describe(read.errors);
        ASSERT_EQ(read.teams.size(), texts.size());
        for (std::size_t t = 0; t < texts.size(); ++t)
            EXPECT_EQ(read.teams[t].texts, texts[t]);
    }
}

TEST(CsvRecords, KeepQuotedCommasQuotesAndLineBreaksAndTheLineEachStartsOn) {
    const reports::CsvRecords parsed =
        reports::SplitCsvRecords("a,\"b,\"\"c\"\"\r\nd\"\r\n\r\nx,y\n,,\n\n");
    ASSERT_EQ(parsed.records.size(), 3u);
    EXPECT_EQ(parsed.records[0].line, 1);
    EXPECT_EQ(parsed.records[0].fields, (std::vector<std::string>{"a", "b,\"c\"\r\nd"}));
    EXPECT_EQ(parsed.records[1].line, 3);
    EXPECT_EQ(parsed.records[2].line, 4);
    EXPECT_EQ(parsed.records[2].fields, (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(parsed.unclosedQuoteLine, 0);
}

// A CR without LF in a file whose lines end in LF is a stray character of its cell, reported
// there; it never cuts the record in two, which would move every later line (and push a whole
// league file beyond its 336 lines).
TEST(CsvRecords, TakeACrAloneForALineEndOnlyInATextWithoutLineFeeds) {
    const reports::CsvRecords lineFeeds =
        reports::SplitCsvRecords("a,b\rc\r\nd\r,\"e\rf\"\n\r\r\nx\n");
    ASSERT_EQ(lineFeeds.records.size(), 4u);
    EXPECT_EQ(lineFeeds.records[0].fields, (std::vector<std::string>{"a", "b\rc"}));
    EXPECT_EQ(lineFeeds.records[1].fields, (std::vector<std::string>{"d\r", "e\rf"}));
    EXPECT_EQ(lineFeeds.records[1].line, 2);
    EXPECT_EQ(lineFeeds.records[2].fields, (std::vector<std::string>{"\r"}));
    EXPECT_EQ(lineFeeds.records[3].line, 4);

    const reports::CsvRecords crAlone = reports::SplitCsvRecords("a,\"b\rc\"\rd\r");
    ASSERT_EQ(crAlone.records.size(), 2u);
    EXPECT_EQ(crAlone.records[0].fields, (std::vector<std::string>{"a", "b\rc"}));
    EXPECT_EQ(crAlone.records[1].line, 3);

    RecordMaker maker(5);
    const LeagueTexts texts = TextsOf(maker.MakeLeague(true));
    LeagueTexts edited = texts;
    edited[TeamCount - 1].pitchers[PitcherCount - 1][PitcherColumn::Era - 1] = "2\r50";
    std::string csv = reports::BuildLeagueCsv(edited);
    csv.erase(std::remove(csv.begin(), csv.end(), '"'), csv.end());
    const CsvImport read = ReadCsv(csv, texts, std::nullopt);
    ASSERT_EQ(read.errors.size(), 1u) << Describe(read.errors);
    ASSERT_EQ(read.errors[0].kind, CsvIssueKind::CellRefused);
    EXPECT_EQ(read.errors[0].cell->refusal.kind, teamdata::CellRefusalKind::NotANumber);
    EXPECT_EQ(read.errors[0].text, "2\r50");
    EXPECT_EQ(read.errors[0].cell->grid, teamdata::Grid::Pitchers);
    EXPECT_EQ(read.errors[0].cell->row, PitcherCount);
}

// What a file is, told by its zero bytes: UTF-16 and UTF-32 with or without a byte-order mark,
// and a file with a few stray zeros (a Shift_JIS file with one NUL, a binary file) as no text,
// with the line of its first zero.
TEST(TextEncoding, TellsUtf16AndUtf32FromAFewStrayZeroBytes) {
    using reports::TextEncoding;
    const auto widened = [](std::string_view ascii, std::size_t width, bool bigEndian) {
        std::string wide;
        for (const char c : ascii) {
            std::string unit(width, '\0');
            unit[bigEndian ? width - 1 : 0] = c;
            wide += unit;
        }
        return wide;
    };
    const std::string_view line = "Name,Hand,300,25\r\n";
    for (const bool bigEndian : {false, true}) {
        EXPECT_EQ(reports::GuessTextEncoding(widened(line, 2, bigEndian)), TextEncoding::Utf16);
        EXPECT_EQ(reports::GuessTextEncoding(widened(line, 4, bigEndian)), TextEncoding::Utf32);
    }
    EXPECT_EQ(reports::GuessTextEncoding(std::string("\xFF\xFE\0\0", 4) + widened(line, 4, false)),
              TextEncoding::Utf32);
    EXPECT_EQ(reports::GuessTextEncoding(std::string("\0\0\xFE\xFF", 4) + widened(line, 4, true)),
              TextEncoding::Utf32);
    EXPECT_EQ(reports::GuessTextEncoding("\xFF\xFEN\0"), TextEncoding::Utf16);

    const std::string shiftJisWithNul =
        std::string("\x82\xE2\x82\xDC,1,2\r\n\x82\xA0,3") + '\0' + "0,4\r\n";
    EXPECT_EQ(reports::GuessTextEncoding(shiftJisWithNul), TextEncoding::NotText);
    EXPECT_EQ(reports::LineOfFirstZeroByte(shiftJisWithNul), 2);
    EXPECT_EQ(reports::GuessTextEncoding(std::string(4096, '\0')), TextEncoding::NotText);
    EXPECT_EQ(reports::LineOfFirstZeroByte("no zero"), 0);
}

TEST(IsValidUtf8, RefusesOverlongFormsSurrogatesCutOffCharactersAndShiftJis) {
    EXPECT_TRUE(reports::IsValidUtf8("やまた゛,ABC,😀"));
    for (std::string_view bad :
         {"\xC0\xAF", "\xED\xA0\x80", "\xE3\x81", "\x82\xA0\x82\xA2", "\xF4\x90\x80\x80"})
        EXPECT_FALSE(reports::IsValidUtf8(bad)) << testing::PrintToString(std::string(bad));
}
