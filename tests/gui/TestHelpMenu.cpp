// SPDX-License-Identifier: MIT
#include "Aboutdlg.h"
#include "HelpViewer.h"
#include "MainWindowFixture.h"
#include "TolvanekApplication.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

const QString StartUpHelpFile = QStringLiteral("/usr/share/tolvanek/help/Tolvanek.hlp");

TolvanekApplication* Application() {
    return dynamic_cast<TolvanekApplication*>(QCoreApplication::instance());
}

HelpWindow* HelpWindowShown() {
    const QList<HelpWindow*> windows =
        MainForm->findChildren<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    return windows.size() == 1 ? windows.first() : nullptr;
}

// Everything of the editor that a help command must leave alone.
struct EditorState {
    QString filePath;
    int dataChanged;
    QString title;
    std::vector<std::vector<QString>> batters;
    std::vector<std::vector<QString>> pitchers;
    int team;
    friend bool operator==(const EditorState&, const EditorState&) = default;
};

EditorState CurrentState() {
    return {MainForm->FilePath(),
            MainForm->DataChanged(),
            MainForm->windowTitle(),
            MainForm->BatterTable()->AllCells(),
            MainForm->PitcherTable()->AllCells(),
            MainForm->ShownTeam()};
}

class HelpMenu : public MainWindowFixture {
protected:
    void SetUp() override {
        // The build puts the editor's help document beside the test programs too.
        ASSERT_TRUE(QFile::exists(QCoreApplication::applicationDirPath() +
                                  QStringLiteral("/help/Tolvanek.html")))
            << "the help document is built";
        ASSERT_NE(Application(), nullptr);
        Application()->HelpFile = StartUpHelpFile;
        MainWindowFixture::SetUp();
    }

    // An image open on its first team, with one unsaved edit.
    void OpenImageWithAnEdit() {
        ASSERT_NO_FATAL_FAILURE(OpenImage(WriteImage(ValidImage())));
        MainForm->ApplyCellText(MainForm->BatterTable(), 6, 2, "42");
    }

    // Shows the about box from the menu and ends it with `close`; returns its result.
    static int AboutClosedBy(const std::function<void()>& close) {
        bool shown = false;
        GuiTest::OnNextModal(
            [&](QWidget*) {
                shown = true;
                close();
            },
            nullptr, 5000, [](QWidget* w) { return w == AboutDialog; });
        MainForm->V2()->trigger();
        EXPECT_TRUE(shown);
        EXPECT_TRUE(GuiTest::NoModalOpen());
        EXPECT_FALSE(AboutDialog->isVisible());
        return AboutDialog->result();
    }
};

TEST_F(HelpMenu, HelpShowsTheDocumentWithoutAnImageAndWithoutBlocking) {
    const EditorState before = CurrentState();
    MainForm->Help2()->trigger();

    HelpWindow* help = HelpWindowShown();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->HasDocument());
    EXPECT_TRUE(help->DocumentPath().endsWith("/help/Tolvanek.html"));
    EXPECT_EQ(help->windowModality(), Qt::NonModal);
    EXPECT_TRUE(GuiTest::NoModalOpen()) << "the command returned with the help still shown";
    EXPECT_EQ(Application()->HelpFile, "Tolvanek.hlp");
    EXPECT_TRUE(CurrentState() == before);

    // The editor goes on taking commands while the help stays open.
    OpenImageWithAnEdit();
    EXPECT_TRUE(help->isVisible());
}

TEST_F(HelpMenu, ASecondHelpRequestShowsTheSameDocumentAgainUnderTheSameName) {
    OpenImageWithAnEdit();
    const EditorState before = CurrentState();
    MainForm->Help2()->trigger();
    HelpWindow* help = HelpWindowShown();
    ASSERT_NE(help, nullptr);
    const QString document = help->DocumentPath();
    const QUrl shown = help->Contents->source();
    ASSERT_GT(help->Contents->verticalScrollBar()->maximum(), 0);
    help->Contents->verticalScrollBar()->setValue(help->Contents->verticalScrollBar()->maximum());
    help->close();

    MainForm->Help2()->trigger();
    EXPECT_EQ(HelpWindowShown(), help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->DocumentPath(), document);
    EXPECT_EQ(help->Contents->source(), shown);
    EXPECT_EQ(help->Contents->verticalScrollBar()->value(), 0) << "back at the contents";
    EXPECT_EQ(Application()->HelpFile, "Tolvanek.hlp");
    EXPECT_TRUE(CurrentState() == before);
}

TEST_F(HelpMenu, TheAboutBoxClosesWithOkOrItsCloseBoxAndChangesNothing) {
    EXPECT_EQ(AboutClosedBy([] { QTest::mouseClick(AboutDialog->BitBtn1, Qt::LeftButton); }),
              QDialog::Accepted);
    EXPECT_EQ(AboutClosedBy([] { AboutDialog->close(); }), QDialog::Rejected);

    OpenImageWithAnEdit();
    const EditorState before = CurrentState();
    AboutClosedBy([] { QTest::mouseClick(AboutDialog->BitBtn1, Qt::LeftButton); });
    EXPECT_TRUE(CurrentState() == before);
    AboutClosedBy([] { AboutDialog->close(); });
    EXPECT_TRUE(CurrentState() == before);
    EXPECT_EQ(Application()->HelpFile, StartUpHelpFile);
}

} // namespace
