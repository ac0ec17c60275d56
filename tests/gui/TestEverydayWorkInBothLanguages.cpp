// SPDX-License-Identifier: MIT
// What a new user does first, with real key presses and mouse clicks, under the Japanese and the
// English interface alike: switching team with unsaved edits, trading a player by the row labels,
// pasting rows copied under the other language, dropping a team CSV and typing a value.

#include "League.h"
#include "MainWindowFixture.h"
#include "MainunitShared.h"
#include "MessageDialogs.h"
#include "Translations.h"
#include "Valuedlg.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QUrl>

#include <gtest/gtest.h>

#include <fstream>

using exchange::Language;
using GuiTest::OnNextModal;
using testsupport::ImageBuilder;
using namespace teamdata;

namespace {

// Counts the message boxes that are shown, whoever answers them.
class MessageBoxCounter : public QObject {
public:
    MessageBoxCounter() { qApp->installEventFilter(this); }
    ~MessageBoxCounter() override { qApp->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<QMessageBox*>(watched))
            ++count;
        return false;
    }
};

QString Yes() {
    return MessageButtonText(MessageResult::Yes);
}
QString No() {
    return MessageButtonText(MessageResult::No);
}

class EverydayWork : public MainWindowFixture, public ::testing::WithParamInterface<Language> {
protected:
    void SetUp() override {
        exchange::InstallTranslations(*qApp, GetParam());
        MainWindowFixture::SetUp();
    }
    void TearDown() override {
        MainWindowFixture::TearDown();
        exchange::InstallTranslations(*qApp, Language::Japanese);
    }

    [[nodiscard]] static bool Japanese() { return GetParam() == Language::Japanese; }

    static void ExpectUnsavedEditsQuestion(const GuiTest::MessageSeen& seen) {
        EXPECT_EQ(seen.text, mainunit::UnsavedEditsQuestion());
        if (Japanese()) {
            EXPECT_EQ(seen.text, "現在のデータは変更されています。よろしいですか？");
        }
    }

    // Types `initials` into the team box and presses Enter, as a user does.
    static void TypeTeam(const QString& initials) {
        QComboBox* box = MainForm->TeamBox();
        MainForm->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(MainForm));
        box->lineEdit()->setFocus();
        box->lineEdit()->selectAll();
        QTest::keyClicks(box, initials);
        QTest::keyClick(box, Qt::Key_Return);
    }

    // Opens the team box's list with the mouse and clicks the entry of `team`.
    static void PickTeamFromList(int team) {
        QComboBox* box = MainForm->TeamBox();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 6, box->height() / 2));
        QAbstractItemView* list = box->view();
        ASSERT_TRUE(GuiTest::WaitFor([list] { return list->isVisible(); }));
        // The list takes no release that follows its opening too closely for a choice.
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        const QRect entry = list->visualRect(list->model()->index(team, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
    }

    // Clicks the label cell of `row` (from 1), as a user starting a trade does.
    static void ClickRowLabel(StringGrid* grid, int row) {
        QHeaderView* labels = grid->verticalHeader();
        const int y = labels->sectionViewportPosition(row - 1) + labels->sectionSize(row - 1) / 2;
        QTest::mouseClick(labels->viewport(), Qt::LeftButton, {}, QPoint(labels->width() / 3, y));
    }

    // Ctrl+C or Ctrl+V wherever the focus is, as the keyboard sends it.
    static void PressWithControl(Qt::Key key) {
        MainForm->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(MainForm));
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : MainForm, key, Qt::ControlModifier);
    }

    // Drops a file on the window as a file manager does.
    static void Drop(const std::filesystem::path& path) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(Q(path))});
        const QPointF at = MainForm->rect().center();
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(MainForm, &enter);
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(MainForm, &drop);
    }

    // Clicks a value cell and, in the value dialog it opens, types `keys` and presses Enter.
    // Returns what the dialog showed before Enter: the value and the typed text.
    static std::pair<QString, QString> TypeIntoValueDialog(StringGrid* grid, int col, int row,
                                                           const std::function<void()>& keys) {
        std::pair<QString, QString> shown;
        OnNextModal([&](QWidget* modal) {
            EXPECT_EQ(modal, ValueDialog);
            keys();
            shown = {ValueDialog->ValueLabel->text(), ValueDialog->TypedLabel->text()};
            QTest::keyClick(ValueDialog->focusWidget(), Qt::Key_Return);
        });
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(col, row).center());
        EXPECT_TRUE(GuiTest::NoModalOpen());
        return shown;
    }
};

TEST_P(EverydayWork, ASwitchOfTeamWithUnsavedEditsAsksOnceByKeysAndByTheList) {
    OpenImage(WriteImage(ValidImage()));
    StringGrid* batters = MainForm->BatterTable();
    MessageBoxCounter questions;

    // Initials typed and Enter, answered No: the shown team and its edit stay, asked once.
    MainForm->ApplyCellText(batters, 6, 1, "42");
    std::vector<GuiTest::MessageSeen> seen;
    AnswerMessages(seen, {No()});
    TypeTeam("g");
    ASSERT_TRUE(GuiTest::WaitFor([&] { return seen[0].seen; }));
    QTest::qWait(200);
    EXPECT_EQ(questions.count, 1);
    ExpectUnsavedEditsQuestion(seen[0]);
    EXPECT_TRUE(GuiTest::NoModalOpen());
    EXPECT_EQ(MainForm->ShownTeam(), 0);
    EXPECT_EQ(MainForm->TeamBox()->currentText(), "Ｄ");
    EXPECT_EQ(batters->Cells(6, 1), "42");
    EXPECT_EQ(MainForm->DataChanged(), 1);

    // The same answered Yes: the new team, and no question left over it.
    questions.count = 0;
    AnswerMessages(seen, {Yes()});
    TypeTeam("g");
    ASSERT_TRUE(GuiTest::WaitFor([&] { return MainForm->ShownTeam() == 3; }));
    QTest::qWait(200);
    EXPECT_EQ(questions.count, 1);
    EXPECT_TRUE(GuiTest::NoModalOpen());
    EXPECT_EQ(MainForm->DataChanged(), 0);

    // A pick from the list with the mouse, No then Yes: once each.
    MainForm->ApplyCellText(batters, 6, 1, "42");
    questions.count = 0;
    AnswerMessages(seen, {No()});
    PickTeamFromList(6);
    ASSERT_TRUE(GuiTest::WaitFor([&] { return seen[0].seen; }));
    QTest::qWait(200);
    EXPECT_EQ(questions.count, 1);
    EXPECT_TRUE(GuiTest::NoModalOpen());
    EXPECT_EQ(MainForm->ShownTeam(), 3);
    EXPECT_EQ(MainForm->TeamBox()->currentText(), "Ｇ");
    EXPECT_EQ(batters->Cells(6, 1), "42");

    questions.count = 0;
    AnswerMessages(seen, {Yes()});
    PickTeamFromList(6);
    ASSERT_TRUE(GuiTest::WaitFor([&] { return MainForm->ShownTeam() == 6; }));
    QTest::qWait(200);
    EXPECT_EQ(questions.count, 1);
    EXPECT_TRUE(GuiTest::NoModalOpen());
    EXPECT_EQ(MainForm->TeamBox()->currentText(), "Bu");
}

TEST_P(EverydayWork, ATradeByTheRowLabelsMovesThePlayerWhoseRowWasClicked) {
    OpenImage(WriteImage(ValidImage()), 1);
    const TeamTexts from = MainForm->TeamShown();
    StringGrid* batters = MainForm->BatterTable();
    StringGrid* pitchers = MainForm->PitcherTable();

    // The manual's steps: the row label, Ctrl+C, another team, the target's label, Ctrl+V. The
    // current cell was elsewhere before; the label decides.
    batters->SetCurrentCell(6, 2);
    ClickRowLabel(batters, 4);
    EXPECT_EQ(batters->SelectedRows(), std::vector<int>{4});
    PressWithControl(Qt::Key_C);
    QStringList copied;
    for (int c = 1; c <= 9; ++c)
        copied << batters->ShownText(c, 4);
    EXPECT_EQ(QApplication::clipboard()->text(), copied.join('\t') + "\r\n");

    TypeTeam("g");
    ASSERT_EQ(MainForm->ShownTeam(), 3);
    const TeamTexts to = MainForm->TeamShown();
    batters->SetCurrentCell(5, 2);
    ClickRowLabel(batters, 10);
    PressWithControl(Qt::Key_V);
    TeamTexts traded = to;
    traded.batters[9] = from.batters[3];
    EXPECT_EQ(MainForm->TeamShown(), traded);
    EXPECT_EQ(batters->SelectedRows(), std::vector<int>{10});

    // The pitchers the same way, into the team still shown.
    MainForm->MenuUndo()->trigger();
    TypeTeam("c");
    ASSERT_EQ(MainForm->ShownTeam(), 1);
    pitchers->SetCurrentCell(4, 1);
    ClickRowLabel(pitchers, 2);
    PressWithControl(Qt::Key_C);
    TypeTeam("g");
    ClickRowLabel(pitchers, 5);
    PressWithControl(Qt::Key_V);
    traded = to;
    traded.pitchers[4] = from.pitchers[1];
    EXPECT_EQ(MainForm->TeamShown(), traded);

    // A row dragged by its label stays selected at its new place.
    QHeaderView* labels = batters->verticalHeader();
    // The row under the pointer becomes the target once the pointer passes its middle.
    const auto labelAt = [labels](int row, int offset) {
        return QPoint(labels->width() / 3, labels->sectionViewportPosition(row - 1) +
                                               labels->sectionSize(0) / 2 + offset);
    };
    QTest::mousePress(labels->viewport(), Qt::LeftButton, {}, labelAt(2, 0));
    QTest::mouseMove(labels->viewport(), labelAt(3, 0));
    QTest::mouseMove(labels->viewport(), labelAt(4, 6));
    QTest::mouseRelease(labels->viewport(), Qt::LeftButton, {}, labelAt(4, 6));
    EXPECT_EQ(batters->Cells(1, 4), Q(to.batters[1][0]));
    EXPECT_EQ(batters->SelectedRows(), std::vector<int>{4});
}

TEST_P(EverydayWork, RowsCopiedUnderOneLanguagePasteUnderTheOther) {
    ImageBuilder image = ValidImage();
    OpenImage(WriteImage(image), 2);
    StringGrid* batters = MainForm->BatterTable();
    StringGrid* pitchers = MainForm->PitcherTable();
    // Sides and styles that show as words in English.
    MainForm->ApplyCellText(batters, BatterColumn::Side, 1, "左");
    MainForm->ApplyCellText(batters, BatterColumn::Side, 2, "両");
    MainForm->ApplyCellText(pitchers, PitcherColumn::Style, 1, "右下");
    const TeamTexts from = MainForm->TeamShown();
    pitchers->setFocus();
    pitchers->setRangeSelected(QTableWidgetSelectionRange(0, 0, 0, 10), true);
    PressWithControl(Qt::Key_C);
    const QString pitcherRow = QApplication::clipboard()->text();
    batters->setFocus();
    batters->SetCurrentCell(1, 1);
    batters->setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 8), true);
    PressWithControl(Qt::Key_C);
    const QString batterRows = QApplication::clipboard()->text();
    EXPECT_EQ(batterRows.contains("\tL\t"), !Japanese()) << batterRows.toStdString();
    MainForm->UndoStack().setClean();

    // Under the other language, into another team.
    exchange::InstallTranslations(*qApp, Japanese() ? Language::English : Language::Japanese);
    PickTeam(5);
    const TeamTexts to = MainForm->TeamShown();
    QApplication::clipboard()->setText(batterRows);
    ClickRowLabel(batters, 12);
    PressWithControl(Qt::Key_V);
    EXPECT_TRUE(GuiTest::NoModalOpen());
    QApplication::clipboard()->setText(pitcherRow);
    ClickRowLabel(pitchers, 3);
    PressWithControl(Qt::Key_V);
    EXPECT_TRUE(GuiTest::NoModalOpen());
    TeamTexts expected = to;
    expected.batters[11] = from.batters[0];
    expected.batters[12] = from.batters[1];
    expected.pitchers[2] = from.pitchers[0];
    EXPECT_EQ(MainForm->TeamShown(), expected);
}

TEST_P(EverydayWork, ADroppedTeamCsvAsksFirstNamingTheTeamItReplacesWithItsChanges) {
    const auto path = WriteImage(ValidImage());
    OpenImage(path);
    const TeamTexts shown = MainForm->TeamShown();
    TeamTexts other = exchange::TextsOf(exchange::RecordsOf(exchange::LoadImage(Q(path))))[5];
    other.colors = shown.colors;
    const auto csv = dir.File("exported.csv");
    {
        const QByteArray bytes = exchange::TeamCsvBytes(other);
        std::ofstream(csv, std::ios::binary).write(bytes.constData(), bytes.size());
    }

    // Enter keeps the team: いいえ is the default.
    ChangeListSeen question;
    AnswerNextChangeList(question, false);
    Drop(csv);
    ASSERT_TRUE(GuiTest::WaitFor([&] { return question.seen; }));
    EXPECT_TRUE(question.noIsDefault);
    EXPECT_EQ(question.caption, Japanese() ? "CSV取込" : "Import Team CSV");
    EXPECT_TRUE(question.message.contains("Ｄ")) << question.message.toStdString();
    EXPECT_FALSE(question.rows.isEmpty());
    EXPECT_EQ(MainForm->TeamShown(), shown);
    EXPECT_EQ(MainForm->DataChanged(), 0);

    // はい replaces it, as one step to undo.
    AnswerNextChangeList(question, true);
    Drop(csv);
    ASSERT_TRUE(GuiTest::WaitFor([&] { return MainForm->DataChanged() == 1; }));
    EXPECT_EQ(MainForm->TeamShown(), other);
    MainForm->MenuUndo()->trigger();
    EXPECT_EQ(MainForm->TeamShown(), shown);

    // A file that holds what the team shows changes nothing, and says so.
    const auto same = dir.File("same.csv");
    {
        const QByteArray bytes = exchange::TeamCsvBytes(shown);
        std::ofstream(same, std::ios::binary).write(bytes.constData(), bytes.size());
    }
    GuiTest::MessageSeen nothing;
    GuiTest::AnswerNextMessage(nothing);
    Drop(same);
    ASSERT_TRUE(GuiTest::WaitFor([&] { return nothing.seen; }));
    EXPECT_TRUE(nothing.text.contains("Ｄ"));
    EXPECT_EQ(MainForm->DataChanged(), 0);
}

TEST_P(EverydayWork, DigitsTypedInTheValueDialogSetTheValueInTheColumnsUnits) {
    OpenImage(WriteImage(ValidImage()));
    StringGrid* batters = MainForm->BatterTable();
    StringGrid* pitchers = MainForm->PitcherTable();
    const auto type = [](const char* keys) {
        return [keys] {
            QTest::keyClicks(ValueDialog->focusWidget(), keys);
        };
    };

    auto shown = TypeIntoValueDialog(batters, BatterColumn::Average, 1, type(".312"));
    EXPECT_EQ(shown.first, "312");
    EXPECT_TRUE(shown.second.endsWith(".312")) << shown.second.toStdString();
    EXPECT_EQ(batters->Cells(BatterColumn::Average, 1), "312");
    TypeIntoValueDialog(batters, BatterColumn::Average, 2, type("287"));
    EXPECT_EQ(batters->Cells(BatterColumn::Average, 2), "288");
    TypeIntoValueDialog(pitchers, PitcherColumn::Era, 1, type("2.5"));
    EXPECT_EQ(pitchers->Cells(PitcherColumn::Era, 1), "250");
    TypeIntoValueDialog(pitchers, PitcherColumn::Era, 2, type("310"));
    EXPECT_EQ(pitchers->Cells(PitcherColumn::Era, 2), "310");

    // A key that moves the slider, a pause or another character starts a new number; Backspace
    // takes back a digit.
    TypeIntoValueDialog(batters, BatterColumn::HomeRuns, 3, [] {
        QWidget* bar = ValueDialog->ValueBar;
        QTest::keyClicks(bar, "3");
        QTest::keyClick(bar, Qt::Key_Right);
        EXPECT_EQ(ValueDialog->ValueBar->value(), 4);
        QTest::keyClicks(bar, "2");
        EXPECT_EQ(ValueDialog->ValueBar->value(), 2);
        QTest::qWait(TValueDialog::TypingPause + 200);
        QTest::keyClicks(bar, "17");
        EXPECT_EQ(ValueDialog->ValueBar->value(), 17);
        QTest::keyClick(bar, Qt::Key_Backspace);
        QTest::keyClicks(bar, "9");
        EXPECT_EQ(ValueDialog->ValueBar->value(), 19);
        QTest::keyClicks(bar, "x5");
    });
    EXPECT_EQ(batters->Cells(BatterColumn::HomeRuns, 3), "5");

    // The same keys with the focus on OK.
    TypeIntoValueDialog(batters, BatterColumn::Speed, 1, [] {
        ValueDialog->BitBtn1->setFocus();
        QTest::keyClicks(ValueDialog->BitBtn1, "33");
    });
    EXPECT_EQ(batters->Cells(BatterColumn::Speed, 1), "33");
}

INSTANTIATE_TEST_SUITE_P(Languages, EverydayWork,
                         ::testing::Values(Language::Japanese, Language::English),
                         [](const auto& info) {
                             return info.param == Language::Japanese ? "Japanese" : "English";
                         });

} // namespace
