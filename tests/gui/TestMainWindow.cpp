// SPDX-License-Identifier: MIT
#include "MainWindowFixture.h"
#include "Nameunit.h"
#include "Palette.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTableWidgetItem>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

using GuiTest::AnswerNextFileDialog;
using GuiTest::AnswerNextMessage;
using GuiTest::MessageSeen;
using testsupport::ImageBuilder;

namespace {

class MainWindowTest : public MainWindowFixture {
protected:
    void ExpectTeamShown(int team) {
        for (int i = 0; i < teamdata::BatterCount; ++i) {
            const auto texts = teamdata::BatterRowFromBytes(ImageBuilder::ValidBatter(team, i));
            for (int c = 1; c <= 9; ++c)
                EXPECT_EQ(MainForm->BatterTable()->Cells(c, i + 1), Q(texts[c - 1]))
                    << "batter " << i << " column " << c;
        }
        for (int i = 0; i < teamdata::PitcherCount; ++i) {
            const auto texts = teamdata::PitcherRowFromBytes(ImageBuilder::ValidPitcher(team, i));
            for (int c = 1; c <= 11; ++c)
                EXPECT_EQ(MainForm->PitcherTable()->Cells(c, i + 1), Q(texts[c - 1]))
                    << "pitcher " << i << " column " << c;
        }
        EXPECT_EQ(SwatchOf(MainForm->HelmetColor()),
                  QColor::fromRgb(teamdata::SwatchColor(ImageBuilder::ValidHelmetColor(team))));
        EXPECT_EQ(SwatchOf(MainForm->UniformColor()),
                  QColor::fromRgb(teamdata::SwatchColor(ImageBuilder::ValidUniformColor(team))));
    }

    static bool AllDataCellsEmpty() {
        for (StringGrid* grid : {MainForm->BatterTable(), MainForm->PitcherTable()})
            for (int r = 1; r < grid->RowCount(); ++r)
                for (int c = 1; c < grid->ColCount(); ++c)
                    if (!grid->Cells(c, r).isEmpty())
                        return false;
        return true;
    }
};

TEST_F(MainWindowTest, StartsWithHeadersLabelsAndNoData) {
    EXPECT_EQ(MainForm->windowTitle(), "TOLVANEK");
    EXPECT_EQ(MainForm->width(), 574);
    const QStringList batterHeaders = {"打者",       "名　　前　", "打席　",     "人気",
                                       "守備位置",   "打　率",     "本　塁　打", "　走　力　",
                                       "守　備　力", "　肩　",     "",           ""};
    const QStringList pitcherHeaders = {"投手",       "名　　前　", "投法　",     "人気",
                                        "防御率 ",    "スタミナ",   "球速（速）", "球速（中）",
                                        "球速（遅）", "右変化",     "左変化",     "フォーク"};
    const int widths[] = {24, 60, 36, 24, 42, 48, 60, 60, 60, 36, 36, 48};
    for (int c = 0; c < 12; ++c) {
        EXPECT_EQ(MainForm->BatterTable()->Cells(c, 0), batterHeaders[c]);
        EXPECT_EQ(MainForm->PitcherTable()->Cells(c, 0), pitcherHeaders[c]);
        EXPECT_EQ(MainForm->PitcherTable()->ColWidths(c), widths[c]) << c;
        EXPECT_EQ(MainForm->BatterTable()->ColWidths(c), widths[c]) << c;
    }
    ASSERT_EQ(MainForm->BatterTable()->RowCount(), 14);
    ASSERT_EQ(MainForm->PitcherTable()->RowCount(), 6);
    for (int r = 1; r <= 13; ++r)
        EXPECT_EQ(MainForm->BatterTable()->Cells(0, r), BatterRowLabels[r - 1]);
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(MainForm->PitcherTable()->Cells(0, r), PitcherRowLabels[r - 1]);
    EXPECT_TRUE(AllDataCellsEmpty());
    EXPECT_EQ(MainForm->TeamBox()->count(), 0);
    EXPECT_EQ(SwatchOf(MainForm->HelmetColor()), QColor(Qt::white));
    EXPECT_EQ(SwatchOf(MainForm->UniformColor()), QColor(Qt::white));
    EXPECT_TRUE(MainForm->FilePath().isEmpty());
    EXPECT_EQ(MainForm->DataChanged(), 0);
    // The team box ends 20 pixels before the window's right edge, its label 10 before the box.
    EXPECT_EQ(MainForm->TeamBox()->geometry().right() + 1, 574 - 20);
    EXPECT_EQ(MainForm->EditTeamLabel()->geometry().right() + 1, MainForm->TeamBox()->x() - 10);
    EXPECT_EQ(MainForm->EditTeamLabel()->text(), "編集チーム：");
}

TEST_F(MainWindowTest, MenuHasEveryCommandWithItsShortcut) {
    EXPECT_EQ(MainForm->MenuUpdate()->title(), "ファイル(&F)");
    EXPECT_EQ(MainForm->MenuOpen()->text(), "開く(&O)...");
    EXPECT_EQ(MainForm->MenuOpen()->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(MainForm->MenuClose()->text(), "閉じる(&C)");
    EXPECT_EQ(MainForm->MenuClose()->shortcut(), QKeySequence(Qt::Key_F8));
    EXPECT_EQ(MainForm->MenuSave()->text(), "上書き保存(&U)");
    EXPECT_EQ(MainForm->MenuSave()->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(MainForm->MenuSaveNew()->text(), "名前を付けて保存(&S)...");
    EXPECT_EQ(MainForm->O1()->title(), "出力(&O)");
    EXPECT_EQ(MainForm->MenuSaveCSV()->text(), "CSV出力(&C)...");
    EXPECT_EQ(MainForm->MenuOutputHTML()->text(), "HTML出力(&H)...");
    EXPECT_EQ(MainForm->MenuExit()->text(), "終了(&E)");
    EXPECT_EQ(MainForm->MenuExit()->shortcut(), QKeySequence(Qt::Key_F10));
    EXPECT_EQ(MainForm->Help1()->title(), "ヘルプ(&H)");
    EXPECT_EQ(MainForm->Help2()->text(), "ヘルプ(&H)...");
    EXPECT_TRUE(MainForm->Help2()->shortcut().isEmpty());
    EXPECT_EQ(MainForm->V2()->text(), "バージョン(&V)...");
    EXPECT_EQ(MainForm->SpeedOpenButton()->toolTip(), "ファイルを開く");
    EXPECT_EQ(MainForm->SpeedUpdateButton()->toolTip(), "上書き保存");
    EXPECT_EQ(MainForm->SpeedCloseButton()->toolTip(), "ファイルを閉じる");
}

TEST_F(MainWindowTest, OpeningAValidImageShowsTheFirstTeam) {
    const QString path = Q(WriteImage(ValidImage()));
    QStringList filters;
    AnswerNextFileDialog(path, &filters);
    MainForm->MenuOpen()->trigger();

    EXPECT_EQ(MainForm->windowTitle(), "TOLVANEK -team.nes");
    EXPECT_EQ(MainForm->FilePath(), path);
    EXPECT_EQ(filters, QStringList({"NESticle ROM (*.nes)", "すべてのファイル(*.*) (*)"}));
    ExpectTeamShown(0);
    ASSERT_EQ(MainForm->TeamBox()->count(), 16);
    EXPECT_EQ(MainForm->TeamBox()->itemText(0), "Ｄ");
    EXPECT_EQ(MainForm->TeamBox()->itemText(6), "Bu");
    EXPECT_EQ(MainForm->TeamBox()->itemText(14), "Dy");
    EXPECT_EQ(MainForm->TeamBox()->itemText(15), "Ｎ");
    EXPECT_EQ(MainForm->TeamBox()->currentIndex(), 0);
    EXPECT_EQ(MainForm->DataChanged(), 0);
    for (int r = 1; r <= 13; ++r) {
        EXPECT_TRUE(MainForm->BatterTable()->Cells(10, r).isEmpty());
        EXPECT_TRUE(MainForm->BatterTable()->Cells(11, r).isEmpty());
    }
}

TEST_F(MainWindowTest, ShowsRecordBytesAsTheirCellTexts) {
    ImageBuilder image = ValidImage();
    teamdata::BatterBytes batter = ImageBuilder::ValidBatter(0, 2);
    batter.tiles = {45, 86, 70, 36, 36};
    batter.side = 7;
    batter.popularityPosition = 0xA9;
    batter.averageCode = 200;
    image.SetBatter(0, 2, batter, 20);
    teamdata::PitcherBytes pitcher = ImageBuilder::ValidPitcher(0, 4);
    pitcher.style = 0x40;
    pitcher.popularity = 0x50;
    pitcher.eraCode = 255;
    image.SetPitcher(0, 4, pitcher);
    image.SetColors(0, 0x0A, 0x3E);
    // Two batters of the batting order now play position 9: the window asks before opening.
    OpenQuestionable(WriteImage(image));

    EXPECT_EQ(MainForm->BatterTable()->Cells(1, 3), "か゛ま　　");
    EXPECT_EQ(MainForm->BatterTable()->Cells(2, 3), "両");
    EXPECT_EQ(MainForm->BatterTable()->Cells(3, 3), "10");
    EXPECT_EQ(MainForm->BatterTable()->Cells(4, 3), "9");
    EXPECT_EQ(MainForm->BatterTable()->Cells(5, 3), "550");
    EXPECT_EQ(MainForm->PitcherTable()->Cells(2, 5), "左背");
    EXPECT_EQ(MainForm->PitcherTable()->Cells(3, 5), "4");
    EXPECT_EQ(MainForm->PitcherTable()->Cells(4, 5), "2550");
    EXPECT_EQ(SwatchOf(MainForm->HelmetColor()), QColor(0x00, 0x69, 0x00));
    EXPECT_EQ(SwatchOf(MainForm->UniformColor()), QColor::fromRgb(teamdata::UnknownColorSwatch));
    EXPECT_EQ(MainForm->RomTeamData().UniformColorByte, 0x3E);
}

TEST_F(MainWindowTest, OpeningWhileAFileIsOpenAsksToCloseFirst) {
    OpenThroughMenu(WriteImage(ValidImage()));
    MessageSeen seen;
    AnswerNextMessage(seen);
    MainForm->MenuOpen()->trigger();
    ASSERT_TRUE(seen.seen);
    ExpectErrorBox(seen, "ファイルを閉じてください");
    EXPECT_EQ(MainForm->windowTitle(), "TOLVANEK -team.nes");
    ExpectTeamShown(0);
}

TEST_F(MainWindowTest, CancellingTheOpenDialogChangesNothing) {
    AnswerNextFileDialog(QString());
    MainForm->SpeedOpenButton()->click();
    EXPECT_TRUE(MainForm->FilePath().isEmpty());
    EXPECT_EQ(MainForm->windowTitle(), "TOLVANEK");
    EXPECT_TRUE(AllDataCellsEmpty());
    EXPECT_TRUE(GuiTest::NoModalOpen());
}

TEST_F(MainWindowTest, ABadRecordOnOpeningForgetsTheFileAndShowsNothingOfIt) {
    ImageBuilder image = ValidImage();
    image.SetPitcherLeadByte(0, 3, 21);
    MessageSeen question;
    MessageSeen seen;
    GuiTest::OnNextModal(
        [&](QWidget* box) {
            question.seen = true;
            question.text = static_cast<QMessageBox*>(box)->text();
            AnswerNextMessage(seen);
            for (QAbstractButton* button : static_cast<QMessageBox*>(box)->buttons())
                if (button->text() == "はい(&Y)")
                    button->click();
        },
        nullptr, 5000, [](QWidget* w) { return qobject_cast<QMessageBox*>(w) != nullptr; });
    OpenThroughMenu(WriteImage(image));
    ASSERT_TRUE(question.seen);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.text, "ファイルが壊れています");
    EXPECT_EQ(seen.title, "ｴﾗｰ");
    EXPECT_TRUE(MainForm->FilePath().isEmpty());
    EXPECT_EQ(MainForm->windowTitle(), "TOLVANEK");
    EXPECT_TRUE(AllDataCellsEmpty());
    EXPECT_EQ(MainForm->TeamBox()->count(), 0);
}

TEST_F(MainWindowTest, AFileTooShortForItsRecordsIsReportedBroken) {
    ImageBuilder image = ValidImage();
    image.Resize(teamdata::TeamAreaBase + 100);
    MessageSeen seen;
    AnswerNextMessage(seen);
    OpenThroughMenu(WriteImage(image));
    EXPECT_EQ(seen.text, "ファイルが壊れています");
    EXPECT_TRUE(MainForm->FilePath().isEmpty());
}

TEST_F(MainWindowTest, AnImageEndingBeforeItsColoursIsRefused) {
    ImageBuilder image = ValidImage();
    image.Resize(testsupport::TeamBlocksEnd);
    MessageSeen seen;
    AnswerNextMessage(seen);
    OpenThroughMenu(WriteImage(image));
    EXPECT_EQ(seen.text, "ファイルが壊れています");
    EXPECT_TRUE(MainForm->FilePath().isEmpty());
    EXPECT_EQ(MainForm->TeamBox()->count(), 0);
}

TEST_F(MainWindowTest, OpeningChecksTheWholeImageFirst) {
    // A valid header in front of zeros: no batting order holds the positions 2..9.
    ImageBuilder zeros;
    for (std::size_t offset = testsupport::InesHeaderSize; offset < zeros.Bytes().size(); ++offset)
        zeros.SetByte(offset, 0);
    const auto zeroPath = WriteImage(zeros, "zeros.nes");
    OpenQuestionable(zeroPath, false);
    EXPECT_TRUE(MainForm->FilePath().isEmpty());
    EXPECT_EQ(MainForm->windowTitle(), "TOLVANEK");

    // A length the header does not declare asks too; Yes opens the file.
    const auto longer =
        WriteImage(ValidImage().Resize(testsupport::DefaultImageSize + 1), "long.nes");
    const MessageSeen question = OpenQuestionable(longer, true);
    EXPECT_EQ(question.title, "確認");
    EXPECT_EQ(MainForm->FilePath(), Q(longer));
    MainForm->MenuClose()->trigger();

    // No magic at all: refused outright.
    ImageBuilder noMagic = ValidImage();
    noMagic.SetByte(0, 'X');
    MessageSeen seen;
    AnswerNextMessage(seen);
    OpenThroughMenu(WriteImage(noMagic, "nomagic.nes"));
    EXPECT_EQ(seen.text, "ファイルが壊れています");
    EXPECT_TRUE(MainForm->FilePath().isEmpty());

    // A real-shaped image opens with no question.
    OpenImage(WriteImage(ValidImage()));
    EXPECT_TRUE(GuiTest::NoModalOpen());
}

TEST_F(MainWindowTest, SwitchingTeamsWithoutEditsAsksNothing) {
    OpenThroughMenu(WriteImage(ValidImage()));
    PickTeam(5);
    EXPECT_TRUE(GuiTest::NoModalOpen());
    ExpectTeamShown(5);
    EXPECT_EQ(MainForm->ShownTeam(), 5);
    EXPECT_EQ(MainForm->DataChanged(), 0);
}

TEST_F(MainWindowTest, SwitchingTeamsWithEditsAsksAndNoKeepsEverything) {
    OpenThroughMenu(WriteImage(ValidImage()));
    MainForm->ApplyCellText(MainForm->BatterTable(), 6, 1, "42");

    MessageSeen seen;
    AnswerNextMessage(seen, "いいえ(&N)");
    PickTeam(3);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.text, "現在のデータは変更されています。よろしいですか？");
    EXPECT_EQ(seen.title, "確認");
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, QStringList({"はい(&Y)", "いいえ(&N)"}));
    EXPECT_EQ(MainForm->BatterTable()->Cells(6, 1), "42");
    EXPECT_EQ(MainForm->DataChanged(), 1);
    // The team box is back on the team whose rows are shown, so a save writes them home.
    EXPECT_EQ(MainForm->TeamBox()->currentIndex(), 0);
    EXPECT_EQ(MainForm->TeamBox()->currentText(), "Ｄ");

    AnswerNextMessage(seen, "はい(&Y)");
    PickTeam(3);
    ExpectTeamShown(3);
    EXPECT_EQ(MainForm->DataChanged(), 0);
}

TEST_F(MainWindowTest, ABadRecordOnSwitchingEmptiesTheGridsAndForgetsTheFile) {
    ImageBuilder image = ValidImage();
    image.SetBatterLeadByte(7, 2, 200);
    OpenQuestionable(WriteImage(image));
    MakeUnsavedEdit();
    MessageSeen question;
    AnswerNextMessage(question, "はい(&Y)");
    MessageSeen broken;
    QTimer::singleShot(0, [&] { AnswerNextMessage(broken); });
    PickTeam(7);
    EXPECT_EQ(broken.text, "ファイルが壊れています");
    EXPECT_TRUE(AllDataCellsEmpty());
    EXPECT_TRUE(MainForm->FilePath().isEmpty());
    EXPECT_EQ(MainForm->windowTitle(), "TOLVANEK");
    EXPECT_EQ(MainForm->DataChanged(), 0);
}

TEST_F(MainWindowTest, TypedInitialsPickATeamAndOtherTextIsPutBack) {
    OpenThroughMenu(WriteImage(ValidImage()));
    QLineEdit* edit = MainForm->TeamBox()->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "Bu");
    EXPECT_EQ(MainForm->TeamBox()->currentIndex(), 6);
    EXPECT_EQ(MainForm->ShownTeam(), 6);
    ExpectTeamShown(6);

    edit->selectAll();
    QTest::keyClicks(edit, "xyz");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(MainForm->TeamBox()->currentIndex(), 6);
    EXPECT_EQ(MainForm->TeamBox()->currentText(), "Bu");
    EXPECT_EQ(MainForm->FilePath().isEmpty(), false);
    ExpectTeamShown(6);

    // Initials of another width or case name the team the box lists, and Enter shows it. Keys
    // go to the box, as a real keyboard sends them: the box hands them on to its edit field.
    QComboBox* box = MainForm->TeamBox();
    for (const auto& [typed, team, listed] :
         {std::tuple{"g", 3, "Ｇ"}, std::tuple{"bU", 6, "Bu"}, std::tuple{"Ｄ", 0, "Ｄ"}}) {
        edit->selectAll();
        const QString text = QString::fromUtf8(typed);
        // QTest types only ASCII keys; a full-width letter comes as an input method gives it.
        if (text.front().unicode() < 0x80)
            QTest::keyClicks(box, text);
        else
            edit->insert(text);
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(MainForm->ShownTeam(), team) << typed;
        EXPECT_EQ(box->currentText(), QString::fromUtf8(listed)) << typed;
        ExpectTeamShown(team);
    }
}

TEST_F(MainWindowTest, FunctionKeysOpenAndClose) {
    const QString path = Q(WriteImage(ValidImage()));
    AnswerNextFileDialog(path);
    PressKey(Qt::Key_F1);
    ASSERT_EQ(MainForm->FilePath(), path);
    PressKey(Qt::Key_F8);
    EXPECT_TRUE(MainForm->FilePath().isEmpty());
    EXPECT_TRUE(AllDataCellsEmpty());
    EXPECT_EQ(MainForm->windowTitle(), "TOLVANEK");
    // The team box keeps the last file's entries; with no file, a pick changes nothing and says
    // nothing: there is no file that could be broken.
    EXPECT_EQ(MainForm->TeamBox()->count(), 16);
    PickTeam(2);
    EXPECT_TRUE(GuiTest::NoModalOpen());
    EXPECT_EQ(MainForm->TeamBox()->currentIndex(), 0);
    EXPECT_EQ(MainForm->TeamBox()->currentText(), "Ｄ");
    EXPECT_TRUE(AllDataCellsEmpty());
    PressKey(Qt::Key_F10);
    EXPECT_TRUE(GuiTest::WaitFor([] { return !MainForm->isVisible(); }));
}

TEST_F(MainWindowTest, FileDialogsSpeakJapaneseAndLeaveNoSettingsFileBehind) {
    QStringList buttons;
    GuiTest::OnNextModal(
        [&buttons](QWidget* dialog) {
            for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
                if (button->isVisible() && !button->text().isEmpty())
                    buttons << button->text();
            static_cast<QDialog*>(dialog)->reject();
        },
        nullptr, 5000, [](QWidget* w) { return w->inherits("QFileDialog"); });
    MainForm->MenuOpen()->trigger();
    EXPECT_TRUE(buttons.contains("開く(&O)")) << buttons.join(", ").toStdString();
    EXPECT_TRUE(buttons.contains("キャンセル")) << buttons.join(", ").toStdString();

    // Opening a file through the dialog and closing it again leaves the test's configuration
    // folder (XDG_CONFIG_HOME) empty: the dialog's history is not written anywhere.
    OpenThroughMenu(WriteImage(ValidImage()));
    const QDir config(qEnvironmentVariable("XDG_CONFIG_HOME"));
    ASSERT_TRUE(config.exists());
    EXPECT_TRUE(config.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty())
        << config.entryList(QDir::AllEntries | QDir::NoDotAndDotDot).join(", ").toStdString();
}

TEST_F(MainWindowTest, ClosingWithUnsavedEditsAsksFirst) {
    OpenThroughMenu(WriteImage(ValidImage()));
    MakeUnsavedEdit();

    MessageSeen seen;
    AnswerNextMessage(seen, "いいえ(&N)");
    MainForm->MenuClose()->trigger();
    EXPECT_EQ(seen.text, "現在のデータは変更されています。よろしいですか？");
    EXPECT_FALSE(MainForm->FilePath().isEmpty());
    EXPECT_EQ(MainForm->DataChanged(), 1);

    AnswerNextMessage(seen, "いいえ(&N)");
    MainForm->SpeedCloseButton()->click();
    EXPECT_FALSE(MainForm->FilePath().isEmpty());

    AnswerNextMessage(seen, "いいえ(&N)");
    MainForm->close();
    EXPECT_TRUE(MainForm->isVisible());

    AnswerNextMessage(seen, "いいえ(&N)");
    MainForm->MenuExit()->trigger();
    EXPECT_TRUE(MainForm->isVisible());

    AnswerNextMessage(seen, "はい(&Y)");
    MainForm->SpeedCloseButton()->click();
    EXPECT_TRUE(MainForm->FilePath().isEmpty());
    EXPECT_EQ(MainForm->DataChanged(), 0);
    // Nothing is asked once nothing is left to lose.
    MainForm->close();
    EXPECT_FALSE(MainForm->isVisible());
}

TEST_F(MainWindowTest, ClosingTheMenuWayWithEditsThenYesLeavesNothingToAskAbout) {
    OpenThroughMenu(WriteImage(ValidImage()));
    MakeUnsavedEdit();
    MessageSeen seen;
    AnswerNextMessage(seen, "はい(&Y)");
    MainForm->MenuClose()->trigger();
    EXPECT_TRUE(MainForm->FilePath().isEmpty());
    EXPECT_EQ(MainForm->DataChanged(), 0);
}

} // namespace

namespace {

// WCAG's contrast ratio of two colours, 1 to 21; 4.5 is what ordinary text needs to be read.
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A desktop's dark theme: light text on dark windows, buttons and fields.
QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::AlternateBase, QColor(0x28, 0x28, 0x28));
    dark.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::Button, QColor(0x3A, 0x3A, 0x3A));
    dark.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    return dark;
}

} // namespace

// Whatever the desktop's theme, every cell's text, the headers and the name keyboard's refusal
// note stand out from what they are drawn on.
TEST_F(MainWindowTest, GridsAndTheRefusalNoteReadUnderALightAndADarkTheme) {
    const QPalette original = QApplication::palette();
    for (const QPalette& theme : {original, DarkPalette()}) {
        DestroyApplicationWindows();
        QApplication::setPalette(theme);
        CreateApplicationWindows();
        OpenImage(WriteImage(ValidImage()));
        for (StringGrid* grid : {MainForm->BatterTable(), MainForm->PitcherTable()}) {
            const QPalette cells = grid->palette();
            for (int r = 0; r < grid->rowCount(); ++r)
                for (int c = 0; c < grid->columnCount(); ++c) {
                    const QTableWidgetItem* item = grid->item(r, c);
                    const QColor text = item && item->foreground().style() != Qt::NoBrush
                                            ? item->foreground().color()
                                            : cells.color(QPalette::Text);
                    const QColor ground = item && item->background().style() != Qt::NoBrush
                                              ? item->background().color()
                                              : cells.color(QPalette::Base);
                    EXPECT_GE(Contrast(text, ground), 4.5) << grid->objectName().toStdString();
                }
            EXPECT_GE(
                Contrast(cells.color(QPalette::HighlightedText), cells.color(QPalette::Highlight)),
                3.0);
            const QPalette header = grid->horizontalHeader()->palette();
            EXPECT_GE(Contrast(header.color(QPalette::ButtonText), header.color(QPalette::Button)),
                      4.5);
        }
        NameForm->EnsureBuilt();
        EXPECT_GE(Contrast(NameForm->RefusalLabel->palette().color(QPalette::WindowText),
                           NameForm->palette().color(QPalette::Window)),
                  4.5);
    }
    QApplication::setPalette(original);
}
