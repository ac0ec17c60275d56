// SPDX-License-Identifier: MIT
// The window's commands that set the open image beside another file: the league import's list of
// changes, the comparison window, a received patch applied into a new image, and the image's
// identity, each through its real dialogs.

#include "CompareWindow.h"
#include "ImageInfo.h"
#include "League.h"
#include "LeagueCsv.h"
#include "MainWindowFixture.h"
#include "Patch.h"
#include "ShiftJis.h"

#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QWindow>

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <fstream>

using GuiTest::AnswerNextFileDialog;
using GuiTest::MessageSeen;
using testsupport::ImageBuilder;
using testsupport::ReadFileBytes;
using namespace teamdata;

namespace {

using Bytes = std::vector<std::uint8_t>;

const QString Yes = QStringLiteral("はい(&Y)");

QString Initials(int team) {
    return Q(TRomTeamData::TeamInitials.at(static_cast<std::size_t>(team)));
}

QString Hex(std::uint8_t byte) {
    return QString::asprintf("0x%02X", byte);
}

// The same cartridge data behind a NES 2.0 header instead of an iNES 1.0 one.
Bytes BehindNes20(Bytes image) {
    image[7] = static_cast<std::uint8_t>((image[7] & 0xF0) | 0x08);
    return image;
}

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// Runs tolvanek-cli, as a script would; true when it ended with status 0.
bool RunCli(const QStringList& arguments) {
    QProcess cli;
    cli.start(QStringLiteral(TOLVANEK_CLI), arguments);
    return cli.waitForFinished(30000) && cli.exitStatus() == QProcess::NormalExit &&
           cli.exitCode() == 0;
}

class ExchangeWindow : public MainWindowFixture {};

TEST_F(ExchangeWindow, ALeagueImportListsEveryChangeBeforeWritingAndEnterWritesNothing) {
    const auto image = WriteImage(ValidImage());
    OpenImage(image);
    reports::LeagueTexts league =
        exchange::TextsOf(exchange::RecordsOf(exchange::LoadImage(Q(image))));
    const std::string oldHomeRuns = league[1].batters[0][5];
    league[1].batters[0][5] = oldHomeRuns == "40" ? "41" : "40";
    league[12].colors.helmet = 0x16;
    const auto csv = dir.File("league.csv");
    const QByteArray text = ShiftJis::Encode(Q(reports::BuildLeagueCsv(league)));
    std::ofstream(csv, std::ios::binary).write(text.data(), text.size());

    ChangeListSeen question;
    AnswerNextFileDialog(Q(csv));
    AnswerNextChangeList(question, false);
    MainForm->MenuImportLeagueCSV()->trigger();
    EXPECT_TRUE(GuiTest::NoModalOpen());
    ASSERT_TRUE(question.seen);

    EXPECT_EQ(question.caption, "リーグCSV取込");
    EXPECT_EQ(question.headers,
              QStringList({"チーム", "区分", "行", "名前", "項目", "変更前", "変更後"}));
    EXPECT_EQ(question.rows,
              QStringList({Initials(1) + "|打者|1|" + Q(league[1].batters[0][0]) + "|本　塁　打|" +
                               Q(oldHomeRuns) + "|" + Q(league[1].batters[0][5]),
                           Initials(12) + "|色|||ヘルメット|" +
                               Hex(ImageBuilder::ValidHelmetColor(12)) + "|0x16"}));
    EXPECT_EQ(question.message,
              "2チームのデータを次のとおり書き換えます。イメージファイルにはすぐに"
              "書き込みます。\n" +
                  Initials(1) + "：1 セル\n" + Initials(12) + "：1 色\nよろしいですか？");
    EXPECT_TRUE(question.noIsDefault);
    // Enter answered: the image is as it was.
    EXPECT_EQ(ReadFileBytes(image), ValidImage().Bytes());
}

TEST_F(ExchangeWindow, AComparisonStaysBesideTheWindowAndADoubleClickShowsTheChangedCell) {
    const auto image = WriteImage(ValidImage());
    ImageBuilder changed = ValidImage();
    PitcherBytes pitcher = ImageBuilder::ValidPitcher(5, 2);
    pitcher.stamina = static_cast<std::uint8_t>(pitcher.stamina == 50 ? 60 : 50);
    changed.SetPitcher(5, 2, pitcher, ImageBuilder::ValidLeadByte(5, BatterCount + 2));
    changed.SetColors(2, ImageBuilder::ValidHelmetColor(2), 0x21);
    const auto other = WriteImage(changed, "other.nes");
    const auto patch = dir.File("other.bps");
    WriteBytes(patch, MakePatch(PatchFormat::Bps, ValidImage().Bytes(), changed.Bytes()).bytes);
    OpenImage(image);

    // One comparison with the other image, one with the patch that makes it: the same changes.
    for (const auto& path : {other, patch}) {
        AnswerNextFileDialog(Q(path));
        MainForm->MenuCompare()->trigger();
        EXPECT_TRUE(GuiTest::NoModalOpen());
    }
    const QList<TCompareWindow*> windows = MainForm->CompareWindows();
    ASSERT_EQ(windows.size(), 2);
    for (TCompareWindow* window : windows) {
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->isModal());
        EXPECT_TRUE(window->MessageLabel->text().startsWith("ディスクに保存されている team.nes"))
            << window->MessageLabel->text().toStdString();
    }
    EXPECT_EQ(windows[0]->windowTitle(), "比較: team.nes と other.nes");
    const QStringList rows = RowsOf(windows[0]->ChangeTable);
    EXPECT_EQ(RowsOf(windows[1]->ChangeTable), rows);
    ASSERT_EQ(rows.size(), 2) << rows.join("\n").toStdString();
    EXPECT_EQ(rows[0], Initials(2) + "|色|||ユニフォーム|" +
                           Hex(ImageBuilder::ValidUniformColor(2)) + "|0x21");
    EXPECT_TRUE(rows[1].startsWith(Initials(5) + "|投手|3|")) << rows[1].toStdString();
    EXPECT_TRUE(rows[1].contains("|スタミナ|")) << rows[1].toStdString();

    // The shown team has edits: the team switch asks first, as a pick in TeamBox does.
    MakeUnsavedEdit();
    MessageSeen unsaved;
    GuiTest::AnswerNextMessage(unsaved, Yes);
    TChangeTable* table = windows[0]->ChangeTable;
    const QRect line = table->visualRect(table->model()->index(1, 2));
    // Two presses in quick succession, recognised as a double click by the application.
    QWindow* window = windows[0]->windowHandle();
    ASSERT_NE(window, nullptr);
    QTest::mouseDClick(window, Qt::LeftButton, {},
                       window->mapFromGlobal(table->viewport()->mapToGlobal(line.center())));
    ASSERT_TRUE(GuiTest::WaitFor([] { return MainForm->ShownTeam() == 5; }));
    EXPECT_EQ(unsaved.text, "現在のデータは変更されています。よろしいですか？");
    EXPECT_EQ(MainForm->TeamBox()->currentIndex(), 5);
    EXPECT_EQ(MainForm->PitcherTable()->Row(), 3);
    EXPECT_EQ(MainForm->PitcherTable()->Col(), static_cast<int>(PitcherColumn::Stamina));
    EXPECT_TRUE(windows[0]->isVisible());

    // The comparisons go with the main window.
    MainForm->close();
    EXPECT_TRUE(GuiTest::WaitFor([&] { return MainForm->CompareWindows().isEmpty(); }));
}

// A patch whose result does not look like an image of this game is compared only after the
// question applying it asks, as the command line compares it only with --force.
TEST_F(ExchangeWindow, AComparisonWithAPatchAsksWhatApplyingItWouldAsk) {
    const auto image = WriteImage(ValidImage());
    Bytes longer = ValidImage().Bytes();
    longer.push_back(0x42); // a length its header does not declare
    const auto patch = dir.File("longer.bps");
    WriteBytes(patch, MakePatch(PatchFormat::Bps, ValidImage().Bytes(), longer).bytes);
    OpenImage(image);

    for (const QString& answer : {QStringLiteral("いいえ(&N)"), Yes}) {
        MessageSeen question;
        AnswerNextFileDialog(Q(patch));
        GuiTest::AnswerNextMessage(question, answer);
        MainForm->MenuCompare()->trigger();
        EXPECT_TRUE(GuiTest::NoModalOpen());
        EXPECT_TRUE(
            question.text.startsWith("パッチを当てた結果はこのゲームのイメージではないようです"))
            << question.text.toStdString();
        EXPECT_EQ(question.buttons, (QStringList{Yes, QStringLiteral("いいえ(&N)")}));
    }
    ASSERT_EQ(MainForm->CompareWindows().size(), 1);
    EXPECT_FALSE(RowsOf(MainForm->CompareWindows()[0]->ChangeTable).isEmpty());
}

// A patch the open image already has is noted, as the command line notes it, and nothing is
// compared: there is no change to show.
TEST_F(ExchangeWindow, AComparisonWithAPatchAlreadyAppliedIsANoteAndShowsNoChanges) {
    ImageBuilder changed = ValidImage();
    changed.SetColors(2, ImageBuilder::ValidHelmetColor(2), 0x21);
    const auto image = WriteImage(changed);
    const auto patch = dir.File("applied.bps");
    WriteBytes(patch, MakePatch(PatchFormat::Bps, ValidImage().Bytes(), changed.Bytes()).bytes);
    OpenImage(image);

    MessageSeen note;
    AnswerNextFileDialog(Q(patch));
    GuiTest::AnswerNextMessage(note, QStringLiteral("OK"));
    MainForm->MenuCompare()->trigger();
    EXPECT_TRUE(GuiTest::NoModalOpen());
    EXPECT_EQ(note.title, QStringLiteral("確認"));
    EXPECT_EQ(note.icon, QMessageBox::Question);
    EXPECT_EQ(note.text, QStringLiteral("このパッチはすでに適用されています"));
    EXPECT_TRUE(MainForm->CompareWindows().isEmpty());
}

// The open image is the edited one and the file compared with it the original: the swap button
// takes the original as before, so that an edit reads the way it was made, and a player who went
// over to another team is one transfer line in either direction.
TEST_F(ExchangeWindow, TheSwapButtonChoosesWhichImageIsBeforeAndATransferStaysOneLine) {
    ImageBuilder original = ValidImage();
    BatterBytes hitter = ImageBuilder::ValidBatter(1, 0);
    hitter.averageCode = (316 - 150) / 2;
    original.SetBatter(1, 0, hitter, ImageBuilder::ValidLeadByte(1, 0));
    ImageBuilder edited = original;
    hitter.averageCode = (334 - 150) / 2;
    edited.SetBatter(1, 0, hitter, ImageBuilder::ValidLeadByte(1, 0));
    // A bench player of team 3 goes over to team 6; a newcomer takes his place.
    const BatterBytes player = ImageBuilder::ValidBatter(3, 9);
    BatterBytes newcomer = player;
    std::rotate(newcomer.tiles.begin(), newcomer.tiles.begin() + 1, newcomer.tiles.end());
    newcomer.homeRuns = static_cast<std::uint8_t>((player.homeRuns + 1) % 60);
    edited.SetBatter(6, 10, player, ImageBuilder::ValidLeadByte(6, 10));
    edited.SetBatter(3, 9, newcomer, ImageBuilder::ValidLeadByte(3, 9));
    const auto originalPath = WriteImage(original, "original.nes");
    OpenImage(WriteImage(edited, "edited.nes"));

    AnswerNextFileDialog(Q(originalPath));
    MainForm->MenuCompare()->trigger();
    ASSERT_EQ(MainForm->CompareWindows().size(), 1);
    TCompareWindow* window = MainForm->CompareWindows().constFirst();
    EXPECT_EQ(window->SwapButton->text(), "変更前と変更後を入れ替え(&S)");
    EXPECT_EQ(window->SwapButton->accessibleName(), "変更前と変更後を入れ替え");
    EXPECT_EQ(window->SwapButton->toolTip(),
              "逆向きに比べます。変更後のファイルが変更前になります。");

    const QString name = Q(BatterRowFromBytes(player)[0]);
    const QString transfer = QStringLiteral("|打者|%1|") + name + "|移籍|%2|%3";
    const auto transfers = [](const QStringList& rows) {
        return rows.filter(QStringLiteral("|移籍|"));
    };
    // The open image first: the edit reads backwards, and the player goes back to team 3.
    const QStringList backwards = RowsOf(window->ChangeTable);
    ASSERT_FALSE(backwards.isEmpty());
    EXPECT_TRUE(backwards[0].startsWith(Initials(1) + "|打者|1|")) << backwards[0].toStdString();
    EXPECT_TRUE(backwards[0].endsWith("|334|316")) << backwards[0].toStdString();
    EXPECT_EQ(
        transfers(backwards),
        QStringList{Initials(3) + transfer.arg(10).arg(Initials(6) + " 11", Initials(3) + " 10")});
    EXPECT_TRUE(
        window->MessageLabel->text().contains("変更前は edited.nes、変更後は original.nes です。"))
        << window->MessageLabel->text().toStdString();

    QTest::mouseClick(window->SwapButton, Qt::LeftButton);
    const QStringList forwards = RowsOf(window->ChangeTable);
    ASSERT_FALSE(forwards.isEmpty());
    EXPECT_TRUE(forwards[0].endsWith("|316|334")) << forwards[0].toStdString();
    EXPECT_EQ(
        transfers(forwards),
        QStringList{Initials(6) + transfer.arg(11).arg(Initials(3) + " 10", Initials(6) + " 11")});
    EXPECT_TRUE(
        window->MessageLabel->text().contains("変更前は original.nes、変更後は edited.nes です。"))
        << window->MessageLabel->text().toStdString();

    // A double-click on the transfer shows where the player arrived, in the open image.
    TChangeTable* table = window->ChangeTable;
    const QRect line = table->visualRect(table->model()->index(
        static_cast<int>(forwards.indexOf(transfers(forwards).constFirst())), 2));
    QWindow* handle = window->windowHandle();
    ASSERT_NE(handle, nullptr);
    QTest::mouseDClick(handle, Qt::LeftButton, {},
                       handle->mapFromGlobal(table->viewport()->mapToGlobal(line.center())));
    ASSERT_TRUE(GuiTest::WaitFor([] { return MainForm->ShownTeam() == 6; }));
    EXPECT_EQ(MainForm->BatterTable()->Row(), 11);
    EXPECT_EQ(MainForm->BatterTable()->Col(), static_cast<int>(BatterColumn::Name));

    // Swapped back, it is the first comparison again.
    QTest::mouseClick(window->SwapButton, Qt::LeftButton);
    EXPECT_EQ(RowsOf(window->ChangeTable), backwards);
}

TEST_F(ExchangeWindow, AReceivedPatchIsAppliedIntoANewImageAsTheCommandLineAppliesIt) {
    // The patch was made on an iNES 1.0 copy; the open image is the same data behind a NES 2.0
    // header.
    const auto original = WriteImage(ValidImage(), "original.nes");
    ImageBuilder modified = ValidImage();
    BatterBytes batter = ImageBuilder::ValidBatter(3, 1);
    batter.homeRuns = static_cast<std::uint8_t>(batter.homeRuns == 40 ? 41 : 40);
    modified.SetBatter(3, 1, batter, ImageBuilder::ValidLeadByte(3, 1));
    modified.SetColors(9, 0x16, 0x27);
    const auto modifiedPath = WriteImage(modified, "modified.nes");
    const auto patch = dir.File("roster.bps");
    ASSERT_TRUE(RunCli({"patch", Q(original), Q(modifiedPath), "-o", Q(patch)}));
    const auto image = dir.File("team.nes");
    WriteBytes(image, BehindNes20(ValidImage().Bytes()));
    OpenImage(image);
    MakeUnsavedEdit();

    ChangeListSeen question;
    QString offeredName;
    std::vector<MessageSeen> seen;
    AnswerNextFileDialog(Q(patch));
    AnswerNextChangeList(question, true);
    // The save dialog offers a name beside the open image; the user takes it. Then the window
    // asks whether to open the new image, and before that replaces the shown team's edits, asks
    // about them.
    GuiTest::OnNextModal(
        [&](QWidget* widget) {
            auto* dialog = static_cast<QFileDialog*>(widget);
            offeredName = dialog->selectedFiles().value(0);
            AnswerMessages(seen, {Yes, Yes});
            static_cast<QDialog*>(dialog)->accept();
        },
        nullptr, 5000,
        [](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            return dialog && dialog->acceptMode() == QFileDialog::AcceptSave;
        });
    MainForm->MenuApplyPatch()->trigger();
    ASSERT_TRUE(GuiTest::WaitFor([&] { return seen.size() == 2 && seen[1].seen; }));
    EXPECT_TRUE(GuiTest::NoModalOpen());

    EXPECT_EQ(question.caption, "パッチ適用");
    EXPECT_TRUE(question.message.startsWith("ヘッダーだけが異なるイメージに適用しました\n"
                                            "パッチ roster.bps による変更:\n"))
        << question.message.toStdString();
    EXPECT_EQ(question.rows.size(), 3) << question.rows.join("\n").toStdString();
    EXPECT_TRUE(question.noIsDefault);
    const auto patched = dir.File("team-patched.nes");
    EXPECT_EQ(offeredName, Q(patched));
    EXPECT_EQ(seen[0].text,
              "パッチを当てたイメージを team-patched.nes に保存しました。開きますか？");
    EXPECT_EQ(seen[1].text, "現在のデータは変更されています。よろしいですか？");
    EXPECT_EQ(MainForm->FilePath(), Q(patched));

    const auto byCli = dir.File("cli.nes");
    ASSERT_TRUE(RunCli({"apply", Q(image), Q(patch), "-o", Q(byCli)}));
    EXPECT_EQ(ReadFileBytes(patched), ReadFileBytes(byCli));
    EXPECT_EQ(ReadFileBytes(patched), BehindNes20(modified.Bytes()));
    EXPECT_EQ(ReadFileBytes(image), BehindNes20(ValidImage().Bytes()));
}

TEST_F(ExchangeWindow, ImageInformationNamesTheChecksumsToCopy) {
    const Bytes bytes = BehindNes20(ValidImage().Bytes());
    const auto image = dir.File("team.nes");
    WriteBytes(image, bytes);
    OpenImage(image);

    QString shown;
    GuiTest::OnNextModal(
        [&](QWidget* widget) {
            auto* dialog = static_cast<TImageInfoDialog*>(widget);
            shown = dialog->InfoText->toPlainText();
            EXPECT_TRUE(dialog->InfoText->textInteractionFlags() & Qt::TextSelectableByMouse);
            dialog->CopyButton->click();
            dialog->OkButton->click();
        },
        nullptr, 5000, [](QWidget* w) { return qobject_cast<TImageInfoDialog*>(w) != nullptr; });
    MainForm->MenuImageInfo()->trigger();
    EXPECT_TRUE(GuiTest::NoModalOpen());

    // The checksums as other programs compute them: zlib's CRC-32 and SHA-1, with and without
    // the 16-byte header.
    const auto crc = [](const std::uint8_t* data, std::size_t size) {
        return QStringLiteral("%1")
            .arg(crc32(crc32(0, nullptr, 0), data, static_cast<uInt>(size)), 8, 16,
                 QLatin1Char('0'))
            .toUpper();
    };
    const auto sha1 = [](const std::uint8_t* data, std::size_t size) {
        return QString::fromLatin1(
            QCryptographicHash::hash(QByteArrayView(data, static_cast<qsizetype>(size)),
                                     QCryptographicHash::Sha1)
                .toHex());
    };
    const QStringList lines = shown.split('\n');
    EXPECT_EQ(lines.value(0), "ファイル: " + Q(image));
    EXPECT_TRUE(lines.contains("ヘッダー: NES 2.0")) << shown.toStdString();
    EXPECT_TRUE(lines.contains("CRC-32: " + crc(bytes.data(), bytes.size())));
    EXPECT_TRUE(lines.contains("SHA-1: " + sha1(bytes.data(), bytes.size())));
    EXPECT_TRUE(
        lines.contains("CRC-32（ヘッダーを除く）: " + crc(bytes.data() + 16, bytes.size() - 16)));
    EXPECT_TRUE(
        lines.contains("SHA-1（ヘッダーを除く）: " + sha1(bytes.data() + 16, bytes.size() - 16)));
    EXPECT_EQ(QApplication::clipboard()->text(), shown + "\n");
}

} // namespace
