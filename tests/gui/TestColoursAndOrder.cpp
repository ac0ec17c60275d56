// SPDX-License-Identifier: MIT
#include "Color.h"
#include "MainWindowFixture.h"
#include "Palette.h"

#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using GuiTest::AnswerNextMessage;
using GuiTest::MessageSeen;
using testsupport::ImageBuilder;

namespace {

QColor PaletteColour(int index) {
    return QColor::fromRgb(teamdata::PaletteColor(index));
}

// Every text of one grid row, label column included.
QStringList RowTexts(const StringGrid* grid, int row) {
    QStringList texts;
    for (int c = 0; c < grid->ColCount(); ++c)
        texts << grid->Cells(c, row);
    return texts;
}

// The data cells of one grid row, without the label.
QStringList PlayerTexts(const StringGrid* grid, int row) {
    return RowTexts(grid, row).mid(1);
}

QStringList LabelsOf(const StringGrid* grid) {
    QStringList labels;
    for (int r = 1; r < grid->RowCount(); ++r)
        labels << grid->Cells(0, r);
    return labels;
}

// ---- Team colours ----

class TeamColours : public MainWindowFixture {
protected:
    // Presses `button`; in the chooser that opens, moves the mouse to (x, y) over the palette
    // and clicks there. A click that picks nothing leaves the chooser open; it is then
    // cancelled. True when the click picked a colour.
    static bool PickWith(QPushButton* button, int x, int y) {
        bool picked = false;
        bool chooserShown = false;
        GuiTest::OnNextModal(
            [&](QWidget*) {
                chooserShown = true;
                QTest::mouseMove(ColorForm->ColorTable, QPoint(x, y));
                QTest::mouseClick(ColorForm->ColorTable, Qt::LeftButton, {}, QPoint(x, y));
                picked = !ColorForm->isVisible();
                if (!picked)
                    QTest::mouseClick(ColorForm->Button1, Qt::LeftButton);
            },
            nullptr, 5000, [](QWidget* w) { return w == ColorForm; });
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(chooserShown);
        EXPECT_TRUE(GuiTest::NoModalOpen());
        return picked;
    }

    static void CancelChooser(QPushButton* button) {
        GuiTest::OnNextModal(
            [](QWidget*) { QTest::mouseClick(ColorForm->Button1, Qt::LeftButton); }, nullptr, 5000,
            [](QWidget* w) { return w == ColorForm; });
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(GuiTest::NoModalOpen());
    }

    void OpenTeamZero() {
        OpenImage(WriteImage(ValidImage()));
        helmet = ImageBuilder::ValidHelmetColor(0);
        uniform = ImageBuilder::ValidUniformColor(0);
        ASSERT_EQ(MainForm->RomTeamData().HelmetColorByte, helmet);
        ASSERT_EQ(MainForm->RomTeamData().UniformColorByte, uniform);
    }

    void ExpectColoursAsLoaded() {
        EXPECT_EQ(MainForm->RomTeamData().HelmetColorByte, helmet);
        EXPECT_EQ(MainForm->RomTeamData().UniformColorByte, uniform);
        EXPECT_EQ(SwatchOf(MainForm->HelmetColor()),
                  QColor::fromRgb(teamdata::SwatchColor(helmet)));
        EXPECT_EQ(SwatchOf(MainForm->UniformColor()),
                  QColor::fromRgb(teamdata::SwatchColor(uniform)));
    }

    std::uint8_t helmet = 0;
    std::uint8_t uniform = 0;
};

TEST_F(TeamColours, WithNoImageOpenBothButtonsOnlySayThereIsNoData) {
    for (QPushButton* button : {MainForm->HelmetButton(), MainForm->UniformButton()}) {
        MessageSeen seen;
        AnswerNextMessage(seen);
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_TRUE(seen.seen);
        ExpectErrorBox(seen, "データがありません");
        EXPECT_TRUE(GuiTest::NoModalOpen());
    }
    EXPECT_EQ(ColorForm->result(), 0) << "the chooser was never shown";
    EXPECT_EQ(SwatchOf(MainForm->HelmetColor()), QColor(Qt::white));
    EXPECT_EQ(SwatchOf(MainForm->UniformColor()), QColor(Qt::white));
    EXPECT_EQ(MainForm->DataChanged(), 0);
}

TEST_F(TeamColours, ClicksOnSeparatorsOrBeyondThePalettePickNothing) {
    OpenTeamZero();
    // A pick taken back: the chooser's last pick stays while the team has its own colours again.
    ASSERT_TRUE(PickWith(MainForm->HelmetButton(), 20, 40));
    ASSERT_EQ(MainForm->ChosenColorIndex(), 0x21);
    MainForm->UndoStack().undo();
    const struct {
        int x, y;
    } misses[] = {{223, 20}, {223, 62}, {100, 63}, {222, 63}, {16, 0}, {0, 30},
                  {15, 8},   {40, 15},  {224, 8},  {225, 40}, {50, 64}};
    for (const auto& miss : misses) {
        EXPECT_FALSE(PickWith(MainForm->HelmetButton(), miss.x, miss.y))
            << "(" << miss.x << ", " << miss.y << ")";
        EXPECT_FALSE(PickWith(MainForm->UniformButton(), miss.x, miss.y))
            << "(" << miss.x << ", " << miss.y << ")";
    }
    ExpectColoursAsLoaded();
    EXPECT_EQ(MainForm->ChosenColorIndex(), 0x21);
    EXPECT_EQ(MainForm->DataChanged(), 0);
}

TEST_F(TeamColours, APickShowsTheColourAndStoresItsIndex) {
    OpenTeamZero();

    ASSERT_TRUE(PickWith(MainForm->HelmetButton(), 222, 62));
    EXPECT_EQ(MainForm->ChosenColorIndex(), 0x3D);
    EXPECT_EQ(MainForm->ChosenColor(), QColor(0xFF, 0xDB, 0xFF));
    EXPECT_EQ(MainForm->RomTeamData().HelmetColorByte, 0x3D);
    EXPECT_EQ(SwatchOf(MainForm->HelmetColor()), QColor(0xFF, 0xDB, 0xFF));
    EXPECT_EQ(MainForm->RomTeamData().UniformColorByte, uniform);

    ASSERT_TRUE(PickWith(MainForm->UniformButton(), 1, 1));
    EXPECT_EQ(MainForm->ChosenColorIndex(), 0x00);
    EXPECT_EQ(MainForm->ChosenColor(), QColor(0x7B, 0x7D, 0x7B));
    EXPECT_EQ(MainForm->RomTeamData().UniformColorByte, 0x00);
    EXPECT_EQ(SwatchOf(MainForm->UniformColor()), QColor(0x7B, 0x7D, 0x7B));
    EXPECT_EQ(MainForm->RomTeamData().HelmetColorByte, 0x3D);
}

TEST_F(TeamColours, APickUndoesAsOneStepWithItsSwatch) {
    OpenTeamZero();
    const QColor swatch = SwatchOf(MainForm->HelmetColor());
    const std::uint8_t helmet = MainForm->RomTeamData().HelmetColorByte;
    ASSERT_TRUE(PickWith(MainForm->HelmetButton(), 222, 62));
    EXPECT_EQ(MainForm->MenuUndo()->text(), "元に戻す(&U): ヘルメット");
    MainForm->MenuUndo()->trigger();
    EXPECT_EQ(MainForm->RomTeamData().HelmetColorByte, helmet);
    EXPECT_EQ(SwatchOf(MainForm->HelmetColor()), swatch);
    EXPECT_EQ(MainForm->DataChanged(), 0);
    MainForm->MenuRedo()->trigger();
    EXPECT_EQ(MainForm->RomTeamData().HelmetColorByte, 0x3D);
    EXPECT_EQ(SwatchOf(MainForm->HelmetColor()), QColor(0xFF, 0xDB, 0xFF));
}

TEST_F(TeamColours, CellsThatLookLikeOthersStillGiveTheirOwnIndex) {
    OpenTeamZero();
    // Cell 0x04 has the separator colour itself.
    ASSERT_TRUE(PickWith(MainForm->HelmetButton(), 4 * 16 + 7, 8));
    EXPECT_EQ(MainForm->RomTeamData().HelmetColorByte, 0x04);
    EXPECT_EQ(MainForm->ChosenColor(), QColor(0x80, 0x00, 0x80));
    EXPECT_EQ(SwatchOf(MainForm->HelmetColor()), QColor(0x80, 0x00, 0x80));
    // Cells 0x09 and 0x0A share one colour; the stored byte is the cell's own.
    ASSERT_TRUE(PickWith(MainForm->UniformButton(), 10 * 16 + 14, 14));
    EXPECT_EQ(MainForm->ChosenColorIndex(), 0x0A);
    EXPECT_EQ(MainForm->RomTeamData().UniformColorByte, 0x0A);
    EXPECT_EQ(SwatchOf(MainForm->UniformColor()), PaletteColour(0x09));
    ASSERT_TRUE(PickWith(MainForm->HelmetButton(), 9 * 16 + 1, 1));
    EXPECT_EQ(MainForm->RomTeamData().HelmetColorByte, 0x09);
    EXPECT_EQ(MainForm->RomTeamData().UniformColorByte, 0x0A);
}

TEST_F(TeamColours, CancelKeepsTheSwatchAndTheByteOfThatButton) {
    OpenTeamZero();
    ASSERT_TRUE(PickWith(MainForm->UniformButton(), 6 * 16 + 8, 16 + 8));
    EXPECT_EQ(MainForm->RomTeamData().UniformColorByte, 0x16);
    EXPECT_EQ(SwatchOf(MainForm->UniformColor()), QColor(0xFF, 0x38, 0x00));

    CancelChooser(MainForm->HelmetButton());
    EXPECT_EQ(MainForm->RomTeamData().HelmetColorByte, helmet);
    EXPECT_EQ(SwatchOf(MainForm->HelmetColor()), QColor::fromRgb(teamdata::SwatchColor(helmet)));
    EXPECT_EQ(MainForm->RomTeamData().UniformColorByte, 0x16);
    EXPECT_EQ(SwatchOf(MainForm->UniformColor()), QColor(0xFF, 0x38, 0x00));
    EXPECT_EQ(MainForm->ChosenColorIndex(), 0x16);

    // The close box ends the chooser the same way.
    GuiTest::OnNextModal([](QWidget* chooser) { chooser->close(); }, nullptr, 5000,
                         [](QWidget* w) { return w == ColorForm; });
    QTest::mouseClick(MainForm->UniformButton(), Qt::LeftButton);
    EXPECT_EQ(MainForm->RomTeamData().UniformColorByte, 0x16);
    EXPECT_EQ(SwatchOf(MainForm->UniformColor()), QColor(0xFF, 0x38, 0x00));
}

TEST_F(TeamColours, APickedColourIsSavedIntoItsTeamAndShownAfterReopening) {
    const ImageBuilder image = ValidImage();
    const std::filesystem::path path = WriteImage(image);
    OpenImage(path, 3);
    ASSERT_TRUE(PickWith(MainForm->HelmetButton(), 12 * 16 + 5, 2 * 16 + 5)); // 0x2C
    ASSERT_TRUE(PickWith(MainForm->UniformButton(), 4 * 16 + 1, 3 * 16 + 1)); // 0x34
    PressKey(Qt::Key_F5);
    EXPECT_EQ(MainForm->DataChanged(), 0);

    ImageBuilder expected = image;
    expected.SetColors(3, 0x2C, 0x34);
    EXPECT_TRUE(testsupport::ReadFileBytes(path) == expected.Bytes())
        << "only the colour entry of team 3 changes";

    PressKey(Qt::Key_F8);
    ASSERT_TRUE(MainForm->FilePath().isEmpty());
    OpenImage(path, 3);
    EXPECT_EQ(MainForm->RomTeamData().HelmetColorByte, 0x2C);
    EXPECT_EQ(MainForm->RomTeamData().UniformColorByte, 0x34);
    EXPECT_EQ(SwatchOf(MainForm->HelmetColor()), QColor(0x00, 0xEB, 0xCE));
    EXPECT_EQ(SwatchOf(MainForm->UniformColor()), QColor(0xFF, 0xBA, 0xFF));
}

TEST_F(TeamColours, AnUnsavedPickIsAskedAboutBeforeAnotherTeamIsShown) {
    OpenTeamZero();
    ASSERT_TRUE(PickWith(MainForm->HelmetButton(), 2 * 16 + 3, 3));
    EXPECT_EQ(MainForm->DataChanged(), 1);

    MessageSeen seen;
    AnswerNextMessage(seen, "いいえ(&N)");
    PickTeam(4);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.text, "現在のデータは変更されています。よろしいですか？");
    EXPECT_EQ(MainForm->ShownTeam(), 0);
    EXPECT_EQ(MainForm->RomTeamData().HelmetColorByte, 0x02);

    AnswerNextMessage(seen, "はい(&Y)");
    PickTeam(4);
    EXPECT_EQ(MainForm->ShownTeam(), 4);
    EXPECT_EQ(MainForm->DataChanged(), 0);
    // Back on the first team the stored colours show again: the pick was given up.
    PickTeam(0);
    EXPECT_TRUE(GuiTest::NoModalOpen());
    ExpectColoursAsLoaded();
}

// ---- Row order ----

class RowOrder : public MainWindowFixture {
protected:
    // Drags the label cell of grid row `from` to grid row `to` with the mouse, as a user does:
    // press on the label, move in small steps (scrolling the grid when the pointer leaves it at
    // the top or bottom), release over the target row.
    static void DragRow(StringGrid* grid, int from, int to) {
        QHeaderView* labels = grid->verticalHeader();
        QWidget* area = labels->viewport();
        const int x = labels->width() / 2;
        grid->scrollToItem(grid->item(from - 1, 0));
        QApplication::processEvents();
        const QRect start = grid->CellRect(1, from);
        QPoint at(x, start.center().y());
        QTest::mousePress(area, Qt::LeftButton, {}, at);
        // The section under the pointer becomes the target once the pointer passes its middle.
        auto targetY = [&] {
            const QRect target = grid->CellRect(1, to);
            return to < from ? target.top() + 3 : target.bottom() - 3;
        };
        for (int guard = 0; guard < 200; ++guard) {
            const int wanted = targetY();
            const int goal = std::clamp(wanted, 1, area->height() - 2);
            if (at.y() == wanted)
                break;
            // Out of view: the pointer waits at the edge while the grid scrolls.
            if (at.y() == goal) {
                QTest::qWait(30);
                continue;
            }
            at.setY(at.y() + std::clamp(goal - at.y(), -4, 4));
            QTest::mouseMove(area, at);
        }
        QTest::mouseRelease(area, Qt::LeftButton, {}, at);
        QApplication::processEvents();
    }
};

TEST_F(RowOrder, DraggingABenchBatterToTheTopShiftsTheRowsBetween) {
    OpenImage(WriteImage(ValidImage()));
    StringGrid* grid = MainForm->BatterTable();
    std::vector<QStringList> before;
    for (int r = 1; r <= 13; ++r)
        before.push_back(PlayerTexts(grid, r));

    DragRow(grid, 10, 1);

    EXPECT_EQ(PlayerTexts(grid, 1), before[9]) << "the batter from row 10, position included";
    for (int r = 2; r <= 10; ++r)
        EXPECT_EQ(PlayerTexts(grid, r), before[static_cast<std::size_t>(r - 2)]) << "row " << r;
    for (int r = 11; r <= 13; ++r)
        EXPECT_EQ(PlayerTexts(grid, r), before[static_cast<std::size_t>(r - 1)]) << "row " << r;
    EXPECT_EQ(grid->Cells(4, 1), before[9][3]);
    EXPECT_EQ(LabelsOf(grid), BatterRowLabels);
    EXPECT_EQ(MainForm->DataChanged(), 1);
    // The header row and the other grid stay as they were.
    EXPECT_EQ(grid->Cells(1, 0), "名　　前　");
    EXPECT_EQ(grid->verticalHeader()->visualIndex(0), 0);
    EXPECT_EQ(LabelsOf(MainForm->PitcherTable()), PitcherRowLabels);
}

TEST_F(RowOrder, WithNoFileOpenADraggedRowMarksNothingAndClosingAsksNothing) {
    DragRow(MainForm->BatterTable(), 3, 1);
    EXPECT_EQ(MainForm->DataChanged(), 0);
    EXPECT_TRUE(MainForm->close());
    EXPECT_TRUE(GuiTest::NoModalOpen());
}

TEST_F(RowOrder, ADraggedRowUndoesAsOneStepWithItsPosition) {
    OpenImage(WriteImage(ValidImage()));
    StringGrid* grid = MainForm->BatterTable();
    const auto before = grid->AllCells();
    DragRow(grid, 10, 1);
    ASSERT_NE(grid->AllCells(), before);
    const auto moved = grid->AllCells();
    EXPECT_EQ(MainForm->MenuUndo()->text(), "元に戻す(&U): 打順");
    MainForm->MenuUndo()->trigger();
    EXPECT_EQ(grid->AllCells(), before);
    EXPECT_EQ(LabelsOf(grid), BatterRowLabels);
    EXPECT_EQ(MainForm->DataChanged(), 0);
    MainForm->MenuRedo()->trigger();
    EXPECT_EQ(grid->AllCells(), moved);
    EXPECT_EQ(LabelsOf(grid), BatterRowLabels);
}

TEST_F(RowOrder, DraggingDownShiftsTheRowsBetweenUp) {
    OpenImage(WriteImage(ValidImage()));
    StringGrid* grid = MainForm->BatterTable();
    std::vector<QStringList> before;
    for (int r = 1; r <= 13; ++r)
        before.push_back(PlayerTexts(grid, r));

    DragRow(grid, 2, 12);

    for (int r = 1; r <= 13; ++r) {
        const int was = r == 1 ? 1 : r < 12 ? r + 1 : r == 12 ? 2 : 13;
        EXPECT_EQ(PlayerTexts(grid, r), before[static_cast<std::size_t>(was - 1)]) << "row " << r;
    }
    EXPECT_EQ(LabelsOf(grid), BatterRowLabels);
}

TEST_F(RowOrder, DraggingTheLastPitcherToTheTopShiftsTheOthersDown) {
    OpenImage(WriteImage(ValidImage()));
    StringGrid* grid = MainForm->PitcherTable();
    std::vector<QStringList> before;
    for (int r = 1; r <= 5; ++r)
        before.push_back(PlayerTexts(grid, r));
    const QStringList batters = PlayerTexts(MainForm->BatterTable(), 1);

    DragRow(grid, 5, 1);

    EXPECT_EQ(PlayerTexts(grid, 1), before[4]);
    for (int r = 2; r <= 5; ++r)
        EXPECT_EQ(PlayerTexts(grid, r), before[static_cast<std::size_t>(r - 2)]) << "row " << r;
    EXPECT_EQ(LabelsOf(grid), PitcherRowLabels);
    EXPECT_EQ(PlayerTexts(MainForm->BatterTable(), 1), batters);
    EXPECT_EQ(MainForm->DataChanged(), 1);
}

TEST_F(RowOrder, DroppingARowOnItsOwnPlaceChangesNothing) {
    OpenImage(WriteImage(ValidImage()));
    std::vector<QStringList> before;
    for (int r = 0; r <= 13; ++r)
        before.push_back(RowTexts(MainForm->BatterTable(), r));

    DragRow(MainForm->BatterTable(), 4, 4);

    for (int r = 0; r <= 13; ++r)
        EXPECT_EQ(RowTexts(MainForm->BatterTable(), r), before[static_cast<std::size_t>(r)]);
    EXPECT_EQ(MainForm->DataChanged(), 0);
    PickTeam(1);
    EXPECT_TRUE(GuiTest::NoModalOpen()) << "nothing to ask about";
}

TEST_F(RowOrder, AMovedRowIsAskedAboutBeforeAnotherTeamIsShown) {
    OpenImage(WriteImage(ValidImage()));
    const QStringList first = PlayerTexts(MainForm->PitcherTable(), 1);
    DragRow(MainForm->PitcherTable(), 1, 3);
    ASSERT_EQ(PlayerTexts(MainForm->PitcherTable(), 3), first);

    MessageSeen seen;
    AnswerNextMessage(seen, "いいえ(&N)");
    PickTeam(2);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.text, "現在のデータは変更されています。よろしいですか？");
    EXPECT_EQ(PlayerTexts(MainForm->PitcherTable(), 3), first);

    AnswerNextMessage(seen, "はい(&Y)");
    PickTeam(0);
    EXPECT_EQ(PlayerTexts(MainForm->PitcherTable(), 1), first) << "the stored order again";
    EXPECT_EQ(MainForm->DataChanged(), 0);
}

TEST_F(RowOrder, TheNextSaveWritesTheNewOrderAndReadingAgainShowsIt) {
    ImageBuilder image = ValidImage();
    // The bench batter takes the fielding position of the eighth, who leaves the batting order
    // by the move, so the moved team still passes the position check of a save.
    teamdata::BatterBytes bench = ImageBuilder::ValidBatter(0, 9);
    bench.popularityPosition =
        static_cast<std::uint8_t>((bench.popularityPosition & 0xF0) |
                                  (ImageBuilder::ValidBatter(0, 7).popularityPosition & 0x0F));
    image.SetBatter(0, 9, bench, ImageBuilder::ValidLeadByte(0, 9));
    const std::filesystem::path path = WriteImage(image);
    OpenImage(path);

    DragRow(MainForm->BatterTable(), 10, 1);
    DragRow(MainForm->PitcherTable(), 5, 1);
    ASSERT_EQ(MainForm->DataChanged(), 1);
    PressKey(Qt::Key_F5);
    EXPECT_TRUE(GuiTest::NoModalOpen());
    EXPECT_EQ(MainForm->DataChanged(), 0);

    // Each place keeps its lead byte; the players' bytes move.
    ImageBuilder expected = image;
    auto batterAt = [&](int place) {
        const int was = place == 0 ? 9 : place <= 9 ? place - 1 : place;
        return was == 9 ? bench : ImageBuilder::ValidBatter(0, was);
    };
    for (int place = 0; place < teamdata::BatterCount; ++place)
        expected.SetBatter(0, place, batterAt(place), ImageBuilder::ValidLeadByte(0, place));
    for (int place = 0; place < teamdata::PitcherCount; ++place)
        expected.SetPitcher(0, place, ImageBuilder::ValidPitcher(0, place == 0 ? 4 : place - 1),
                            ImageBuilder::ValidLeadByte(0, teamdata::BatterCount + place));
    EXPECT_TRUE(testsupport::ReadFileBytes(path) == expected.Bytes());

    const QStringList top = PlayerTexts(MainForm->BatterTable(), 1);
    const QStringList topPitcher = PlayerTexts(MainForm->PitcherTable(), 1);
    PressKey(Qt::Key_F8);
    OpenImage(path);
    EXPECT_EQ(PlayerTexts(MainForm->BatterTable(), 1), top);
    EXPECT_EQ(PlayerTexts(MainForm->PitcherTable(), 1), topPitcher);
    EXPECT_EQ(LabelsOf(MainForm->BatterTable()), BatterRowLabels);
}

} // namespace
