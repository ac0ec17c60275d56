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
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextTable>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

QColor TextColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

// WCAG 2's contrast ratio of two colours, from 1:1 to 21:1.
double Contrast(const QColor& one, const QColor& other) {
    const auto luminance = [](const QColor& colour) {
        const auto channel = [](double value) {
            return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
               0.0722 * channel(colour.blueF());
    };
    const double a = luminance(one) + 0.05;
    const double b = luminance(other) + 0.05;
    return std::max(a, b) / std::min(a, b);
}

constexpr double ReadableContrast = 4.5;

// A desktop theme's palette, light or dark, as the window would get it from the desktop.
QPalette ThemePalette(bool dark) {
    if (!dark)
        return QPalette(QColor(0xEF, 0xEF, 0xEF), QColor(0xEF, 0xEF, 0xEF));
    QPalette palette;
    const QColor window(0x35, 0x35, 0x35);
    const QColor light(0xF0, 0xF0, 0xF0);
    for (const auto& [role, colour] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>>{
             {QPalette::Window, window},
             {QPalette::WindowText, light},
             {QPalette::Base, QColor(0x23, 0x23, 0x23)},
             {QPalette::AlternateBase, window},
             {QPalette::Text, light},
             {QPalette::Button, window},
             {QPalette::ButtonText, light},
             {QPalette::PlaceholderText, QColor(0xA0, 0xA0, 0xA0)},
             {QPalette::Link, QColor(0x2A, 0x82, 0xDA)},
             {QPalette::LinkVisited, QColor(0x8A, 0x5C, 0xD0)},
             {QPalette::Highlight, QColor(0x2A, 0x82, 0xDA)},
             {QPalette::HighlightedText, Qt::black}})
        palette.setColor(role, colour);
    return palette;
}

// The application's palette for as long as it lives, as a desktop theme sets it.
class ThemeScope {
public:
    explicit ThemeScope(bool dark)
        : saved_(QApplication::palette()) {
        QApplication::setPalette(ThemePalette(dark));
    }
    ~ThemeScope() { QApplication::setPalette(saved_); }
    ThemeScope(const ThemeScope&) = delete;
    ThemeScope& operator=(const ThemeScope&) = delete;

private:
    QPalette saved_;
};

// Every text of the widgets under `root` against the background it is drawn on: the labels on
// their window, the buttons on their face, the edit boxes and lists on their base.
void ExpectWidgetTextsReadable(QWidget* root, const char* theme) {
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(root))
            continue;
        const QPalette& palette = widget->palette();
        std::pair<QPalette::ColorRole, QPalette::ColorRole> roles;
        if (const auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->text().isEmpty())
                continue; // a picture
            roles = {QPalette::WindowText, QPalette::Window};
        } else if (qobject_cast<QPushButton*>(widget))
            roles = {QPalette::ButtonText, QPalette::Button};
        else if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QListWidget*>(widget))
            roles = {QPalette::Text, QPalette::Base};
        else
            continue;
        EXPECT_GE(Contrast(palette.color(roles.first), palette.color(roles.second)),
                  ReadableContrast)
            << theme << " theme: " << widget->metaObject()->className() << " "
            << widget->objectName().toStdString();
    }
}

// Every piece of text of a page as it is drawn: its own colour, or the page's text or link
// colour, against its own background, its table cell's, or the page's paper.
void ExpectPageTextsReadable(const QTextBrowser* page, const char* theme) {
    const QPalette& palette = page->viewport()->palette();
    const QColor paper = palette.color(page->viewport()->backgroundRole());
    int pieces = 0;
    int headings = 0;
    for (QTextBlock block = page->document()->begin(); block.isValid(); block = block.next()) {
        QColor blockBackground = paper;
        if (block.blockFormat().background().style() != Qt::NoBrush)
            blockBackground = block.blockFormat().background().color();
        const QTextCursor cursor(block);
        if (const QTextTable* table = cursor.currentTable()) {
            const QBrush cell = table->cellAt(cursor).format().background();
            if (cell.style() != Qt::NoBrush)
                blockBackground = cell.color();
        }
        for (auto fragments = block.begin(); !fragments.atEnd(); ++fragments) {
            const QTextFragment fragment = fragments.fragment();
            if (!fragment.isValid() || fragment.text().trimmed().isEmpty())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            QColor text =
                palette.color(format.isAnchor() && !format.anchorHref().isEmpty() ? QPalette::Link
                                                                                  : QPalette::Text);
            if (format.foreground().style() != Qt::NoBrush)
                text = format.foreground().color();
            const QColor background = format.background().style() != Qt::NoBrush
                                          ? format.background().color()
                                          : blockBackground;
            ++pieces;
            headings += text == QColor(0x1E, 0x6B, 0x2E) ? 1 : 0;
            EXPECT_GE(Contrast(text, background), ReadableContrast)
                << theme << " theme: " << text.name().toStdString() << " on "
                << background.name().toStdString() << ": " << fragment.text().toStdString();
        }
    }
    EXPECT_GT(pieces, 100) << "the page was read";
    EXPECT_GT(headings, 10) << "the headings keep the manual's green";
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

TEST(AboutBox, EveryTextIsReadableUnderALightAndADarkTheme) {
    for (const bool dark : {false, true}) {
        const ThemeScope theme(dark);
        TAboutDialog about;
        about.show();
        ExpectWidgetTextsReadable(&about, dark ? "dark" : "light");
        // The labels sit on the box's own black, whatever the theme's window colour.
        for (const QLabel* label : {about.Label1, about.Label2, about.Label3, about.Label5})
            EXPECT_GE(Contrast(TextColour(label), about.palette().color(QPalette::Window)),
                      ReadableContrast);
    }
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

// The manuals' own colours (headings, messages, table headers) and every link keep a readable
// contrast on the page as it is drawn, under a light and a dark desktop theme alike.
TEST_F(HelpViewer, EveryTextOfBothManualsIsReadableUnderALightAndADarkTheme) {
    for (const bool dark : {false, true}) {
        const char* name = dark ? "dark" : "light";
        const ThemeScope theme(dark);
        for (const QString& manual :
             {QStringLiteral("Tolvanek.html"), QStringLiteral("Tolvanek_en.html")}) {
            HelpWindow* help = Show();
            help->OpenDocument(BuiltHelpFolder + QLatin1Char('/') + manual,
                               QStringLiteral("Tolvanek.hlp"), {BuiltHelpFolder});
            ASSERT_TRUE(help->HasDocument()) << manual.toStdString();
            SCOPED_TRACE(manual.toStdString());
            ExpectPageTextsReadable(help->Contents, name);
            ExpectWidgetTextsReadable(help, name);
        }
        owner = std::make_unique<QWidget>(); // the next theme's window is made anew
        owner->show();
    }
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
