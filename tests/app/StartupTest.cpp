// SPDX-License-Identifier: MIT
// The program's start as a whole, with its own application object (so not in the GUI test
// programs, which make one of their own).

#include "Startup.h"
#include "ImageBuilder.h"
#include "Mainunit.h"
#include "TempDir.h"

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

TEST(Startup, OpensTheImageNamedOnTheCommandLine) {
    testsupport::TempDir dir;
    const std::string path = dir.File("named.nes").string();
    testsupport::ImageBuilder().FillValidTeams().WriteTo(path);
    char name[] = "tolvanek";
    std::string image = path;
    char* argv[] = {name, image.data(), nullptr};
    int argc = 2;
    QString openedPath;
    QString caption;
    const int status = RunTolvanek(argc, argv, [&] {
        QTimer::singleShot(0, [&] {
            openedPath = MainForm->FilePath();
            caption = MainForm->windowTitle();
            QApplication::quit();
        });
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(openedPath.toStdString(), path);
    EXPECT_EQ(caption.toStdString(), "TOLVANEK -named.nes");
}

TEST(Startup, AnswersHelpAndVersionWithoutADisplayAndRefusesUnknownOptions) {
    for (const char* option : {"--help", "--version"}) {
        char name[] = "tolvanek";
        std::string argument = option;
        char* argv[] = {name, argument.data(), nullptr};
        int argc = 2;
        EXPECT_EQ(RunTolvanek(argc, argv), 0) << option;
        EXPECT_EQ(QCoreApplication::instance(), nullptr) << "no application object for " << option;
    }
    char name[] = "tolvanek";
    std::string unknown = "--frobnicate";
    char* argv[] = {name, unknown.data(), nullptr};
    int argc = 2;
    EXPECT_EQ(RunTolvanek(argc, argv), 2);
}
