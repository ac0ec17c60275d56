// SPDX-License-Identifier: MIT
// What start-up leaves for later must come out as if it had been done up front: dialogs whose
// controls are made when first shown, and the grid headers measured without the codec.
#include "Aboutdlg.h"
#include "Color.h"
#include "GridCaptions.h"
#include "Mainunit.h"
#include "NameCodec.h"
#include "Nameunit.h"
#include "ShiftJis.h"
#include "Valuedlg.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace {

// Every control of a window in the order it was made, with what the user sees of it.
QStringList ControlsOf(QWidget& window) {
    QStringList controls;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(control))
            text =
                label->text() + (label->pixmap().isNull() ? QString() : QStringLiteral("+pixmap"));
        else if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            text = button->text();
        const QRect box = control->geometry();
        controls << QStringLiteral("%1 %2 %3,%4 %5x%6 %7px %8 %9")
                        .arg(QString::fromLatin1(control->metaObject()->className()),
                             control->objectName())
                        .arg(box.x())
                        .arg(box.y())
                        .arg(box.width())
                        .arg(box.height())
                        .arg(control->font().pixelSize())
                        .arg(control->isVisibleTo(&window) ? QStringLiteral("shown")
                                                           : QStringLiteral("hidden"))
                        .arg(text);
    }
    return controls;
}

QStringList ControlsWhenShown(DeferredDialog& dialog) {
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QStringList controls = ControlsOf(dialog);
    dialog.hide();
    return controls;
}

using DialogMaker = std::function<std::unique_ptr<DeferredDialog>(DeferredDialog::Controls)>;

template <typename Dialog> DialogMaker Maker() {
    return [](DeferredDialog::Controls controls) {
        return std::make_unique<Dialog>(nullptr, controls);
    };
}

TEST(DeferredDialogs, FirstShownTheyHoldTheSameControlsAsDialogsBuiltAtOnce) {
    for (const DialogMaker& make :
         {Maker<TNameForm>(), Maker<TValueDialog>(), Maker<TAboutDialog>(), Maker<TColorForm>()}) {
        const auto atOnce = make(DeferredDialog::Controls::Now);
        const auto deferred = make(DeferredDialog::Controls::WhenFirstShown);
        const std::string name = atOnce->metaObject()->className();
        EXPECT_TRUE(deferred->findChildren<QWidget*>().isEmpty()) << name;
        EXPECT_EQ(deferred->windowTitle(), atOnce->windowTitle()) << name;
        EXPECT_EQ(deferred->size(), atOnce->size()) << name;
        const QStringList expected = ControlsWhenShown(*atOnce);
        ASSERT_FALSE(expected.isEmpty()) << name;
        EXPECT_EQ(ControlsWhenShown(*deferred), expected) << name;
    }
}

TEST(DeferredDialogs, StartUpMakesEveryWindowButLeavesTheDialogControlsForLater) {
    CreateApplicationWindows();
    ASSERT_NE(MainForm, nullptr);
    for (DeferredDialog* dialog :
         std::vector<DeferredDialog*>{NameForm, ValueDialog, AboutDialog, ColorForm}) {
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(dialog->Built()) << dialog->metaObject()->className();
    }
    // The main window prepares the value dialog before showing it; that builds what it touches.
    ValueDialog->SetupDialog(QStringLiteral("打率"), 200, 400, 2, 10, 287, QString());
    EXPECT_EQ(ValueDialog->ValueBar->value(), 287);
    DestroyApplicationWindows();
}

TEST(ShiftJisLength, WorkedOutWithoutTheCodecItAgreesWithTheCodecOnTheProgramsTexts) {
    std::vector<std::string_view> texts(teamdata::TileCharTable.begin(),
                                        teamdata::TileCharTable.end());
    texts.insert(texts.end(), teamdata::PitcherHeaders.begin(), teamdata::PitcherHeaders.end());
    texts.insert(texts.end(), teamdata::BatterHeaders.begin(), teamdata::BatterHeaders.end());
    texts.insert(texts.end(), {"ASCII 0-9 ~\\", "ｷｬﾝｾﾙ", "ｴﾗｰ", "－～"});
    for (const std::string_view text : texts) {
        const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        EXPECT_EQ(ShiftJis::ByteLengthOfEncodable(shown), ShiftJis::ByteLength(shown)) << text;
    }
}

} // namespace
