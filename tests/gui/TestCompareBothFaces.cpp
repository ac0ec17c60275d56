// SPDX-License-Identifier: MIT
// One comparison workflow through both faces: tolvanek-cli's diff run in-process and the window's
// controller, for the same image and the same other file, must find the same changes and come to
// the same decision.

#include "Changes.h"
#include "CommandLine.h"
#include "ExchangeController.h"
#include "ImageBuilder.h"
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

CliOutcome RunDiff(const QStringList& arguments) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    CliOutcome outcome;
    outcome.status =
        cli::RunCommandLine(QStringList{QStringLiteral("diff")} + arguments +
                                QStringList{QStringLiteral("--format"), QStringLiteral("csv")},
                            in, out, err);
    outcome.changesCsv = QByteArray::fromStdString(out.str());
    outcome.err = QString::fromStdString(err.str());
    return outcome;
}

class CompareBothFaces : public MainWindowFixture {
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

TEST_F(CompareBothFaces, AnImageWithAnotherImage) {
    const auto image = Write("game.nes", original);
    const auto other = Write("edited.nes", edited);
    ExpectSameOutcome(image, other, plans::CompareKind::Image, {Q(other)},
                      plans::CompareDecision::Compared);
}

TEST_F(CompareBothFaces, AnImageWithAPatchNewAlreadyAppliedAndBehindAnotherHeader) {
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

TEST_F(CompareBothFaces, AnImageWithALeagueFile) {
    const auto image = Write("game.nes", original);
    reports::LeagueTexts league = plans::LeagueTextsOf(original);
    league[2].pitchers[1][teamdata::PitcherColumn::Name - 1] = "あいうえお";
    const std::string text = reports::BuildLeagueCsv(league);
    const auto csv =
        Write("league.csv", {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    ExpectSameOutcome(image, csv, plans::CompareKind::Csv, {QStringLiteral("--csv"), Q(csv)},
                      plans::CompareDecision::Compared);
}

} // namespace
