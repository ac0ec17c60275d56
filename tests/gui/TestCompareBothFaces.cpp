// SPDX-License-Identifier: MIT
// One workflow through both faces: tolvanek-cli run in-process and the window's controller, for
// the same files, must come to the same decision: a comparison must find the same changes, and an
// image opened must be refused or asked about alike.

#include "Changes.h"
#include "CliText.h"
#include "CommandLine.h"
#include "ExchangeController.h"
#include "FileController.h"
#include "ImageBuilder.h"
#include "ImageFile.h"
#include "LeagueCsv.h"
#include "MainWindowFixture.h"
#include "Patch.h"
#include "PatchFiles.h"
#include "PatchOrigin.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using testsupport::ImageBuilder;

namespace {

using Bytes = std::vector<std::uint8_t>;

void WriteBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

struct CliOutcome {
    int status = -1;
    QByteArray changesCsv;
    QString err;
};

CliOutcome RunCli(const QStringList& arguments) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    CliOutcome outcome;
    outcome.status = cli::RunCommandLine(arguments, in, out, err);
    outcome.changesCsv = QByteArray::fromStdString(out.str());
    outcome.err = QString::fromStdString(err.str());
    return outcome;
}

CliOutcome RunDiff(const QStringList& arguments) {
    return RunCli(QStringList{QStringLiteral("diff")} + arguments +
                  QStringList{QStringLiteral("--format"), QStringLiteral("csv")});
}

class BothFaces : public MainWindowFixture {
protected:
    const Bytes original = ImageBuilder().FillValidTeams().Bytes();
    const Bytes edited =
        ImageBuilder().FillValidTeams().SetColors(3, 0x16, 0x30).SetByte(0x20000, 0x5A).Bytes();

    std::filesystem::path Write(std::string_view name, std::span<const std::uint8_t> bytes) {
        const std::filesystem::path path = dir.File(name);
        WriteBytes(path, bytes);
        return path;
    }

    // The window's side: its controller, told what the other file is as the menu tells it.
    std::optional<TExchangeController::Comparison>
    WindowCompares(const std::filesystem::path& image, const std::filesystem::path& other,
                   plans::CompareKind kind) {
        TExchangeController controller(MainForm,
                                       {[](QWidget*) {},
                                        [](const QString&, const teamdata::LeagueChange&) {
                                        }});
        return controller.PrepareComparison(Q(image), Q(other),
                                            [kind](const QByteArray&) { return kind; });
    }

    // Both faces compare: the same changes, and diff's status says what the window decided.
    void ExpectSameOutcome(const std::filesystem::path& image, const std::filesystem::path& other,
                           plans::CompareKind kind, const QStringList& otherArguments,
                           plans::CompareDecision decision) {
        const CliOutcome cli = RunDiff(QStringList{Q(image)} + otherArguments);
        const std::optional<TExchangeController::Comparison> window =
            WindowCompares(image, other, kind);
        ASSERT_TRUE(window);
        EXPECT_EQ(window->plan.decision, decision);
        EXPECT_EQ(cli.changesCsv, exchange::ChangeCsvBytes(window->changes));
        EXPECT_EQ(cli.status, window->changes.empty() ? 0 : 1) << cli.err.toStdString();
        if (decision == plans::CompareDecision::AlreadyApplied) {
            EXPECT_TRUE(window->changes.empty());
            EXPECT_TRUE(cli.err.contains(exchange::DescribeApplyRefusal(*window->plan.apply)))
                << cli.err.toStdString();
        }
    }
};

TEST_F(BothFaces, CompareAnImageWithAnotherImage) {
    const auto image = Write("game.nes", original);
    const auto other = Write("edited.nes", edited);
    ExpectSameOutcome(image, other, plans::CompareKind::Image, {Q(other)},
                      plans::CompareDecision::Compared);
}

TEST_F(BothFaces, CompareAnImageWithAPatchNewAlreadyAppliedAndBehindAnotherHeader) {
    const auto patch =
        Write("edit.bps", teamdata::MakePatch(teamdata::PatchFormat::Bps, original, edited,
                                              teamdata::OriginMetadata("Tolvanek test", original))
                              .bytes);
    const QStringList patchArguments = {QStringLiteral("--patch"), Q(patch)};

    const auto image = Write("game.nes", original);
    ExpectSameOutcome(image, patch, plans::CompareKind::Patch, patchArguments,
                      plans::CompareDecision::Compared);

    const auto applied = Write("applied.nes", edited);
    ExpectSameOutcome(applied, patch, plans::CompareKind::Patch, patchArguments,
                      plans::CompareDecision::AlreadyApplied);

    Bytes nes20 = original;
    nes20[7] = static_cast<std::uint8_t>((nes20[7] & 0xF0) | 0x08);
    const auto otherHeader = Write("nes20.nes", nes20);
    ExpectSameOutcome(otherHeader, patch, plans::CompareKind::Patch, patchArguments,
                      plans::CompareDecision::Compared);
    const auto window = WindowCompares(otherHeader, patch, plans::CompareKind::Patch);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->plan.apply->notes, std::vector{plans::ApplyNote::HeaderOnlyDifference});
}

TEST_F(BothFaces, CompareAnImageWithALeagueFile) {
    const auto image = Write("game.nes", original);
    reports::LeagueTexts league = plans::LeagueTextsOf(original);
    league[2].pitchers[1][teamdata::PitcherColumn::Name - 1] = "あいうえお";
    const std::string text = reports::BuildLeagueCsv(league);
    const auto csv =
        Write("league.csv", {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    ExpectSameOutcome(image, csv, plans::CompareKind::Csv, {QStringLiteral("--csv"), Q(csv)},
                      plans::CompareDecision::Compared);
}

TEST_F(BothFaces, OpenAnImageUnlikeTheGamesOnlyWhenAgreedAndNeverOneThatIsNoImage) {
    Bytes longer = original;
    longer.push_back(0);
    const auto questionable = Write("longer.nes", longer);
    Bytes noMagic = original;
    noMagic[0] = 'X';
    const auto refused = Write("nomagic.nes", noMagic);
    const auto doubtOf = [](const std::filesystem::path& path) {
        return exchange::DescribeImageDoubt(exchange::LoadImage(Q(path)));
    };

    // Asked first: the command line goes on only with --force, the window only on a yes.
    const CliOutcome asked = RunCli({QStringLiteral("info"), Q(questionable)});
    EXPECT_EQ(asked.status, cli::DataRefused);
    EXPECT_TRUE(asked.err.contains(doubtOf(questionable))) << asked.err.toStdString();
    EXPECT_EQ(RunCli({QStringLiteral("info"), QStringLiteral("--force"), Q(questionable)}).status,
              cli::Done);
    GuiTest::MessageSeen question;
    GuiTest::AnswerNextMessage(question, QStringLiteral("いいえ(&N)"));
    TFileController::Opened opened = MainForm->FileController().Open(Q(questionable));
    EXPECT_EQ(opened.verdict, plans::OpenVerdict::AskFirst);
    EXPECT_FALSE(opened.open);
    EXPECT_TRUE(question.text.contains(doubtOf(questionable))) << question.text.toStdString();
    EXPECT_TRUE(MainForm->FilePath().isEmpty());
    GuiTest::AnswerNextMessage(question, QStringLiteral("はい(&Y)"));
    opened = MainForm->FileController().Open(Q(questionable));
    EXPECT_TRUE(opened.open);
    EXPECT_EQ(MainForm->FilePath(), Q(questionable));
    MainForm->CloseCartridge();

    // Refused: by both, whatever the user would answer; the window keeps nothing of it.
    const CliOutcome cliRefused =
        RunCli({QStringLiteral("info"), QStringLiteral("--force"), Q(refused)});
    EXPECT_EQ(cliRefused.status, cli::DataRefused);
    EXPECT_TRUE(cliRefused.err.contains(doubtOf(refused))) << cliRefused.err.toStdString();
    GuiTest::MessageSeen error;
    GuiTest::AnswerNextMessage(error);
    opened = MainForm->FileController().Open(Q(refused));
    EXPECT_EQ(opened.verdict, plans::OpenVerdict::Refused);
    EXPECT_FALSE(opened.open);
    ExpectErrorBox(error, QStringLiteral("ファイルが壊れています"));
    EXPECT_TRUE(MainForm->FilePath().isEmpty());
}

} // namespace
