// SPDX-License-Identifier: MIT
#include "Aboutdlg.h"
#include "GuiTestSupport.h"
#include "HelpViewer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <memory>

namespace {

QColor TextColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

TEST(AboutBox, ShowsNameEditionAndIconAsDesigned) {
    TAboutDialog about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("TOLVANEK"));
    EXPECT_EQ(about.size(), QSize(202, 201));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_EQ(about.palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_TRUE(about.autoFillBackground());

    EXPECT_EQ(about.Label1->text(), QStringLiteral("TOLVANEK"));
    EXPECT_EQ(TextColour(about.Label1), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(about.Label1->font().pixelSize(), 24);
    // The designed box; it only grows to the right where the fallback font is wider.
    EXPECT_EQ(about.Label1->pos(), QPoint(48, 8));
    EXPECT_GE(about.Label1->width(), 110);
    EXPECT_EQ(about.Label1->height(), 24);

    EXPECT_EQ(about.Label2->text(), QString::fromUtf8("\u2019９２年度版専用"));
    EXPECT_EQ(TextColour(about.Label2), QColor(0x00, 0xFF, 0x00));
    EXPECT_EQ(about.Label2->font().pixelSize(), 12);
    EXPECT_EQ(about.Label2->geometry(), QRect(72, 56, 82, 12));

    EXPECT_EQ(about.Image1->geometry(), QRect(16, 48, 32, 32));
    EXPECT_EQ(about.Image1->pixmap().size(), QSize(32, 32)) << "the program icon is compiled in";

    EXPECT_EQ(about.BitBtn1->text(), QStringLiteral("OK"));
    EXPECT_FALSE(about.BitBtn1->icon().isNull());
    EXPECT_EQ(about.BitBtn1->geometry(), QRect(64, 120, 75, 25));

    for (const QLabel* line : {about.Label3, about.Label5}) {
        EXPECT_FALSE(line->text().isEmpty());
        EXPECT_EQ(TextColour(line), QColor(Qt::white));
        EXPECT_EQ(line->font().pixelSize(), 12);
    }
    EXPECT_EQ(about.Label3->geometry(), QRect(16, 152, 177, 12));
    EXPECT_EQ(about.Label5->geometry(), QRect(16, 176, 150, 12));
    EXPECT_TRUE(about.Label3->text().contains(QStringLiteral("Tolvanek")));
}

TEST(AboutBox, EveryTextFitsItsLabelInsideTheWindow) {
    TAboutDialog about;
    for (const QLabel* label : {about.Label1, about.Label2, about.Label3, about.Label5}) {
        const std::string name = label->objectName().toStdString();
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width())
            << name;
        EXPECT_TRUE(about.rect().contains(label->geometry())) << name;
    }
}

TEST(AboutBox, OkAndTheCloseBoxBothJustCloseIt) {
    TAboutDialog about;
    GuiTest::OnNextModal([&about](QWidget*) { QTest::mouseClick(about.BitBtn1, Qt::LeftButton); });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());

    GuiTest::OnNextModal([](QWidget* shown) { shown->close(); });
    EXPECT_EQ(about.exec(), QDialog::Rejected);
    EXPECT_FALSE(about.isVisible());
}

TEST(AboutBox, IsCentredOnTheScreen) {
    TAboutDialog about;
    QPoint centre;
    QPoint screenCentre;
    GuiTest::OnNextModal([&](QWidget* shown) {
        centre = shown->frameGeometry().center();
        screenCentre = shown->screen()->availableGeometry().center();
        shown->close();
    });
    about.exec();
    EXPECT_LE((centre - screenCentre).manhattanLength(), 2);
}

// The document as the build puts it beside the program.
const QString BuiltHelpFolder = QStringLiteral(TEST_BINARY_DIR "/../../app/help");

class HelpViewer : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::exists(BuiltHelpFolder + QStringLiteral("/Tolvanek.html")))
            << "build the help_document target first";
        owner = std::make_unique<QWidget>();
        owner->show();
    }

    HelpWindow* Show(const QStringList& folders = {BuiltHelpFolder}) {
        return ShowHelpTopics(owner.get(), QStringLiteral("Tolvanek.hlp"), folders);
    }

    std::unique_ptr<QWidget> owner;
};

TEST_F(HelpViewer, ShowsTheDocumentAtItsContentsWithoutBlocking) {
    QElapsedTimer clock;
    clock.start();
    HelpWindow* help = Show();
    EXPECT_LT(clock.elapsed(), 3000);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->isWindow());
    EXPECT_FALSE(help->isModal());
    EXPECT_TRUE(GuiTest::NoModalOpen());
    EXPECT_TRUE(owner->isEnabled());
    EXPECT_TRUE(help->HasDocument());
    EXPECT_EQ(QDir::cleanPath(help->DocumentPath()),
              QDir::cleanPath(BuiltHelpFolder + QStringLiteral("/Tolvanek.html")));
    EXPECT_EQ(help->Contents->source(), QUrl::fromLocalFile(help->DocumentPath()));
    EXPECT_EQ(help->Contents->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(help->windowTitle().contains(QStringLiteral("ヘルプ")));
}

TEST_F(HelpViewer, ASecondRequestShowsTheSameWindowBackAtTheContents) {
    HelpWindow* first = Show();
    ASSERT_TRUE(first->HasDocument());
    const auto entries =
        first->IndexList->findItems(QStringLiteral("守備位置がおかしい"), Qt::MatchExactly);
    ASSERT_EQ(entries.size(), 1);
    first->resize(600, 300);
    first->ShowIndexEntry(entries.front());
    EXPECT_EQ(first->Contents->source().fragment(), QStringLiteral("m-position"));
    EXPECT_GT(first->Contents->verticalScrollBar()->value(), 0);

    first->close();
    HelpWindow* second = Show();
    EXPECT_EQ(second, first);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(owner->findChildren<HelpWindow*>().size(), 1);
    EXPECT_EQ(second->Contents->source(), QUrl::fromLocalFile(second->DocumentPath()));
    EXPECT_EQ(second->Contents->verticalScrollBar()->value(), 0);
}

TEST_F(HelpViewer, DescribesEveryMenuCommandInContentsAndIndex) {
    HelpWindow* help = Show();
    const QString text = help->Contents->document()->toPlainText();
    const QStringList captions = {QStringLiteral("ファイル(&F)"),
                                  QStringLiteral("開く(&O)..."),
                                  QStringLiteral("閉じる(&C)"),
                                  QStringLiteral("上書き保存(&U)"),
                                  QStringLiteral("名前を付けて保存(&S)..."),
                                  QStringLiteral("出力(&O)"),
                                  QStringLiteral("CSV出力(&C)..."),
                                  QStringLiteral("HTML出力(&H)..."),
                                  QStringLiteral("終了(&E)"),
                                  QStringLiteral("ヘルプ(&H)"),
                                  QStringLiteral("ヘルプ(&H)..."),
                                  QStringLiteral("バージョン(&V)...")};
    for (QString caption : captions) {
        caption.remove(QLatin1Char('&'));
        EXPECT_TRUE(text.contains(caption)) << caption.toStdString();
        EXPECT_FALSE(help->IndexList->findItems(caption, Qt::MatchStartsWith).isEmpty())
            << caption.toStdString();
    }
}

TEST_F(HelpViewer, ExplainsEveryMessageWordForWord) {
    HelpWindow* help = Show();
    const QString text = help->Contents->document()->toPlainText();
    const QStringList messages = {
        QStringLiteral("ファイルを閉じてください"),
        QStringLiteral("ファイルが壊れています"),
        QStringLiteral("現在のデータは変更されています。よろしいですか？"),
        QStringLiteral("保存するデータが存在しません"),
        QStringLiteral("ファイルを作成できません"),
        QStringLiteral("守備位置がおかしい"),
        QStringLiteral("データがありません"),
        QStringLiteral("元ファイルを読めません"),
        QStringLiteral("ファイルを作れません"),
        QStringLiteral("ファイルを保存できません"),
        QStringLiteral("ファイルを保存しました"),
        QStringLiteral("は数値ではありません")};
    for (const QString& message : messages) {
        EXPECT_TRUE(text.contains(message)) << message.toStdString();
        EXPECT_FALSE(help->IndexList->findItems(message, Qt::MatchContains).isEmpty())
            << message.toStdString();
    }
}

TEST_F(HelpViewer, EveryIndexEntryLeadsToAPlaceInTheDocument) {
    HelpWindow* help = Show();
    ASSERT_GT(help->IndexList->count(), 20);
    for (int row = 0; row < help->IndexList->count(); ++row) {
        QListWidgetItem* entry = help->IndexList->item(row);
        help->ShowIndexEntry(entry);
        const QString anchor = help->Contents->source().fragment();
        EXPECT_FALSE(anchor.isEmpty()) << entry->text().toStdString();
        EXPECT_TRUE(help->Contents->document()->toHtml().contains(
            QStringLiteral("name=\"%1\"").arg(anchor)))
            << entry->text().toStdString() << " -> " << anchor.toStdString();
    }
}

TEST_F(HelpViewer, TypingAKeywordNarrowsTheIndex) {
    HelpWindow* help = Show();
    // Japanese keywords arrive from the input method as committed text.
    help->KeywordEdit->setFocus();
    QInputMethodEvent typed;
    typed.setCommitString(QStringLiteral("防御率"));
    QApplication::sendEvent(help->KeywordEdit, &typed);
    ASSERT_EQ(help->KeywordEdit->text(), QStringLiteral("防御率"));
    int shown = 0;
    for (int row = 0; row < help->IndexList->count(); ++row)
        if (!help->IndexList->item(row)->isHidden()) {
            ++shown;
            EXPECT_TRUE(help->IndexList->item(row)->text().contains(QStringLiteral("防御率")));
        }
    EXPECT_GE(shown, 1);
    QTest::keyClick(help->KeywordEdit, Qt::Key_Return);
    EXPECT_FALSE(help->Contents->source().fragment().isEmpty());
}

TEST_F(HelpViewer, AMissingDocumentIsReportedInTheWindowItself) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    HelpWindow* help = Show({empty.path()});
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(GuiTest::NoModalOpen()) << "no message box of its own";
    EXPECT_FALSE(help->HasDocument());
    EXPECT_EQ(help->IndexList->count(), 0);
    const QString said = help->Contents->toPlainText();
    EXPECT_TRUE(said.contains(QStringLiteral("見つかりません")));
    EXPECT_TRUE(said.contains(QStringLiteral("Tolvanek.hlp")));
    EXPECT_TRUE(said.contains(QDir::toNativeSeparators(empty.path())));

    // Once the document is back, the same window shows it.
    EXPECT_EQ(Show(), help);
    EXPECT_TRUE(help->HasDocument());
    EXPECT_FALSE(help->Contents->toPlainText().contains(QStringLiteral("見つかりません")));
}

TEST(HelpDocumentLookup, MapsTheOldHelpFileNameToTheDocumentInTheFirstFolderHoldingIt) {
    QTemporaryDir first;
    QTemporaryDir second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    QFile copy(second.filePath(QStringLiteral("Tolvanek.html")));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.close();

    const QStringList folders = {first.path(), second.path()};
    const QString found = second.filePath(QStringLiteral("Tolvanek.html"));
    EXPECT_EQ(FindHelpDocument(QStringLiteral("Tolvanek.hlp"), folders), found);
    EXPECT_EQ(FindHelpDocument(QStringLiteral("C:\\TOLVANEK\\Tolvanek.hlp"), folders), found);
    EXPECT_EQ(FindHelpDocument(QStringLiteral("/elsewhere/Tolvanek.HLP"), folders), found);
    EXPECT_TRUE(FindHelpDocument(QStringLiteral("Other.hlp"), folders).isEmpty());
    EXPECT_TRUE(FindHelpDocument(QString(), folders).isEmpty());
}

// Another language's manual is the Japanese one's name with the language's code; it is read
// wherever it is, and the Japanese one only when it is nowhere.
TEST(HelpDocumentLookup, PrefersTheManualInTheInterfacesLanguageAndFallsBackToTheJapaneseOne) {
    QTemporaryDir first;
    QTemporaryDir second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    const auto touch = [](const QString& path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    };
    touch(first.filePath(QStringLiteral("Tolvanek.html")));
    const QStringList folders = {first.path(), second.path()};
    const QString help = QStringLiteral("Tolvanek.hlp");
    using exchange::Language;
    EXPECT_EQ(HelpDocumentNames(help, Language::English),
              (QStringList{QStringLiteral("Tolvanek_en.html"), QStringLiteral("Tolvanek.html")}));
    EXPECT_EQ(FindHelpDocument(help, folders, Language::English),
              first.filePath(QStringLiteral("Tolvanek.html")));
    touch(second.filePath(QStringLiteral("Tolvanek_en.html")));
    EXPECT_EQ(FindHelpDocument(help, folders, Language::English),
              second.filePath(QStringLiteral("Tolvanek_en.html")));
    EXPECT_EQ(FindHelpDocument(help, folders, Language::Japanese),
              first.filePath(QStringLiteral("Tolvanek.html")));
}

TEST(HelpDocumentLookup, SearchesBesideTheProgramThenTheInstalledDataFolder) {
    const QStringList folders = HelpSearchDirectories();
    ASSERT_EQ(folders.size(), 2);
    const QString program = QCoreApplication::applicationDirPath();
    EXPECT_EQ(QDir::cleanPath(folders[0]), QDir::cleanPath(program + QStringLiteral("/help")));
    EXPECT_EQ(QDir::cleanPath(folders[1]),
              QDir::cleanPath(program + QStringLiteral("/../share/tolvanek/help")));
}

} // namespace
