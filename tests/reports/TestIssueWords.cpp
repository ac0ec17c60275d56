// SPDX-License-Identifier: MIT
#include "IssueWords.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using reports::CsvIssue;
using reports::CsvIssueKind;

// English as the sources say it, every look-up checked to ask the window's own context.
reports::Words English() {
    reports::Words words;
    words.language = "en";
    words.translate = [](const char* context, const char* source, const char*) {
        EXPECT_STREQ(context, "League");
        return std::string(source);
    };
    return words;
}

CsvIssue Issue(CsvIssueKind kind) {
    CsvIssue issue;
    issue.kind = kind;
    return issue;
}

teamdata::CellRefusal Refusal(teamdata::CellRefusalKind kind) {
    teamdata::CellRefusal refusal;
    refusal.kind = kind;
    return refusal;
}

TEST(IssueWords, FillsInTheIssuesValues) {
    const reports::Words words = English();
    CsvIssue fields = Issue(CsvIssueKind::WrongFieldCount);
    fields.count = 8;
    fields.expectedCount = 10;
    EXPECT_EQ(reports::IssueText(words, fields), "the line has 8 fields; it needs 10");

    CsvIssue twice = Issue(CsvIssueKind::DuplicateTeam);
    twice.team = 0;
    twice.otherLine = 22;
    EXPECT_EQ(reports::IssueText(words, twice),
              "team Ｄ is given twice; it was given before at line 22");
    twice.pointer = "/teams/1";
    twice.otherPointer = "/teams/0";
    twice.team = 99; // no team: no initials rather than a stray byte
    EXPECT_EQ(reports::IssueText(words, twice),
              "team  is given twice; it was given before at /teams/0");

    // A value holding a placeholder of its own is shown as it is, not filled in again.
    CsvIssue alike = Issue(CsvIssueKind::SameReading);
    alike.text = "%3%1";
    alike.expected = "ヤマタ";
    alike.otherLine = 7;
    EXPECT_EQ(reports::IssueText(words, alike), "the name \"%3%1\" is read \"ヤマタ\" as the name "
                                                "at line 7 is; the game shows the two alike");
}

TEST(IssueWords, ShowsHiddenCharactersAndStrayBytesOfTheFile) {
    CsvIssue member = Issue(CsvIssueKind::JsonDuplicateMember);
    member.text = "na\xE2\x80\x8Bme\n\xFF\xC2\x9B";
    EXPECT_EQ(reports::IssueText(English(), member),
              "the member \"naU+200Bme\\n\\xffU+009B\" is given twice in one object");
    EXPECT_EQ(reports::ShownText("\xF3\xA0\x80\x81ok\t\x01\x7F\xEF\xBF\xBD"),
              "U+E0001ok\\t\\x01\\x7fU+FFFD");
    EXPECT_EQ(reports::ShownText("選手\xF0\x9F\x98\x80"), "選手\xF0\x9F\x98\x80");
}

TEST(IssueWords, CountsTakeTheLanguagesFormForTheirNumber) {
    CsvIssue before = Issue(CsvIssueKind::LinesBeforeFirstTeam);
    before.count = 3;
    before.expected = "チーム";
    // Without a look-up of counts, the source with its count.
    EXPECT_EQ(reports::IssueText(English(), before),
              "3 line(s) before the first team line; every team of a league file starts with a "
              "line \"チーム,...\"");

    reports::Words words = English();
    words.translateCount = [](const char* context, const char* source, int count) {
        EXPECT_STREQ(context, "League");
        EXPECT_EQ(std::string(source).substr(0, 13), "%n element(s)");
        return count == 1 ? std::string("one element; %1 wanted")
                          : std::to_string(count) + " elements; %1 wanted";
    };
    CsvIssue length = Issue(CsvIssueKind::JsonWrongLength);
    length.expectedCount = 13;
    length.count = 1;
    EXPECT_EQ(reports::IssueText(words, length), "one element; 13 wanted");
    length.count = 14;
    EXPECT_EQ(reports::IssueText(words, length), "14 elements; 13 wanted");
}

TEST(IssueWords, RefusalsGiveTheRangeInTheFansUnits) {
    const reports::Words words = English();
    teamdata::CellRefusal average = Refusal(teamdata::CellRefusalKind::NotANumber);
    average.minimum = 200;
    average.maximum = 1000;
    average.step = 1;
    average.pointScale = 1000;
    EXPECT_EQ(reports::RefusalText(words, average), "not a number; allowed are .200 to 1.000");

    teamdata::CellRefusal era = Refusal(teamdata::CellRefusalKind::ValueNotAllowed);
    era.minimum = 5;
    era.maximum = 990;
    era.step = 10;
    era.pointScale = 100;
    EXPECT_EQ(reports::RefusalText(words, era),
              "the editor does not offer this value; allowed are 0.05 to 9.90 in steps of 0.10");

    // A refused cell of a file is worded as the refusal itself.
    CsvIssue cell = Issue(CsvIssueKind::CellRefused);
    teamdata::CellRefusal character = Refusal(teamdata::CellRefusalKind::NameUnknownCharacter);
    character.character = "\xE2\x80\xAE";
    character.position = 2;
    cell.cell = teamdata::CellProblem{teamdata::Grid::Batters, 1, 1, "x", character};
    EXPECT_EQ(reports::IssueText(words, cell),
              "the game cannot show the character \"U+202E\" (character 2 of the name)");
}

} // namespace
