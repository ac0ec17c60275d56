// SPDX-License-Identifier: MIT
// tolvanek-cli run as a script runs it: the built program as a process, without a display, its
// outputs compared with what the shared functions give the window.

#include "ImageBuilder.h"
#include "TempDir.h"

#include "ImageFile.h"
#include "League.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct CliRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

CliRun RunCli(const QStringList& arguments, const QByteArray& input = {},
              const QString& locale = QStringLiteral("C")) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_MESSAGES"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("LC_ALL"), locale);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TOLVANEK_CLI), arguments);
    EXPECT_TRUE(process.waitForStarted());
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class Cli : public ::testing::Test {
protected:
    Cli() { testsupport::ImageBuilder().FillValidTeams().WriteTo(dir_.File("game.nes")); }

    [[nodiscard]] QString Path(std::string_view name) const {
        return QString::fromStdString(dir_.File(name).string());
    }
    [[nodiscard]] reports::LeagueTexts TextsOf(const QString& image) const {
        return exchange::TextsOf(exchange::RecordsOf(LoadImage(image)));
    }

    testsupport::TempDir dir_;
    const QString image_ = Path("game.nes");
};

constexpr std::size_t Giants = 3; // "Ｇ" in image order

TEST_F(Cli, InfoListsEveryTeamWithItsColoursAndFirstBatter) {
    const CliRun run = RunCli({QStringLiteral("info"), image_});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList lines =
        QString::fromUtf8(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), teamdata::TeamCount);
    const teamdata::TeamTexts giants = TextsOf(image_)[Giants];
    const auto hex = [](std::uint8_t color) {
        return QString::number(color, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    };
    EXPECT_EQ(lines[Giants], QStringLiteral("Ｇ\t0x%1\t0x%2\t%3")
                                 .arg(hex(giants.colors.helmet), hex(giants.colors.uniform),
                                      QString::fromStdString(giants.batters[0][0])));
}

TEST_F(Cli, ExportWritesByteForByteWhatTheWindowWrites) {
    const reports::LeagueTexts league = TextsOf(image_);

    const CliRun leagueRun = RunCli({QStringLiteral("export"), image_});
    EXPECT_EQ(leagueRun.status, 0) << leagueRun.err.toStdString();
    EXPECT_EQ(leagueRun.out, exchange::LeagueCsvBytes(league));

    // Initials typed in ASCII name the team the team box lists in full width.
    const CliRun csvRun = RunCli({QStringLiteral("export"), QStringLiteral("-o"), Path("g.csv"),
                                  image_, QStringLiteral("--team"), QStringLiteral("g")});
    EXPECT_EQ(csvRun.status, 0) << csvRun.err.toStdString();
    EXPECT_TRUE(csvRun.out.isEmpty());
    EXPECT_EQ(FileBytes(Path("g.csv")), exchange::TeamCsvBytes(league[Giants]));

    const CliRun htmlRun =
        RunCli({QStringLiteral("export"), image_, QStringLiteral("--team"), QStringLiteral("Ｇ"),
                QStringLiteral("--format"), QStringLiteral("html"), QStringLiteral("-o"),
                QStringLiteral("-")});
    EXPECT_EQ(htmlRun.status, 0) << htmlRun.err.toStdString();
    EXPECT_EQ(htmlRun.out, exchange::TeamHtmlBytes(Giants, league[Giants]));
}

TEST_F(Cli, ImportWritesTheChangedTeamIntoACopyAndADryRunWritesNothing) {
    const QByteArray original = FileBytes(image_);
    reports::LeagueTexts edited = TextsOf(image_);
    std::string& homeRuns = edited[Giants].batters[0][teamdata::BatterColumn::HomeRuns - 1];
    homeRuns = std::to_string((std::stoi(homeRuns) + 1) % 60);
    const QByteArray csv = exchange::LeagueCsvBytes(edited);

    WriteBytes(Path("league.csv"), csv);
    const CliRun dryRun =
        RunCli({QStringLiteral("import"), image_, Path("league.csv"), QStringLiteral("--dry-run"),
                QStringLiteral("-o"), Path("copy.nes")});
    EXPECT_EQ(dryRun.status, 0) << dryRun.err.toStdString();
    EXPECT_EQ(dryRun.out, QByteArray("1 of 16 teams would be rewritten (Ｇ)\n"));
    EXPECT_FALSE(QFile::exists(Path("copy.nes")));
    EXPECT_EQ(FileBytes(image_), original);

    const CliRun run = RunCli({QStringLiteral("import"), image_, QStringLiteral("-"),
                               QStringLiteral("-o"), Path("copy.nes")},
                              csv);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(FileBytes(image_), original);
    EXPECT_EQ(exchange::LeagueCsvBytes(TextsOf(Path("copy.nes"))), csv);
}

TEST_F(Cli, ImportReportsEveryErrorAtItsFileLineAndColumn) {
    reports::LeagueTexts edited = TextsOf(image_);
    edited[0].batters[0][teamdata::BatterColumn::HomeRuns - 1] = "abc";
    edited[1].pitchers[2][teamdata::PitcherColumn::Era - 1] = "123";
    WriteBytes(Path("league.csv"), exchange::LeagueCsvBytes(edited));
    const QByteArray original = FileBytes(image_);

    const CliRun run = RunCli({QStringLiteral("import"), image_, Path("league.csv")});
    EXPECT_EQ(run.status, 1);
    const QStringList lines = QString::fromUtf8(run.err).split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 2);
    // A team block is its team line and 20 lines; the pitchers follow 13 batters and 2 headers.
    EXPECT_TRUE(lines[0].startsWith(Path("league.csv") + QStringLiteral(":3:6: not a number")))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(Path("league.csv") + QStringLiteral(":40:4: the editor")))
        << lines[1].toStdString();
    EXPECT_EQ(FileBytes(image_), original);
}

TEST_F(Cli, PatchMadeBetweenTwoImagesAppliesOnlyToItsOriginal) {
    testsupport::ImageBuilder()
        .FillValidTeams()
        .SetColors(5, 0x16, 0x30)
        .WriteTo(dir_.File("edited.nes"));
    const CliRun made = RunCli({QStringLiteral("patch"), image_, Path("edited.nes"),
                                QStringLiteral("-o"), Path("edit.bps")});
    EXPECT_EQ(made.status, 0) << made.err.toStdString();

    const CliRun applied = RunCli({QStringLiteral("apply"), image_, Path("edit.bps"),
                                   QStringLiteral("-o"), Path("patched.nes")});
    EXPECT_EQ(applied.status, 0) << applied.err.toStdString();
    EXPECT_EQ(FileBytes(Path("patched.nes")), FileBytes(Path("edited.nes")));

    const CliRun refused = RunCli({QStringLiteral("apply"), Path("edited.nes"), Path("edit.bps"),
                                   QStringLiteral("-o"), Path("twice.nes")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("is not the one the patch was made for"));
    EXPECT_FALSE(QFile::exists(Path("twice.nes")));
}

TEST_F(Cli, AQuestionableImageIsRefusedUnlessForceAnswersYes) {
    testsupport::ImageBuilder(testsupport::DefaultImageSize + 1)
        .FillValidTeams()
        .WriteTo(dir_.File("odd.nes"));
    const CliRun refused = RunCli({QStringLiteral("info"), Path("odd.nes")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("--force"));
    EXPECT_TRUE(refused.out.isEmpty());

    WriteBytes(Path("league.csv"), exchange::LeagueCsvBytes(TextsOf(image_)));
    const CliRun forced =
        RunCli({QStringLiteral("import"), Path("odd.nes"), Path("league.csv"),
                QStringLiteral("--force"), QStringLiteral("-o"), Path("copy.nes")});
    EXPECT_EQ(forced.status, 0) << forced.err.toStdString();
    EXPECT_EQ(FileBytes(Path("copy.nes")), FileBytes(Path("odd.nes")));
}

TEST_F(Cli, ExitStatusesTellUsageRefusedDataAndFileFaultsApart) {
    WriteBytes(Path("text.nes"), "no image");
    const struct {
        QStringList arguments;
        int status;
    } cases[] = {
        {{QStringLiteral("--version")}, 0},
        {{QStringLiteral("help")}, 0},
        {{QStringLiteral("import"), QStringLiteral("--help")}, 0},
        {{QStringLiteral("info"), Path("text.nes")}, 1},
        {{}, 2},
        {{QStringLiteral("inf"), image_}, 2},
        {{QStringLiteral("info"), image_, QStringLiteral("--bogus")}, 2},
        {{QStringLiteral("export"), image_, QStringLiteral("--format"), QStringLiteral("html")}, 2},
        {{QStringLiteral("export"), image_, QStringLiteral("--team"), QStringLiteral("Q")}, 2},
        {{QStringLiteral("patch"), image_, image_, QStringLiteral("-o"), Path("p.zip")}, 2},
        {{QStringLiteral("apply"), image_, Path("p.bps")}, 2},
        {{QStringLiteral("apply"), image_, Path("p.bps"), QStringLiteral("-o"), image_}, 2},
        {{QStringLiteral("info"), Path("missing.nes")}, 3},
        {{QStringLiteral("import"), image_, Path("missing.csv")}, 3},
        {{QStringLiteral("export"), image_, QStringLiteral("-o"), Path("no/such/folder.csv")}, 3},
    };
    for (const auto& [arguments, status] : cases) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, status) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.err.isEmpty(), status == 0) << arguments.join(' ').toStdString();
    }
}

TEST_F(Cli, SpeaksJapaneseUnderAJapaneseLocale) {
    const CliRun run = RunCli({QStringLiteral("inf")}, {}, QStringLiteral("ja_JP.UTF-8"));
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(QString::fromUtf8(run.err).startsWith(QStringLiteral("tolvanek-cli: 「inf」")))
        << run.err.toStdString();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
