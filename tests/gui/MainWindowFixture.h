// SPDX-License-Identifier: MIT
#pragma once

// What the tests of the main window share: the window shown afresh for every test, a private
// directory for the images they open, and the ways a user opens a file, picks a team and
// presses a function key.

#include "ChangeList.h"
#include "ChangeTable.h"
#include "GuiTestSupport.h"
#include "ImageBuilder.h"
#include "IssueList.h"
#include "Mainunit.h"
#include "TempDir.h"

#include <QAbstractButton>
#include <QAction>
#include <QColor>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

inline QString Q(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// UTF-8 texts; a std::string would fit both the path and the text overload.
inline QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline QString Q(const std::string& text) {
    return Q(std::string_view(text));
}

// The colour a swatch shows.
inline QColor SwatchOf(const QFrame* swatch) {
    return swatch->palette().color(QPalette::Window);
}

// Checks that a message box was the editor's error box saying `text`, with its one OK button; its
// title is "ｴﾗｰ" in Japanese, `title` in another language.
inline void ExpectErrorBox(const GuiTest::MessageSeen& seen, const QString& text,
                           const QString& title = QStringLiteral("ｴﾗｰ")) {
    EXPECT_EQ(seen.Headline(), text);
    EXPECT_EQ(seen.title, title);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QStringList{"OK"});
}

// The row labels of the batter and the pitcher grid. They belong to the place in the table, not
// to the player in it, so no edit or row move changes them.
inline const QStringList BatterRowLabels = {"　１", "　２", "　３", "　４", "　５", "　６", "　７",
                                            "　８", "Ｐ１", "Ｐ２", "Ｐ３", "Ｐ４", "Ｐ５"};
inline const QStringList PitcherRowLabels = {"　１", "　２", "　３", "　４", "　５"};

// Answers the message boxes that come one after the other with the given buttons, recording
// what each said.
inline void AnswerMessages(std::vector<GuiTest::MessageSeen>& seen, std::vector<QString> buttons) {
    seen.resize(buttons.size());
    auto arm = std::make_shared<std::function<void(std::size_t)>>();
    *arm = [&seen, buttons, weak = std::weak_ptr(arm)](std::size_t i) {
        if (i >= buttons.size())
            return;
        GuiTest::OnNextModal(
            [&seen, buttons, next = weak.lock(), i](QWidget* widget) {
                auto* box = static_cast<QMessageBox*>(widget);
                seen[i] = {box->windowTitle(), box->text(), box->icon(), {}, true};
                (*next)(i + 1);
                for (QAbstractButton* button : box->buttons())
                    if (button->text() == buttons[i])
                        button->click();
            },
            nullptr, 5000, [](QWidget* w) { return qobject_cast<QMessageBox*>(w) != nullptr; });
    };
    (*arm)(0);
}

// The texts of a change list's lines, each line's cells joined by "|".
inline QStringList RowsOf(const QTableWidget* table) {
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << table->item(r, c)->text();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

// What a change list asked: its caption, its message, its column headers and its lines.
struct ChangeListSeen {
    QString caption;
    QString message;
    QStringList headers;
    QStringList rows;
    bool noIsDefault = false;
    bool seen = false;
};

// Arranges for the next modal window to be a change list that asks a question: records it, then
// answers Yes, or presses Enter (which must keep everything as it is).
inline void AnswerNextChangeList(ChangeListSeen& seen, bool yes) {
    GuiTest::OnNextModal(
        [&seen, yes](QWidget* widget) {
            auto* dialog = static_cast<TChangeListDialog*>(widget);
            seen.seen = true;
            seen.caption = dialog->windowTitle();
            seen.message = dialog->MessageLabel->text();
            seen.headers.clear();
            for (int c = 0; c < dialog->ChangeTable->columnCount(); ++c)
                seen.headers << dialog->ChangeTable->horizontalHeaderItem(c)->text();
            seen.rows = RowsOf(dialog->ChangeTable);
            seen.noIsDefault = dialog->NoButton->isDefault() && !dialog->YesButton->isDefault();
            if (yes)
                dialog->YesButton->click();
            else
                QTest::keyClick(dialog->ChangeTable, Qt::Key_Return);
        },
        nullptr, 5000, [](QWidget* w) { return qobject_cast<TChangeListDialog*>(w) != nullptr; });
}

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        CreateApplicationWindows();
        MainForm->show();
        MainForm->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(MainForm));
    }
    void TearDown() override {
        // Unsaved edits would make closing the window ask about them; marked as saved, they
        // count as none.
        MainForm->UndoStack().setClean();
        DestroyApplicationWindows();
    }

    // Writes `image` into the test's directory as `name`, replacing any file there.
    std::filesystem::path WriteImage(const testsupport::ImageBuilder& image,
                                     const char* name = "team.nes") {
        const std::filesystem::path path = dir.File(name);
        image.WriteTo(path);
        return path;
    }

    static testsupport::ImageBuilder ValidImage() {
        testsupport::ImageBuilder image;
        image.FillValidTeams();
        return image;
    }

    // Opens `path` through the File menu, answering the file dialog with it; whether the window
    // takes the file is left to the test.
    static void OpenThroughMenu(const QString& path) {
        GuiTest::AnswerNextFileDialog(path);
        MainForm->MenuOpen()->trigger();
    }
    static void OpenThroughMenu(const std::filesystem::path& path) { OpenThroughMenu(Q(path)); }

    // Opens an image that does not look like this game's: the window asks first, and `yes`
    // answers the question. The question is returned for the test to look at.
    static GuiTest::MessageSeen OpenQuestionable(const std::filesystem::path& path,
                                                 bool yes = true) {
        GuiTest::MessageSeen question;
        GuiTest::AnswerNextMessage(question,
                                   yes ? QStringLiteral("はい(&Y)") : QStringLiteral("いいえ(&N)"));
        OpenThroughMenu(path);
        EXPECT_TRUE(question.seen);
        EXPECT_TRUE(question.text.startsWith(
            QStringLiteral("このファイルはこのゲームのイメージではないようです")))
            << question.text.toStdString();
        return question;
    }

    // Opens an image that must load and shows `team` of it.
    static void OpenImage(const std::filesystem::path& path, int team = 0) {
        OpenThroughMenu(path);
        ASSERT_EQ(MainForm->FilePath(), Q(path));
        if (team != 0)
            PickTeam(team);
        ASSERT_EQ(MainForm->ShownTeam(), team);
    }

    // An edit not saved yet that changes no text, as OK in the value dialog makes when the slider
    // was not moved: enough for the window to ask before the team's edits would be lost.
    static void MakeUnsavedEdit() {
        StringGrid* batters = MainForm->BatterTable();
        MainForm->ApplyCellText(batters, 6, 1, batters->Cells(6, 1));
    }

    // Picks a TeamBox entry the way a user does: the combo box reports it as activated.
    static void PickTeam(int team) {
        MainForm->TeamBox()->setCurrentIndex(team);
        emit MainForm->TeamBox()->activated(team);
    }

    // Closes the next list of errors or notes, keeping its rows: each the four cells as shown
    // (place, column, text, reason).
    // With `offer` (&TIssueListDialog::RoundButton, ReadingsButton), that button is clicked
    // when the list has it, its caption put in `offered`; the list is closed with OK otherwise.
    static void ReadNextIssueList(std::vector<QStringList>& rows,
                                  QPushButton* TIssueListDialog::*offer = nullptr,
                                  QString* offered = nullptr) {
        GuiTest::OnNextModal(
            [&rows, offer, offered](QWidget* widget) {
                auto* list = static_cast<TIssueListDialog*>(widget);
                for (int r = 0; r < list->IssueTable->rowCount(); ++r) {
                    QStringList cells;
                    for (int c = 0; c < list->IssueTable->columnCount(); ++c)
                        cells << list->IssueTable->item(r, c)->text();
                    rows.push_back(cells);
                }
                if (offer && list->*offer) {
                    if (offered)
                        *offered = (list->*offer)->text();
                    (list->*offer)->click();
                    return;
                }
                list->accept();
            },
            nullptr, 5000,
            [](QWidget* w) { return qobject_cast<TIssueListDialog*>(w) != nullptr; });
    }

    // Function keys act on the active window; a closed modal dialog may have left none active.
    static void PressKey(Qt::Key key) {
        MainForm->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(MainForm));
        QTest::keyClick(MainForm, key);
    }

    testsupport::TempDir dir;
};
