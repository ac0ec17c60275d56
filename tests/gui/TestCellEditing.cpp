// SPDX-License-Identifier: MIT
#include "CellEditRules.h"
#include "GridCaptions.h"
#include "MainWindowFixture.h"
#include "Nameunit.h"
#include "TeamWords.h"
#include "Valuedlg.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <vector>

using GuiTest::AnswerNextMessage;
using GuiTest::MessageSeen;

namespace {

const QString Name = QStringLiteral("やまた゛　");
// The same name as the window shows it, in the grid and in the dialogs alike.
const QString ShownName = QStringLiteral("やまだ　");

// Button numbers of the keyboard keys used below.
constexpr int KeyA = 49, KeyYa = 11, KeyMa = 16, KeyTa = 30, KeyVoiced = 83, KeyLatinA = 69,
              KeyLatinB = 68;

// What the value dialog showed when it came up, before the test touched it.
struct ValueDialogSeen {
    bool seen = false;
    QString title;
    QString label;
    int value = 0;
    int minimum = 0;
    int maximum = 0;
    int smallStep = 0;
    int largeStep = 0;
};

enum class Answer { Ok, Cancel, CloseBox };

void Finish(QDialog& dialog, QPushButton* ok, QPushButton* cancel, Answer answer) {
    switch (answer) {
    case Answer::Ok:
        QTest::mouseClick(ok, Qt::LeftButton);
        break;
    case Answer::Cancel:
        QTest::mouseClick(cancel, Qt::LeftButton);
        break;
    case Answer::CloseBox:
        dialog.close();
        break;
    }
    if (dialog.isVisible()) {
        ADD_FAILURE() << "the dialog is still open";
        dialog.reject();
    }
}

// Arranges for the next modal window to be the value dialog: records what it shows, presses
// `keys` on its slider as the user would and closes it by `answer`.
void AnswerValueDialog(ValueDialogSeen& seen, std::initializer_list<Qt::Key> keys,
                       Answer answer = Answer::Ok) {
    std::vector<Qt::Key> pressed(keys);
    GuiTest::OnNextModal(
        [&seen, pressed, answer](QWidget*) {
            TValueDialog& dialog = *ValueDialog;
            seen.seen = true;
            seen.title = dialog.windowTitle();
            seen.label = dialog.ValueLabel->text();
            seen.value = dialog.ValueBar->value();
            seen.minimum = dialog.ValueBar->minimum();
            seen.maximum = dialog.ValueBar->maximum();
            seen.smallStep = dialog.ValueBar->singleStep();
            seen.largeStep = dialog.ValueBar->pageStep();
            for (Qt::Key key : pressed)
                QTest::keyClick(dialog.ValueBar, key);
            Finish(dialog, dialog.BitBtn1, dialog.BitBtn2, answer);
        },
        nullptr, 5000, [](QWidget* w) { return w == ValueDialog; });
}

struct NameFormSeen {
    bool seen = false;
    QString oldName;
    QString startText;
};

// Arranges for the next modal window to be the name keyboard: records its state, clicks the keys
// numbered in `keys` and closes it by `answer`.
void AnswerNameForm(NameFormSeen& seen, std::initializer_list<int> keys,
                    Answer answer = Answer::Ok) {
    std::vector<int> pressed(keys);
    GuiTest::OnNextModal(
        [&seen, pressed, answer](QWidget*) {
            TNameForm& form = *NameForm;
            seen.seen = true;
            seen.oldName = form.OldNameLabel->text();
            seen.startText = form.NameEdit->text();
            for (int number : pressed)
                QTest::mouseClick(form.Key(number), Qt::LeftButton);
            Finish(form, form.BitBtn1, form.BitBtn2, answer);
        },
        nullptr, 5000, [](QWidget* w) { return w == NameForm; });
}

// Closes every modal window that comes up while it lives and names it, for the actions that
// must show nothing. Message boxes may be left to an armed answer instead.
class UnexpectedWindows {
public:
    explicit UnexpectedWindows(bool leaveMessageBoxes = false) {
        QObject::connect(&timer, &QTimer::timeout, [this, leaveMessageBoxes] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible())
                return;
            if (leaveMessageBoxes && qobject_cast<QMessageBox*>(modal))
                return;
            seen << QString::fromLatin1(modal->metaObject()->className());
            modal->close();
        });
        timer.start(10);
    }

    QStringList seen;

private:
    QTimer timer;
};

class CellEditingTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        batters = MainForm->BatterTable();
        pitchers = MainForm->PitcherTable();
    }

    // A valid image, open on its first team with nothing edited yet.
    using MainWindowFixture::OpenImage;
    void OpenImage() {
        ASSERT_NO_FATAL_FAILURE(OpenImage(WriteImage(ValidImage())));
        ASSERT_EQ(MainForm->DataChanged(), 0);
    }

    static void ClickCell(StringGrid* grid, int col, int row,
                          Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(grid->viewport(), button, {}, grid->CellRect(col, row).center());
    }

    // The events of a double click: press, release, press, double click, release.
    static void DoubleClickCell(StringGrid* grid, int col, int row) {
        const QPoint at = grid->CellRect(col, row).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
    }

    static void Drag(StringGrid* grid, std::initializer_list<QPoint> cells) {
        const std::vector<QPoint> path(cells);
        auto at = [grid](QPoint cell) {
            return grid->CellRect(cell.x(), cell.y()).center();
        };
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, at(path.front()));
        for (std::size_t i = 1; i < path.size(); ++i)
            QTest::mouseMove(grid->viewport(), at(path[i]));
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at(path.back()));
    }

    static void SetColumn(StringGrid* grid, int col, const QStringList& texts) {
        for (int r = 1; r <= texts.size(); ++r)
            grid->SetCells(col, r, texts[r - 1]);
    }

    static QStringList Column(StringGrid* grid, int col, int rows) {
        QStringList texts;
        for (int r = 1; r <= rows; ++r)
            texts << grid->Cells(col, r);
        return texts;
    }

    // What the value dialog of one column offers.
    struct ValueColumnOffer {
        int col;
        const char* caption;
        int minimum, maximum, smallStep, largeStep;
    };

    // Names the player of `row`, then clicks the cell of each column in that row, presses `key`
    // in the value dialog and cancels it. Each dialog must be captioned with the column and the
    // player and offer the column's range and steps; `also` checks more of what it showed.
    // Cancelling leaves every cell and the change flag as they were.
    static void ExpectValueDialogs(
        StringGrid* grid, int row, const std::vector<ValueColumnOffer>& columns, Qt::Key key,
        const std::function<void(const ValueColumnOffer&, const ValueDialogSeen&)>& also = {}) {
        grid->SetCells(1, row, Name);
        const auto before = grid->AllCells();
        for (const ValueColumnOffer& column : columns) {
            ValueDialogSeen seen;
            AnswerValueDialog(seen, {key}, Answer::Cancel);
            ClickCell(grid, column.col, row);
            ASSERT_TRUE(seen.seen) << column.col;
            EXPECT_EQ(seen.title, QString::fromUtf8(column.caption) + QStringLiteral("（") +
                                      ShownName + QStringLiteral("）"));
            EXPECT_EQ(seen.minimum, column.minimum) << column.col;
            EXPECT_EQ(seen.maximum, column.maximum) << column.col;
            EXPECT_EQ(seen.smallStep, column.smallStep) << column.col;
            EXPECT_EQ(seen.largeStep, column.largeStep) << column.col;
            if (also)
                also(column, seen);
        }
        EXPECT_EQ(grid->AllCells(), before);
        EXPECT_EQ(MainForm->DataChanged(), 0);
    }

    StringGrid* batters = nullptr;
    StringGrid* pitchers = nullptr;
};

} // namespace

// ---- Without a file ----

TEST_F(CellEditingTest, WithoutAFileClicksAndKeysChangeNothingAndShowNothing) {
    UnexpectedWindows windows;
    batters->SetCells(1, 1, Name);
    batters->SetCells(2, 1, QStringLiteral("右"));
    pitchers->SetCells(2, 1, QStringLiteral("右"));
    const auto batterCells = batters->AllCells();
    const auto pitcherCells = pitchers->AllCells();
    for (int c = 1; c < batters->ColCount(); ++c)
        ClickCell(batters, c, 1);
    for (int c = 1; c < pitchers->ColCount(); ++c)
        ClickCell(pitchers, c, 1);
    batters->SetCurrentCell(1, 1);
    QTest::keyClick(batters, Qt::Key_Right);
    QTest::keyClick(batters, Qt::Key_Right);
    EXPECT_EQ(batters->AllCells(), batterCells);
    EXPECT_EQ(pitchers->AllCells(), pitcherCells);
    EXPECT_EQ(MainForm->DataChanged(), 0);
    EXPECT_TRUE(windows.seen.isEmpty()) << windows.seen.join(", ").toStdString();
}

// ---- Batting side ----

TEST_F(CellEditingTest, ArrowKeysActOnTheCellTheyMoveOnto) {
    OpenImage();
    batters->SetCells(1, 2, Name);
    batters->SetCells(2, 2, QStringLiteral("右"));
    batters->SetCells(3, 2, QStringLiteral("4"));
    batters->SetCurrentCell(1, 2);
    {
        UnexpectedWindows windows;
        QTest::keyClick(batters, Qt::Key_Right);
        EXPECT_TRUE(windows.seen.isEmpty()) << windows.seen.join(", ").toStdString();
    }
    EXPECT_EQ(batters->Cells(2, 2), QStringLiteral("左"));
    EXPECT_EQ(MainForm->DataChanged(), 1);

    MainForm->UndoStack().setClean();
    ValueDialogSeen seen;
    AnswerValueDialog(seen, {Qt::Key_Right});
    QTest::keyClick(batters, Qt::Key_Right);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.title, QStringLiteral("人気（やまだ　）"));
    EXPECT_EQ(seen.value, 4);
    EXPECT_EQ(batters->Cells(3, 2), QStringLiteral("5"));
    EXPECT_EQ(batters->Cells(2, 2), QStringLiteral("左"));
    EXPECT_EQ(MainForm->DataChanged(), 1);
}

TEST_F(CellEditingTest, EachClickOnASideCellStepsItOnceAndMarksTheChange) {
    OpenImage();
    batters->SetCells(2, 4, QStringLiteral("右"));
    for (const QString& expected : QStringList{"左", "両", "右", "左"}) {
        MainForm->UndoStack().setClean();
        ClickCell(batters, 2, 4);
        EXPECT_EQ(batters->Cells(2, 4), expected);
        EXPECT_EQ(MainForm->DataChanged(), 1);
    }
}

TEST_F(CellEditingTest, ADoubleClickOnASideCellStepsItOnce) {
    OpenImage();
    batters->SetCells(2, 1, QStringLiteral("右"));
    DoubleClickCell(batters, 2, 1);
    EXPECT_EQ(batters->Cells(2, 1), QStringLiteral("左"));
}

TEST_F(CellEditingTest, AnUnknownSideTextStaysAsItIs) {
    OpenImage();
    batters->SetCells(2, 1, QStringLiteral("R"));
    ClickCell(batters, 2, 1);
    EXPECT_EQ(batters->Cells(2, 1), QStringLiteral("R"));
    EXPECT_EQ(MainForm->DataChanged(), 0);
}

// ---- Batter values ----

TEST_F(CellEditingTest, EveryBatterValueColumnOpensTheDialogWithItsRangeAndSteps) {
    OpenImage();
    ExpectValueDialogs(
        batters, 6,
        {{3, "人気", 1, 10, 1, 1},
         {4, "守備位置", 1, 9, 1, 1},
         {5, "実打率", 200, 400, 2, 10},
         {6, "本塁打", 0, 59, 1, 10},
         {7, "走力", 0, 50, 1, 10},
         {8, "守備力", 1, 5, 1, 1},
         {9, "肩", 1, 5, 1, 1}},
        Qt::Key_End, [this](const ValueColumnOffer& column, const ValueDialogSeen& seen) {
            EXPECT_EQ(seen.value, batters->Cells(column.col, 6).toInt()) << column.col;
        });
}

TEST_F(CellEditingTest, AnAverageBelowTheRangeOpensAtTheMinimumAndOkWritesIt) {
    OpenImage();
    batters->SetCells(1, 3, Name);
    batters->SetCells(5, 3, QStringLiteral("150"));
    ValueDialogSeen seen;
    AnswerValueDialog(seen, {});
    ClickCell(batters, 5, 3);
    EXPECT_EQ(seen.title, QStringLiteral("実打率（やまだ　）"));
    EXPECT_EQ(seen.value, 200);
    EXPECT_EQ(seen.label, QStringLiteral("200"));
    EXPECT_EQ(batters->Cells(5, 3), QStringLiteral("200"));
    EXPECT_EQ(MainForm->DataChanged(), 1);
}

TEST_F(CellEditingTest, PopularityOutsideTheRangeOpensAtTheNearestEnd) {
    OpenImage();
    ValueDialogSeen low;
    ValueDialogSeen high;
    batters->SetCells(3, 1, QStringLiteral("0"));
    batters->SetCells(3, 2, QStringLiteral("15"));
    AnswerValueDialog(low, {}, Answer::Cancel);
    ClickCell(batters, 3, 1);
    AnswerValueDialog(high, {}, Answer::Cancel);
    ClickCell(batters, 3, 2);
    EXPECT_EQ(low.value, 1);
    EXPECT_EQ(high.value, 10);
    EXPECT_EQ(batters->Cells(3, 1), QStringLiteral("0"));
    EXPECT_EQ(batters->Cells(3, 2), QStringLiteral("15"));
    EXPECT_EQ(MainForm->DataChanged(), 0);
}

TEST_F(CellEditingTest, OkWithoutMovingRewritesTheSameTextAndStillMarksTheChange) {
    OpenImage();
    batters->SetCells(6, 2, QStringLiteral("33"));
    ValueDialogSeen seen;
    AnswerValueDialog(seen, {});
    ClickCell(batters, 6, 2);
    EXPECT_EQ(batters->Cells(6, 2), QStringLiteral("33"));
    EXPECT_EQ(MainForm->DataChanged(), 1);
}

TEST_F(CellEditingTest, CancelAndTheCloseBoxLeaveTheCellAndTheFlag) {
    OpenImage();
    batters->SetCells(7, 2, QStringLiteral("20"));
    for (Answer answer : {Answer::Cancel, Answer::CloseBox}) {
        ValueDialogSeen seen;
        AnswerValueDialog(seen, {Qt::Key_End}, answer);
        ClickCell(batters, 7, 2);
        ASSERT_TRUE(seen.seen);
        EXPECT_EQ(batters->Cells(7, 2), QStringLiteral("20"));
        EXPECT_EQ(MainForm->DataChanged(), 0);
    }
}

// ---- Fielding positions ----

TEST_F(CellEditingTest, APickedPositionSwapsWithTheUpperOfTwoRowsHoldingIt) {
    OpenImage();
    SetColumn(batters, 4, {"2", "4", "6", "7", "4", "5", "8", "9", "3", "1", "2", "4", "6"});
    ValueDialogSeen seen;
    AnswerValueDialog(seen, {Qt::Key_Left, Qt::Key_Left}); // 6 → 4
    ClickCell(batters, 4, 3);
    EXPECT_EQ(seen.value, 6);
    EXPECT_EQ(Column(batters, 4, 13),
              (QStringList{"2", "6", "4", "7", "4", "5", "8", "9", "3", "1", "2", "4", "6"}));
    EXPECT_EQ(MainForm->DataChanged(), 1);
}

TEST_F(CellEditingTest, APositionAndTheSwapItCausesUndoAndRedoAsOneStep) {
    OpenImage();
    const QStringList order = {"2", "4", "6", "7", "3", "5", "8", "9"};
    SetColumn(batters, 4, order);
    // The cells were set directly, so the stack starts with this one step.
    MainForm->UndoStack().clear();
    ValueDialogSeen seen;
    AnswerValueDialog(seen, {Qt::Key_Left, Qt::Key_Left}); // 6 → 4
    ClickCell(batters, 4, 3);
    const QStringList swapped = {"2", "6", "4", "7", "3", "5", "8", "9"};
    ASSERT_EQ(Column(batters, 4, 8), swapped);
    EXPECT_EQ(MainForm->MenuUndo()->text(), "元に戻す(&U): 守備位置");
    EXPECT_FALSE(MainForm->MenuRedo()->isEnabled());

    MainForm->MenuUndo()->trigger();
    EXPECT_EQ(Column(batters, 4, 8), order);
    EXPECT_FALSE(MainForm->MenuUndo()->isEnabled());
    EXPECT_EQ(MainForm->MenuUndo()->text(), "元に戻す(&U)");
    EXPECT_EQ(MainForm->MenuRedo()->text(), "やり直し(&R): 守備位置");
    EXPECT_EQ(MainForm->DataChanged(), 0);
    MainForm->MenuRedo()->trigger();
    EXPECT_EQ(Column(batters, 4, 8), swapped);
    EXPECT_EQ(MainForm->DataChanged(), 1);
}

TEST_F(CellEditingTest, UndoingBackToTheSavedTeamLeavesNothingToAskAbout) {
    const auto path = WriteImage(ValidImage());
    OpenImage(path);
    batters->SetCurrentCell(2, 4);
    MainForm->BatterTableClick();
    PressKey(Qt::Key_F5);
    EXPECT_EQ(MainForm->DataChanged(), 0);
    const auto saved = testsupport::ReadFileBytes(path);
    MainForm->BatterTableClick();
    MainForm->BatterTableClick();
    EXPECT_EQ(MainForm->DataChanged(), 1);
    PressKey(Qt::Key_Z);
    EXPECT_EQ(MainForm->DataChanged(), 1) << "Z alone is no undo";
    QTest::keyClick(MainForm, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(MainForm, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(MainForm->DataChanged(), 0);
    // One step further back is the team as shown before the save: that is an edit again.
    QTest::keyClick(MainForm, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(MainForm->DataChanged(), 1);
    QTest::keyClick(MainForm, Qt::Key_Z, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(MainForm->DataChanged(), 0);
    // Undo never writes: the file is as saved, and closing asks nothing.
    EXPECT_EQ(testsupport::ReadFileBytes(path), saved);
    MainForm->MenuClose()->trigger();
    EXPECT_TRUE(GuiTest::NoModalOpen());
    EXPECT_TRUE(MainForm->FilePath().isEmpty());
    EXPECT_FALSE(MainForm->MenuUndo()->isEnabled());
}

TEST_F(CellEditingTest, APickedPositionBelowTheEditedRowSwapsToo) {
    OpenImage();
    SetColumn(batters, 4, {"2", "3", "6", "7", "4", "5", "8", "9"});
    ValueDialogSeen seen;
    AnswerValueDialog(seen, {Qt::Key_Left, Qt::Key_Left});
    ClickCell(batters, 4, 3);
    EXPECT_EQ(Column(batters, 4, 8), (QStringList{"2", "3", "4", "7", "6", "5", "8", "9"}));
}

TEST_F(CellEditingTest, ABenchRowMayRepeatAPositionOfTheBattingOrder) {
    OpenImage();
    const QStringList order = {"2", "3", "6", "7", "4", "5", "8", "9"};
    SetColumn(batters, 4, order);
    batters->SetCells(4, 10, QStringLiteral("1"));
    ValueDialogSeen seen;
    AnswerValueDialog(seen, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}); // 1 → 4
    ClickCell(batters, 4, 10);
    EXPECT_EQ(batters->Cells(4, 10), QStringLiteral("4"));
    EXPECT_EQ(Column(batters, 4, 8), order);
    EXPECT_EQ(MainForm->DataChanged(), 1);
}

TEST_F(CellEditingTest, APositionNoRowHoldsChangesOnlyTheClickedCell) {
    OpenImage();
    SetColumn(batters, 4, {"2", "3", "6", "7", "4", "5", "8", "9", "1", "1", "1", "1", "1"});
    const auto before = batters->AllCells();
    ValueDialogSeen seen;
    AnswerValueDialog(seen, {Qt::Key_Home}); // 1
    ClickCell(batters, 4, 6);
    auto expected = before;
    expected[6][4] = QStringLiteral("1");
    EXPECT_EQ(batters->AllCells(), expected);
}

// ---- Names ----

TEST_F(CellEditingTest, TheKeyboardStartsEmptyShowsTheOldNameAndStopsAtFiveCharacters) {
    OpenImage();
    batters->SetCells(1, 5, Name);
    EXPECT_EQ(batters->ShownText(1, 5), ShownName) << "as the keyboard names it";
    NameForm->EnsureBuilt();
    NameForm->NameEdit->setText(QStringLiteral("ＸＸ"));
    NameFormSeen seen;
    AnswerNameForm(seen, {KeyA, KeyA, KeyA, KeyA, KeyA, KeyA});
    ClickCell(batters, 1, 5);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.oldName, ShownName);
    EXPECT_EQ(seen.startText, QString());
    EXPECT_EQ(batters->Cells(1, 5), QStringLiteral("あああああ"));
    EXPECT_EQ(MainForm->DataChanged(), 1);
}

TEST_F(CellEditingTest, AShortNameIsPaddedWithFullWidthSpaces) {
    OpenImage();
    NameFormSeen seen;
    AnswerNameForm(seen, {KeyYa, KeyMa, KeyTa, KeyVoiced});
    ClickCell(batters, 1, 9);
    EXPECT_EQ(batters->Cells(1, 9), QStringLiteral("やまた゛　"));
    NameFormSeen pitcherSeen;
    AnswerNameForm(pitcherSeen, {KeyLatinA, KeyLatinB});
    ClickCell(pitchers, 1, 2);
    EXPECT_EQ(pitchers->Cells(1, 2), QStringLiteral("ＡＢ　　　"));
    EXPECT_EQ(MainForm->DataChanged(), 1);
}

TEST_F(CellEditingTest, CancellingTheKeyboardAfterTypingKeepsTheName) {
    OpenImage();
    batters->SetCells(1, 1, Name);
    pitchers->SetCells(1, 1, Name);
    NameFormSeen seen;
    AnswerNameForm(seen, {KeyA, KeyA}, Answer::Cancel);
    ClickCell(batters, 1, 1);
    NameFormSeen closed;
    AnswerNameForm(closed, {KeyA}, Answer::CloseBox);
    ClickCell(pitchers, 1, 1);
    ASSERT_TRUE(seen.seen);
    ASSERT_TRUE(closed.seen);
    EXPECT_EQ(batters->Cells(1, 1), Name);
    EXPECT_EQ(pitchers->Cells(1, 1), Name);
    EXPECT_EQ(MainForm->DataChanged(), 0);
}

TEST_F(CellEditingTest, OkWithNoNameGivesTheBlankName) {
    OpenImage();
    pitchers->SetCells(1, 4, Name);
    NameFormSeen seen;
    AnswerNameForm(seen, {});
    ClickCell(pitchers, 1, 4);
    EXPECT_EQ(pitchers->Cells(1, 4), QString(5, QChar(0x3000)));
    EXPECT_EQ(MainForm->DataChanged(), 1);
}

// ---- Values that are not numbers ----

TEST_F(CellEditingTest, AValueCellWithoutANumberIsReportedBeforeAnyDialog) {
    OpenImage();
    batters->SetCells(5, 2, QString());
    pitchers->SetCells(4, 3, QStringLiteral("1.5"));
    const auto batterCells = batters->AllCells();
    const auto pitcherCells = pitchers->AllCells();
    UnexpectedWindows windows(true);
    MessageSeen empty;
    AnswerNextMessage(empty);
    ClickCell(batters, 5, 2);
    MessageSeen decimal;
    AnswerNextMessage(decimal);
    ClickCell(pitchers, 4, 3);
    ASSERT_TRUE(empty.seen);
    EXPECT_EQ(empty.title, QStringLiteral("TOLVANEK"));
    EXPECT_EQ(empty.icon, QMessageBox::Critical);
    EXPECT_EQ(empty.text, QStringLiteral("'' は数値ではありません"));
    EXPECT_EQ(empty.buttons, (QStringList{QStringLiteral("OK")}));
    ASSERT_TRUE(decimal.seen);
    EXPECT_EQ(decimal.text, QStringLiteral("'1.5' は数値ではありません"));
    EXPECT_TRUE(windows.seen.isEmpty()) << windows.seen.join(", ").toStdString();
    EXPECT_EQ(batters->AllCells(), batterCells);
    EXPECT_EQ(pitchers->AllCells(), pitcherCells);
    EXPECT_EQ(MainForm->DataChanged(), 0);
    // The editor goes on working after the message.
    batters->SetCells(2, 2, QStringLiteral("両"));
    ClickCell(batters, 2, 2);
    EXPECT_EQ(batters->Cells(2, 2), QStringLiteral("右"));
}

// ---- Places and buttons that do nothing ----

TEST_F(CellEditingTest, TheEmptyColumnsLabelsHeadersAndOtherButtonsDoNothing) {
    OpenImage();
    batters->SetCells(2, 3, QStringLiteral("右"));
    const auto batterCells = batters->AllCells();
    const auto pitcherCells = pitchers->AllCells();
    UnexpectedWindows windows;
    ClickCell(batters, 10, 3);
    ClickCell(batters, 11, 3);
    for (StringGrid* grid : {batters, pitchers}) {
        QHeaderView* header = grid->horizontalHeader();
        QHeaderView* labels = grid->verticalHeader();
        for (int c = 1; c < grid->ColCount(); ++c)
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(c - 1) + 5, 5));
        QTest::mouseClick(labels->viewport(), Qt::LeftButton, {},
                          QPoint(5, labels->sectionViewportPosition(2) + 5));
    }
    for (int c = 1; c <= 9; ++c)
        ClickCell(batters, c, 3, Qt::RightButton);
    for (int c = 1; c <= 11; ++c)
        ClickCell(pitchers, c, 3, Qt::RightButton);
    EXPECT_TRUE(windows.seen.isEmpty()) << windows.seen.join(", ").toStdString();
    EXPECT_EQ(batters->AllCells(), batterCells);
    EXPECT_EQ(pitchers->AllCells(), pitcherCells);
    EXPECT_EQ(MainForm->DataChanged(), 0);
}

// ---- Dragging ----

TEST_F(CellEditingTest, ABatterDragActsOnTheCellWhereTheButtonIsReleased) {
    OpenImage();
    SetColumn(batters, 2, {"右", "右", "右"});
    Drag(batters, {{2, 1}, {2, 2}, {2, 3}});
    EXPECT_EQ(Column(batters, 2, 3), (QStringList{"右", "右", "左"}));
}

TEST_F(CellEditingTest, APitcherDragActsOnTheCellWhereTheButtonWasPressed) {
    OpenImage();
    SetColumn(pitchers, 2, {"右", "右", "右"});
    Drag(pitchers, {{2, 1}, {2, 2}, {2, 3}});
    EXPECT_EQ(Column(pitchers, 2, 3), (QStringList{"左", "右", "右"}));
}

// ---- Pitchers ----

TEST_F(CellEditingTest, TenClicksTakeAPitchingStyleRoundItsCycle) {
    OpenImage();
    pitchers->SetCells(2, 5, QStringLiteral("右"));
    QStringList passed;
    for (int i = 0; i < 10; ++i) {
        MainForm->UndoStack().setClean();
        ClickCell(pitchers, 2, 5);
        passed << pitchers->Cells(2, 5);
        EXPECT_EQ(MainForm->DataChanged(), 1);
    }
    EXPECT_EQ(passed, (QStringList{"左", "右下", "左下", "右横", "左横", "右ま", "左ま", "右背",
                                   "左背", "右"}));
    pitchers->SetCells(2, 5, QStringLiteral("両"));
    MainForm->UndoStack().setClean();
    ClickCell(pitchers, 2, 5);
    EXPECT_EQ(pitchers->Cells(2, 5), QStringLiteral("両"));
    EXPECT_EQ(MainForm->DataChanged(), 0);
}

TEST_F(CellEditingTest, EveryPitcherValueColumnOpensTheDialogWithItsRangeAndSteps) {
    OpenImage();
    ExpectValueDialogs(pitchers, 2,
                       {{3, "人気", 1, 10, 1, 1},
                        {4, "防御率", 0, 995, 10, 50},
                        {5, "スタミナ", 1, 20, 1, 2},
                        {6, "球速（速）", 80, 195, 2, 10},
                        {7, "球速（中）", 80, 195, 2, 10},
                        {8, "球速（遅）", 80, 195, 2, 10},
                        {9, "右変化球", 0, 32, 2, 10},
                        {10, "左変化球", 0, 32, 2, 10},
                        {11, "フォーク", 0, 32, 2, 10}},
                       Qt::Key_Home);
}

TEST_F(CellEditingTest, TheLargestEarnedRunAverageOpensAtTheTopAndOkCutsItToTheStep) {
    OpenImage();
    pitchers->SetCells(4, 1, QStringLiteral("2550"));
    ValueDialogSeen seen;
    AnswerValueDialog(seen, {});
    ClickCell(pitchers, 4, 1);
    EXPECT_EQ(seen.value, 995);
    EXPECT_EQ(seen.label, QStringLiteral("995"));
    EXPECT_EQ(pitchers->Cells(4, 1), QStringLiteral("990"));
    EXPECT_EQ(MainForm->DataChanged(), 1);
}

TEST_F(CellEditingTest, ASpeedAtTheRightEndComesBackAsTheLastEvenValue) {
    OpenImage();
    pitchers->SetCells(6, 3, QStringLiteral("120"));
    ValueDialogSeen seen;
    AnswerValueDialog(seen, {Qt::Key_End});
    ClickCell(pitchers, 6, 3);
    EXPECT_EQ(pitchers->Cells(6, 3), QStringLiteral("194"));
    EXPECT_EQ(MainForm->DataChanged(), 1);
}

TEST_F(CellEditingTest, AnOddSpeedOpensAsItIsAndOkMakesItEven) {
    OpenImage();
    pitchers->SetCells(6, 2, QStringLiteral("141"));
    ValueDialogSeen cancelled;
    AnswerValueDialog(cancelled, {}, Answer::Cancel);
    ClickCell(pitchers, 6, 2);
    EXPECT_EQ(cancelled.value, 141);
    EXPECT_EQ(pitchers->Cells(6, 2), QStringLiteral("141"));
    EXPECT_EQ(MainForm->DataChanged(), 0);

    ValueDialogSeen confirmed;
    AnswerValueDialog(confirmed, {});
    ClickCell(pitchers, 6, 2);
    EXPECT_EQ(confirmed.value, 141);
    EXPECT_EQ(pitchers->Cells(6, 2), QStringLiteral("140"));
    EXPECT_EQ(MainForm->DataChanged(), 1);
}

TEST_F(CellEditingTest, PitcherPopularityZeroOpensAtOne) {
    OpenImage();
    pitchers->SetCells(3, 4, QStringLiteral("0"));
    ValueDialogSeen seen;
    AnswerValueDialog(seen, {});
    ClickCell(pitchers, 3, 4);
    EXPECT_EQ(seen.value, 1);
    EXPECT_EQ(pitchers->Cells(3, 4), QStringLiteral("1"));
}

TEST_F(CellEditingTest, StaminaMovesByOneOnALineStepAndTwoOnAPageStep) {
    OpenImage();
    pitchers->SetCells(5, 1, QStringLiteral("10"));
    ValueDialogSeen line;
    AnswerValueDialog(line, {Qt::Key_Right});
    ClickCell(pitchers, 5, 1);
    EXPECT_EQ(pitchers->Cells(5, 1), QStringLiteral("11"));
    ValueDialogSeen page;
    AnswerValueDialog(page, {Qt::Key_PageDown});
    ClickCell(pitchers, 5, 1);
    EXPECT_EQ(pitchers->Cells(5, 1), QStringLiteral("13"));
}

// ---- What the edits are called ----

// The window names its undo steps and value dialogs by the interface's words for the columns, so
// that another language can name them too. In Japanese the names must stay what the window has
// always shown: the column headers without the spaces that pad them, and the value dialog captions
// of the cell rules.
TEST(EditCaptions, InJapaneseAreThePaddedHeadersTrimmedAndTheCaptionsOfTheCellRules) {
    using teamdata::Grid;
    const auto trimmed = [](std::string_view header) {
        return Q(header).remove(QChar(0x3000)).remove(QLatin1Char(' '));
    };
    for (int c = 1; c < teamdata::GridColumnCount; ++c) {
        const auto batter = static_cast<std::size_t>(c);
        EXPECT_EQ(exchange::ColumnName(Grid::Batters, c),
                  batter < teamdata::BatterHeaders.size() ? trimmed(teamdata::BatterHeaders[batter])
                                                          : QString())
            << c;
        EXPECT_EQ(exchange::ColumnName(Grid::Pitchers, c),
                  trimmed(teamdata::PitcherHeaders[static_cast<std::size_t>(c)]))
            << c;
        if (const auto column = teamdata::BatterValueColumn(c)) {
            EXPECT_EQ(exchange::ValueCaption(Grid::Batters, c), Q(column->caption)) << c;
        }
        if (const auto column = teamdata::PitcherValueColumn(c)) {
            EXPECT_EQ(exchange::ValueCaption(Grid::Pitchers, c), Q(column->caption)) << c;
        }
    }
}

namespace {

// In Japanese, too, each header names its column in full: the grid cuts several of them off.
TEST_F(CellEditingTest, EveryHeaderNamesItsColumnInFullInItsTooltip) {
    const auto tip = [](const StringGrid* grid, int col) {
        return grid->model()->headerData(col - 1, Qt::Horizontal, Qt::ToolTipRole).toString();
    };
    EXPECT_EQ(tip(batters, teamdata::BatterColumn::Popularity), QStringLiteral("ファンからの人気"));
    EXPECT_EQ(tip(batters, teamdata::BatterColumn::Average), QStringLiteral("打率"));
    EXPECT_EQ(tip(pitchers, teamdata::PitcherColumn::RightBreak),
              QStringLiteral("右変化：変化球が右に曲がる大きさ"));
    for (int c = 1; c < 10; ++c)
        EXPECT_FALSE(tip(batters, c).isEmpty()) << c;
    for (int c = 1; c < 12; ++c)
        EXPECT_FALSE(tip(pitchers, c).isEmpty()) << c;
}

} // namespace
