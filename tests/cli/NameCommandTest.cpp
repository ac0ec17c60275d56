// SPDX-License-Identifier: MIT
// tolvanek-cli name as a script runs it: the built program as a process, with the real dictionary
// and with none.

#include "ImageBuilder.h"
#include "Import.h"
#include "KanjiReader.h"
#include "LeagueCsv.h"
#include "TeamReport.h"
#include "TempDir.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

struct NameRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

NameRun RunCli(const QStringList& arguments, const QString& dictionaryFolder = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    if (!dictionaryFolder.isEmpty())
        environment.insert(QLatin1String(readings::DictionaryFolderVariable), dictionaryFolder);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TOLVANEK_CLI), arguments);
    EXPECT_TRUE(process.waitForFinished(-1));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

NameRun RunName(const QStringList& arguments, const QString& dictionaryFolder = {}) {
    return RunCli(QStringList{QStringLiteral("name")} + arguments, dictionaryFolder);
}

TEST(CliName, PrintsEachReadingInTheGameSpellingWithItsPlaces) {
    const NameRun run = RunName({QStringLiteral("後藤"), QStringLiteral("勅使河原"),
                                 QStringLiteral("ささき"), QStringLiteral("髙橋")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'));
    EXPECT_EQ(lines.first(), QStringLiteral("後藤\tこ゛とう\t4"));
    EXPECT_TRUE(lines.contains(QStringLiteral("勅使河原\tてしか゛わら\t6")));
    EXPECT_TRUE(lines.contains(QStringLiteral("ささき\tささき\t3")));
    EXPECT_TRUE(lines.contains(QStringLiteral("髙橋\tたかはし\t4")));
    // The surname reading comes before the others of the same text.
    EXPECT_EQ(lines.indexOf(QStringLiteral("髙橋\tたかはし\t4")),
              lines.indexOf(QRegularExpression(QStringLiteral("髙橋\t.*"))));

    const NameRun csv =
        RunName({QStringLiteral("--format"), QStringLiteral("csv"), QStringLiteral("中田")});
    EXPECT_EQ(csv.status, 0) << csv.err.toStdString();
    EXPECT_TRUE(csv.out.startsWith("text,reading,spelling,places\r\n中田,なかた,なかた,3\r\n"
                                   "中田,なかだ,なかた゛,4\r\n"));
}

TEST(CliName, NamesWhatHasNoReadingAndTheMissingDictionary) {
    const NameRun unreadable =
        RunName({QStringLiteral("山田😀"), QStringLiteral("★"), QStringLiteral("林")});
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_TRUE(unreadable.out.startsWith("林\tはやし\t3\n"));
    EXPECT_TRUE(unreadable.err.contains("\"山田😀\" has no reading"));
    EXPECT_TRUE(unreadable.err.contains("\"★\" has no reading"));

    testsupport::TempDir empty;
    const QString folder = QString::fromStdString(empty.Path().string());
    const NameRun missing = RunName({QStringLiteral("さとう"), QStringLiteral("佐藤")}, folder);
    EXPECT_EQ(missing.status, 3);
    // What needs no dictionary is still read.
    EXPECT_EQ(missing.out, "さとう\tさとう\t3\n");
    EXPECT_TRUE(missing.err.contains("install the Debian package mecab-ipadic-utf8"));
    EXPECT_TRUE(missing.err.contains(folder.toUtf8()));

    EXPECT_EQ(
        RunName({QStringLiteral("--format"), QStringLiteral("html"), QStringLiteral("林")}).status,
        2);
}

// The import reads kanji only when asked, names every reading it took, and cuts no name.
TEST(CliName, ImportReadsKanjiOnlyWithReadKanji) {
    testsupport::TempDir dir;
    const std::string image = dir.File("game.nes").string();
    testsupport::ImageBuilder builder;
    builder.FillValidTeams().WriteTo(image);
    const auto teamCsv = [&](const char* first, const char* second) {
        constexpr std::size_t giants = 3; // "Ｇ" in image order
        teamdata::TeamTexts team = plans::LeagueTextsOf(builder.Bytes())[giants];
        team.batters[0][teamdata::BatterColumn::Name - 1] = first;
        team.batters[1][teamdata::BatterColumn::Name - 1] = second;
        const std::string path = dir.File(std::string(first) + ".csv").string();
        QFile file(QString::fromStdString(path));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(reports::BuildCsv(
            reports::BatterGrid(team.batters), reports::PitcherGrid(team.pitchers))));
        return QString::fromStdString(path);
    };
    const QString readable = teamCsv("中田", "髙橋");
    const QStringList dryRun = {
        QStringLiteral("import"), QString::fromStdString(image), readable,
        QStringLiteral("--team"), QStringLiteral("Ｇ"),          QStringLiteral("--dry-run")};
    const NameRun unasked = RunCli(dryRun);
    EXPECT_EQ(unasked.status, 1);
    EXPECT_TRUE(unasked.err.contains("\"中\"")) << unasked.err.toStdString();

    const NameRun asked = RunCli(dryRun + QStringList{QStringLiteral("--read-kanji")});
    EXPECT_EQ(asked.status, 0) << asked.err.toStdString();
    EXPECT_TRUE(asked.err.contains("the name \"中田\" is read \"なかた　　\"; other readings: "
                                   "なかだ"))
        << asked.err.toStdString();
    EXPECT_TRUE(asked.err.contains("the name \"髙橋\" is read \"たかはし　\""));
    EXPECT_TRUE(asked.out.contains("→ なかた"));

    const QString tooLong = teamCsv("勅使河原", "毒島");
    const NameRun refused =
        RunCli({QStringLiteral("import"), QString::fromStdString(image), tooLong,
                QStringLiteral("--team"), QStringLiteral("Ｇ"), QStringLiteral("--read-kanji")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("6 at the fewest")) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("てしがわら"));
    EXPECT_TRUE(refused.err.contains("ぶすじま"));
}

// A season sheet in kanji goes the import's way: read only when asked, every reading noted, and
// without the dictionary the error names its package.
TEST(CliName, SeasonReadsTheSheetsKanjiOnlyWithReadKanji) {
    testsupport::TempDir dir;
    const std::string image = dir.File("game.nes").string();
    testsupport::ImageBuilder().FillValidTeams().WriteTo(image);
    std::string sheet = "team,name,role,POS,AVG,HR,SB,ERA,IP,velocity,throws\n";
    const char* const positions[] = {"C", "1B", "2B", "3B", "SS", "LF", "CF", "RF"};
    const char* const names[] = {"中田", "髙橋", "中田"};
    for (std::size_t i = 0; i < 13; ++i)
        sheet += std::string("Ｇ,") + (i < 3 ? names[i] : "ﾀﾞｼｬ" + std::to_string(i % 10)) + ",B," +
                 (i < 8 ? positions[i] : "LF") + ",.3" + std::to_string(10 + i) + ",1,1,,,,\n";
    for (int i = 0; i < 5; ++i)
        sheet += "Ｇ,ﾄｳｼｭ" + std::to_string(i) + ",P,,,,,2.3" + std::to_string(i) + ",100,147,L\n";
    const QString sheetPath = QString::fromStdString(dir.File("sheet.csv").string());
    QFile file(sheetPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(sheet));
    file.close();
    const QStringList dryRun = {QStringLiteral("season"), sheetPath, QStringLiteral("--image"),
                                QString::fromStdString(image), QStringLiteral("--dry-run")};

    const NameRun unasked = RunCli(dryRun);
    EXPECT_EQ(unasked.status, 1);
    EXPECT_TRUE(unasked.err.contains("sheet.csv:2:2: 中田 is written in kanji"))
        << unasked.err.toStdString();

    const QStringList asked = dryRun + QStringList{QStringLiteral("--read-kanji")};
    const NameRun read = RunCli(asked);
    EXPECT_EQ(read.status, 0) << read.err.toStdString();
    EXPECT_TRUE(read.err.contains("sheet.csv:2:2: note: the name \"中田\" is read \"なかた　　\"; "
                                  "other readings: なかだ"))
        << read.err.toStdString();
    EXPECT_TRUE(read.err.contains("the name \"髙橋\" is read \"たかはし　\""));
    EXPECT_TRUE(read.err.contains("sheet.csv:4:2: note: the name \"中田\" is read \"なかた　　\" "
                                  "as the name at line 2 is"));
    EXPECT_TRUE(read.out.contains("→ なかた")) << read.out.toStdString();

    testsupport::TempDir empty;
    const NameRun missing = RunCli(asked, QString::fromStdString(empty.Path().string()));
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains("install the Debian package mecab-ipadic-utf8"))
        << missing.err.toStdString();
}

} // namespace
