// SPDX-License-Identifier: MIT
// tolvanek-cli run as a script runs it: the built program as a process, without a display, its
// outputs compared with what the shared functions give the window.

#include "ImageBuilder.h"
#include "TempDir.h"

#include "CliText.h"
#include "CommandLine.h"
#include "Exports.h"
#include "Files.h"
#include "ImageFile.h"
#include "ImageLock.h"
#include "League.h"
#include "LeagueCsv.h"
#include "MakePatch.h"
#include "Patch.h"
#include "SafeImageWriter.h"
#include "ShiftJis.h"
#include "TeamWords.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

struct CliRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// The command line speaks the locale's language; the tests read its English unless they say
// otherwise.
const QString English = QStringLiteral("en_US.UTF-8");

// The program as a script starts it, in `locale`; its standard output goes to `outputFile`
// (appended to, as ">>" does) and its standard input comes from `inputFile` ("<") when given.
// `inChild` runs in the started process just before the program, with its standard streams set
// up: a limit to set, a stream to close.
void StartCli(QProcess& process, const QStringList& arguments, const QString& locale = English,
              const QString& outputFile = {}, const QString& inputFile = {},
              const std::function<void()>& inChild = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_MESSAGES"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(environment);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile, QIODevice::Append);
    if (!inputFile.isEmpty())
        process.setStandardInputFile(inputFile);
    if (inChild)
        process.setChildProcessModifier(inChild);
    process.start(QStringLiteral(TOLVANEK_CLI), arguments);
    EXPECT_TRUE(process.waitForStarted());
}

CliRun RunCli(const QStringList& arguments, const QByteArray& input = {},
              const QString& locale = English, const QString& outputFile = {},
              const QString& inputFile = {}, const std::function<void()>& inChild = {}) {
    QProcess process;
    StartCli(process, arguments, locale, outputFile, inputFile, inChild);
    if (inputFile.isEmpty()) {
        process.write(input);
        process.closeWriteChannel();
    }
    // Long enough for the largest images under the sanitizers; CTest's limit ends a real hang.
    EXPECT_TRUE(process.waitForFinished(-1));
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
        return exchange::TextsOf(exchange::RecordsOf(exchange::LoadImage(image)));
    }

    testsupport::TempDir dir_;
    const QString image_ = Path("game.nes");
};

constexpr std::size_t Giants = 3; // "Ｇ" in image order

TEST_F(Cli, InfoListsEveryTeamWithItsColoursAndFirstBatter) {
    const CliRun run = RunCli({QStringLiteral("info"), image_});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // Which cartridge the image is comes first, as "label: value" lines, the check's result last.
    ASSERT_GT(lines.size(), teamdata::TeamCount);
    EXPECT_EQ(lines.first(), QStringLiteral("header: iNES 1.0"));
    EXPECT_EQ(lines.at(lines.size() - teamdata::TeamCount - 1),
              QStringLiteral("check: no problems found"));
    lines = lines.mid(lines.size() - teamdata::TeamCount);
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

// The browser page writes what the plans give; the command line must write the same bytes for the
// same image and choices, down to the patch between two images.
TEST_F(Cli, EveryExportAndPatchIsWhatThePlansMakeForRandomImages) {
    const auto bytesOf = [](const std::string& file) {
        return QByteArray::fromStdString(file);
    };
    const auto choices = [](plans::ExportKind kind, std::optional<int> team = std::nullopt,
                            plans::CsvEncoding encoding = plans::CsvEncoding::ShiftJis) {
        plans::ExportChoices how;
        how.kind = kind;
        how.team = team;
        how.encoding = encoding;
        how.pageLabels = exchange::InterfaceTeamReportLabels();
        how.overviewLabels = exchange::InterfaceOverviewLabels();
        return how;
    };
    const QString force = QStringLiteral("--force");
    const QString team = QStringLiteral("--team");
    const QString utf8[] = {QStringLiteral("--encoding"), QStringLiteral("utf-8")};
    for (const std::uint32_t seed : {11u, 12u, 13u}) {
        const std::vector<std::uint8_t> original = testsupport::RandomLeagueImage(seed);
        const std::vector<std::uint8_t> modified = testsupport::RandomLeagueImage(seed + 100);
        const QString image = Path("random.nes");
        const QString other = Path("other.nes");
        WriteBytes(image, QByteArray(reinterpret_cast<const char*>(original.data()),
                                     static_cast<qsizetype>(original.size())));
        WriteBytes(other, QByteArray(reinterpret_cast<const char*>(modified.data()),
                                     static_cast<qsizetype>(modified.size())));
        const struct {
            QStringList arguments;
            plans::ExportChoices how;
        } exports[] = {
            {{QStringLiteral("export"), image, force}, choices(plans::ExportKind::LeagueCsv)},
            {{QStringLiteral("export"), image, force, utf8[0], utf8[1]},
             choices(plans::ExportKind::LeagueCsv, {}, plans::CsvEncoding::Utf8)},
            {{QStringLiteral("export"), image, force, team, QStringLiteral("Ｇ")},
             choices(plans::ExportKind::TeamCsv, Giants)},
            {{QStringLiteral("export"), image, force, team, QStringLiteral("D"), utf8[0], utf8[1]},
             choices(plans::ExportKind::TeamCsv, 0, plans::CsvEncoding::Utf8)},
            {{QStringLiteral("export"), image, force, team, QStringLiteral("Ｇ"),
              QStringLiteral("--format"), QStringLiteral("html")},
             choices(plans::ExportKind::TeamPage, Giants)},
            {{QStringLiteral("overview"), image, force, QStringLiteral("-o"), QStringLiteral("-")},
             choices(plans::ExportKind::Overview)},
            {{QStringLiteral("show"), image}, choices(plans::ExportKind::Show)},
        };
        for (const auto& [arguments, how] : exports) {
            const CliRun run = RunCli(arguments);
            const plans::ExportPlan plan = plans::PlanExport(original, how);
            ASSERT_EQ(plan.decision, plans::ExportDecision::Made);
            EXPECT_EQ(run.status, 0) << arguments.join(QLatin1Char(' ')).toStdString();
            EXPECT_EQ(run.out, bytesOf(plan.bytes))
                << seed << ": " << arguments.join(QLatin1Char(' ')).toStdString();
        }
        for (const char* name : {"random.bps", "random.ips"}) {
            const CliRun run = RunCli(
                {QStringLiteral("patch"), image, other, force, QStringLiteral("-o"), Path(name)});
            EXPECT_EQ(run.status, 0) << run.err.toStdString();
            const plans::PatchMakingPlan plan = plans::PlanMakePatch(original, modified, name);
            EXPECT_EQ(FileBytes(Path(name)),
                      QByteArray(reinterpret_cast<const char*>(plan.bytes.data()),
                                 static_cast<qsizetype>(plan.bytes.size())))
                << seed << ": " << name;
        }
    }
}

// For spreadsheets that cannot read Shift_JIS: the same text in UTF-8 behind a byte-order mark.
// Edited alike, either file imports into the same image, byte for byte, and compares alike.
TEST_F(Cli, AUtf8ExportHoldsTheShiftJisTextAndImportsAsItDoes) {
    const QString encoding = QStringLiteral("--encoding");
    const QByteArray shiftJis = RunCli({QStringLiteral("export"), image_}).out;
    EXPECT_EQ(RunCli({QStringLiteral("export"), image_, encoding, QStringLiteral("shift_jis")}).out,
              shiftJis);
    const CliRun utf8 =
        RunCli({QStringLiteral("export"), image_, encoding, QStringLiteral("UTF-8")});
    EXPECT_EQ(utf8.status, 0) << utf8.err.toStdString();
    ASSERT_TRUE(utf8.out.startsWith("\xEF\xBB\xBF"));
    const QString text = ShiftJis::Decode(shiftJis);
    EXPECT_EQ(QString::fromUtf8(utf8.out.mid(3)), text);
    const CliRun team = RunCli({QStringLiteral("export"), image_, QStringLiteral("--team"),
                                QStringLiteral("G"), encoding, QStringLiteral("utf-8")});
    EXPECT_EQ(QString::fromUtf8(team.out.mid(3)),
              ShiftJis::Decode(RunCli({QStringLiteral("export"), image_, QStringLiteral("--team"),
                                       QStringLiteral("G")})
                                   .out));

    // The first batter of the Giants hits one home run more, in the text of each file.
    QStringList lines = text.split(QStringLiteral("\r\n"));
    const auto line = static_cast<qsizetype>(Giants * (1 + reports::TeamBlockLineCount) + 2);
    QStringList cells = lines[line].split(QLatin1Char(','));
    QString& homeRuns = cells[teamdata::BatterColumn::HomeRuns - 1];
    homeRuns = QString::number((homeRuns.toInt() + 1) % 60);
    lines[line] = cells.join(QLatin1Char(','));
    const QString edited = lines.join(QStringLiteral("\r\n"));
    WriteBytes(Path("shift_jis.csv"), ShiftJis::Encode(edited));
    WriteBytes(Path("utf8.csv"), "\xEF\xBB\xBF" + edited.toUtf8());

    QByteArray differences;
    for (const char* name : {"shift_jis", "utf8"}) {
        const QString csv = Path(std::string(name) + ".csv");
        const CliRun run = RunCli({QStringLiteral("import"), image_, csv, QStringLiteral("-o"),
                                   Path(std::string(name) + ".nes")});
        EXPECT_EQ(run.status, 0) << name << ": " << run.err.toStdString();
        const CliRun diff = RunCli({QStringLiteral("diff"), image_, QStringLiteral("--csv"), csv});
        EXPECT_EQ(diff.status, 1) << name << ": " << diff.err.toStdString();
        EXPECT_TRUE(differences.isEmpty() || diff.out == differences) << name;
        differences = diff.out;
    }
    EXPECT_EQ(TextsOf(Path("utf8.nes"))[Giants].batters[0][teamdata::BatterColumn::HomeRuns - 1],
              homeRuns.toStdString());
    EXPECT_EQ(FileBytes(Path("utf8.nes")), FileBytes(Path("shift_jis.nes")));
    EXPECT_NE(FileBytes(Path("utf8.nes")), FileBytes(image_));

    EXPECT_TRUE(RunCli({QStringLiteral("export"), QStringLiteral("--help")})
                    .out.contains("--encoding <shift_jis|utf-8>"));
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
    // The change it would make, as diff lists it, and then how many teams it would write.
    const QStringList said = QString::fromUtf8(dryRun.out).split(QLatin1Char('\n'));
    ASSERT_EQ(said.size(), 3) << dryRun.out.toStdString();
    EXPECT_TRUE(said[0].startsWith(QStringLiteral("Ｇ batter 1 "))) << said[0].toStdString();
    EXPECT_EQ(said[1], QStringLiteral("1 of 16 teams would be rewritten (Ｇ)"));
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
    // The text read, as the window's error list shows it too.
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("(\"abc\")"))) << lines[0].toStdString();
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
    EXPECT_TRUE(refused.err.contains("already been applied")) << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("twice.nes")));

    // Another image: the refusal names the checksum the patch expects and this file's.
    testsupport::ImageBuilder()
        .FillValidTeams()
        .SetColors(6, 0x16, 0x30)
        .WriteTo(dir_.File("other.nes"));
    const CliRun other = RunCli({QStringLiteral("apply"), Path("other.nes"), Path("edit.bps"),
                                 QStringLiteral("-o"), Path("twice.nes")});
    EXPECT_EQ(other.status, 1);
    const auto crc = [&](const QString& path) {
        const QByteArray bytes = FileBytes(path);
        return QStringLiteral("%1")
            .arg(teamdata::Crc32(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                           static_cast<std::size_t>(bytes.size()))),
                 8, 16, QLatin1Char('0'))
            .toUpper();
    };
    EXPECT_TRUE(other.err.contains(crc(image_).toUtf8())) << other.err.toStdString();
    EXPECT_TRUE(other.err.contains(crc(Path("other.nes")).toUtf8())) << other.err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("twice.nes")));
}

// The largest images the program reads, every other byte apart: the longest BPS patch there is,
// half as long again as the images, is made and applied back.
TEST_F(Cli, ThePatchBetweenTheLargestImagesThatDifferMostIsAppliedAgain) {
    const testsupport::ImageBuilder largest =
        testsupport::ImageBuilder(teamdata::MaxImageFileSize).FillValidTeams();
    largest.WriteTo(dir_.File("largest.nes"));
    std::vector<std::uint8_t> differing = largest.Bytes();
    for (std::size_t offset = testsupport::InesHeaderSize; offset < differing.size(); offset += 2)
        differing[offset] ^= 0xA5;
    WriteBytes(Path("differing.nes"), QByteArray(reinterpret_cast<const char*>(differing.data()),
                                                 static_cast<qsizetype>(differing.size())));
    const CliRun made = RunCli({QStringLiteral("patch"), Path("largest.nes"), Path("differing.nes"),
                                QStringLiteral("-o"), Path("most.bps"), QStringLiteral("--force")});
    ASSERT_EQ(made.status, 0) << made.err.toStdString();
    EXPECT_GT(QFileInfo(Path("most.bps")).size(), 3 * teamdata::MaxImageFileSize / 2 - 64);

    const CliRun applied =
        RunCli({QStringLiteral("apply"), Path("largest.nes"), Path("most.bps"),
                QStringLiteral("-o"), Path("patched.nes"), QStringLiteral("--force")});
    ASSERT_EQ(applied.status, 0) << applied.err.toStdString();
    EXPECT_TRUE(FileBytes(Path("patched.nes")) == FileBytes(Path("differing.nes")));
}

// diff --patch compares with what apply would write: a result apply refuses without --force is
// refused as an input (4), and with --force compared as apply --force writes it.
TEST_F(Cli, DiffWithAPatchFollowsTheDecisionOfApply) {
    std::vector<std::uint8_t> longer = testsupport::ImageBuilder().FillValidTeams().Bytes();
    const std::vector<std::uint8_t> original = longer;
    longer.push_back(0x42); // a length its header does not declare
    const teamdata::MadePatch patch =
        teamdata::MakePatch(teamdata::PatchFormat::Bps, original, longer);
    WriteBytes(Path("longer.bps"), QByteArray(reinterpret_cast<const char*>(patch.bytes.data()),
                                              static_cast<qsizetype>(patch.bytes.size())));
    const QStringList apply = {QStringLiteral("apply"), image_, Path("longer.bps"),
                               QStringLiteral("-o"), Path("longer.nes")};
    const QStringList diff = {QStringLiteral("diff"), image_, QStringLiteral("--patch"),
                              Path("longer.bps")};
    const QString force = QStringLiteral("--force");

    const CliRun refusedApply = RunCli(apply);
    EXPECT_EQ(refusedApply.status, 1);
    const CliRun refusedDiff = RunCli(diff);
    EXPECT_EQ(refusedDiff.status, 4) << refusedDiff.err.toStdString();
    EXPECT_TRUE(refusedDiff.err.contains("does not look like an image of this game"))
        << refusedDiff.err.toStdString();
    EXPECT_TRUE(refusedDiff.err.contains("--force")) << refusedDiff.err.toStdString();
    EXPECT_TRUE(refusedDiff.out.isEmpty()) << refusedDiff.out.toStdString();

    const CliRun forcedApply = RunCli(apply + QStringList{force});
    EXPECT_EQ(forcedApply.status, 0) << forcedApply.err.toStdString();
    const CliRun forcedDiff = RunCli(diff + QStringList{force});
    EXPECT_EQ(forcedDiff.status, 1) << forcedDiff.err.toStdString();
    const CliRun againstWritten =
        RunCli({QStringLiteral("diff"), image_, Path("longer.nes"), force});
    EXPECT_EQ(againstWritten.status, 1) << againstWritten.err.toStdString();
    EXPECT_EQ(forcedDiff.out, againstWritten.out);
    EXPECT_FALSE(forcedDiff.out.isEmpty());

    // Already applied: apply refuses, diff says so and finds nothing to compare.
    const CliRun twice = RunCli({QStringLiteral("diff"), Path("longer.nes"),
                                 QStringLiteral("--patch"), Path("longer.bps"), force});
    EXPECT_EQ(twice.status, 0) << twice.err.toStdString();
    EXPECT_TRUE(twice.err.contains("already been applied")) << twice.err.toStdString();
}

// A player copied into another team while the first keeps him is the same cells both ways, with
// before and after swapped; a transfer is named in neither direction.
TEST_F(Cli, DiffShowsACopiedPlayerAsTheSameCellsBothWays) {
    testsupport::ImageBuilder()
        .FillValidTeams()
        .SetBatter(5, 10, testsupport::ImageBuilder::ValidBatter(1, 9),
                   testsupport::ImageBuilder::ValidLeadByte(5, 10))
        .WriteTo(dir_.File("copied.nes"));
    const auto changes = [&](const QString& before, const QString& after) {
        const CliRun run = RunCli({QStringLiteral("diff"), before, after,
                                   QStringLiteral("--format"), QStringLiteral("csv")});
        EXPECT_EQ(run.status, 1) << run.err.toStdString();
        QList<QByteArrayList> rows;
        for (const QByteArray& line : run.out.split('\n').mid(1))
            if (!line.trimmed().isEmpty())
                rows << line.trimmed().split(',');
        return rows;
    };
    const QList<QByteArrayList> forward = changes(image_, Path("copied.nes"));
    const QList<QByteArrayList> reverse = changes(Path("copied.nes"), image_);
    ASSERT_FALSE(forward.isEmpty());
    ASSERT_EQ(forward.size(), reverse.size());
    for (qsizetype i = 0; i < forward.size(); ++i) {
        const QByteArrayList& f = forward[i];
        const QByteArrayList& r = reverse[i];
        ASSERT_EQ(f.size(), 7);
        ASSERT_EQ(r.size(), 7);
        // Team, kind, row and column alike; the name is the row's new one, the texts swapped.
        EXPECT_EQ(QByteArrayList({f[0], f[1], f[2], f[4], f[5], f[6]}),
                  QByteArrayList({r[0], r[1], r[2], r[4], r[6], r[5]}));
    }
    for (const auto& [before, after] :
         {std::pair{image_, Path("copied.nes")}, std::pair{Path("copied.nes"), image_}}) {
        const CliRun text = RunCli({QStringLiteral("diff"), before, after});
        EXPECT_EQ(text.status, 1);
        EXPECT_FALSE(text.out.contains("transfer")) << text.out.toStdString();
    }
}

// As git's text converter show gets every version of a file: one it cannot show as a league is
// described in one line, with its size and checksum, and show succeeds; only a file that cannot
// be read at all fails.
TEST_F(Cli, ShowDescribesAFileItCannotShowInOneLine) {
    const QByteArray image = FileBytes(image_);
    const struct {
        QByteArray bytes;
        const char* says;
    } cases[] = {
        {image.left(1000), "a file of 1000 bytes (CRC-32 "},
        {QByteArray(), "an empty file"},
        {QByteArray("no image\n"), "not an iNES image"},
        {image + QByteArray(teamdata::MaxImageFileSize, '\0'), "too large"},
    };
    for (const auto& c : cases) {
        WriteBytes(Path("odd.nes"), c.bytes);
        const CliRun run = RunCli({QStringLiteral("show"), Path("odd.nes")});
        EXPECT_EQ(run.status, 0) << c.says << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        EXPECT_EQ(run.out.count('\n'), 1) << run.out.toStdString();
        EXPECT_TRUE(run.out.contains(c.says)) << run.out.toStdString();
        EXPECT_TRUE(run.out.contains("whose teams cannot be shown")) << run.out.toStdString();
    }
    // Two versions of one size that differ differ in their line too.
    const auto lineOf = [&](const QByteArray& bytes) {
        WriteBytes(Path("odd.nes"), bytes);
        return RunCli({QStringLiteral("show"), Path("odd.nes")}).out;
    };
    QByteArray changed = image.left(1000);
    changed[500] = static_cast<char>(changed[500] ^ 1);
    EXPECT_NE(lineOf(image.left(1000)), lineOf(changed));
    const CliRun missing = RunCli({QStringLiteral("show"), Path("missing.nes")});
    EXPECT_EQ(missing.status, 3);
    EXPECT_TRUE(missing.out.isEmpty());
}

TEST_F(Cli, AQuestionableImageIsRefusedUnlessForceAnswersYes) {
    testsupport::ImageBuilder(testsupport::DefaultImageSize + 1)
        .FillValidTeams()
        .WriteTo(dir_.File("odd.nes"));
    const CliRun refused = RunCli({QStringLiteral("info"), Path("odd.nes")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("--force"));
    EXPECT_FALSE(refused.out.contains('\t')) << "no team is listed";

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
        {{QStringLiteral("export"), image_, QStringLiteral("--encoding"), QStringLiteral("utf8")},
         2},
        {{QStringLiteral("export"), image_, QStringLiteral("--team"), QStringLiteral("G"),
          QStringLiteral("--format"), QStringLiteral("html"), QStringLiteral("--encoding"),
          QStringLiteral("utf-8")},
         2},
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

// diff ends as diff(1) does, and its own refusals are told apart from "different": every way it
// can end, with what a script sees of it.
TEST_F(Cli, DiffEndsWithTheStatusOfEachOutcome) {
    const auto write = [&](const char* name, const std::vector<std::uint8_t>& bytes) {
        WriteBytes(Path(name), QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                          static_cast<qsizetype>(bytes.size())));
    };
    testsupport::ImageBuilder edited;
    edited.FillValidTeams().SetBatter(5, 10, testsupport::ImageBuilder::ValidBatter(1, 9),
                                      testsupport::ImageBuilder::ValidLeadByte(5, 10));
    write("edited.nes", edited.Bytes());
    const reports::LeagueTexts editedTexts = TextsOf(Path("edited.nes"));
    WriteBytes(Path("same.csv"), exchange::LeagueCsvBytes(TextsOf(image_)));
    WriteBytes(Path("edited.csv"), exchange::LeagueCsvBytes(editedTexts));
    WriteBytes(Path("team.csv"), exchange::TeamCsvBytes(editedTexts[5]));
    WriteBytes(Path("broken.csv"), "a,b\r\n");
    WriteBytes(Path("text.nes"), "no image");
    testsupport::ImageBuilder(testsupport::DefaultImageSize + 1)
        .FillValidTeams()
        .WriteTo(dir_.File("odd.nes"));
    // Made between two other images, so it fits this one at neither end.
    write("other.bps",
          teamdata::MakePatch(
              teamdata::PatchFormat::Bps,
              testsupport::ImageBuilder(testsupport::DefaultImageSize + 1).FillValidTeams().Bytes(),
              edited.Bytes())
              .bytes);
    write("edit.bps",
          teamdata::MakePatch(teamdata::PatchFormat::Bps,
                              testsupport::ImageBuilder().FillValidTeams().Bytes(), edited.Bytes())
              .bytes);
    const QString diff = QStringLiteral("diff");
    const QString csv = QStringLiteral("--csv");
    const QString patch = QStringLiteral("--patch");
    const QString team = QStringLiteral("--team");
    const QString editedTeam = exchange::TeamInitialsText(5);
    const struct {
        QStringList arguments;
        int status;
        QByteArray input = {};
    } cases[] = {
        // 0: equal.
        {{diff, image_, image_}, 0},
        {{diff, image_, csv, Path("same.csv")}, 0},
        {{diff, Path("odd.nes"), Path("odd.nes"), QStringLiteral("--force")}, 0},
        // 1: different, whatever the other league comes from.
        {{diff, image_, Path("edited.nes")}, 1},
        {{diff, image_, patch, Path("edit.bps")}, 1},
        {{diff, image_, csv, Path("edited.csv")}, 1},
        {{diff, image_, csv, Path("team.csv"), team, editedTeam}, 1},
        {{diff, image_, csv, QStringLiteral("-")}, 1, exchange::LeagueCsvBytes(editedTexts)},
        // 2: wrong usage, found before anything is compared.
        {{diff}, 2},
        {{diff, image_}, 2},
        {{diff, image_, image_, image_}, 2},
        {{diff, image_, Path("edited.nes"), csv, Path("edited.csv")}, 2},
        {{diff, image_, patch, Path("edit.bps"), csv, Path("edited.csv")}, 2},
        {{diff, image_, Path("edited.nes"), team, editedTeam}, 2},
        {{diff, image_, csv, Path("team.csv")}, 2},
        {{diff, image_, csv, Path("team.csv"), team, QStringLiteral("Q")}, 2},
        {{diff, image_, csv, Path("edited.csv"), team, editedTeam}, 2},
        {{diff, image_, csv, QStringLiteral("-"), team, editedTeam},
         2,
         exchange::LeagueCsvBytes(editedTexts)},
        {{diff, image_, image_, QStringLiteral("--format"), QStringLiteral("pdf")}, 2},
        {{diff, image_, Path("edited.nes"), QStringLiteral("-o"), image_}, 2},
        {{diff, image_, csv, QString()}, 2},
        // 3: a file that cannot be read or written.
        {{diff, Path("missing.nes"), image_}, 3},
        {{diff, image_, Path("missing.nes")}, 3},
        {{diff, image_, csv, Path("missing.csv")}, 3},
        {{diff, image_, patch, Path("missing.bps")}, 3},
        {{diff, image_, Path("edited.nes"), QStringLiteral("-o"), Path("no/such/folder.txt")}, 3},
        // 4: an input refused.
        {{diff, Path("text.nes"), image_}, 4},
        {{diff, image_, Path("text.nes")}, 4},
        {{diff, Path("odd.nes"), Path("odd.nes")}, 4},
        {{diff, image_, csv, Path("broken.csv")}, 4},
        {{diff, image_, patch, Path("other.bps")}, 4},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.arguments, c.input);
        const std::string called = c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.status, c.status) << called << ": " << run.err.toStdString();
        // Only a comparison prints a result; every other end says why on standard error.
        EXPECT_EQ(run.out.isEmpty(), c.status != 1) << called << ": " << run.out.toStdString();
        EXPECT_EQ(run.err.isEmpty(), c.status <= 1) << called << ": " << run.err.toStdString();
    }
}

// A league file names its teams itself: --team with one is a usage error, whichever command
// reads it and wherever it comes from, and nothing is written.
TEST_F(Cli, TeamWithALeagueFileIsWrongUsageWhereverTheFileIsRead) {
    const QByteArray league = exchange::LeagueCsvBytes(TextsOf(image_));
    WriteBytes(Path("league.csv"), league);
    const QByteArray before = FileBytes(image_);
    const QString team = QStringLiteral("--team");
    const QString giants = QStringLiteral("G");
    const struct {
        QStringList arguments;
        const char* shown;
    } cases[] = {
        {{QStringLiteral("import"), image_, Path("league.csv"), team, giants}, "league.csv"},
        {{QStringLiteral("import"), image_, QStringLiteral("-"), team, giants}, "<stdin>"},
        {{QStringLiteral("import"), image_, Path("league.csv"), team, giants,
          QStringLiteral("--dry-run")},
         "league.csv"},
        {{QStringLiteral("diff"), image_, QStringLiteral("--csv"), Path("league.csv"), team,
          giants},
         "league.csv"},
        {{QStringLiteral("diff"), image_, QStringLiteral("--csv"), QStringLiteral("-"), team,
          giants},
         "<stdin>"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.arguments, league);
        const std::string called = c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.status, 2) << called;
        EXPECT_TRUE(run.err.contains("is a league file, which names its teams itself; --team is "
                                     "for a team CSV"))
            << called << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.shown)) << called << ": " << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << called;
    }
    EXPECT_EQ(FileBytes(image_), before);
}

// Japanese is the program's own language: a Japanese locale, C and POSIX, and every language
// without a translation get it; an English locale gets English; --lang, anywhere on the command
// line, says which whatever the locale.
TEST_F(Cli, SpeaksTheLanguageOfTheLocaleUnlessLangSaysOtherwise) {
    const QString japanese = QStringLiteral("tolvanek-cli: 「inf」");
    const QString english = QStringLiteral("tolvanek-cli: unknown command \"inf\"");
    const QString lang = QStringLiteral("--lang");
    const struct {
        const char* locale;
        QStringList arguments;
        QString says;
    } cases[] = {
        {"ja_JP.UTF-8", {QStringLiteral("inf")}, japanese},
        {"C", {QStringLiteral("inf")}, japanese},
        {"POSIX", {QStringLiteral("inf")}, japanese},
        {"fr_FR.UTF-8", {QStringLiteral("inf")}, japanese},
        {"en_GB.UTF-8", {QStringLiteral("inf")}, english},
        {"ja_JP.UTF-8", {lang, QStringLiteral("en"), QStringLiteral("inf")}, english},
        {"ja_JP.UTF-8", {QStringLiteral("inf"), QStringLiteral("--lang=en")}, english},
        {"en_US.UTF-8", {QStringLiteral("inf"), lang, QStringLiteral("ja")}, japanese},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.arguments, {}, QLatin1String(c.locale));
        EXPECT_EQ(run.status, 2) << c.locale;
        EXPECT_TRUE(QString::fromUtf8(run.err).startsWith(c.says))
            << c.locale << " " << c.arguments.join(' ').toStdString() << ": "
            << run.err.toStdString();
    }

    // A language the program does not speak is wrong usage, refused in the locale's language.
    const CliRun german = RunCli({lang, QStringLiteral("de"), QStringLiteral("info"), image_});
    EXPECT_EQ(german.status, 2);
    EXPECT_TRUE(german.err.startsWith("tolvanek-cli: unknown language \"de\" for --lang"))
        << german.err.toStdString();
    const CliRun bare = RunCli({QStringLiteral("info"), image_, lang}, {}, QStringLiteral("C"));
    EXPECT_EQ(bare.status, 2);
    EXPECT_TRUE(QString::fromUtf8(bare.err).startsWith(QStringLiteral("tolvanek-cli: --lang には")))
        << bare.err.toStdString();
}

TEST_F(Cli, HelpIsInEitherLanguageAndListsLang) {
    const CliRun english =
        RunCli({QStringLiteral("--help"), QStringLiteral("--lang"), QStringLiteral("en")});
    EXPECT_EQ(english.status, 0);
    const QString englishHelp = QString::fromUtf8(english.out);
    EXPECT_TRUE(englishHelp.startsWith(QStringLiteral("Usage: tolvanek-cli COMMAND")))
        << english.out.toStdString();
    EXPECT_TRUE(englishHelp.contains(QStringLiteral("--lang <en|ja>")));
    EXPECT_TRUE(englishHelp.contains(QStringLiteral("show what differs between two leagues")));

    const CliRun japanese = RunCli({QStringLiteral("--lang=ja"), QStringLiteral("help")});
    EXPECT_EQ(japanese.status, 0);
    const QString japaneseHelp = QString::fromUtf8(japanese.out);
    EXPECT_TRUE(japaneseHelp.startsWith(QStringLiteral("使い方: tolvanek-cli コマンド")))
        << japanese.out.toStdString();
    EXPECT_TRUE(japaneseHelp.contains(QStringLiteral("--lang <en|ja>")));
    EXPECT_TRUE(japaneseHelp.contains(QStringLiteral("2つのリーグの違いを表示します")));
    // The commands are listed in one voice, the polite one the options use too: each summary
    // ends in ます, a parenthesised note after it aside.
    const QString commands = japaneseHelp.section(QStringLiteral("コマンド:\n"), 1)
                                 .section(QStringLiteral("\n\n"), 0, 0);
    const QStringList lines = commands.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 11) << commands.toStdString();
    const QRegularExpression politeEnd(QStringLiteral("ます(（[^）]*）)?$"));
    for (const QString& line : lines)
        EXPECT_TRUE(politeEnd.match(line).hasMatch()) << line.toStdString();
}

// The files are the same in every language, so that a league kept in files travels between
// fans of either: what one language exports, the other imports, byte for byte.
TEST_F(Cli, FilesExportedInOneLanguageImportInTheOther) {
    const QString lang = QStringLiteral("--lang");
    for (const QStringList& exported :
         {QStringList{QStringLiteral("export"), image_},
          QStringList{QStringLiteral("export"), image_, QStringLiteral("--team"),
                      QStringLiteral("G")}}) {
        const CliRun english = RunCli(exported + QStringList{lang, QStringLiteral("en")});
        const CliRun japanese = RunCli(exported + QStringList{lang, QStringLiteral("ja")});
        EXPECT_EQ(english.status, 0) << english.err.toStdString();
        EXPECT_FALSE(english.out.isEmpty());
        EXPECT_EQ(english.out, japanese.out) << exported.join(' ').toStdString();
    }

    reports::LeagueTexts edited = TextsOf(image_);
    edited[Giants].batters[2][teamdata::BatterColumn::Side - 1] = "両";
    edited[Giants].pitchers[1][teamdata::PitcherColumn::Style - 1] = "左ま";
    const QByteArray csv = exchange::LeagueCsvBytes(edited);
    WriteBytes(Path("edited.csv"), csv);
    const QString output = QStringLiteral("-o");
    for (const char* language : {"en", "ja"}) {
        const QString copy = Path(std::string(language) + ".nes");
        const CliRun run = RunCli({QStringLiteral("import"), image_, Path("edited.csv"), output,
                                   copy, lang, QLatin1String(language)});
        EXPECT_EQ(run.status, 0) << language << run.err.toStdString();
        EXPECT_EQ(exchange::LeagueCsvBytes(TextsOf(copy)), csv) << language;
    }
    EXPECT_EQ(FileBytes(Path("en.nes")), FileBytes(Path("ja.nes")));
}

// The hostile cases of an audit that lost data: an output that names an input (itself, through a
// link, through a hard link), an empty path. Each is refused as wrong usage and no file changes.
TEST_F(Cli, AnOutputThatIsAnInputOrAnEmptyPathIsRefusedAndChangesNothing) {
    WriteBytes(Path("edit.csv"), exchange::LeagueCsvBytes(TextsOf(image_)));
    ASSERT_EQ(RunCli({QStringLiteral("patch"), image_, image_, QStringLiteral("-o"), Path("p.bps")})
                  .status,
              0);
    std::filesystem::create_symlink("game.nes", dir_.File("link.nes"));
    std::filesystem::create_hard_link(dir_.File("edit.csv"), dir_.File("hard.csv"));
    const QStringList files = {image_, Path("edit.csv"), Path("p.bps")};
    std::vector<QByteArray> before;
    for (const QString& file : files)
        before.push_back(FileBytes(file));

    const QString o = QStringLiteral("-o");
    const QStringList cases[] = {
        {QStringLiteral("export"), image_, o, image_},
        {QStringLiteral("export"), image_, o, Path("link.nes")},
        {QStringLiteral("import"), image_, Path("edit.csv"), o, Path("edit.csv")},
        {QStringLiteral("import"), image_, Path("edit.csv"), o, Path("hard.csv")},
        {QStringLiteral("import"), image_, Path("edit.csv"), o, QString()},
        {QStringLiteral("apply"), image_, Path("p.bps"), o, Path("p.bps")},
        {QStringLiteral("apply"), image_, Path("p.bps"), o, QString()},
        {QStringLiteral("patch"), image_, Path("edit.csv"), o, Path("link.nes")},
        {QStringLiteral("info"), QString()},
    };
    for (const QStringList& arguments : cases) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString() << run.err.toStdString();
    }
    for (qsizetype i = 0; i < files.size(); ++i)
        EXPECT_EQ(FileBytes(files[i]), before[static_cast<std::size_t>(i)])
            << files[i].toStdString();
}

// "< edit.csv" and ">> game.nes" make files inputs as surely as naming them does.
TEST_F(Cli, StandardInputAndOutputCountAsTheFilesBehindThem) {
    const QByteArray league = exchange::LeagueCsvBytes(TextsOf(image_));
    WriteBytes(Path("edit.csv"), league);
    const QByteArray image = FileBytes(image_);
    const QString o = QStringLiteral("-o");
    const QString standardInput = QStringLiteral("-");

    for (const QStringList& arguments :
         {QStringList{QStringLiteral("import"), image_, standardInput, o, Path("edit.csv")},
          QStringList{QStringLiteral("diff"), image_, QStringLiteral("--csv"), standardInput, o,
                      Path("edit.csv")}}) {
        const CliRun run = RunCli(arguments, {}, English, {}, Path("edit.csv"));
        EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("standard input")) << run.err.toStdString();
        EXPECT_EQ(FileBytes(Path("edit.csv")), league);
    }
    for (const QStringList& arguments : {QStringList{QStringLiteral("export"), image_},
                                         QStringList{QStringLiteral("show"), image_},
                                         QStringList{QStringLiteral("info"), image_}}) {
        const CliRun run = RunCli(arguments, {}, English, image_);
        EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("standard output")) << run.err.toStdString();
        EXPECT_EQ(FileBytes(image_), image);
    }
    const CliRun both =
        RunCli({QStringLiteral("import"), image_, standardInput, QStringLiteral("--dry-run")}, {},
               English, Path("edit.csv"), Path("edit.csv"));
    EXPECT_EQ(both.status, 2) << both.err.toStdString();
    EXPECT_EQ(FileBytes(Path("edit.csv")), league);

    // Other files behind them are read and written as before.
    const CliRun copied =
        RunCli({QStringLiteral("import"), image_, standardInput, o, Path("copy.nes")}, {}, English,
               Path("summary.txt"), Path("edit.csv"));
    EXPECT_EQ(copied.status, 0) << copied.err.toStdString();
    EXPECT_EQ(FileBytes(Path("copy.nes")), image);
    EXPECT_TRUE(FileBytes(Path("summary.txt")).contains("0 of 16 teams rewritten"));
}

// Every command that writes a file takes the lock the import takes, waits for it as long as
// --wait says, names who holds it, and writes nothing when the time passes.
TEST_F(Cli, EveryWriterWaitsForTheLockOnItsTargetAndGivesUpWithStatus3) {
    testsupport::ImageBuilder()
        .FillValidTeams()
        .SetColors(5, 0x16, 0x30)
        .WriteTo(dir_.File("edited.nes"));
    ASSERT_EQ(RunCli({QStringLiteral("patch"), image_, Path("edited.nes"), QStringLiteral("-o"),
                      Path("edit.bps")})
                  .status,
              0);
    WriteBytes(Path("edit.csv"), exchange::LeagueCsvBytes(TextsOf(Path("edited.nes"))));
    for (const char* name : {"locked.nes", "locked.bps", "locked.txt"})
        WriteBytes(Path(name), "held\n");
    const QString o = QStringLiteral("-o");
    const QStringList writers[] = {
        {QStringLiteral("apply"), image_, Path("edit.bps"), o, Path("locked.nes")},
        {QStringLiteral("export"), image_, o, Path("locked.nes")},
        {QStringLiteral("overview"), image_, o, Path("locked.nes")},
        {QStringLiteral("patch"), image_, Path("edited.nes"), o, Path("locked.bps")},
        {QStringLiteral("diff"), image_, Path("edited.nes"), o, Path("locked.txt")},
        {QStringLiteral("import"), image_, Path("edit.csv"), o, Path("locked.nes")},
        {QStringLiteral("import"), Path("locked.nes"), Path("edit.csv"), QStringLiteral("--force")},
    };
    const QByteArray holder = QStringLiteral("process %1").arg(getpid()).toUtf8();
    {
        std::vector<teamdata::ImageLock> locks;
        for (const char* name : {"locked.nes", "locked.bps", "locked.txt"})
            locks.push_back(teamdata::ImageLock::Acquire(dir_.File(name).string()));
        for (const QStringList& writer : writers) {
            SCOPED_TRACE(writer.join(' ').toStdString());
            const CliRun waited =
                RunCli(writer + QStringList{QStringLiteral("--wait"), QStringLiteral("0.3")});
            EXPECT_EQ(waited.status, 3) << waited.err.toStdString();
            EXPECT_TRUE(waited.err.contains("waiting up to 0.3 seconds"))
                << waited.err.toStdString();
            EXPECT_TRUE(waited.err.contains("still locked by " + holder +
                                            " (cli_tests) after 0.3 "
                                            "seconds; nothing was written"))
                << waited.err.toStdString();
            const CliRun atOnce =
                RunCli(writer + QStringList{QStringLiteral("--wait"), QStringLiteral("0")});
            EXPECT_EQ(atOnce.status, 3) << atOnce.err.toStdString();
            EXPECT_FALSE(atOnce.err.contains("waiting")) << atOnce.err.toStdString();
            EXPECT_TRUE(atOnce.err.contains("is locked by " + holder)) << atOnce.err.toStdString();
        }
        for (const char* name : {"locked.nes", "locked.bps", "locked.txt"})
            EXPECT_EQ(FileBytes(Path(name)), "held\n") << name;
    }
    // Let go in time, the lock is taken and the file written.
    auto lock = std::make_optional(teamdata::ImageLock::Acquire(dir_.File("locked.nes").string()));
    QProcess apply;
    StartCli(apply, writers[0]);
    apply.setReadChannel(QProcess::StandardError);
    ASSERT_TRUE(apply.waitForReadyRead(20000));
    EXPECT_TRUE(apply.readAllStandardError().contains("waiting up to 30 seconds"));
    lock.reset();
    ASSERT_TRUE(apply.waitForFinished(20000));
    EXPECT_EQ(apply.exitCode(), 0);
    EXPECT_EQ(FileBytes(Path("locked.nes")), FileBytes(Path("edited.nes")));

    const CliRun badWait =
        RunCli(writers[1] + QStringList{QStringLiteral("--wait"), QStringLiteral("-1")});
    EXPECT_EQ(badWait.status, 2);
}

// An import holding the image inside its write: whoever waited for it finds the image replaced
// and keeps the import's result rather than writing over it unseen.
TEST_F(Cli, AWriterThatWaitedWritesNothingOverWhatTheHolderWrote) {
    testsupport::ImageBuilder()
        .FillValidTeams()
        .SetColors(5, 0x16, 0x30)
        .WriteTo(dir_.File("edited.nes"));
    ASSERT_EQ(RunCli({QStringLiteral("patch"), image_, Path("edited.nes"), QStringLiteral("-o"),
                      Path("edit.bps")})
                  .status,
              0);
    const QString target = Path("c.nes");
    std::filesystem::copy_file(dir_.File("game.nes"), dir_.File("c.nes"));
    auto lock = std::make_optional(teamdata::ImageLock::Acquire(target.toStdString()));
    for (const QStringList& writer :
         {QStringList{QStringLiteral("apply"), image_, Path("edit.bps"), QStringLiteral("-o"),
                      target},
          QStringList{QStringLiteral("export"), image_, QStringLiteral("-o"), target}}) {
        SCOPED_TRACE(writer.join(' ').toStdString());
        if (!lock)
            lock = teamdata::ImageLock::Acquire(target.toStdString());
        QProcess waiter;
        StartCli(waiter, writer);
        waiter.setReadChannel(QProcess::StandardError);
        ASSERT_TRUE(waiter.waitForReadyRead(20000));
        const std::vector<std::uint8_t> theirs =
            testsupport::ImageBuilder().FillValidTeams().SetColors(7, 0x21, 0x11).Bytes();
        ASSERT_TRUE(teamdata::WriteFileSafely(target.toStdString(), theirs, {&*lock}).Written());
        lock.reset();
        ASSERT_TRUE(waiter.waitForFinished(20000));
        const QByteArray err = waiter.readAllStandardError();
        EXPECT_EQ(waiter.exitCode(), 1) << err.toStdString();
        EXPECT_TRUE(err.contains("written by another program")) << err.toStdString();
        EXPECT_EQ(FileBytes(target), QByteArray(reinterpret_cast<const char*>(theirs.data()),
                                                static_cast<qsizetype>(theirs.size())));
    }
}

// A file that is not what the importer reads is named for what it is, with status 1 (refused
// data), never taken for a team CSV that wants --team; a huge one is refused before it is read.
TEST_F(Cli, AFileThatIsNoLeagueFileIsNamedForWhatItIs) {
    const QByteArray league = exchange::LeagueCsvBytes(TextsOf(image_));
    const QByteArray firstLine = league.left(league.indexOf('\n') + 1);
    const struct {
        QByteArray bytes;
        int status;
        const char* says;
    } cases[] = {
        {QByteArray("\xFF\xFE") + QByteArray("c\0s\0v\0"), 1, "UTF-16"},
        {QByteArray(4096, '\0'), 1, "zero byte"},
        {"\r\n" + league, 0, "0 of 16 teams"},
        {league.mid(firstLine.size()), 1, "before the first team line"},
        {QByteArray(exchange::MaxCsvFileSize + 1, '\n'), 1, "larger than"},
        {QByteArray("a,b\r\n"), 1, "neither a league file"},
        {exchange::TeamCsvBytes(TextsOf(image_)[0]), 2, "--team"},
    };
    for (const auto& c : cases) {
        WriteBytes(Path("in.csv"), c.bytes);
        const CliRun run =
            RunCli({QStringLiteral("import"), image_, Path("in.csv"), QStringLiteral("--dry-run")});
        EXPECT_EQ(run.status, c.status) << c.says << ": " << run.err.toStdString();
        EXPECT_TRUE((run.err + run.out).contains(c.says)) << run.err.toStdString();
    }
}

// A result that the image check refuses (nothing left of the image, or no iNES header) is never
// written, whatever the patch format says.
TEST_F(Cli, ApplyWritesNoResultThatIsNoImageOfThisGame) {
    const QByteArray truncatedToNothing = QByteArray("PATCHEOF") + QByteArray(3, '\0');
    const QByteArray overTheHeader = QByteArray("PATCH") + QByteArray("\0\0\0\0\x04", 5) +
                                     QByteArray("JUNK") + QByteArray("EOF");
    for (const QByteArray& patch : {truncatedToNothing, overTheHeader}) {
        WriteBytes(Path("p.ips"), patch);
        const CliRun run =
            RunCli({QStringLiteral("apply"), image_, Path("p.ips"), QStringLiteral("-o"),
                    Path("out.nes"), QStringLiteral("--force")});
        EXPECT_EQ(run.status, 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("no image of this game")) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(Path("out.nes")));
    }
}

// Every command checks its last write: a summary that cannot reach standard output is a failure.
TEST_F(Cli, ACommandWhoseOutputCannotBeWrittenFails) {
    WriteBytes(Path("edit.csv"), exchange::LeagueCsvBytes(TextsOf(image_)));
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("info"), image_},
          QStringList{QStringLiteral("import"), image_, Path("edit.csv"),
                      QStringLiteral("--dry-run")},
          QStringList{QStringLiteral("import"), image_, Path("edit.csv")}}) {
        const CliRun run = RunCli(arguments, {}, English, QStringLiteral("/dev/full"));
        EXPECT_EQ(run.status, 3) << arguments.join(' ').toStdString();
    }
}

// File names are bytes: one that is no UTF-8 is read and written under its own name, and a
// message shows it (and any control character read from a file) escaped.
TEST_F(Cli, FileNamesThatAreNoUtf8KeepTheirBytesAndMessagesShowThemEscaped) {
    const std::string odd = dir_.File("g\x83"
                                      "e.nes")
                                .string();
    std::filesystem::copy_file(dir_.File("game.nes"), odd);
    const QString oddArgument = exchange::PathFromNative(odd);
    std::stringstream in, out, err;
    EXPECT_EQ(cli::RunCommandLine({QStringLiteral("export"), oddArgument, QStringLiteral("-o"),
                                   exchange::PathFromNative(dir_.File("o\x83"
                                                                      "e.csv")
                                                                .string())},
                                  in, out, err),
              cli::Done)
        << err.str();
    EXPECT_TRUE(std::filesystem::exists(dir_.File("o\x83"
                                                  "e.csv")));

    reports::LeagueTexts edited = TextsOf(image_);
    edited[0].batters[0][0] = "や\rま";
    WriteBytes(Path("cr.csv"), exchange::LeagueCsvBytes(edited));
    EXPECT_EQ(cli::RunCommandLine({QStringLiteral("import"), oddArgument, Path("cr.csv"),
                                   QStringLiteral("-o"), Path("x\x01.nes")},
                                  in, out, err),
              cli::DataRefused);
    EXPECT_NE(err.str().find("\"\\r\""), std::string::npos) << err.str();
    EXPECT_EQ(err.str().find('\r'), std::string::npos);
}

// What the program's own files beside `folder` hold: none may be left by a write.
std::vector<std::string> TemporaryFilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().find(".tolvanek-") != std::string::npos)
            names.push_back(entry.path().filename().string());
    return names;
}

// A name is its bytes: a byte-order mark at its start is part of it, so another file of the name
// without one is neither read nor written.
TEST_F(Cli, AFileNameStartingWithAByteOrderMarkNamesThatFileAlone) {
    WriteBytes(Path("edit.csv"), exchange::LeagueCsvBytes([&] {
                   reports::LeagueTexts edited = TextsOf(image_);
                   edited[Giants].batters[0][teamdata::BatterColumn::Average - 1] = "398";
                   return edited;
               }()));
    std::filesystem::copy_file(dir_.File("game.nes"), dir_.File("bom.nes"));
    std::filesystem::copy_file(dir_.File("game.nes"), dir_.File("\xEF\xBB\xBF"
                                                                "bom.nes"));
    const QByteArray plain = FileBytes(Path("bom.nes"));
    const QString marked = QString::fromStdString(dir_.Path().string()) + QLatin1Char('/') +
                           QChar(0xFEFF) + QStringLiteral("bom.nes");
    const CliRun imported = RunCli({QStringLiteral("import"), marked, Path("edit.csv")});
    EXPECT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_EQ(FileBytes(Path("bom.nes")), plain);
    EXPECT_NE(FileBytes(marked), plain);
    EXPECT_EQ(TextsOf(marked)[Giants].batters[0][teamdata::BatterColumn::Average - 1], "398");
}

// A file-size limit (ulimit -f) and a closed or odd standard stream are file faults with their
// reason and status 3, never the end of the program by a signal, and leave no temporary file.
TEST_F(Cli, AFileSizeLimitOrAClosedStandardStreamIsAFileFaultWithItsReason) {
    WriteBytes(Path("edit.csv"), exchange::LeagueCsvBytes(TextsOf(image_)));
    const QByteArray before = FileBytes(image_);
    const auto limited = [] {
        const rlimit small{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &small);
    };
    const QString o = QStringLiteral("-o");
    const QStringList limitedCases[] = {
        {QStringLiteral("import"), image_, Path("edit.csv"), o, Path("copy.nes")},
        {QStringLiteral("export"), image_, o, Path("league.csv")},
        {QStringLiteral("overview"), image_, o, Path("overview.html")},
    };
    for (const QStringList& arguments : limitedCases) {
        const CliRun run = RunCli(arguments, {}, English, {}, {}, limited);
        EXPECT_EQ(run.status, 3) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("the file is too large")) << run.err.toStdString();
    }
    EXPECT_EQ(TemporaryFilesIn(dir_.Path()), std::vector<std::string>{});
    EXPECT_EQ(FileBytes(image_), before);

    const QStringList fromInput = {QStringLiteral("import"), image_, QStringLiteral("-"),
                                   QStringLiteral("--dry-run")};
    const CliRun closed = RunCli(fromInput, {}, English, {}, {}, [] { close(STDIN_FILENO); });
    EXPECT_EQ(closed.status, 3);
    EXPECT_TRUE(closed.err.contains("cannot read standard input: it is closed"))
        << closed.err.toStdString();
    const std::string folder = dir_.Path().string();
    const CliRun fromFolder = RunCli(fromInput, {}, English, {}, {}, [&] {
        const int opened = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
        dup2(opened, STDIN_FILENO);
    });
    EXPECT_EQ(fromFolder.status, 3);
    EXPECT_TRUE(fromFolder.err.contains("cannot read standard input: it is a folder"))
        << fromFolder.err.toStdString();
}

// Every failure names its reason in the user's language: an image that cannot be read, an image
// written to a device, an output that is a socket.
TEST_F(Cli, EveryFileFaultSaysWhyInTheUsersLanguage) {
    WriteBytes(Path("edit.csv"), exchange::LeagueCsvBytes(TextsOf(image_)));
    const CliRun missing = RunCli({QStringLiteral("info"), Path("missing.nes")});
    EXPECT_EQ(missing.status, 3);
    EXPECT_TRUE(missing.err.contains("the file cannot be read: no such file or folder"))
        << missing.err.toStdString();

    const CliRun device = RunCli({QStringLiteral("import"), image_, Path("edit.csv"),
                                  QStringLiteral("-o"), QStringLiteral("/dev/null")});
    EXPECT_EQ(device.status, 3);
    EXPECT_TRUE(device.err.contains("cannot create /dev/null: it is not a regular file"))
        << device.err.toStdString();

    const std::string socketPath = dir_.File("s").string();
    const int listening = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const QStringList intoSocket = {QStringLiteral("export"), image_, QStringLiteral("-o"),
                                    Path("s")};
    const CliRun english = RunCli(intoSocket);
    EXPECT_EQ(english.status, 3);
    EXPECT_TRUE(english.err.contains("no device or reader is behind the name"))
        << english.err.toStdString();
    const CliRun japanese = RunCli(intoSocket, {}, QStringLiteral("ja_JP.UTF-8"));
    EXPECT_EQ(japanese.status, 3);
    EXPECT_FALSE(japanese.err.contains("No such device")) << japanese.err.toStdString();
    EXPECT_FALSE(japanese.err.contains("reader is behind")) << japanese.err.toStdString();
    close(listening);
}

// The note about a stopped save comes with every opening of the image until a save of it
// succeeds; the copy it names is then older than the image and is gone.
TEST_F(Cli, TheNoteAboutAStoppedSaveEndsWithTheNextSuccessfulSave) {
    const std::filesystem::path copy = dir_.File(".game.nes.tolvanek-new-0badc0de.nes");
    std::filesystem::copy_file(dir_.File("game.nes"), copy);
    reports::LeagueTexts edited = TextsOf(image_);
    edited[Giants].batters[0][teamdata::BatterColumn::Average - 1] = "398";
    WriteBytes(Path("edit.csv"), exchange::LeagueCsvBytes(edited));
    EXPECT_TRUE(RunCli({QStringLiteral("info"), image_}).err.contains("was stopped"));
    const CliRun imported = RunCli({QStringLiteral("import"), image_, Path("edit.csv")});
    EXPECT_EQ(imported.status, 0) << imported.err.toStdString();
    const CliRun after = RunCli({QStringLiteral("info"), image_});
    EXPECT_EQ(after.status, 0);
    EXPECT_TRUE(after.err.isEmpty()) << after.err.toStdString();
    EXPECT_FALSE(std::filesystem::exists(copy));

    // A copy that cannot be removed after a save that went through is said, with status 3.
    std::filesystem::copy_file(dir_.File("game.nes"), copy);
    edited[Giants].batters[0][teamdata::BatterColumn::Average - 1] = "396";
    WriteBytes(Path("edit.csv"), exchange::LeagueCsvBytes(edited));
    teamdata::SetWriteStepHookForTests(
        [](teamdata::WriteStep step) { return step != teamdata::WriteStep::RemoveCopy; });
    std::stringstream in, out, err;
    const int status =
        cli::RunCommandLine({QStringLiteral("import"), image_, Path("edit.csv")}, in, out, err);
    teamdata::SetWriteStepHookForTests(nullptr);
    EXPECT_EQ(status, cli::FileFailed);
    EXPECT_NE(err.str().find("holds the new content, but the older copy"), std::string::npos)
        << err.str();
    EXPECT_EQ(TextsOf(image_)[Giants].batters[0][teamdata::BatterColumn::Average - 1], "396");
    EXPECT_TRUE(std::filesystem::exists(copy));
}

TEST_F(Cli, RoundOnRequestTakesRealNumbersAndListsEveryRoundedCell) {
    reports::LeagueTexts edited = TextsOf(image_);
    edited[Giants].batters[0][teamdata::BatterColumn::Average - 1] = ".313";
    edited[Giants].pitchers[1][teamdata::PitcherColumn::Era - 1] = "2.35";
    edited[Giants].pitchers[2][teamdata::PitcherColumn::Era - 1] = "4";
    edited[Giants].pitchers[3][teamdata::PitcherColumn::Stamina - 1] = "many";
    WriteBytes(Path("league.csv"), exchange::LeagueCsvBytes(edited));
    const QByteArray original = FileBytes(image_);

    // Without asking, every number off its step is refused as before, an ERA of 4 too.
    const CliRun refused =
        RunCli({QStringLiteral("import"), image_, Path("league.csv"), QStringLiteral("--dry-run")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(QString::fromUtf8(refused.err).count(QStringLiteral("the editor does not offer")), 3)
        << refused.err.toStdString();
    // Asked, the numbers are rounded and listed; what is no number is still refused.
    const CliRun stillRefused = RunCli({QStringLiteral("import"), image_, Path("league.csv"),
                                        QStringLiteral("--dry-run"), QStringLiteral("--round")});
    EXPECT_EQ(stillRefused.status, 1);
    EXPECT_TRUE(stillRefused.err.contains("not a number")) << stillRefused.err.toStdString();

    edited[Giants].pitchers[3][teamdata::PitcherColumn::Stamina - 1] = "20.4";
    WriteBytes(Path("league.csv"), exchange::LeagueCsvBytes(edited));
    const CliRun rounded = RunCli({QStringLiteral("import"), image_, Path("league.csv"),
                                   QStringLiteral("--dry-run"), QStringLiteral("--round")});
    EXPECT_EQ(rounded.status, 0) << rounded.err.toStdString();
    const QString notes = QString::fromUtf8(rounded.err);
    EXPECT_TRUE(notes.contains(QStringLiteral("\".313\" was read as 314"))) << notes.toStdString();
    EXPECT_TRUE(notes.contains(QStringLiteral("\"2.35\" was read as 240"))) << notes.toStdString();
    EXPECT_TRUE(notes.contains(QStringLiteral("\"20.4\" was read as 20"))) << notes.toStdString();
    // An ERA of 4 is 4.00 as a spreadsheet writes it: nothing rounded, nothing to tell.
    EXPECT_FALSE(notes.contains(QStringLiteral("\"4\""))) << notes.toStdString();
    EXPECT_TRUE(rounded.out.contains("AVG: ")) << rounded.out.toStdString();
    EXPECT_EQ(FileBytes(image_), original);

    // The comparison with the CSV file rounds alike, and the import writes what it listed.
    const CliRun diff = RunCli({QStringLiteral("diff"), image_, QStringLiteral("--csv"),
                                Path("league.csv"), QStringLiteral("--round")});
    EXPECT_EQ(diff.status, 1) << diff.err.toStdString();
    EXPECT_TRUE(diff.out.contains("→ 314")) << diff.out.toStdString();
    const CliRun run = RunCli({QStringLiteral("import"), image_, Path("league.csv"),
                               QStringLiteral("--round"), QStringLiteral("-o"), Path("copy.nes")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    const reports::LeagueTexts written = TextsOf(Path("copy.nes"));
    EXPECT_EQ(written[Giants].batters[0][teamdata::BatterColumn::Average - 1], "314");
    EXPECT_EQ(written[Giants].pitchers[1][teamdata::PitcherColumn::Era - 1], "240");
    EXPECT_EQ(written[Giants].pitchers[2][teamdata::PitcherColumn::Era - 1], "400");
    EXPECT_EQ(written[Giants].pitchers[3][teamdata::PitcherColumn::Stamina - 1], "20");
}

TEST_F(Cli, SeasonReportsTheSheetsAndTheRulesErrorsAtTheirLinesAndWritesNothing) {
    WriteBytes(Path("sheet.csv"), "team,name,role,AVG\nGiants,ﾀﾞｼｬ,B,.300\nＧ,ﾀﾞｼｬ,X,.300\n");
    WriteBytes(Path("rules.toml"), "[batter.\"走力\"]\nstatistic = \"SB\"\n"
                                   "thresholds = [[10, 20], [5, 30]]\n");
    const QByteArray original = FileBytes(image_);
    const CliRun sheet =
        RunCli({QStringLiteral("season"), Path("sheet.csv"), QStringLiteral("--image"), image_});
    EXPECT_EQ(sheet.status, 1);
    const QStringList lines = QString::fromUtf8(sheet.err).split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 3) << sheet.err.toStdString();
    EXPECT_TRUE(lines[0].startsWith(Path("sheet.csv") + QStringLiteral(":2:1: Giants is neither")))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(Path("sheet.csv") + QStringLiteral(":3:3: X is no role")))
        << lines[1].toStdString();
    const CliRun rules =
        RunCli({QStringLiteral("season"), Path("sheet.csv"), QStringLiteral("--image"), image_,
                QStringLiteral("--rules"), Path("rules.toml")});
    EXPECT_EQ(rules.status, 1);
    EXPECT_TRUE(
        rules.err.startsWith((Path("rules.toml") + QStringLiteral(":3: the thresholds")).toUtf8()))
        << rules.err.toStdString();
    const CliRun noImage = RunCli({QStringLiteral("season"), Path("sheet.csv")});
    EXPECT_EQ(noImage.status, 2);
    EXPECT_EQ(FileBytes(image_), original);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    // What the tests compute in-process (a team's HTML page) in the language the program is run
    // in.
    exchange::InstallTranslations(application, exchange::Language::English);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
