// SPDX-License-Identifier: MIT
#include "GuiTestSupport.h"
#include "KanjiReader.h"
#include "NameCodec.h"
#include "Nameunit.h"
#include "TempDir.h"

#include <QApplication>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <iterator>

namespace {

const QString Space = QStringLiteral("　");

// Shows the form modally the way the main window does (empty edit box, old name shown) and runs
// `actions` inside it. Returns exec()'s result.
int RunModal(TNameForm& form, const std::function<void(TNameForm&)>& actions) {
    form.NameEdit->setText(QString());
    form.OldNameLabel->setText(QStringLiteral("やまた゛　"));
    GuiTest::OnNextModal([&form, &actions](QWidget* modal) {
        EXPECT_EQ(modal, &form);
        actions(form);
        if (form.isVisible()) {
            ADD_FAILURE() << "the form is still open";
            form.reject();
        }
    });
    return form.exec();
}

void Click(QPushButton* button) {
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Japanese text reaches the edit box from the input method as committed text.
void CommitInput(QWidget* widget, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

void ClickKeys(TNameForm& form, std::initializer_list<int> buttonNumbers) {
    for (int number : buttonNumbers)
        Click(form.Key(number));
}

// Button numbers of some keys used below.
constexpr int KeyA = 49, KeyI = 48, KeyU = 47, KeyYa = 11, KeyMa = 16, KeyTa = 30, KeyVoiced = 83,
              KeyLatinA = 69, KeyLatinB = 68, KeySpace = 81, KeyDelete = 91;

} // namespace

TEST(NameRules, AppendsOnlyWhileTheNameStaysWithinTenBytes) {
    EXPECT_EQ(TNameForm::AppendCharacter(QString(), QStringLiteral("あ")), QStringLiteral("あ"));
    EXPECT_EQ(TNameForm::AppendCharacter(QStringLiteral("あいうえ"), QStringLiteral("お")),
              QStringLiteral("あいうえお"));
    EXPECT_EQ(TNameForm::AppendCharacter(QStringLiteral("あいうえお"), QStringLiteral("か")),
              QStringLiteral("あいうえお"));
    EXPECT_EQ(TNameForm::AppendCharacter(QStringLiteral("abcdefgh"), QStringLiteral("あ")),
              QStringLiteral("abcdefghあ"));
    EXPECT_EQ(TNameForm::AppendCharacter(QStringLiteral("abcdefghi"), QStringLiteral("あ")),
              QStringLiteral("abcdefghi"));
}

TEST(NameRules, DeletesTheLastWholeCharacter) {
    EXPECT_EQ(TNameForm::DeleteLastCharacter(QString()), QString());
    EXPECT_EQ(TNameForm::DeleteLastCharacter(QStringLiteral("a")), QString());
    EXPECT_EQ(TNameForm::DeleteLastCharacter(QStringLiteral("aあ")), QStringLiteral("a"));
    EXPECT_EQ(TNameForm::DeleteLastCharacter(QStringLiteral("あa")), QStringLiteral("あ"));
    EXPECT_EQ(TNameForm::DeleteLastCharacter(QStringLiteral("ab")), QStringLiteral("a"));
    EXPECT_EQ(TNameForm::DeleteLastCharacter(QStringLiteral("a\U0001F600")), QStringLiteral("a"));
}

TEST(NameRules, PadsShortNamesWithFullWidthSpacesToTenBytes) {
    EXPECT_EQ(TNameForm::PadName(QStringLiteral("ＡＢ")), QStringLiteral("ＡＢ　　　"));
    EXPECT_EQ(TNameForm::PadName(QStringLiteral("やまた゛")), QStringLiteral("やまた゛　"));
    EXPECT_EQ(TNameForm::PadName(QStringLiteral("あ")), QStringLiteral("あ　　　　"));
    EXPECT_EQ(TNameForm::PadName(QStringLiteral("ab")), QStringLiteral("ab　　　　"));
}

TEST(NameRules, LeavesEmptyFullAndOverlongNamesAlone) {
    EXPECT_EQ(TNameForm::PadName(QString()), QString());
    EXPECT_EQ(TNameForm::PadName(QStringLiteral("a")), QStringLiteral("a"));
    EXPECT_EQ(TNameForm::PadName(QStringLiteral("あいうえお")), QStringLiteral("あいうえお"));
    EXPECT_EQ(TNameForm::PadName(QStringLiteral("abcdefghijk")), QStringLiteral("abcdefghijk"));
}

TEST(NameRules, NeverPadsHalfACharacter) {
    EXPECT_EQ(TNameForm::PadName(QStringLiteral("abc")), QStringLiteral("abc　　　"));
    EXPECT_EQ(TNameForm::PadName(QStringLiteral("abcdefghi")), QStringLiteral("abcdefghi"));
}

TEST(NameForm, ShowsItsControlsWhereTheUserExpectsThem) {
    TNameForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("名前入力"));
    EXPECT_EQ(form.size(), QSize(384, 268));
    EXPECT_EQ(form.GroupBox1->title(), QStringLiteral("文字"));
    EXPECT_EQ(form.GroupBox1->geometry(), QRect(0, 0, 265, 268));
    EXPECT_EQ(form.OldNameLabel->pos(), QPoint(280, 32));
    EXPECT_EQ(form.OldNameLabel->width(), 73);
    EXPECT_TRUE(form.OldNameLabel->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(form.Label2->geometry(), QRect(304, 64, 32, 33));
    EXPECT_EQ(form.Label2->text(), QStringLiteral("↓"));
    EXPECT_EQ(form.Label2->font().pixelSize(), 32);
    EXPECT_EQ(form.Label1->pos(), QPoint(280, 112));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("名前："));
    EXPECT_EQ(form.NameEdit->geometry(), QRect(272, 136, 105, 20));
    EXPECT_EQ(form.BitBtn1->geometry(), QRect(288, 184, 75, 25));
    EXPECT_EQ(form.BitBtn2->geometry(), QRect(288, 232, 75, 25));
    EXPECT_EQ(form.BitBtn1->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.BitBtn2->text(), QStringLiteral("ｷｬﾝｾﾙ"));
    EXPECT_TRUE(form.BitBtn1->isDefault());
    EXPECT_EQ(form.font().pixelSize(), 12);
    for (const char* name :
         {"GroupBox1", "OldNameLabel", "Label1", "Label2", "NameEdit", "BitBtn1", "BitBtn2"})
        EXPECT_NE(form.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
}

TEST(NameForm, KeyGroupKeepsTheFullHeightWhenResized) {
    TNameForm form;
    form.show();
    form.resize(400, 320);
    QApplication::processEvents();
    EXPECT_EQ(form.GroupBox1->geometry(), QRect(0, 0, 265, 320));
}

TEST(NameForm, HasEveryKeyAtItsPlaceWithItsCaption) {
    struct Expected {
        int number;
        int left;
        int top;
        const char* caption;
    };
    // Column by column from the right, as the kana chart is read, then the lower block.
    const Expected keys[] = {
        {49, 232, 16, "あ"},  {48, 232, 40, "い"},  {47, 232, 64, "う"},  {46, 232, 88, "え"},
        {45, 232, 112, "お"}, {40, 208, 16, "か"},  {41, 208, 40, "き"},  {42, 208, 64, "く"},
        {43, 208, 88, "け"},  {44, 208, 112, "こ"}, {39, 184, 16, "さ"},  {38, 184, 40, "し"},
        {37, 184, 64, "す"},  {36, 184, 88, "せ"},  {35, 184, 112, "そ"}, {30, 160, 16, "た"},
        {31, 160, 40, "ち"},  {32, 160, 64, "つ"},  {33, 160, 88, "て"},  {34, 160, 112, "と"},
        {29, 136, 16, "な"},  {28, 136, 40, "に"},  {27, 136, 64, "ぬ"},  {26, 136, 88, "ね"},
        {25, 136, 112, "の"}, {20, 112, 16, "は"},  {21, 112, 40, "ひ"},  {22, 112, 64, "ふ"},
        {23, 112, 88, "へ"},  {24, 112, 112, "ほ"}, {16, 88, 16, "ま"},   {90, 88, 40, "み"},
        {17, 88, 64, "む"},   {18, 88, 88, "め"},   {19, 88, 112, "も"},  {11, 64, 16, "や"},
        {12, 64, 40, "ゆ"},   {13, 64, 64, "よ"},   {6, 40, 16, "ら"},    {7, 40, 40, "り"},
        {8, 40, 64, "る"},    {9, 40, 88, "れ"},    {10, 40, 112, "ろ"},  {1, 16, 16, "わ"},
        {2, 16, 40, "を"},    {3, 16, 64, "ん"},    {59, 232, 144, "０"}, {58, 232, 168, "１"},
        {57, 232, 192, "２"}, {56, 232, 216, "３"}, {55, 232, 240, "４"}, {50, 208, 144, "５"},
        {51, 208, 168, "６"}, {52, 208, 192, "７"}, {53, 208, 216, "８"}, {54, 208, 240, "９"},
        {69, 160, 144, "Ａ"}, {68, 160, 168, "Ｂ"}, {67, 160, 192, "Ｃ"}, {66, 160, 216, "Ｄ"},
        {65, 160, 240, "Ｅ"}, {60, 136, 144, "Ｆ"}, {61, 136, 168, "Ｇ"}, {62, 136, 192, "Ｈ"},
        {63, 136, 216, "Ｉ"}, {64, 136, 240, "Ｊ"}, {79, 112, 144, "Ｋ"}, {78, 112, 168, "Ｌ"},
        {77, 112, 192, "Ｍ"}, {76, 112, 216, "Ｎ"}, {75, 112, 240, "Ｏ"}, {70, 88, 144, "Ｐ"},
        {71, 88, 168, "Ｑ"},  {72, 88, 192, "Ｒ"},  {73, 88, 216, "Ｓ"},  {74, 88, 240, "Ｔ"},
        {89, 64, 144, "Ｕ"},  {88, 64, 168, "Ｖ"},  {87, 64, 192, "Ｗ"},  {86, 64, 216, "Ｘ"},
        {85, 64, 240, "Ｙ"},  {80, 40, 144, "Ｚ"},  {83, 40, 168, "゛"},  {84, 40, 192, "゜"},
        {81, 40, 216, "SP"},  {82, 40, 240, "．"},  {91, 16, 216, "消"},
    };
    ASSERT_EQ(std::size(keys), 87u);

    TNameForm form;
    for (const Expected& key : keys) {
        QPushButton* button = form.Key(key.number);
        ASSERT_NE(button, nullptr) << key.number;
        EXPECT_EQ(button->objectName(), QStringLiteral("Button%1").arg(key.number));
        EXPECT_EQ(button->text(), QString::fromUtf8(key.caption)) << key.number;
        EXPECT_EQ(button->parentWidget(), form.GroupBox1);
        EXPECT_EQ(button->geometry(), QRect(key.left, key.top, 20, 20)) << key.number;
    }
    for (int unused : {0, 4, 5, 14, 15, 92})
        EXPECT_EQ(form.Key(unused), nullptr) << unused;
    EXPECT_EQ(form.GroupBox1->findChildren<QPushButton*>().size(), 87);
}

TEST(NameForm, CharacterKeysOfferExactlyTheNameTiles) {
    TNameForm form;
    QStringList typed;
    for (int number = 1; number < TNameForm::LastKeyNumber; ++number) {
        if (!form.Key(number))
            continue;
        form.NameEdit->clear();
        Click(form.Key(number));
        typed << form.NameEdit->text();
    }
    QStringList tiles;
    for (int code = 0; code < teamdata::TileCharCount; ++code)
        if (code <= 37 || (code >= 40 && code <= 87))
            tiles << QString::fromUtf8(teamdata::TileCharTable[static_cast<std::size_t>(code)]);
    ASSERT_EQ(tiles.size(), 86);
    typed.sort();
    tiles.sort();
    EXPECT_EQ(typed, tiles);
}

TEST(NameForm, SixthCharacterIsIgnored) {
    TNameForm form;
    RunModal(form, [](TNameForm& f) {
        ClickKeys(f, {KeyA, KeyA, KeyA, KeyA, KeyA, KeyA});
        EXPECT_EQ(f.NameEdit->text(), QStringLiteral("あああああ"));
        f.reject();
    });
}

TEST(NameForm, OkPadsAVoicedNameWithOneSpace) {
    TNameForm form;
    const int result = RunModal(form, [](TNameForm& f) {
        ClickKeys(f, {KeyYa, KeyMa, KeyTa, KeyVoiced});
        EXPECT_EQ(f.NameEdit->text(), QStringLiteral("やまた゛"));
        Click(f.BitBtn1);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(form.NameEdit->text(), QStringLiteral("やまた゛　"));
}

TEST(NameForm, OkPadsTwoLettersWithThreeSpaces) {
    TNameForm form;
    const int result = RunModal(form, [](TNameForm& f) {
        ClickKeys(f, {KeyLatinA, KeyLatinB});
        Click(f.BitBtn1);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(form.NameEdit->text(), QStringLiteral("ＡＢ　　　"));
}

TEST(NameForm, OkLeavesFiveCharactersAsTheyAre) {
    TNameForm form;
    const int result = RunModal(form, [](TNameForm& f) {
        ClickKeys(f, {KeyA, KeyI, KeyU, KeySpace, KeyA});
        Click(f.BitBtn1);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(form.NameEdit->text(), QStringLiteral("あいう　あ"));
}

TEST(NameForm, OkWithNothingEnteredGivesTheBlankNameThatCanBeSaved) {
    TNameForm form;
    EXPECT_EQ(RunModal(form, [](TNameForm& f) { Click(f.BitBtn1); }), QDialog::Accepted);
    EXPECT_EQ(form.NameEdit->text(), QString(5, QChar(0x3000)));
}

TEST(NameForm, EnterAfterClickingKeysConfirms) {
    TNameForm form;
    const int result = RunModal(form, [](TNameForm& f) {
        ClickKeys(f, {KeyA});
        QTest::keyClick(f.focusWidget() ? f.focusWidget() : &f, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(form.NameEdit->text(), QStringLiteral("あ　　　　"));
}

TEST(NameForm, SpaceKeyAppendsAFullWidthSpace) {
    TNameForm form;
    RunModal(form, [](TNameForm& f) {
        ClickKeys(f, {KeyA, KeySpace});
        EXPECT_EQ(f.NameEdit->text(), QStringLiteral("あ") + Space);
        f.reject();
    });
}

TEST(NameForm, DeleteKeyRemovesTheLastCharacter) {
    TNameForm form;
    RunModal(form, [](TNameForm& f) {
        ClickKeys(f, {KeyDelete});
        EXPECT_EQ(f.NameEdit->text(), QString());
        ClickKeys(f, {KeyA, KeyLatinB, KeyVoiced, KeyDelete});
        EXPECT_EQ(f.NameEdit->text(), QStringLiteral("あＢ"));
        f.NameEdit->setText(QStringLiteral("あb"));
        ClickKeys(f, {KeyDelete});
        EXPECT_EQ(f.NameEdit->text(), QStringLiteral("あ"));
        f.reject();
    });
}

TEST(NameForm, TypedTextBecomesTheGameCharactersAndWhatItCannotShowIsRefusedAtOnce) {
    TNameForm form;
    const int result = RunModal(form, [](TNameForm& f) {
        EXPECT_EQ(f.PlacesLabel->text(), QStringLiteral("あと5文字"));
        QTest::keyClicks(f.NameEdit, QStringLiteral("ab1"));
        EXPECT_EQ(f.NameEdit->text(), QStringLiteral("ＡＢ１"));
        EXPECT_EQ(f.PlacesLabel->text(), QStringLiteral("あと2文字"));
        QTest::keyClicks(f.NameEdit, QStringLiteral("cde"));
        EXPECT_EQ(f.NameEdit->text(), QStringLiteral("ＡＢ１ＣＤ")) << "the sixth is refused";
        EXPECT_FALSE(f.RefusalLabel->text().isEmpty());

        // The input method's katakana, with a voiced kana taking two places.
        f.NameEdit->clear();
        CommitInput(f.NameEdit, QStringLiteral("ヤマダ"));
        EXPECT_EQ(f.NameEdit->text(), QStringLiteral("やまた゛"));
        EXPECT_EQ(f.PlacesLabel->text(), QStringLiteral("あと1文字"));
        EXPECT_TRUE(f.RefusalLabel->text().isEmpty());
        CommitInput(f.NameEdit, QStringLiteral("★"));
        EXPECT_EQ(f.NameEdit->text(), QStringLiteral("やまた゛"));
        EXPECT_TRUE(f.RefusalLabel->text().contains(QStringLiteral("「★」")))
            << f.RefusalLabel->text().toStdString();
        EXPECT_TRUE(f.isVisible()) << "the refusal is no modal box";

        // The keys work on the typed name as before.
        ClickKeys(f, {KeyA});
        EXPECT_EQ(f.NameEdit->text(), QStringLiteral("やまた゛あ"));
        EXPECT_TRUE(f.RefusalLabel->text().isEmpty());
        ClickKeys(f, {KeyDelete, KeyDelete});
        Click(f.BitBtn1);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(form.NameEdit->text(), QStringLiteral("やまた　　"));
}

// Each way of abandoning the form gives a result other than OK, so the caller keeps its cell.
TEST(NameForm, CancelAfterTypingAbandons) {
    TNameForm form;
    EXPECT_EQ(RunModal(form,
                       [](TNameForm& f) {
                           ClickKeys(f, {KeyA, KeyI});
                           Click(f.BitBtn2);
                       }),
              QDialog::Rejected);
}

TEST(NameForm, EscapeAbandons) {
    TNameForm form;
    EXPECT_EQ(RunModal(form,
                       [](TNameForm& f) {
                           ClickKeys(f, {KeyA});
                           QTest::keyClick(f.focusWidget() ? f.focusWidget() : &f, Qt::Key_Escape);
                       }),
              QDialog::Rejected);
}

TEST(NameForm, CloseBoxAbandons) {
    TNameForm form;
    EXPECT_EQ(RunModal(form, [](TNameForm& f) { f.close(); }), QDialog::Rejected);
}

// A name typed in kanji, as an input method commits it, is offered as its readings under the box.
TEST(NameForm, OffersTheReadingsOfANameTypedInKanjiAndTakesTheOneChosen) {
    TNameForm form;
    const int result = RunModal(form, [](TNameForm& f) {
        EXPECT_FALSE(f.ReadingList->isVisible());
        CommitInput(f.NameEdit, QStringLiteral("後藤"));
        // The box keeps only the game's characters while the choice is open.
        EXPECT_EQ(f.NameEdit->text(), QString());
        ASSERT_TRUE(f.ReadingList->isVisible());
        ASSERT_GE(f.ReadingList->count(), 1);
        EXPECT_EQ(f.ReadingList->item(0)->text(), QStringLiteral("こ゛とう（4文字）"));
        // Under the edit box, and above the controls it covers.
        EXPECT_GE(f.ReadingList->y(), f.NameEdit->geometry().bottom());

        // A reading of six places is shown, with its places, and cannot be taken.
        f.NameEdit->clear();
        CommitInput(f.NameEdit, QStringLiteral("勅使河原"));
        ASSERT_GE(f.ReadingList->count(), 1);
        QListWidgetItem* tooLong = f.ReadingList->item(0);
        EXPECT_EQ(tooLong->text(), QStringLiteral("てしか゛わら（6文字、長すぎます）"));
        const QRect tooLongRect = f.ReadingList->visualItemRect(tooLong);
        QTest::mouseClick(f.ReadingList->viewport(), Qt::LeftButton, {}, tooLongRect.center());
        EXPECT_EQ(f.NameEdit->text(), QString());
        EXPECT_TRUE(f.ReadingList->isVisible());

        // A variant kanji of an official spelling, pasted after kana already typed.
        CommitInput(f.NameEdit, QStringLiteral("髙"));
        ASSERT_TRUE(f.ReadingList->isVisible());
        const QList<QListWidgetItem*> taka =
            f.ReadingList->findItems(QStringLiteral("たか（2文字）"), Qt::MatchExactly);
        ASSERT_EQ(taka.size(), 1);
        QTest::mouseClick(f.ReadingList->viewport(), Qt::LeftButton, {},
                          f.ReadingList->visualItemRect(taka.front()).center());
        EXPECT_EQ(f.NameEdit->text(), QStringLiteral("たか"));
        EXPECT_FALSE(f.ReadingList->isVisible());
        EXPECT_EQ(f.PlacesLabel->text(), QStringLiteral("あと3文字"));
        // Typing on hides nothing it should not and keeps the reading.
        ClickKeys(f, {KeyA});
        EXPECT_EQ(f.NameEdit->text(), QStringLiteral("たかあ"));
        Click(f.BitBtn1);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(form.NameEdit->text(), QStringLiteral("たかあ　　"));
}

TEST(NameForm, SaysWhichPackageToInstallWhenTheDictionaryIsMissing) {
    testsupport::TempDir empty;
    const std::string variable(readings::DictionaryFolderVariable);
    ASSERT_EQ(setenv(variable.c_str(), empty.Path().c_str(), 1), 0);
    TNameForm form;
    const int result = RunModal(form, [](TNameForm& f) {
        CommitInput(f.NameEdit, QStringLiteral("佐藤"));
        ASSERT_TRUE(f.ReadingList->isVisible());
        ASSERT_EQ(f.ReadingList->count(), 1);
        EXPECT_TRUE(f.ReadingList->item(0)->text().contains(QStringLiteral("mecab-ipadic-utf8")));
        // Everything else works as before.
        CommitInput(f.NameEdit, QStringLiteral("サトウ"));
        EXPECT_EQ(f.NameEdit->text(), QStringLiteral("さとう"));
        EXPECT_FALSE(f.ReadingList->isVisible());
        Click(f.BitBtn1);
    });
    unsetenv(variable.c_str());
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(form.NameEdit->text(), QStringLiteral("さとう　　"));
}
