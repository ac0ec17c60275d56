// SPDX-License-Identifier: MIT
// The program's start as a whole, with its own application object (so not in the GUI test
// programs, which make one of their own).

#include "Startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

TEST(Startup, ShowsAnExceptionDuringStartUpInTheTolvanekBoxAndEndsWithAFailure) {
    char name[] = "tolvanek";
    char* argv[] = {name, nullptr};
    int argc = 1;
    QString title;
    QString text;
    int icon = QMessageBox::NoIcon;
    const int status = RunTolvanek(argc, argv, [&] {
        // The box is modal; answer it from the event loop it runs.
        auto* poll = new QTimer(QCoreApplication::instance());
        QObject::connect(poll, &QTimer::timeout, [&, poll] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            poll->stop();
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->buttons().constFirst()->click();
        });
        poll->start(20);
        throw std::runtime_error("start-up failed");
    });
    EXPECT_NE(status, 0);
    EXPECT_EQ(title.toStdString(), "TOLVANEK");
    EXPECT_EQ(text.toStdString(), "start-up failed");
    EXPECT_EQ(icon, QMessageBox::Critical);
}
