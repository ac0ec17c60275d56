// SPDX-License-Identifier: MIT
// One import workflow through both faces: tolvanek-cli's import run in-process and the window's
// controller, for the same image and the same league file, must find the same changes and write
// the same image.

#include "BothFacesFixture.h"
#include "Changes.h"
#include "ImportController.h"
#include "LeagueCsv.h"

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

} // namespace
