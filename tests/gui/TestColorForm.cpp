// SPDX-License-Identifier: MIT
#include "Color.h"
#include "GuiTestSupport.h"
#include "Palette.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// One chooser per test, shown without blocking so that the test can move and click over it
// the way the user does.
class ColorChooser : public testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TColorForm>();
        Show();
    }

    void Show() {
        form->setResult(0);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    void MoveTo(int x, int y) { QTest::mouseMove(form->ColorTable, QPoint(x, y)); }

    void ClickAt(int x, int y) {
        QTest::mouseClick(form->ColorTable, Qt::LeftButton, {}, QPoint(x, y));
    }

    void MoveAndClick(int x, int y) {
        MoveTo(x, y);
        ClickAt(x, y);
    }

    [[nodiscard]] bool Picked() const {
        return form->result() == QDialog::Accepted && !form->isVisible();
    }
    [[nodiscard]] bool StillOpen() const { return form->result() == 0 && form->isVisible(); }

    std::unique_ptr<TColorForm> form;
};

TEST_F(ColorChooser, LooksAsDesigned) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("色の選択"));
    EXPECT_EQ(form->size(), QSize(226, 102));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->ColorTable->geometry(), QRect(0, 0, 226, 65));
    EXPECT_EQ(form->Button1->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(form->Button1->geometry(), QRect(80, 72, 75, 25));
    EXPECT_EQ(form->font().pixelSize(), 12);
    EXPECT_TRUE(form->ColorTable->hasMouseTracking());
}

TEST_F(ColorChooser, ShowsThePaletteBitmapUnscaledAtTheTopLeft) {
    const QImage shown = form->ColorTable->grab().toImage();
    ASSERT_GE(shown.width(), teamdata::PaletteBitmapWidth);
    ASSERT_GE(shown.height(), teamdata::PaletteBitmapHeight);
    int wrong = 0;
    for (int y = 0; y < teamdata::PaletteBitmapHeight; ++y)
        for (int x = 0; x < teamdata::PaletteBitmapWidth; ++x)
            if ((shown.pixel(x, y) & 0xFFFFFFu) != teamdata::PaletteBitmapPixel(x, y))
                ++wrong;
    EXPECT_EQ(wrong, 0);
}

TEST_F(ColorChooser, PicksTheLastCellOfTheBottomRowJustInsideTheSeparators) {
    MoveAndClick(222, 62);
    ASSERT_TRUE(Picked());
    EXPECT_EQ(form->ChosenColorIndex(), 0x3D);
    EXPECT_EQ(form->ChosenColor(), QColor(0xFF, 0xDB, 0xFF));
}

TEST_F(ColorChooser, PicksTheFirstCellAtItsFirstInteriorPixel) {
    MoveAndClick(1, 1);
    ASSERT_TRUE(Picked());
    EXPECT_EQ(form->ChosenColorIndex(), 0x00);
    EXPECT_EQ(form->ChosenColor(), QColor(0x7B, 0x7D, 0x7B));
}

TEST_F(ColorChooser, IgnoresClicksOnSeparatorsAndBeyondTheBitmap) {
    const QPoint ignored[] = {{223, 30}, {100, 63}, {16, 0},   {0, 20},  {31, 20},
                              {40, 47},  {224, 30}, {225, 10}, {100, 64}};
    for (const QPoint at : ignored) {
        MoveAndClick(at.x(), at.y());
        EXPECT_TRUE(StillOpen()) << at.x() << "," << at.y();
    }
    MoveAndClick(20, 20);
    ASSERT_TRUE(Picked()) << "a cell interior still picks after ignored clicks";
    EXPECT_EQ(form->ChosenColorIndex(), 0x11);
}

TEST_F(ColorChooser, PicksCellFourAlthoughItHasTheSeparatorColour) {
    MoveAndClick(4 * 16 + 7, 8);
    ASSERT_TRUE(Picked());
    EXPECT_EQ(form->ChosenColorIndex(), 0x04);
    EXPECT_EQ(form->ChosenColor(), QColor(0x80, 0x00, 0x80));
}

TEST_F(ColorChooser, StoresTheIndexOfTheCellNotOfAnEqualColour) {
    MoveAndClick(10 * 16 + 5, 5);
    ASSERT_TRUE(Picked());
    EXPECT_EQ(form->ChosenColorIndex(), 0x0A);
    EXPECT_EQ(form->ChosenColor(), QColor(0x00, 0x69, 0x00));
}

TEST_F(ColorChooser, PicksNothingBeforeTheMouseHasMovedOverThePalette) {
    ASSERT_EQ(form->MouseX, 0);
    ASSERT_EQ(form->MouseY, 0);
    ClickAt(40, 40);
    EXPECT_TRUE(StillOpen());
}

TEST_F(ColorChooser, PicksByTheRecordedPositionNotTheClickedOne) {
    MoveTo(3 * 16 + 8, 2 * 16 + 8);
    ClickAt(8, 8);
    ASSERT_TRUE(Picked());
    EXPECT_EQ(form->ChosenColorIndex(), 0x23);
}

TEST_F(ColorChooser, ADoubleClickPicksOnce) {
    MoveTo(5 * 16 + 3, 16 + 3);
    QTest::mouseDClick(form->ColorTable, Qt::LeftButton, {}, QPoint(5 * 16 + 3, 16 + 3));
    ASSERT_TRUE(Picked());
    EXPECT_EQ(form->ChosenColorIndex(), 0x15);
}

TEST_F(ColorChooser, OtherButtonsPickNothing) {
    MoveTo(20, 20);
    QTest::mouseClick(form->ColorTable, Qt::RightButton, {}, QPoint(20, 20));
    EXPECT_TRUE(StillOpen());
}

TEST_F(ColorChooser, KeepsTheMousePositionBetweenShowings) {
    form->hide();
    GuiTest::OnNextModal([this](QWidget*) { MoveAndClick(2 * 16 + 4, 16 + 4); });
    ASSERT_EQ(form->exec(), QDialog::Accepted);
    EXPECT_EQ(form->ChosenColorIndex(), 0x12);

    // The second showing is clicked without any movement: the position of the first decides.
    GuiTest::OnNextModal([this](QWidget*) { ClickAt(200, 50); });
    ASSERT_EQ(form->exec(), QDialog::Accepted);
    EXPECT_EQ(form->MouseX, 2 * 16 + 4);
    EXPECT_EQ(form->MouseY, 16 + 4);
    EXPECT_EQ(form->ChosenColorIndex(), 0x12);
}

TEST_F(ColorChooser, CancelAndTheCloseBoxRejectAndKeepTheLastPick) {
    form->hide();
    GuiTest::OnNextModal([this](QWidget*) { MoveAndClick(13 * 16 + 2, 3 * 16 + 2); });
    ASSERT_EQ(form->exec(), QDialog::Accepted);

    GuiTest::OnNextModal([this](QWidget*) {
        MoveTo(20, 20);
        QTest::mouseClick(form->Button1, Qt::LeftButton);
    });
    EXPECT_EQ(form->exec(), QDialog::Rejected);
    EXPECT_FALSE(form->isVisible());

    GuiTest::OnNextModal([](QWidget* shown) { shown->close(); });
    EXPECT_EQ(form->exec(), QDialog::Rejected);
    EXPECT_FALSE(form->isVisible());

    EXPECT_EQ(form->ChosenColorIndex(), 0x3D);
}

TEST_F(ColorChooser, EscapeCancels) {
    form->hide();
    GuiTest::OnNextModal([](QWidget* shown) { QTest::keyClick(shown, Qt::Key_Escape); });
    EXPECT_EQ(form->exec(), QDialog::Rejected);
}

} // namespace
