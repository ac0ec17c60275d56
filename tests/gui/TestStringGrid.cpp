// SPDX-License-Identifier: MIT
#include "GuiTestSupport.h"
#include "StringGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A cell as the grid reports it when Click is raised.
struct CellPos {
    int col;
    int row;
    friend bool operator==(const CellPos&, const CellPos&) = default;
};

void PrintTo(const CellPos& cell, std::ostream* out) {
    *out << "(" << cell.col << ", " << cell.row << ")";
}

using Clicks = std::vector<CellPos>;

// A grid of the main window's shape (12 columns, a header row and 13 rows) that records the
// current cell at every Click.
class StringGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid = std::make_unique<StringGrid>(12, 14);
        grid->resize(560, 400);
        for (int c = 1; c < grid->ColCount(); ++c)
            grid->SetColWidths(c, 40);
        QObject::connect(grid.get(), &StringGrid::Click, [this] {
            clicks.push_back({grid->Col(), grid->Row()});
        });
        grid->show();
        grid->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
    }

    QPoint At(int col, int row) const { return grid->CellRect(col, row).center(); }
    QWidget* Cells() const { return grid->viewport(); }

    void ClickCell(int col, int row, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(Cells(), button, {}, At(col, row));
    }

    // Presses on one cell, moves over the others with the button held and releases on the last.
    void Drag(const std::vector<CellPos>& path) {
        QTest::mousePress(Cells(), Qt::LeftButton, {}, At(path.front().col, path.front().row));
        for (std::size_t i = 1; i < path.size(); ++i)
            QTest::mouseMove(Cells(), At(path[i].col, path[i].row));
        QTest::mouseRelease(Cells(), Qt::LeftButton, {}, At(path.back().col, path.back().row));
    }

    std::unique_ptr<StringGrid> grid;
    Clicks clicks;
};

} // namespace

TEST_F(StringGridTest, ClickOnADataCellMakesItCurrentAndReportsIt) {
    ClickCell(3, 2);
    EXPECT_EQ(clicks, (Clicks{{3, 2}}));
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(StringGridTest, EveryReleaseOnTheSameCellIsAnotherClick) {
    for (int i = 0; i < 3; ++i)
        ClickCell(2, 5);
    EXPECT_EQ(clicks, (Clicks{{2, 5}, {2, 5}, {2, 5}}));
}

TEST_F(StringGridTest, NothingIsReportedUntilTheButtonIsReleased) {
    QTest::mousePress(Cells(), Qt::LeftButton, {}, At(4, 4));
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(grid->Col(), 4);
    QTest::mouseRelease(Cells(), Qt::LeftButton, {}, At(4, 4));
    EXPECT_EQ(clicks, (Clicks{{4, 4}}));
}

TEST_F(StringGridTest, ADoubleClickIsOneClickOnly) {
    // The events a double click delivers: press, release, press, double click, release.
    QTest::mouseClick(Cells(), Qt::LeftButton, {}, At(2, 1));
    QTest::mousePress(Cells(), Qt::LeftButton, {}, At(2, 1));
    QTest::mouseDClick(Cells(), Qt::LeftButton, {}, At(2, 1));
    QTest::mouseRelease(Cells(), Qt::LeftButton, {}, At(2, 1));
    EXPECT_EQ(clicks, (Clicks{{2, 1}}));
    // The next single click counts again.
    ClickCell(2, 1);
    EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(StringGridTest, ADoubleClickRecognisedByTheWindowSystemIsOneClickOnly) {
    // Two presses in quick succession, left to the application to recognise as a double click.
    QWindow* window = grid->windowHandle();
    ASSERT_NE(window, nullptr);
    const QPoint point = window->mapFromGlobal(Cells()->mapToGlobal(At(2, 3)));
    QTest::mouseDClick(window, Qt::LeftButton, {}, point);
    EXPECT_EQ(clicks, (Clicks{{2, 3}}));
}

TEST_F(StringGridTest, OtherButtonsReportNothing) {
    ClickCell(5, 5, Qt::RightButton);
    ClickCell(5, 5, Qt::MiddleButton);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(StringGridTest, PressesOnTheHeaderRowOrLabelColumnReportNothing) {
    grid->SetColWidths(0, 30);
    grid->SetCurrentCell(3, 3);
    QHeaderView* header = grid->horizontalHeader();
    QHeaderView* labels = grid->verticalHeader();
    const QPoint headerCell(header->sectionViewportPosition(2) + 10, header->height() / 2);
    const QPoint labelCell(labels->width() / 2, labels->sectionViewportPosition(4) + 5);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, headerCell);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 3);
    // A press on a label selects that row, so that the row commands act on it, and makes its
    // first cell current, without acting on it.
    QTest::mouseClick(labels->viewport(), Qt::LeftButton, {}, labelCell);
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 5);
    EXPECT_EQ(grid->SelectedRows(), std::vector<int>{5});
}

TEST_F(StringGridTest, DraggingActsOnTheLastDataCellUnderThePointer) {
    Drag({{1, 1}, {2, 1}, {2, 2}, {3, 2}});
    EXPECT_EQ(clicks, (Clicks{{3, 2}}));
}

TEST_F(StringGridTest, DraggingOffTheDataCellsKeepsTheLastOneUnderThePointer) {
    const QPoint belowTheRows = At(2, 13) + QPoint(0, grid->CellRect(2, 13).height() * 2);
    ASSERT_TRUE(Cells()->rect().contains(belowTheRows));
    QTest::mousePress(Cells(), Qt::LeftButton, {}, At(2, 12));
    QTest::mouseMove(Cells(), At(2, 13));
    QTest::mouseMove(Cells(), belowTheRows);
    QTest::mouseRelease(Cells(), Qt::LeftButton, {}, belowTheRows);
    EXPECT_EQ(clicks, (Clicks{{2, 13}}));
}

TEST_F(StringGridTest, APressBesideTheCellsIsNoClickWhereverItIsReleased) {
    const QPoint belowTheRows = At(3, 13) + QPoint(0, grid->CellRect(3, 13).height() * 2);
    ASSERT_TRUE(Cells()->rect().contains(belowTheRows));
    for (bool rangeSelect : {false, true}) {
        grid->SetRangeSelect(rangeSelect);
        QTest::mousePress(Cells(), Qt::LeftButton, {}, belowTheRows);
        QTest::mouseMove(Cells(), At(3, 13));
        QTest::mouseMove(Cells(), At(3, 12));
        QTest::mouseRelease(Cells(), Qt::LeftButton, {}, At(3, 12));
    }
    EXPECT_TRUE(clicks.empty());
}

TEST_F(StringGridTest, WithRangeSelectionADragActsOnThePressedCell) {
    grid->SetRangeSelect(true);
    Drag({{2, 2}, {3, 2}, {4, 3}});
    EXPECT_EQ(clicks, (Clicks{{2, 2}}));
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 2);
    ClickCell(5, 4);
    EXPECT_EQ(clicks.back(), (CellPos{5, 4}));
}

TEST_F(StringGridTest, NavigationKeysThatMoveTheCurrentCellReportIt) {
    grid->SetCurrentCell(1, 1);
    QTest::keyClick(grid.get(), Qt::Key_Right);
    QTest::keyClick(grid.get(), Qt::Key_Down);
    QTest::keyClick(grid.get(), Qt::Key_Left);
    QTest::keyClick(grid.get(), Qt::Key_Up);
    QTest::keyClick(grid.get(), Qt::Key_End);
    QTest::keyClick(grid.get(), Qt::Key_Home);
    QTest::keyClick(grid.get(), Qt::Key_PageDown);
    EXPECT_EQ(clicks.size(), 7u);
    EXPECT_EQ((clicks[0]), (CellPos{2, 1}));
    EXPECT_EQ((clicks[1]), (CellPos{2, 2}));
    EXPECT_EQ((clicks[2]), (CellPos{1, 2}));
    EXPECT_EQ((clicks[3]), (CellPos{1, 1}));
    EXPECT_EQ((clicks[4]), (CellPos{11, 1}));
    EXPECT_EQ((clicks[5]), (CellPos{1, 1}));
    EXPECT_GT(clicks[6].row, 1);
}

TEST_F(StringGridTest, KeysThatDoNotMoveTheCurrentCellReportNothing) {
    grid->SetCurrentCell(1, 1);
    QTest::keyClick(grid.get(), Qt::Key_Left);
    QTest::keyClick(grid.get(), Qt::Key_Up);
    QTest::keyClick(grid.get(), Qt::Key_Home);
    QTest::keyClick(grid.get(), Qt::Key_A);
    QTest::keyClick(grid.get(), Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(StringGridTest, EnterF2AndSpaceReportTheCurrentCellOnceEach) {
    grid->SetCurrentCell(3, 2);
    QTest::keyClick(grid.get(), Qt::Key_Return);
    QTest::keyClick(grid.get(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(grid.get(), Qt::Key_F2);
    QTest::keyClick(grid.get(), Qt::Key_Space);
    // A key held down repeats its press; it is still one click.
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(grid.get(), &repeated);
    EXPECT_EQ(clicks, std::vector<CellPos>(4, CellPos{3, 2}));
}

TEST_F(StringGridTest, CellsCannotBeTypedInto) {
    grid->SetCells(2, 2, QStringLiteral("右"));
    grid->SetCurrentCell(2, 2);
    QTest::keyClicks(grid.get(), QStringLiteral("abc"));
    QTest::keyClick(grid.get(), Qt::Key_F2);
    QTest::keyClick(grid.get(), Qt::Key_Return);
    EXPECT_EQ(grid->Cells(2, 2), QStringLiteral("右"));
    ClickCell(2, 2);
    QTest::mousePress(Cells(), Qt::LeftButton, {}, At(2, 2));
    QTest::mouseDClick(Cells(), Qt::LeftButton, {}, At(2, 2));
    QTest::mouseRelease(Cells(), Qt::LeftButton, {}, At(2, 2));
    EXPECT_EQ(grid->Cells(2, 2), QStringLiteral("右"));
    EXPECT_EQ(grid->findChild<QLineEdit*>(), nullptr);
}

TEST_F(StringGridTest, TypedCharactersLeaveTheCurrentCellWhereItIs) {
    for (int r = 1; r <= 13; ++r)
        grid->SetCells(5, r, QString::number(200 + r));
    grid->SetCurrentCell(5, 1);
    QTest::keyClicks(grid.get(), QStringLiteral("2"));
    QTest::keyClicks(grid.get(), QStringLiteral("207"));
    EXPECT_EQ(grid->Col(), 5);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_TRUE(clicks.empty());
}
