// SPDX-License-Identifier: MIT
// One import workflow through both faces: tolvanek-cli's import run in-process and the window's
// controller, for the same image and the same league file, must find the same changes and write
// the same image.

#include "BothFacesFixture.h"
#include "Changes.h"
#include "ImportController.h"
#include "JsonForms.h"
#include "LeagueCsv.h"

#include <nlohmann/json.hpp>

namespace {

class ImportBothFaces : public BothFacesFixture {};

TEST_F(ImportBothFaces, ALeagueFileChangesAndWritesTheSame) {
    const auto image = Write("game.nes", original);
    reports::LeagueTexts league = plans::LeagueTextsOf(original);
    league[2].pitchers[1][teamdata::PitcherColumn::Name - 1] = "あいうえお";
    league[9].batters[0][teamdata::BatterColumn::HomeRuns - 1] = "40";
    league[12].colors.helmet = 0x16;
    const auto csv = Write("league.csv", reports::BuildLeagueCsv(league));

    const auto cliImage = dir.File("cli.nes");
    const CliOutcome dryRun =
        RunCli({QStringLiteral("import"), Q(image), Q(csv), QStringLiteral("--dry-run")});
    const CliOutcome cli =
        RunCli({QStringLiteral("import"), Q(image), Q(csv), QStringLiteral("-o"), Q(cliImage)});
    ASSERT_EQ(cli.status, 0) << cli.err.toStdString();

    OpenImage(image);
    TImportController controller(*MainForm);
    const std::optional<TImportController::LeagueImport> prepared =
        controller.PrepareLeagueImport(Q(csv));
    ASSERT_TRUE(prepared);
    EXPECT_EQ(prepared->plan.changes.size(), 3u);
    EXPECT_TRUE(
        QString::fromUtf8(dryRun.out).startsWith(exchange::ChangeText(prepared->plan.changes)))
        << dryRun.out.toStdString();

    ChangeListSeen question;
    std::vector<GuiTest::MessageSeen> seen;
    AnswerNextChangeList(question, true);
    AnswerMessages(seen, {QStringLiteral("OK")});
    controller.ImportLeagueCsvFile(Q(csv));
    EXPECT_TRUE(question.seen);
    EXPECT_EQ(question.rows.size(), prepared->plan.changes.size());
    const Bytes written = testsupport::ReadFileBytes(image);
    EXPECT_NE(written, original);
    EXPECT_EQ(written, testsupport::ReadFileBytes(cliImage));
    EXPECT_EQ(written, prepared->plan.result);
}

// The league's JSON written by the window's menu, edited as a script edits it, and read back by
// both faces with the same change list and the same image; a refusal names the same pointer.
TEST_F(ImportBothFaces, TheLeaguesJsonFromTheWindowReadsBackTheSameInBoth) {
    const auto image = Write("game.nes", original);
    OpenImage(image);
    const auto exported = dir.File("league.json");
    std::vector<GuiTest::MessageSeen> seen;
    GuiTest::AnswerNextFileDialog(Q(exported));
    AnswerMessages(seen, {QStringLiteral("OK")});
    MainForm->MenuSaveLeagueJSON()->trigger();
    ASSERT_TRUE(seen[0].seen);
    const Bytes json = testsupport::ReadFileBytes(exported);
    const std::string text(json.begin(), json.end());
    EXPECT_EQ(text, reports::BuildLeagueJson(plans::LeagueTextsOf(original)));
    const CliOutcome cliExport = RunCli(
        {QStringLiteral("export"), Q(image), QStringLiteral("--format"), QStringLiteral("json")});
    EXPECT_EQ(cliExport.out.toStdString(), text);

    auto league = nlohmann::ordered_json::parse(text);
    league["teams"][9]["batters"][0]["homeRuns"] = "40";
    league["teams"][2]["pitchers"][1]["eraFan"] = 1.5;
    league["teams"][2]["pitchers"][1].erase("era");
    league["teams"][12]["helmet"] = {{"index", 0x16}};
    const auto edited = Write("edited.json", league.dump(2));

    const auto cliImage = dir.File("cli.nes");
    const CliOutcome cli =
        RunCli({QStringLiteral("import"), Q(image), Q(edited), QStringLiteral("-o"), Q(cliImage)});
    ASSERT_EQ(cli.status, 0) << cli.err.toStdString();
    TImportController controller(*MainForm);
    const std::optional<TImportController::LeagueImport> prepared =
        controller.PrepareLeagueImport(Q(edited));
    ASSERT_TRUE(prepared);
    EXPECT_EQ(prepared->plan.changes.size(), 3u);
    ChangeListSeen question;
    AnswerNextChangeList(question, true);
    AnswerMessages(seen, {QStringLiteral("OK")});
    controller.ImportLeagueCsvFile(Q(edited));
    EXPECT_TRUE(question.seen);
    EXPECT_EQ(testsupport::ReadFileBytes(image), testsupport::ReadFileBytes(cliImage));
    EXPECT_EQ(testsupport::ReadFileBytes(image), prepared->plan.result);

    league["teams"][4]["uniform"]["colour"] = 1;
    const auto refused = Write("refused.json", league.dump(2));
    const CliOutcome cliRefusal = RunCli({QStringLiteral("import"), Q(image), Q(refused)});
    EXPECT_EQ(cliRefusal.status, 1);
    EXPECT_TRUE(cliRefusal.err.contains(":/teams/4/uniform/colour: "))
        << cliRefusal.err.toStdString();
    const std::optional<TImportController::LeagueImport> windowRefusal =
        controller.PrepareLeagueImport(Q(refused));
    ASSERT_TRUE(windowRefusal);
    ASSERT_EQ(windowRefusal->plan.read.errors.size(), 1u);
    EXPECT_EQ(windowRefusal->plan.read.errors[0].pointer, "/teams/4/uniform/colour");
}

} // namespace
