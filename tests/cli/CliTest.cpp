// SPDX-License-Identifier: MIT
// tolvanek-cli run as a script runs it: the built program as a process, without a display, its
// outputs compared with what the shared functions give the window.

#include "ImageBuilder.h"
#include "TempDir.h"

#include "CliText.h"
#include "CommandLine.h"
#include "Files.h"
#include "ImageFile.h"
#include "League.h"
#include "Patch.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

struct CliRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// The command line speaks the locale's language; the tests read its English unless they say
// otherwise.
const QString English = QStringLiteral("en_US.UTF-8");

CliRun RunCli(const QStringList& arguments, const QByteArray& input = {},
              const QString& locale = English, const QString& outputFile = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_MESSAGES"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("LC_ALL"), locale);
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
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
    EXPECT_EQ(lines.size(), 8) << commands.toStdString();
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
        {QByteArray(4096, '\0'), 1, "zero bytes"},
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
    const QString oddArgument = PathFromNative(odd);
    std::stringstream in, out, err;
    EXPECT_EQ(cli::RunCommandLine({QStringLiteral("export"), oddArgument, QStringLiteral("-o"),
                                   PathFromNative(dir_.File("o\x83"
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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    // What the tests compute in-process (a team's HTML page) in the language the program is run
    // in.
    exchange::InstallTranslations(application, exchange::Language::English);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
