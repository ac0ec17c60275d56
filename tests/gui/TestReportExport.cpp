// SPDX-License-Identifier: MIT
#include "League.h"
#include "MainWindowFixture.h"
#include "ShiftJis.h"
#include "Valuedlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using GuiTest::AnswerNextFileDialog;
using GuiTest::AnswerNextMessage;
using GuiTest::MessageSeen;
using testsupport::ImageBuilder;

namespace {

using BatterLines = std::vector<teamdata::BatterRowTexts>;
using PitcherLines = std::vector<teamdata::PitcherRowTexts>;

// The exact Shift_JIS bytes of the two header lines and of the first batter's line.
const QByteArray BatterHeaderBytes = QByteArray::fromHex(
    "96bc81408140914f81402c91c590c881402c906c8b432c8ee794f588ca92752c91c5814097a62c967b814097db81"
    "4091c52c81409196814097cd81402c8ee7814094f5814097cd2c81408ca881400d0a");
const QByteArray PitcherHeaderBytes = QByteArray::fromHex(
    "96bc81408140914f81402c938a964081402c906c8b432c96688ce497a6202c8358835e837e83692c8b8591ac8169"
    "91ac816a2c8b8591ac81699286816a2c8b8591ac81699278816a2c894595cf89bb2c8db695cf89bb2c83748348815b"
    "834e0d0a");
// "か゛ま　　,両,10,2,276,1,10,3,4" and its line break.
const QByteArray FirstBatterBytes =
    QByteArray::fromHex("82a9814a82dc814081402c97bc2c31302c322c3237362c312c31302c332c340d0a");
// The page's first two lines for the team "Ｄ".
const QByteArray PageStartBytes =
    QByteArray::fromHex("3c68746d6c3e3c686561643e3c7469746c653e82638360815b83803c2f7469746c653e"
                        "3c2f686561643e3c626f64793e0d0a3c68333e82638360815b83803c2f68333e0d0a");

const std::vector<std::string> BatterHeaders = {"名　　前　", "打席　",     "人気",
                                                "守備位置",   "打　率",     "本　塁　打",
                                                "　走　力　", "守　備　力", "　肩　"};
const std::vector<std::string> PitcherHeaders = {
    "名　　前　", "投法　",     "人気",   "防御率 ", "スタミナ", "球速（速）",
    "球速（中）", "球速（遅）", "右変化", "左変化",  "フォーク"};

// Team 0 of the test image, chosen so that its totals are known: averages 12 x 276 and one
// 288 (sum 3600, mean 276.9), home runs 1 to 13 (sum 91), speeds 10 but one 16 (mean 10.4),
// earned run averages 250 x 4 and 260 (mean 252), fast balls 140, 140, 141, 141, 142 (mean 140.8).
teamdata::BatterBytes KnownBatter(int index) {
    teamdata::BatterBytes b = ImageBuilder::ValidBatter(0, index);
    b.averageCode = index == 12 ? 69 : 63;
    b.homeRuns = static_cast<std::uint8_t>(index + 1);
    b.speed = index == 5 ? 16 : 10;
    if (index == 0) {
        b.tiles = {45, 86, 70, 36, 36};
        b.side = 2;
        b.popularityPosition = 0xA2;
        b.fielding = 3;
        b.arm = 4;
    }
    return b;
}

teamdata::PitcherBytes KnownPitcher(int index) {
    teamdata::PitcherBytes p = ImageBuilder::ValidPitcher(0, index);
    p.eraCode = index == 4 ? 26 : 25;
    static const std::uint8_t fast[] = {140, 140, 141, 141, 142};
    p.fast = fast[index];
    return p;
}

BatterLines KnownBatterLines() {
    BatterLines lines;
    for (int i = 0; i < teamdata::BatterCount; ++i)
        lines.push_back(teamdata::BatterRowFromBytes(KnownBatter(i)));
    return lines;
}

PitcherLines KnownPitcherLines() {
    PitcherLines lines;
    for (int i = 0; i < teamdata::PitcherCount; ++i)
        lines.push_back(teamdata::PitcherRowFromBytes(KnownPitcher(i)));
    return lines;
}

template <typename Fields>
std::string Joined(const Fields& fields, const std::string& before, const std::string& between) {
    std::string line = before;
    bool first = true;
    for (const std::string& field : fields) {
        if (!first)
            line += between;
        line += field;
        first = false;
    }
    return line + "\r\n";
}

QByteArray ExpectedCsv(const BatterLines& batters, const PitcherLines& pitchers) {
    std::string text = Joined(BatterHeaders, "", ",");
    for (const auto& row : batters)
        text += Joined(row, "", ",");
    text += Joined(PitcherHeaders, "", ",");
    for (const auto& row : pitchers)
        text += Joined(row, "", ",");
    return ShiftJis::Encode(QString::fromStdString(text));
}

QByteArray ExpectedHtml(const std::string& initials, const std::string& batterCaption,
                        const BatterLines& batters, const std::string& pitcherCaption,
                        const PitcherLines& pitchers) {
    std::string text = "<html><head><title>" + initials + "チーム</title></head><body>\r\n<h3>" +
                       initials + "チーム</h3>\r\n<table><caption>" + batterCaption +
                       "</caption>\r\n";
    text += Joined(BatterHeaders, "<tr><td>", "<td>");
    for (const auto& row : batters)
        text += Joined(row, "<tr><td>", "<td>");
    text += "</table>\r\n<hr>\r\n\r\n<table><caption>" + pitcherCaption + "</caption>\r\n";
    text += Joined(PitcherHeaders, "<tr><td>", "<td>");
    for (const auto& row : pitchers)
        text += Joined(row, "<tr><td>", "<td>");
    text += "</table></body></html>\r\n";
    return ShiftJis::Encode(QString::fromStdString(text));
}

const std::string KnownBatterCaption = "【打者】チーム打率.276／チーム本塁打91／チーム走力10";
const std::string KnownPitcherCaption = "【投手】チーム防御率2.52／平均速球速度140";

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void PutFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// What the save dialog offered before the test typed into it.
struct SaveDialogSeen {
    bool shown = false;
    QStringList filters;
    QString defaultSuffix;
    QString fileName;
    bool asksBeforeOverwrite = false;
    bool native = true;
};

// Arranges for the next modal window to be a save dialog: records what it offers, types `path`
// into its file name field and confirms it, or cancels it when `path` is empty. `afterAccept`
// runs once the dialog has taken the name, before the program goes on with it.
void AnswerSaveDialog(const QString& path, SaveDialogSeen& seen,
                      std::function<void()> afterAccept = {}, int fileType = 0) {
    GuiTest::OnNextModal(
        [path, &seen, afterAccept, fileType](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            seen.shown = true;
            seen.filters = dialog->nameFilters();
            seen.defaultSuffix = dialog->defaultSuffix();
            seen.asksBeforeOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
            seen.native = !dialog->testOption(QFileDialog::DontUseNativeDialog);
            auto* nameField = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(nameField, nullptr);
            seen.fileName = nameField->text();
            if (path.isEmpty()) {
                dialog->reject();
                return;
            }
            if (fileType != 0)
                GuiTest::ChooseFileType(dialog, fileType);
            nameField->setText(path);
            static_cast<QDialog*>(dialog)->accept();
            if (afterAccept)
                afterAccept();
        },
        nullptr, 5000, [](QWidget* w) { return qobject_cast<QFileDialog*>(w) != nullptr; });
}

// Arranges for the save dialog's own question about replacing an existing file to be answered
// with its Yes or No button; `then` runs right after the answer.
void AnswerOverwriteQuestion(QString& question, bool replace, std::function<void()> then = {}) {
    GuiTest::OnNextModal(
        [&question, replace, then](QWidget* w) {
            auto* box = static_cast<QMessageBox*>(w);
            question = box->text();
            QAbstractButton* button = box->button(replace ? QMessageBox::Yes : QMessageBox::No);
            ASSERT_NE(button, nullptr);
            button->click();
            if (then)
                then();
        },
        nullptr, 5000,
        [](QWidget* w) {
            return qobject_cast<QMessageBox*>(w) &&
                   qobject_cast<QFileDialog*>(w->parentWidget()) != nullptr;
        });
}

void ExpectConfirmation(const MessageSeen& seen, const char* text) {
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.Headline(), text);
    EXPECT_EQ(seen.title, "確認");
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, QStringList{"OK"});
}

class ReportExport : public MainWindowFixture {
protected:
    // The program's names, as its start-up gives them.
    static void SetUpTestSuite() {
        QApplication::setApplicationName(QStringLiteral("TOLVANEK"));
        QApplication::setApplicationDisplayName(QStringLiteral("TOLVANEK"));
    }

    QString PathIn(const char* name) const { return Q(dir.File(name)); }

    void OpenKnownTeam() {
        ImageBuilder image = ValidImage();
        for (int i = 0; i < teamdata::BatterCount; ++i)
            image.SetBatter(0, i, KnownBatter(i), ImageBuilder::ValidLeadByte(0, i));
        for (int i = 0; i < teamdata::PitcherCount; ++i)
            image.SetPitcher(0, i, KnownPitcher(i),
                             ImageBuilder::ValidLeadByte(0, teamdata::BatterCount + i));
        const std::filesystem::path path = WriteImage(image);
        imagePath = Q(path);
        OpenImage(path);
    }

    // Runs an export to `target` through the menu item, with the file type `fileType` chosen in
    // the save dialog, confirming the success message.
    static void Export(QAction* item, const QString& target, SaveDialogSeen& dialog,
                       MessageSeen& message, int fileType = 0) {
        AnswerSaveDialog(target, dialog, {}, fileType);
        AnswerNextMessage(message);
        item->trigger();
        EXPECT_TRUE(GuiTest::NoModalOpen());
    }

    QString imagePath;
};

TEST_F(ReportExport, CsvHoldsTheTablesAsShownInShiftJis) {
    OpenKnownTeam();
    SaveDialogSeen dialog;
    MessageSeen message;
    // A name typed without extension gets the dialog's default one.
    Export(MainForm->MenuSaveCSV(), PathIn("giants"), dialog, message);

    ASSERT_TRUE(dialog.shown);
    EXPECT_EQ(dialog.filters, QStringList({"CSVファイル(*.csv) (*.csv)", "CSV (UTF-8) (*.csv)",
                                           "すべてのファイル(*.*) (*)"}));
    EXPECT_EQ(dialog.defaultSuffix, "csv");
    EXPECT_EQ(dialog.fileName, "*.csv");
    EXPECT_TRUE(dialog.asksBeforeOverwrite);
    EXPECT_FALSE(dialog.native);
    ExpectConfirmation(message, "ファイルを保存しました");

    const QByteArray written = FileBytes(PathIn("giants.csv"));
    EXPECT_TRUE(written.startsWith(BatterHeaderBytes + FirstBatterBytes)) << "no byte-order mark";
    EXPECT_TRUE(written.contains("\r\n" + PitcherHeaderBytes));
    EXPECT_EQ(written, ExpectedCsv(KnownBatterLines(), KnownPitcherLines()));
    const QList<QByteArray> lines = written.split('\n');
    ASSERT_EQ(lines.size(), 21) << "20 lines, each ending in CR LF";
    EXPECT_TRUE(lines.last().isEmpty());
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(lines[i].endsWith('\r')) << i;
        EXPECT_EQ(lines[i].count(','), i < 14 ? 8 : 10) << i;
    }
    EXPECT_EQ(MainForm->FilePath(), imagePath);
    EXPECT_EQ(MainForm->DataChanged(), 0);
}

// For a spreadsheet that cannot read Shift_JIS, the second file type writes the same tables in
// UTF-8 behind a byte-order mark; the team CSV import reads either into the same grids.
TEST_F(ReportExport, CsvUtf8HoldsTheSameTablesAndImportsAsTheShiftJisOne) {
    OpenImage(WriteImage(ValidImage()));
    const teamdata::TeamTexts shown = MainForm->TeamShown();
    SaveDialogSeen dialog;
    MessageSeen message;
    Export(MainForm->MenuSaveCSV(), PathIn("shift_jis"), dialog, message);
    Export(MainForm->MenuSaveCSV(), PathIn("utf8"), dialog, message, 1);
    ExpectConfirmation(message, "ファイルを保存しました");
    const QByteArray shiftJis = FileBytes(PathIn("shift_jis.csv"));
    const QByteArray utf8 = FileBytes(PathIn("utf8.csv"));
    EXPECT_EQ(shiftJis, exchange::TeamCsvBytes(shown));
    EXPECT_EQ(utf8, QByteArray("\xEF\xBB\xBF") + ShiftJis::Decode(shiftJis).toUtf8());

    // Into another team, once from each file: the same texts, the exported team's players.
    PickTeam(6);
    std::vector<teamdata::TeamTexts> imported;
    for (const char* file : {"shift_jis.csv", "utf8.csv"}) {
        AnswerNextFileDialog(PathIn(file));
        MainForm->MenuImportCSV()->trigger();
        EXPECT_TRUE(GuiTest::NoModalOpen());
        imported.push_back(MainForm->TeamShown());
        MainForm->MenuUndo()->trigger();
    }
    EXPECT_EQ(imported[0], imported[1]);
    EXPECT_EQ(imported[1].batters, shown.batters);
    EXPECT_EQ(imported[1].pitchers, shown.pitchers);
}

TEST_F(ReportExport, HtmlHoldsTheTablesAsShownWithTheTeamTotals) {
    OpenKnownTeam();
    SaveDialogSeen dialog;
    MessageSeen message;
    Export(MainForm->MenuOutputHTML(), PathIn("giants"), dialog, message);

    ASSERT_TRUE(dialog.shown);
    EXPECT_EQ(dialog.filters, QStringList({"HTMLファイル (*.html *.htm)", "すべてのファイル (*)"}));
    EXPECT_EQ(dialog.defaultSuffix, "html");
    EXPECT_EQ(dialog.fileName, "*.html");
    EXPECT_TRUE(dialog.asksBeforeOverwrite);
    ExpectConfirmation(message, "ファイルを保存しました");

    const QByteArray written = FileBytes(PathIn("giants.html"));
    EXPECT_TRUE(written.startsWith(PageStartBytes)) << "no byte-order mark";
    EXPECT_FALSE(written.contains("charset"));
    EXPECT_FALSE(written.contains("\n\n")) << "every line break is CR LF";
    EXPECT_EQ(written, ExpectedHtml("Ｄ", KnownBatterCaption, KnownBatterLines(),
                                    KnownPitcherCaption, KnownPitcherLines()));
    EXPECT_EQ(MainForm->DataChanged(), 0);
}

TEST_F(ReportExport, UnsavedEditsAndAChangedOrderAreExportedAsShown) {
    OpenKnownTeam();
    BatterLines batters = KnownBatterLines();
    PitcherLines pitchers = KnownPitcherLines();

    // A click on the first batter's batting side turns "両" into "右".
    StringGrid* grid = MainForm->BatterTable();
    grid->scrollToTop();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(2, 1).center());
    ASSERT_EQ(grid->Cells(2, 1), "右");
    batters[0][1] = "右";
    // The second batter's home runs go from 2 to 50 in the value dialog.
    GuiTest::OnNextModal(
        [](QWidget*) {
            ValueDialog->ValueBar->setValue(50);
            QTest::mouseClick(ValueDialog->BitBtn1, Qt::LeftButton);
        },
        nullptr, 5000, [](QWidget* w) { return w == ValueDialog; });
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(6, 2).center());
    ASSERT_EQ(grid->Cells(6, 2), "50");
    batters[1][5] = "50";
    // The fifth pitcher is dragged to the top by his label.
    StringGrid* pitcherGrid = MainForm->PitcherTable();
    QWidget* labels = pitcherGrid->verticalHeader()->viewport();
    const int x = pitcherGrid->verticalHeader()->width() / 2;
    QPoint at(x, pitcherGrid->CellRect(1, 5).center().y());
    QTest::mousePress(labels, Qt::LeftButton, {}, at);
    while (at.y() > pitcherGrid->CellRect(1, 1).top() + 3) {
        at.ry() -= 4;
        QTest::mouseMove(labels, at);
    }
    QTest::mouseRelease(labels, Qt::LeftButton, {}, at);
    std::rotate(pitchers.begin(), pitchers.begin() + 4, pitchers.end());
    ASSERT_EQ(MainForm->DataChanged(), 1);

    SaveDialogSeen dialog;
    MessageSeen message;
    Export(MainForm->MenuSaveCSV(), PathIn("edited.csv"), dialog, message);
    EXPECT_EQ(FileBytes(PathIn("edited.csv")), ExpectedCsv(batters, pitchers));
    Export(MainForm->MenuOutputHTML(), PathIn("edited.html"), dialog, message);
    EXPECT_EQ(FileBytes(PathIn("edited.html")),
              ExpectedHtml("Ｄ", "【打者】チーム打率.276／チーム本塁打139／チーム走力10", batters,
                           KnownPitcherCaption, pitchers));
    // Exporting is not saving.
    EXPECT_EQ(MainForm->DataChanged(), 1);
    EXPECT_EQ(MainForm->ShownTeam(), 0);
}

TEST_F(ReportExport, TheInitialsAreThoseListedForTheTeamShown) {
    OpenKnownTeam();
    PickTeam(6);
    ASSERT_EQ(MainForm->ShownTeam(), 6);
    SaveDialogSeen dialog;
    MessageSeen message;
    Export(MainForm->MenuOutputHTML(), PathIn("buffaloes.htm"), dialog, message);
    const QByteArray written = FileBytes(PathIn("buffaloes.htm"));
    EXPECT_TRUE(written.startsWith(ShiftJis::Encode(
        "<html><head><title>Buチーム</title></head><body>\r\n<h3>Buチーム</h3>\r\n")));
}

TEST_F(ReportExport, WithNoImageOpenOnlySaysThereIsNoData) {
    for (QAction* item : {MainForm->MenuSaveCSV(), MainForm->MenuOutputHTML()}) {
        MessageSeen seen;
        AnswerNextMessage(seen);
        item->trigger();
        ASSERT_TRUE(seen.seen);
        ExpectErrorBox(seen, "データがありません");
        EXPECT_TRUE(GuiTest::NoModalOpen());
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST_F(ReportExport, ACancelledDialogWritesAndSaysNothing) {
    OpenKnownTeam();
    for (QAction* item : {MainForm->MenuSaveCSV(), MainForm->MenuOutputHTML()}) {
        SaveDialogSeen dialog;
        AnswerSaveDialog(QString(), dialog);
        item->trigger();
        EXPECT_TRUE(dialog.shown);
        EXPECT_TRUE(GuiTest::NoModalOpen());
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1)
        << "only the image";
}

TEST_F(ReportExport, AFileThatCannotBeCreatedIsReported) {
    OpenKnownTeam();
    PutFile(PathIn("plain"), "x");
    std::filesystem::create_directory(dir.File("vanishing"));
    const QString vanishing = PathIn("vanishing");
    const QString targets[] = {PathIn("missing/team.csv"), PathIn("plain/team.csv"),
                               vanishing + "/team.csv"};
    for (QAction* item : {MainForm->MenuSaveCSV(), MainForm->MenuOutputHTML()}) {
        for (const QString& target : targets) {
            std::filesystem::create_directory(vanishing.toStdString());
            SaveDialogSeen dialog;
            MessageSeen message;
            // The folder goes away while the dialog closes, before the file is made.
            AnswerSaveDialog(target, dialog,
                             [vanishing] { std::filesystem::remove_all(vanishing.toStdString()); });
            AnswerNextMessage(message);
            item->trigger();
            ExpectConfirmation(message, "ファイルを保存できません");
            EXPECT_FALSE(QFile::exists(target)) << target.toStdString();
        }
    }
}

TEST_F(ReportExport, AWriteThatFailsIsReportedAsNotSaved) {
    OpenKnownTeam();
    // A report named like a file that is really a full disk.
    std::filesystem::create_symlink("/dev/full", dir.File("full.csv"));
    std::filesystem::create_symlink("/dev/full", dir.File("full.html"));
    for (QAction* item : {MainForm->MenuSaveCSV(), MainForm->MenuOutputHTML()}) {
        const QString target = PathIn(item == MainForm->MenuSaveCSV() ? "full.csv" : "full.html");
        SaveDialogSeen dialog;
        QString question;
        MessageSeen message;
        AnswerSaveDialog(target, dialog);
        AnswerOverwriteQuestion(question, true, [&message] { AnswerNextMessage(message); });
        item->trigger();
        ExpectConfirmation(message, "ファイルを保存できません");
    }
}

TEST_F(ReportExport, AnExistingFileIsReplacedOnlyAfterTheDialogAsks) {
    OpenKnownTeam();
    const QString target = PathIn("old.csv");
    const QByteArray old(5000, 'x');
    PutFile(target, old);

    // No keeps the dialog open; cancelling it then leaves the file alone.
    SaveDialogSeen dialog;
    QString question;
    AnswerSaveDialog(target, dialog);
    AnswerOverwriteQuestion(question, false, [] { AnswerNextFileDialog(QString()); });
    MainForm->MenuSaveCSV()->trigger();
    EXPECT_TRUE(question.contains("old.csv"));
    EXPECT_EQ(FileBytes(target), old);

    MessageSeen message;
    question.clear();
    AnswerSaveDialog(target, dialog);
    AnswerOverwriteQuestion(question, true, [&message] { AnswerNextMessage(message); });
    MainForm->MenuSaveCSV()->trigger();
    EXPECT_TRUE(question.contains("old.csv"));
    ExpectConfirmation(message, "ファイルを保存しました");
    EXPECT_EQ(FileBytes(target), ExpectedCsv(KnownBatterLines(), KnownPitcherLines()))
        << "nothing of the longer old content is left";
}

TEST_F(ReportExport, ATotalThatIsNotANumberEndsTheHtmlExportAndKeepsTheOldFile) {
    OpenKnownTeam();
    MainForm->BatterTable()->SetCells(7, 4, "abc");
    const QString target = PathIn("old.html");
    PutFile(target, "old page");

    SaveDialogSeen dialog;
    QString question;
    MessageSeen failure;
    AnswerSaveDialog(target, dialog);
    AnswerOverwriteQuestion(question, true, [&failure] { AnswerNextMessage(failure); });
    // Through the event loop, as a menu click arrives.
    QTimer::singleShot(0, MainForm->MenuOutputHTML(), &QAction::trigger);
    ASSERT_TRUE(GuiTest::WaitFor([&] { return failure.seen && GuiTest::NoModalOpen(); }));
    EXPECT_EQ(failure.title, "TOLVANEK");
    EXPECT_EQ(failure.icon, QMessageBox::Critical);
    EXPECT_TRUE(failure.text.contains("abc"));
    EXPECT_NE(failure.text, "ファイルを保存しました");
    EXPECT_EQ(FileBytes(target), "old page");
    EXPECT_FALSE(MainForm->FilePath().isEmpty());
}

TEST_F(ReportExport, TextsThatWouldBreakTheFileFormatAreQuotedOrEscaped) {
    OpenKnownTeam();
    MainForm->BatterTable()->SetCells(1, 1, "a,\"b\"");
    MainForm->PitcherTable()->SetCells(1, 2, "<i>&");
    SaveDialogSeen dialog;
    MessageSeen message;
    Export(MainForm->MenuSaveCSV(), PathIn("odd.csv"), dialog, message);
    const QByteArray csv = FileBytes(PathIn("odd.csv"));
    EXPECT_TRUE(csv.contains("\r\n\"a,\"\"b\"\"\",")) << csv.toStdString();
    EXPECT_EQ(csv.split('\n').at(1).count(','), 8 + 1);
    Export(MainForm->MenuOutputHTML(), PathIn("odd.html"), dialog, message);
    const QByteArray html = FileBytes(PathIn("odd.html"));
    EXPECT_TRUE(html.contains("<tr><td>a,&quot;b&quot;<td>"));
    EXPECT_TRUE(html.contains("<tr><td>&lt;i&gt;&amp;<td>"));
    EXPECT_FALSE(html.contains("<i>"));
}

} // namespace
