// SPDX-License-Identifier: MIT
// The JSON forms of the league and a team read back by the import: exact round trips of random
// leagues, the second forms of a value (the fan's number, the name as shown), and every refusal
// at its pointer.

#include "ImageBuilder.h"
#include "Import.h"
#include "JsonForms.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <functional>

using namespace plans;
using reports::CsvIssue;
using reports::CsvIssueKind;
using Json = nlohmann::ordered_json;

namespace {

using Bytes = std::vector<std::uint8_t>;

std::span<const std::uint8_t> BytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

ImportChoices Choices(std::optional<int> team = std::nullopt, bool round = false) {
    ImportChoices how{team, [](std::string_view) {
                          ADD_FAILURE() << "JSON was given to the Shift_JIS decoder";
                          return std::string();
                      }};
    how.round = round;
    return how;
}

std::string Describe(const std::vector<CsvIssue>& issues) {
    std::string text;
    for (const CsvIssue& issue : issues)
        text += std::to_string(static_cast<int>(issue.kind)) + " at " +
                issue.pointer.value_or("(line " + std::to_string(issue.line) + ")") + " \"" +
                issue.text + "\" other " + issue.otherPointer + "\n";
    return text;
}

std::string LeagueJsonOf(const Bytes& image) {
    return reports::BuildLeagueJson(LeagueTextsOf(image));
}

} // namespace

TEST(JsonImport, GivesBackEveryRandomLeagueExactlyThroughExportAndImport) {
    for (std::uint32_t seed = 0; seed < 12; ++seed) {
        // Any bytes at all read back into their own image unchanged...
        const Bytes odd = testsupport::RandomLeagueImage(seed);
        const ImportPlan same = PlanImport(odd, BytesOf(LeagueJsonOf(odd)), Choices());
        ASSERT_TRUE(same.read.errors.empty()) << Describe(same.read.errors);
        EXPECT_TRUE(same.read.notes.empty()) << Describe(same.read.notes);
        EXPECT_TRUE(same.changes.empty());
        EXPECT_TRUE(same.writes.empty());

        // ...and a league the editor could make goes into any other image as it is: the image
        // written exports to the same JSON, byte for byte.
        const Bytes league = testsupport::RandomValidLeagueImage(seed);
        const std::string json = LeagueJsonOf(league);
        const ImportPlan into = PlanImport(odd, BytesOf(json), Choices());
        ASSERT_TRUE(into.read.errors.empty()) << Describe(into.read.errors);
        EXPECT_TRUE(into.read.leagueFile);
        EXPECT_EQ(LeagueJsonOf(into.result), json) << "seed " << seed;
        EXPECT_EQ(LeagueTextsOf(into.result), LeagueTextsOf(league));

        // A team's form goes into the team it names, or into the one asked for.
        const int team = static_cast<int>(seed % teamdata::TeamCount);
        const std::string teamJson =
            reports::BuildTeamJson(team, LeagueTextsOf(league)[static_cast<std::size_t>(team)]);
        for (const std::optional<int> asked :
             {std::optional<int>{}, std::optional<int>{15 - team}}) {
            const ImportPlan one = PlanImport(odd, BytesOf(teamJson), Choices(asked));
            ASSERT_TRUE(one.read.errors.empty()) << Describe(one.read.errors);
            EXPECT_FALSE(one.read.leagueFile);
            ASSERT_EQ(one.read.teams.size(), 1u);
            const int into = asked.value_or(team);
            EXPECT_EQ(one.read.teams[0].team, into);
            EXPECT_EQ(LeagueTextsOf(one.result)[static_cast<std::size_t>(into)],
                      LeagueTextsOf(league)[static_cast<std::size_t>(team)]);
        }
    }
}

TEST(JsonImport, TakesAValueInEitherOfItsFormsAndRoundsTheFansNumberOnRequest) {
    const Bytes image = testsupport::ImageBuilder().FillValidTeams().Bytes();
    Json league = Json::parse(LeagueJsonOf(image));
    Json& batter = league["teams"][3]["batters"][5];
    Json& pitcher = league["teams"][0]["pitchers"][1];
    batter["averageFan"] = 0.32; // the fan's number alone
    batter.erase("average");
    pitcher["era"] = "350"; // the game's text alone
    pitcher.erase("eraFan");
    league["teams"][1]["batters"][0]["nameShown"] = "ばんば"; // the shown name alone
    league["teams"][1]["batters"][0].erase("name");
    league["teams"][2]["batters"][0]["nameShown"] = "ばんば"; // both names, saying the same
    league["teams"][2]["batters"][0]["name"] = "は゛んは゛";
    const std::string edited = league.dump();
    const ImportPlan plan = PlanImport(image, BytesOf(edited), Choices());
    ASSERT_TRUE(plan.read.errors.empty()) << Describe(plan.read.errors);
    const reports::LeagueTexts after = LeagueTextsOf(plan.result);
    EXPECT_EQ(after[3].batters[5][teamdata::BatterColumn::Average - 1], "320");
    EXPECT_EQ(after[0].pitchers[1][teamdata::PitcherColumn::Era - 1], "350");
    EXPECT_EQ(after[1].batters[0][teamdata::BatterColumn::Name - 1], "は゛んは゛");
    EXPECT_EQ(after[2].batters[0][teamdata::BatterColumn::Name - 1], "は゛んは゛");
    EXPECT_EQ(plan.writes.size(), 4u);
    EXPECT_EQ(plan.changes.size(), 4u);
    // The same file read again over its result changes nothing more.
    const ImportPlan again = PlanImport(plan.result, BytesOf(edited), Choices());
    EXPECT_TRUE(again.read.errors.empty() && again.changes.empty()) << Describe(again.read.errors);

    // A fan's number between two averages is refused where it was written, and rounded when
    // asked, with a note at the same place.
    batter["averageFan"] = 0.313;
    const std::string off = league.dump();
    const ImportPlan refused = PlanImport(image, BytesOf(off), Choices());
    ASSERT_EQ(refused.read.errors.size(), 1u) << Describe(refused.read.errors);
    EXPECT_EQ(refused.read.errors[0].kind, CsvIssueKind::CellRefused);
    EXPECT_EQ(refused.read.errors[0].pointer, "/teams/3/batters/5/averageFan");
    EXPECT_TRUE(refused.writes.empty());
    const ImportPlan rounded = PlanImport(image, BytesOf(off), Choices(std::nullopt, true));
    ASSERT_TRUE(rounded.read.errors.empty()) << Describe(rounded.read.errors);
    ASSERT_EQ(rounded.read.notes.size(), 1u);
    EXPECT_EQ(rounded.read.notes[0].kind, CsvIssueKind::ValueRounded);
    EXPECT_EQ(rounded.read.notes[0].pointer, "/teams/3/batters/5/averageFan");
    EXPECT_EQ(LeagueTextsOf(rounded.result)[3].batters[5][teamdata::BatterColumn::Average - 1],
              "314");
}

namespace {

struct Refusal {
    const char* what;
    std::function<std::string(Json&)> edit; // changes the league; returns text to read instead
    CsvIssueKind kind;
    const char* pointer;
    const char* otherPointer = "";
    std::size_t count = 1;
};

const Refusal Refusals[] = {
    {"syntax",
     [](Json&) { return std::string("{\n  \"format\": \"tolvanek-league\",\n  \"version\": }"); },
     CsvIssueKind::JsonSyntax, nullptr},
    {"duplicate member",
     [](Json&) {
         return std::string(R"({"format":"tolvanek-team","version":1,"version":1,"team":{}})");
     },
     CsvIssueKind::JsonDuplicateMember, "/version"},
    {"too deep",
     [](Json&) {
         return R"({"format":"tolvanek-league","version":1,"teams":)" + std::string(40, '[') +
                std::string(40, ']') + "}";
     },
     CsvIssueKind::JsonTooDeep, "/teams/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0"},
    {"unknown member",
     [](Json& l) {
         l["teams"][3]["batters"][5]["avg"] = "300";
         return "";
     },
     CsvIssueKind::JsonUnknownMember, "/teams/3/batters/5/avg"},
    {"missing member",
     [](Json& l) {
         l["teams"][2].erase("uniform");
         return "";
     },
     CsvIssueKind::JsonMissingMember, "/teams/2"},
    {"wrong type",
     [](Json& l) {
         l["teams"][3]["batters"][5]["average"] = 316;
         return "";
     },
     CsvIssueKind::JsonWrongType, "/teams/3/batters/5/average"},
    {"another form",
     [](Json& l) {
         l["format"] = "tolvanek-changes";
         return "";
     },
     CsvIssueKind::JsonUnknownFormat, "/format"},
    {"newer version",
     [](Json& l) {
         l["version"] = 2;
         l["comment"] = "new";
         return "";
     },
     CsvIssueKind::JsonVersion, "/version"},
    {"wrong length",
     [](Json& l) {
         l["teams"][1]["pitchers"].erase(4);
         return "";
     },
     CsvIssueKind::JsonWrongLength, "/teams/1/pitchers"},
    {"no team",
     [](Json& l) {
         l["teams"] = Json::array();
         return "";
     },
     CsvIssueKind::JsonTeamCount, "/teams"},
    {"unknown team",
     [](Json& l) {
         l["teams"][0]["initials"] = "Q";
         return "";
     },
     CsvIssueKind::UnknownTeam, "/teams/0/initials"},
    {"team twice",
     [](Json& l) {
         l["teams"][1] = l["teams"][0];
         return "";
     },
     CsvIssueKind::DuplicateTeam, "/teams/1/initials", "/teams/0/initials"},
    {"index of another team",
     [](Json& l) {
         l["teams"][0]["index"] = 5;
         return "";
     },
     CsvIssueKind::JsonFormsDisagree, "/teams/0/index", "/teams/0/initials"},
    {"colour not offered",
     [](Json& l) {
         l["teams"][0]["helmet"]["index"] = 14;
         return "";
     },
     CsvIssueKind::ColorNotOffered, "/teams/0/helmet/index"},
    {"rgb of another colour",
     [](Json& l) {
         l["teams"][0]["helmet"]["rgb"] = "#123456";
         return "";
     },
     CsvIssueKind::JsonFormsDisagree, "/teams/0/helmet/rgb", "/teams/0/helmet/index"},
    {"cell",
     [](Json& l) {
         l["teams"][3]["batters"][5]["average"] = "3割";
         return "";
     },
     CsvIssueKind::CellRefused, "/teams/3/batters/5/average"},
    {"name",
     [](Json& l) {
         l["teams"][3]["pitchers"][0]["name"] = "やま田";
         return "";
     },
     CsvIssueKind::CellRefused, "/teams/3/pitchers/0/name"},
    // The text edited and the fan's number left as it was.
    {"two forms apart",
     [](Json& l) {
         l["teams"][3]["batters"][5]["average"] = "330";
         return "";
     },
     CsvIssueKind::JsonFormsDisagree, "/teams/3/batters/5/averageFan",
     "/teams/3/batters/5/average"},
    {"position twice",
     [](Json& l) {
         l["teams"][0]["batters"][2]["position"] = l["teams"][0]["batters"][0]["position"];
         return "";
     },
     // Both holders of the position are named, each with the other.
     CsvIssueKind::FieldingPositions, "/teams/0/batters/0/position", "/teams/0/batters/2/position",
     2},
};

class JsonRefusal : public testing::TestWithParam<Refusal> {};

} // namespace

TEST_P(JsonRefusal, IsReportedAtItsPointerAndNothingIsWritten) {
    const Refusal& refusal = GetParam();
    const Bytes image = testsupport::ImageBuilder().FillValidTeams().Bytes();
    Json league = Json::parse(LeagueJsonOf(image));
    std::string text = refusal.edit(league);
    if (text.empty())
        text = league.dump(1);
    const ImportPlan plan = PlanImport(image, BytesOf(text), Choices());
    ASSERT_EQ(plan.read.errors.size(), refusal.count) << Describe(plan.read.errors);
    const CsvIssue& error = plan.read.errors.front();
    EXPECT_EQ(error.kind, refusal.kind);
    if (refusal.pointer)
        EXPECT_EQ(error.pointer, refusal.pointer);
    else
        EXPECT_EQ(std::pair(error.line, error.column), std::pair(3, 14));
    EXPECT_EQ(error.otherPointer, refusal.otherPointer);
    EXPECT_TRUE(plan.writes.empty());
    EXPECT_TRUE(plan.result.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryKind, JsonRefusal, testing::ValuesIn(Refusals),
                         [](const testing::TestParamInfo<Refusal>& info) {
                             std::string name;
                             for (const char c : std::string_view(info.param.what))
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

TEST(JsonImport, IsTakenForJsonByItsFirstBraceOrByItsName) {
    const Bytes image = testsupport::ImageBuilder().FillValidTeams().Bytes();
    // A byte-order mark and white space before the brace: still JSON.
    const std::string json = "\xEF\xBB\xBF \r\n" + LeagueJsonOf(image);
    EXPECT_TRUE(PlanImport(image, BytesOf(json), Choices()).read.errors.empty());
    // Named .json, a file that is no JSON gets JSON's message rather than the CSV reader's.
    ImportChoices byName = Choices();
    byName.jsonByName = true;
    const ImportPlan plan = PlanImport(image, BytesOf("team,G"), byName);
    ASSERT_EQ(plan.read.errors.size(), 1u);
    EXPECT_EQ(plan.read.errors[0].kind, CsvIssueKind::JsonSyntax);
}
