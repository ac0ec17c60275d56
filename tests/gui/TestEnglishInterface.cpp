// SPDX-License-Identifier: MIT
// The window under an English locale (this program runs under en_US.UTF-8): everything a user
// reads is English but the data, no text is cut off, the grids show words for the data they hold
// and copy and paste them so, and the files are the ones the Japanese window writes and reads.

#include "Aboutdlg.h"
#include "Color.h"
#include "CompareWindow.h"
#include "HelpViewer.h"
#include "ImageInfo.h"
#include "League.h"
#include "MainWindowFixture.h"
#include "Nameunit.h"
#include "ShiftJis.h"
#include "TRomTeamData.h"
#include "TeamWords.h"
#include "Valuedlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStyleOptionButton>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QToolButton>

#include <gtest/gtest.h>

using GuiTest::AnswerNextFileDialog;
using GuiTest::AnswerNextMessage;
using GuiTest::MessageSeen;
using GuiTest::OnNextModal;
using testsupport::ImageBuilder;
using namespace teamdata;

namespace {

QByteArray FileBytes(const std::filesystem::path& path) {
    QFile file(Q(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const std::filesystem::path& path, const QByteArray& bytes) {
    QFile file(Q(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

bool IsJapanese(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x9FFF) ||
           (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFF00 && u <= 0xFFEF);
}

// Widgets whose texts are data (names, team initials, the kana keys, a file's contents): left out
// with everything in them.
using IsData = std::function<bool(const QWidget*)>;

struct TextSeen {
    QString where;
    QString text;
};

void AddViewTexts(const QAbstractItemView* view, const QString& where,
                  std::vector<TextSeen>& texts) {
    const QAbstractItemModel* model = view->model();
    if (!model)
        return;
    const auto add = [&](const QVariant& value) {
        texts.push_back({where, value.toString()});
    };
    for (int c = 0; c < model->columnCount(); ++c)
        add(model->headerData(c, Qt::Horizontal));
    for (int r = 0; r < std::min(model->rowCount(), 200); ++r)
        for (int c = 0; c < model->columnCount(); ++c)
            add(model->index(r, c).data());
}

// Every text a user reads in `widget` and in what it holds: window titles, labels, buttons and
// their hints, group titles, menus and their actions, combo box entries, edit fields, plain text
// and item views. The grids show only their headers and their side and style cells; the rest of
// them is data.
void CollectTexts(QWidget* widget, const IsData& isData, std::vector<TextSeen>& texts) {
    if (isData(widget) || qobject_cast<QHeaderView*>(widget))
        return;
    const QString where =
        QLatin1String(widget->metaObject()->className()) + QLatin1Char(' ') + widget->objectName();
    const auto add = [&](const QString& text) {
        if (!text.isEmpty())
            texts.push_back({where, text});
    };
    if (widget->isWindow())
        add(widget->windowTitle());
    add(widget->toolTip());
    add(widget->statusTip());
    if (auto* label = qobject_cast<QLabel*>(widget))
        add(QTextDocumentFragment::fromHtml(label->text()).toPlainText());
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        add(button->text());
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        add(group->title());
    if (auto* menu = qobject_cast<QMenu*>(widget))
        add(menu->title());
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        add(edit->placeholderText());
        add(edit->text());
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        for (int i = 0; i < combo->count(); ++i)
            add(combo->itemText(i));
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget))
        add(plain->toPlainText());
    if (auto* rich = qobject_cast<QTextEdit*>(widget))
        add(rich->toPlainText());
    for (QAction* action : widget->actions()) {
        add(action->text());
        add(action->toolTip());
    }
    if (auto* grid = qobject_cast<StringGrid*>(widget)) {
        for (int c = 0; c < grid->ColCount(); ++c)
            add(grid->ShownText(c, 0));
        for (int r = 1; r < grid->RowCount(); ++r)
            add(grid->ShownText(teamdata::BatterColumn::Side, r));
        return;
    }
    if (auto* view = qobject_cast<QAbstractItemView*>(widget))
        AddViewTexts(view, where, texts);
    for (QObject* child : widget->children())
        if (auto* childWidget = qobject_cast<QWidget*>(child))
            CollectTexts(childWidget, isData, texts);
}

// The data a window may show in Japanese: every player's name, the team initials and the row
// labels, as the grids and the lists show them.
QStringList DataTexts(const std::vector<std::filesystem::path>& images) {
    QStringList data;
    for (const auto& path : images)
        for (const TeamTexts& team :
             exchange::TextsOf(exchange::RecordsOf(exchange::LoadImage(Q(path))))) {
            for (const auto& batter : team.batters)
                data << Q(batter[BatterColumn::Name - 1]);
            for (const auto& pitcher : team.pitchers)
                data << Q(pitcher[PitcherColumn::Name - 1]);
        }
    for (const std::string_view initials : TRomTeamData::TeamInitials)
        data << Q(initials);
    for (const QString& label : BatterRowLabels + PitcherRowLabels)
        data << label << label.trimmed();
    // Longest first, so that no shorter text takes a piece out of a longer one.
    std::sort(data.begin(), data.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    return data;
}

// Fails for every text of `root` that holds Japanese besides the data.
void ExpectNoJapaneseOutsideData(
    QWidget* root, const QStringList& data,
    const IsData& isData = [](const QWidget*) { return false; }) {
    std::vector<TextSeen> texts;
    CollectTexts(root, isData, texts);
    EXPECT_FALSE(texts.empty()) << root->metaObject()->className();
    for (const TextSeen& seen : texts) {
        QString rest = seen.text;
        for (const QString& text : data)
            rest.remove(text);
        EXPECT_FALSE(std::any_of(rest.begin(), rest.end(), IsJapanese))
            << seen.where.toStdString() << ": " << seen.text.toStdString();
    }
}

QString WithoutMnemonic(QString text) {
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// Fails for every label, button and group title of `root` whose text is wider than the room it is
// drawn in, measured with the font it is drawn in; and for a label that reaches past its window.
void ExpectEveryTextFits(QWidget* root) {
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(root))
            continue;
        const QString where = QLatin1String(widget->metaObject()->className()) + QLatin1Char(' ') +
                              widget->objectName();
        const QFontMetrics metrics(widget->font());
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->text().isEmpty() || label->wordWrap() || Qt::mightBeRichText(label->text()))
                continue;
            const int room =
                label->contentsRect().width() - 2 * label->margin() - std::max(label->indent(), 0);
            EXPECT_LE(metrics.horizontalAdvance(label->text()), room)
                << where.toStdString() << ": " << label->text().toStdString();
            const QWidget* window = label->window();
            EXPECT_LE(label->mapTo(window, QPoint(label->width(), 0)).x(), window->width())
                << where.toStdString() << " reaches past its window";
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            EXPECT_LE(metrics.horizontalAdvance(WithoutMnemonic(button->text())) + icon,
                      room.width())
                << where.toStdString() << ": " << button->text().toStdString();
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            EXPECT_LE(metrics.horizontalAdvance(group->title()), group->width())
                << where.toStdString();
        }
    }
}

// A grid's headers and the words of its side or style column fit their columns: the header text
// starts after a two-pixel indent and stops at the column's border, a cell's text likewise stops
// at the grid line.
void ExpectGridWordsFit(const StringGrid* grid, const std::vector<std::string_view>& labels) {
    const QFontMetrics header(grid->horizontalHeader()->font());
    for (int c = 0; c < grid->ColCount(); ++c)
        EXPECT_LE(header.horizontalAdvance(grid->ShownText(c, 0)), grid->ColWidths(c) - 3)
            << grid->objectName().toStdString() << " header " << c << ": "
            << grid->ShownText(c, 0).toStdString();
    const QFontMetrics cells(grid->font());
    for (const std::string_view label : labels)
        EXPECT_LE(cells.horizontalAdvance(exchange::LabelWord(label)),
                  grid->ColWidths(BatterColumn::Side) - 3)
            << exchange::LabelWord(label).toStdString();
}

class EnglishInterface : public MainWindowFixture {
protected:
    // The grid the clipboard commands work on is the one with the focus.
    static void Focus(StringGrid* grid, int col, int row) {
        MainForm->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(MainForm));
        grid->setFocus();
        grid->SetCurrentCell(col, row);
    }

    static void ClickCell(StringGrid* grid, int col, int row) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(col, row).center());
    }

    // Runs `look` on the next modal window of type T, then closes it with `close`.
    template <typename T>
    static void OnNextDialog(
        std::function<void(T*)> look,
        std::function<void(T*)> close = [](T* dialog) { dialog->reject(); }) {
        OnNextModal(
            [look, close](QWidget* widget) {
                auto* dialog = static_cast<T*>(widget);
                look(dialog);
                close(dialog);
            },
            nullptr, 5000, [](QWidget* w) { return qobject_cast<T*>(w) != nullptr; });
    }
};

TEST_F(EnglishInterface, WindowDialogsAndMessagesShowNoJapaneseButTheData) {
    const auto image = WriteImage(ValidImage());
    ImageBuilder edited = ValidImage();
    edited.SetColors(3, 0x16, 0x30);
    const auto other = WriteImage(edited, "other.nes");
    const QStringList data = DataTexts({image, other});

    // Qt's own file dialog, then the window with its menus.
    OnNextDialog<QFileDialog>(
        [&](QFileDialog* dialog) { ExpectNoJapaneseOutsideData(dialog, data); });
    MainForm->MenuOpen()->trigger();
    OpenImage(image, 3);
    StringGrid* batters = MainForm->BatterTable();
    const auto notTeamBox = [](const QWidget* widget) {
        return widget == MainForm->TeamBox();
    };
    ExpectNoJapaneseOutsideData(MainForm, data, notTeamBox);

    // The name keyboard, but its kana keys and the names it shows.
    OnNextDialog<TNameForm>([&](TNameForm* form) {
        ExpectNoJapaneseOutsideData(form, data, [form](const QWidget* widget) {
            for (int key = 1; key <= TNameForm::LastKeyNumber; ++key)
                if (widget == form->Key(key) && key != 81 && key != 91)
                    return true;
            return widget == form->OldNameLabel || widget == form->NameEdit;
        });
    });
    ClickCell(batters, BatterColumn::Name, 1);

    // The value dialog names the column by its word and the player by his name.
    OnNextDialog<TValueDialog>([&](TValueDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("AVG (%1)").arg(batters->Cells(1, 1)));
        ExpectNoJapaneseOutsideData(dialog, data);
    });
    ClickCell(batters, BatterColumn::Average, 1);

    OnNextDialog<TColorForm>([&](TColorForm* form) { ExpectNoJapaneseOutsideData(form, data); });
    MainForm->HelmetButton()->click();
    OnNextDialog<TAboutDialog>(
        [&](TAboutDialog* about) { ExpectNoJapaneseOutsideData(about, data); });
    MainForm->V2()->trigger();
    OnNextDialog<TImageInfoDialog>(
        [&](TImageInfoDialog* info) { ExpectNoJapaneseOutsideData(info, data); });
    MainForm->MenuImageInfo()->trigger();

    // A pasted label the side column cannot hold: the list says which it allows, in its words.
    QApplication::clipboard()->setText(QStringLiteral("X"));
    Focus(batters, BatterColumn::Side, 2);
    OnNextDialog<TIssueListDialog>([&](TIssueListDialog* list) {
        ExpectNoJapaneseOutsideData(list, data);
        EXPECT_TRUE(list->IssueTable->item(0, 3)->text().endsWith(QStringLiteral("R L S")))
            << list->IssueTable->item(0, 3)->text().toStdString();
    });
    MainForm->MenuPaste()->trigger();

    // A league file whose import would change a pitching style: the question lists it.
    reports::LeagueTexts league =
        exchange::TextsOf(exchange::RecordsOf(exchange::LoadImage(Q(image))));
    league[3].pitchers[0][PitcherColumn::Style - 1] = "左ま";
    league[3].batters[0][BatterColumn::Average - 1] = "400";
    const auto leagueFile = dir.File("league.csv");
    WriteFile(leagueFile, exchange::LeagueCsvBytes(league));
    AnswerNextFileDialog(Q(leagueFile));
    OnNextDialog<TChangeListDialog>(
        [&](TChangeListDialog* list) {
            ExpectNoJapaneseOutsideData(list, data);
            EXPECT_TRUE(RowsOf(list->ChangeTable).join('\n').contains(QStringLiteral("|L Axe")))
                << RowsOf(list->ChangeTable).join('\n').toStdString();
        },
        [](TChangeListDialog* list) { list->NoButton->click(); });
    MainForm->MenuImportLeagueCSV()->trigger();

    // A comparison stays open beside the window.
    AnswerNextFileDialog(Q(other));
    MainForm->MenuCompare()->trigger();
    ASSERT_EQ(MainForm->CompareWindows().size(), 1);
    TCompareWindow* comparison = MainForm->CompareWindows().constFirst();
    ExpectNoJapaneseOutsideData(comparison, data);
    EXPECT_EQ(comparison->SwapButton->accessibleName(), QStringLiteral("Swap before and after"));
    QTest::mouseClick(comparison->SwapButton, Qt::LeftButton);
    EXPECT_TRUE(comparison->MessageLabel->text().contains(
        QStringLiteral("Before: %1. After: %2.").arg(Q(other.filename()), Q(image.filename()))))
        << comparison->MessageLabel->text().toStdString();
    ExpectNoJapaneseOutsideData(comparison, data);
    comparison->close();

    // The help window; what the manual says is the manual's.
    HelpWindow* help = ShowHelpTopics(MainForm, QStringLiteral("Tolvanek.hlp"));
    ExpectNoJapaneseOutsideData(help, data, [help](const QWidget* widget) {
        return widget == help->Contents || widget == help->IndexList;
    });
    help->close();

    // A question, and an error.
    MakeUnsavedEdit();
    MessageSeen question;
    AnswerNextMessage(question, QStringLiteral("&No"));
    PickTeam(4);
    ASSERT_TRUE(question.seen);
    EXPECT_EQ(question.title, QStringLiteral("Confirm"));
    EXPECT_EQ(question.text, QStringLiteral("The team has unsaved changes. Discard them?"));
    EXPECT_EQ(question.buttons, (QStringList{QStringLiteral("&Yes"), QStringLiteral("&No")}));
    MainForm->UndoStack().setClean();
    MainForm->CloseCartridge();
    MessageSeen error;
    AnswerNextMessage(error);
    MainForm->MenuSaveNew()->trigger();
    ASSERT_TRUE(error.seen);
    ExpectErrorBox(error, QStringLiteral("No image is open."), QStringLiteral("Error"));
}

TEST_F(EnglishInterface, NoTextIsCutOff) {
    OpenImage(WriteImage(ValidImage()));
    ExpectEveryTextFits(MainForm);
    std::vector<std::string_view> sides(BatterSideLabels.begin(), BatterSideLabels.end());
    std::vector<std::string_view> styles;
    for (const PitchingStyle& style : PitchingStyles)
        styles.push_back(style.label);
    ExpectGridWordsFit(MainForm->BatterTable(), sides);
    ExpectGridWordsFit(MainForm->PitcherTable(), styles);

    for (DeferredDialog* dialog :
         std::initializer_list<DeferredDialog*>{NameForm, ValueDialog, AboutDialog, ColorForm}) {
        dialog->EnsureBuilt();
        ExpectEveryTextFits(dialog);
    }
    // The value dialog as it is shown for a column, and the name keyboard with a refusal.
    ValueDialog->SetupDialog(exchange::ValueCaption(Grid::Batters, BatterColumn::Average), 200, 400,
                             2, 10, 300, QStringLiteral("ABCDE"));
    ExpectEveryTextFits(ValueDialog);
}

// A grid header's tooltip, as QHeaderView asks for it (the corner is a button of its own).
QString HeaderToolTip(const StringGrid* grid, int col) {
    if (col == 0)
        return grid->findChild<QAbstractButton*>()->toolTip();
    return grid->model()->headerData(col - 1, Qt::Horizontal, Qt::ToolTipRole).toString();
}

// The short header words explain themselves: every header of both grids names its column in full
// when the pointer rests on it.
TEST_F(EnglishInterface, EveryHeaderNamesItsColumnInFullInItsTooltip) {
    OpenImage(WriteImage(ValidImage()));
    for (const StringGrid* grid : {MainForm->BatterTable(), MainForm->PitcherTable()}) {
        const int used = grid == MainForm->BatterTable() ? 10 : 12;
        for (int c = 0; c < used; ++c)
            EXPECT_FALSE(HeaderToolTip(grid, c).isEmpty()) << grid->objectName().toStdString() << c;
        for (int c = used; c < grid->ColCount(); ++c)
            EXPECT_TRUE(HeaderToolTip(grid, c).isEmpty()) << "an unused column says nothing";
    }
    const StringGrid* batters = MainForm->BatterTable();
    EXPECT_EQ(batters->ShownText(BatterColumn::Popularity, 0), QStringLiteral("★"));
    EXPECT_EQ(HeaderToolTip(batters, BatterColumn::Popularity),
              QStringLiteral("Popularity with the fans"));
    EXPECT_EQ(HeaderToolTip(batters, BatterColumn::Average), QStringLiteral("Batting average"));
    EXPECT_EQ(HeaderToolTip(MainForm->PitcherTable(), PitcherColumn::Era),
              QStringLiteral("Earned run average"));
    // Where there is room, popularity is named in words: the undo step, the value dialog.
    EXPECT_EQ(exchange::ColumnName(Grid::Pitchers, PitcherColumn::Popularity),
              QStringLiteral("Popularity"));
}

// The grids hold the data's texts and show the interface's words; what is copied is what is
// shown, and it pastes back as the data it stands for.
TEST_F(EnglishInterface, GridsShowWordsForTheDataTheyHoldAndCopyAndPasteThem) {
    ImageBuilder image = ValidImage();
    PitcherBytes underhand = ImageBuilder::ValidPitcher(0, 0);
    underhand.style = 0xC0;
    BatterBytes switchHitter = ImageBuilder::ValidBatter(0, 0);
    switchHitter.side = 2;
    image.SetPitcher(0, 0, underhand).SetBatter(0, 0, switchHitter);
    OpenImage(WriteImage(image));
    StringGrid* batters = MainForm->BatterTable();
    StringGrid* pitchers = MainForm->PitcherTable();
    EXPECT_EQ(batters->Cells(BatterColumn::Average, 0), QStringLiteral("打　率"));
    EXPECT_EQ(batters->ShownText(BatterColumn::Average, 0), QStringLiteral("AVG"));
    EXPECT_EQ(batters->ShownText(0, 0), QStringLiteral("Bat"));
    EXPECT_EQ(pitchers->Cells(PitcherColumn::Style, 1), QStringLiteral("右下"));
    EXPECT_EQ(pitchers->ShownText(PitcherColumn::Style, 1), QStringLiteral("R Sub"));
    EXPECT_EQ(batters->Cells(BatterColumn::Side, 1), QStringLiteral("両"));
    EXPECT_EQ(batters->ShownText(BatterColumn::Side, 1), QStringLiteral("S"));
    EXPECT_EQ(batters->model()->headerData(BatterColumn::Average - 1, Qt::Horizontal).toString(),
              QStringLiteral("AVG"));

    // Pitcher 1 copied over pitcher 2, batter 1 over batter 9: the cells hold the data again.
    const TeamTexts before = MainForm->TeamShown();
    Focus(pitchers, PitcherColumn::Name, 1);
    MainForm->MenuCopy()->trigger();
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.contains(QStringLiteral("\tR Sub\t"))) << copied.toStdString();
    EXPECT_FALSE(copied.contains(QStringLiteral("右下")));
    pitchers->SetCurrentCell(PitcherColumn::Name, 2);
    MainForm->MenuPaste()->trigger();
    Focus(batters, BatterColumn::Name, 1);
    MainForm->MenuCopy()->trigger();
    batters->SetCurrentCell(BatterColumn::Name, 9);
    MainForm->MenuPaste()->trigger();

    TeamTexts expected = before;
    expected.pitchers[1] = before.pitchers[0];
    expected.batters[8] = before.batters[0];
    EXPECT_EQ(MainForm->TeamShown(), expected);
    EXPECT_EQ(MainForm->MenuUndo()->text(), QStringLiteral("&Undo: Paste"));
}

// The files are the same in every language: the English window writes the bytes the Japanese
// one writes, and reads what the Japanese one wrote, byte for byte.
TEST_F(EnglishInterface, FilesAreTheOnesTheJapaneseWindowWritesAndReads) {
    const auto path = WriteImage(ValidImage());
    OpenImage(path, 3);
    const TeamTexts shown = MainForm->TeamShown();
    // Each export ends with its confirmation.
    const auto exportTo = [](QAction* command, const std::filesystem::path& file) {
        AnswerNextFileDialog(Q(file));
        MessageSeen saved;
        AnswerNextMessage(saved);
        command->trigger();
        EXPECT_EQ(saved.text, QStringLiteral("The file has been saved."));
    };

    const auto exported = dir.File("team.csv");
    exportTo(MainForm->MenuSaveCSV(), exported);
    const QByteArray csv = FileBytes(exported);
    EXPECT_EQ(csv, exchange::TeamCsvBytes(shown));
    EXPECT_TRUE(ShiftJis::Decode(csv).startsWith(QStringLiteral("名　　前　,打席　,")));

    TeamTexts edited = shown;
    edited.pitchers[2][PitcherColumn::Style - 1] = "右背";
    edited.batters[4][BatterColumn::Side - 1] = "両";
    const auto written = dir.File("edited.csv");
    const QByteArray japaneseFile = exchange::TeamCsvBytes(edited);
    WriteFile(written, japaneseFile);
    AnswerNextFileDialog(Q(written));
    MainForm->MenuImportCSV()->trigger();
    ASSERT_EQ(MainForm->TeamShown(), edited);
    EXPECT_EQ(MainForm->PitcherTable()->ShownText(PitcherColumn::Style, 3),
              QStringLiteral("R Bck"));
    MainForm->MenuSave()->trigger();
    EXPECT_EQ(exchange::TextsOf(exchange::RecordsOf(exchange::LoadImage(Q(path))))[3], edited);

    const auto again = dir.File("again.csv");
    exportTo(MainForm->MenuSaveCSV(), again);
    EXPECT_EQ(FileBytes(again), japaneseFile);

    // The page is for reading, in the interface's language.
    const auto page = dir.File("team.html");
    exportTo(MainForm->MenuOutputHTML(), page);
    const QString html = ShiftJis::Decode(FileBytes(page));
    EXPECT_TRUE(html.contains(QStringLiteral("[Batters] Team AVG ."))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("<td>R Bck<td>"))) << html.toStdString();
}

} // namespace
