// SPDX-License-Identifier: MIT
#include "GuiTestSupport.h"
#include "Valuedlg.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

const QString Name = QStringLiteral("やまた゛　");

// Shows the dialog modally the way the main window does and runs `actions` inside it, as the
// user would. Returns exec()'s result.
int RunModal(TValueDialog& dialog, const std::function<void(TValueDialog&)>& actions) {
    GuiTest::OnNextModal([&dialog, &actions](QWidget* modal) {
        EXPECT_EQ(modal, &dialog);
        actions(dialog);
        if (dialog.isVisible()) {
            ADD_FAILURE() << "the dialog is still open";
            dialog.reject();
        }
    });
    return dialog.exec();
}

void Press(TValueDialog& dialog, Qt::Key key) {
    QWidget* target = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
    QTest::keyClick(target, key);
}

void ClickOk(TValueDialog& dialog) {
    QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
}

} // namespace

TEST(ValueTruncation, CutsTowardZeroToAMultipleOfTheStep) {
    EXPECT_EQ(TValueDialog::TruncateToStep(399, 2), 398);
    EXPECT_EQ(TValueDialog::TruncateToStep(995, 10), 990);
    EXPECT_EQ(TValueDialog::TruncateToStep(195, 2), 194);
    EXPECT_EQ(TValueDialog::TruncateToStep(285, 2), 284);
    EXPECT_EQ(TValueDialog::TruncateToStep(141, 2), 140);
    EXPECT_EQ(TValueDialog::TruncateToStep(7, 1), 7);
    EXPECT_EQ(TValueDialog::TruncateToStep(-7, 2), -6);
}

TEST(ValueTruncation, LeavesThePositionAloneWithoutAStep) {
    EXPECT_EQ(TValueDialog::TruncateToStep(141, 0), 141);
}

TEST(ValueDialog, StartsInItsDesignedState) {
    TValueDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("値の設定"));
    EXPECT_EQ(dialog.size(), QSize(160, 128));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.ValueBar->orientation(), Qt::Horizontal);
    EXPECT_EQ(dialog.ValueBar->minimum(), 0);
    EXPECT_EQ(dialog.ValueBar->maximum(), 1000);
    EXPECT_EQ(dialog.ValueBar->value(), 200);
    EXPECT_EQ(dialog.ValueBar->singleStep(), 2);
    EXPECT_EQ(dialog.ValueBar->pageStep(), 10);
    EXPECT_EQ(dialog.ValueLabel->text(), QStringLiteral("200"));
    EXPECT_EQ(dialog.ValueLabel->pos(), QPoint(56, 16));
    EXPECT_EQ(dialog.ValueLabel->font().pixelSize(), 27);
    EXPECT_EQ(dialog.ValueBar->geometry(), QRect(0, 56, 153, 16));
    EXPECT_EQ(dialog.BitBtn1->geometry(), QRect(0, 96, 75, 25));
    EXPECT_EQ(dialog.BitBtn2->geometry(), QRect(80, 96, 75, 25));
    EXPECT_EQ(dialog.BitBtn1->text(), QStringLiteral("OK"));
    EXPECT_EQ(dialog.BitBtn2->text(), QStringLiteral("ｷｬﾝｾﾙ"));
    EXPECT_TRUE(dialog.BitBtn1->isDefault());
    EXPECT_EQ(dialog.findChild<QScrollBar*>(QStringLiteral("ValueBar")), dialog.ValueBar);
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("ValueLabel")), dialog.ValueLabel);
}

TEST(ValueDialog, SetupClampsAStartBelowTheMinimumAndNamesThePlayer) {
    TValueDialog dialog;
    dialog.SetupDialog(QStringLiteral("実打率"), 200, 400, 2, 10, 150, Name);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("実打率（やまた゛　）"));
    EXPECT_EQ(dialog.ValueBar->value(), 200);
    EXPECT_EQ(dialog.ValueLabel->text(), QStringLiteral("200"));
    EXPECT_EQ(dialog.ValueBar->singleStep(), 2);
    EXPECT_EQ(dialog.ValueBar->pageStep(), 10);
}

TEST(ValueDialog, OkAtOnceHandsBackTheStartTruncatedToTheStep) {
    TValueDialog dialog;
    dialog.SetupDialog(QStringLiteral("実打率"), 200, 400, 2, 10, 285, Name);
    EXPECT_EQ(dialog.ValueLabel->text(), QStringLiteral("285"));

    EXPECT_EQ(RunModal(dialog, ClickOk), QDialog::Accepted);
    EXPECT_EQ(dialog.ValueBar->value(), 284);
    EXPECT_EQ(dialog.ValueLabel->text(), QStringLiteral("284"));
}

TEST(ValueDialog, SetupClampsAStartAboveTheMaximum) {
    TValueDialog dialog;
    dialog.SetupDialog(QStringLiteral("球速"), 0, 995, 10, 50, 2550, Name);
    EXPECT_EQ(dialog.ValueLabel->text(), QStringLiteral("995"));

    EXPECT_EQ(RunModal(dialog, ClickOk), QDialog::Accepted);
    EXPECT_EQ(dialog.ValueBar->value(), 990);
}

TEST(ValueDialog, PageStepOfOneMovesByOneAndOkKeepsTheValue) {
    TValueDialog dialog;
    dialog.SetupDialog(QStringLiteral("人気"), 1, 10, 1, 1, 5, Name);
    const int result = RunModal(dialog, [](TValueDialog& d) {
        Press(d, Qt::Key_PageDown);
        EXPECT_EQ(d.ValueLabel->text(), QStringLiteral("6"));
        Press(d, Qt::Key_PageUp);
        Press(d, Qt::Key_PageUp);
        EXPECT_EQ(d.ValueLabel->text(), QStringLiteral("4"));
        ClickOk(d);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog.ValueBar->value(), 4);
}

TEST(ValueDialog, AcceptsAHigherRangeRightAfterALowerOne) {
    TValueDialog dialog;
    dialog.SetupDialog(QStringLiteral("実打率"), 80, 195, 2, 10, 195, Name);
    ASSERT_NO_THROW(dialog.SetupDialog(QStringLiteral("実打率"), 200, 400, 2, 10, 300, Name));
    EXPECT_EQ(dialog.ValueBar->minimum(), 200);
    EXPECT_EQ(dialog.ValueBar->maximum(), 400);
    EXPECT_EQ(dialog.ValueLabel->text(), QStringLiteral("300"));
}

TEST(ValueDialog, RefusesARangeWhoseMaximumIsBelowItsMinimum) {
    TValueDialog dialog;
    try {
        dialog.SetupDialog(QStringLiteral("人気"), 10, 5, 1, 1, 7, Name);
        FAIL() << "an inverted range was accepted";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "ｽｸﾛｰﾙﾊﾞｰ ﾌﾟﾛﾊﾟﾃｨが範囲を越えました");
    }

    dialog.SetBarRange(0, 50);
    EXPECT_THROW(dialog.SetBarRange(30, 20), std::runtime_error);
    EXPECT_EQ(dialog.ValueBar->minimum(), 0);
    EXPECT_EQ(dialog.ValueBar->maximum(), 50);
}

TEST(ValueDialog, LabelFollowsEveryChangeOfThePosition) {
    TValueDialog dialog;
    dialog.SetupDialog(QStringLiteral("走力"), 0, 50, 1, 10, 40, Name);
    dialog.SetBarRange(0, 30);
    EXPECT_EQ(dialog.ValueLabel->text(), QStringLiteral("30"));
    dialog.ValueBar->setValue(7);
    EXPECT_EQ(dialog.ValueLabel->text(), QStringLiteral("7"));
    EXPECT_EQ(dialog.ValueLabel->size(), dialog.ValueLabel->sizeHint());
}

TEST(ValueDialog, KeysMoveTheBarLikeAScrollBar) {
    TValueDialog dialog;
    dialog.SetupDialog(QStringLiteral("実打率"), 0, 100, 2, 10, 50, Name);
    const int result = RunModal(dialog, [](TValueDialog& d) {
        EXPECT_EQ(d.focusWidget(), d.ValueBar);
        const auto after = [&d](Qt::Key key) {
            Press(d, key);
            EXPECT_EQ(d.ValueLabel->text().toInt(), d.ValueBar->value());
            return d.ValueBar->value();
        };
        EXPECT_EQ(after(Qt::Key_Left), 48);
        EXPECT_EQ(after(Qt::Key_Up), 46);
        EXPECT_EQ(after(Qt::Key_Right), 48);
        EXPECT_EQ(after(Qt::Key_Down), 50);
        EXPECT_EQ(after(Qt::Key_PageUp), 40);
        EXPECT_EQ(after(Qt::Key_PageDown), 50);
        EXPECT_EQ(after(Qt::Key_End), 100);
        EXPECT_EQ(after(Qt::Key_Right), 100);
        EXPECT_EQ(after(Qt::Key_Home), 0);
        EXPECT_EQ(after(Qt::Key_PageUp), 0);
        d.reject();
    });
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST(ValueDialog, StepsCountFromAnOddStartAndEnterTruncates) {
    TValueDialog dialog;
    dialog.SetupDialog(QStringLiteral("本塁打"), 0, 200, 2, 10, 141, Name);
    const int result = RunModal(dialog, [](TValueDialog& d) {
        Press(d, Qt::Key_Right);
        EXPECT_EQ(d.ValueLabel->text(), QStringLiteral("143"));
        Press(d, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog.ValueBar->value(), 142);
}

TEST(ValueDialog, OkAtTheUnevenMaximumHandsBackTheStepBelow) {
    TValueDialog dialog;
    dialog.SetupDialog(QStringLiteral("守備"), 80, 195, 2, 10, 120, Name);
    const int result = RunModal(dialog, [](TValueDialog& d) {
        Press(d, Qt::Key_End);
        EXPECT_EQ(d.ValueLabel->text(), QStringLiteral("195"));
        ClickOk(d);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog.ValueBar->value(), 194);
}

TEST(ValueDialog, TroughClickMovesByTheLargeStep) {
    TValueDialog dialog;
    dialog.SetupDialog(QStringLiteral("本塁打"), 0, 59, 1, 10, 0, Name);
    RunModal(dialog, [](TValueDialog& d) {
        const QRect bar = d.ValueBar->rect();
        QTest::mouseClick(d.ValueBar, Qt::LeftButton, {},
                          QPoint(bar.width() * 3 / 4, bar.center().y()));
        EXPECT_EQ(d.ValueBar->value(), 10);
        EXPECT_EQ(d.ValueLabel->text(), QStringLiteral("10"));
        d.reject();
    });
}

// Each way of abandoning the dialog: the result is not OK and the abandoned position is not
// truncated, so nothing suggests a value was handed back.
TEST(ValueDialog, CancelButtonAbandons) {
    TValueDialog dialog;
    dialog.SetupDialog(QStringLiteral("実打率"), 200, 400, 2, 10, 285, Name);
    EXPECT_EQ(
        RunModal(dialog, [](TValueDialog& d) { QTest::mouseClick(d.BitBtn2, Qt::LeftButton); }),
        QDialog::Rejected);
    EXPECT_EQ(dialog.ValueBar->value(), 285);
}

TEST(ValueDialog, EscapeAbandons) {
    TValueDialog dialog;
    dialog.SetupDialog(QStringLiteral("実打率"), 200, 400, 2, 10, 285, Name);
    EXPECT_EQ(RunModal(dialog, [](TValueDialog& d) { Press(d, Qt::Key_Escape); }),
              QDialog::Rejected);
    EXPECT_EQ(dialog.ValueBar->value(), 285);
}

TEST(ValueDialog, CloseBoxAbandons) {
    TValueDialog dialog;
    dialog.SetupDialog(QStringLiteral("実打率"), 200, 400, 2, 10, 285, Name);
    EXPECT_EQ(RunModal(dialog, [](TValueDialog& d) { d.close(); }), QDialog::Rejected);
    EXPECT_EQ(dialog.ValueBar->value(), 285);
}
