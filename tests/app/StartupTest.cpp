// SPDX-License-Identifier: MIT
// The program's start as a whole, with its own application object (so not in the GUI test
// programs, which make one of their own).

#include "Startup.h"
#include "ImageBuilder.h"
#include "ImageFile.h"
#include "KanjiReader.h"
#include "Mainunit.h"
#include "TempDir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

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

// The name is taken as its bytes: one that starts with a byte-order mark opens that file, not
// the one named without it.
TEST(Startup, OpensTheImageNamedOnTheCommandLine) {
    testsupport::TempDir dir;
    testsupport::ImageBuilder().FillValidTeams().WriteTo(dir.File("named.nes"));
    for (const std::string fileName : {"named.nes", "\xEF\xBB\xBFnamed.nes"}) {
        const std::string path = dir.File(fileName).string();
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
        EXPECT_EQ(exchange::NativePath(openedPath), path);
        EXPECT_EQ(caption.toStdString(), "TOLVANEK -" + fileName);
    }
}

TEST(Startup, SaysThatAnImageNamedOnTheCommandLineDoesNotExistAndThatOneThereIsDamaged) {
    testsupport::TempDir dir;
    const std::string broken = dir.File("broken.nes").string();
    { std::ofstream(broken) << "no image"; }
    const std::string missing = dir.File("missing.nes").string();
    for (const auto& [language, image, expected] :
         {std::tuple{"ja", missing, "ファイル " + missing + " は存在しません"},
          std::tuple{"en", missing, "The file " + missing + " does not exist."},
          std::tuple{"ja", broken, std::string("ファイルが壊れています")},
          std::tuple{"en", broken, std::string("The file is damaged.")}}) {
        char name[] = "tolvanek";
        char lang[] = "--lang";
        std::string code = language;
        std::string path = image;
        char* argv[] = {name, lang, code.data(), path.data(), nullptr};
        int argc = 4;
        QString text;
        QString openedPath = "not asked";
        const int status = RunTolvanek(argc, argv, [&] {
            auto* poll = new QTimer(QCoreApplication::instance());
            QObject::connect(poll, &QTimer::timeout, [&, poll] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box)
                    return;
                poll->stop();
                text = box->text();
                box->buttons().constFirst()->click();
                QTimer::singleShot(0, [&] {
                    openedPath = MainForm->FilePath();
                    QApplication::quit();
                });
            });
            poll->start(20);
        });
        EXPECT_EQ(status, 0);
        EXPECT_EQ(text.toStdString(), expected);
        EXPECT_TRUE(openedPath.isEmpty());
    }
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
    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"--frobnicate"}, {"--lang", "de"}, {"--lang"}, {"--lang=EN"}}) {
        std::vector<std::string> arguments = {"tolvanek"};
        arguments.insert(arguments.end(), wrong.begin(), wrong.end());
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        int argc = static_cast<int>(arguments.size());
        EXPECT_EQ(RunTolvanek(argc, argv.data()), 2) << wrong.front();
        EXPECT_EQ(QCoreApplication::instance(), nullptr) << wrong.front();
    }
}

// The usage is answered before there is an application object, in the language the window would
// speak.
TEST(Startup, AnswersHelpInTheLanguageOfTheLocaleOrOfLang) {
    const struct {
        const char* locale;
        std::vector<std::string> options;
        const char* begins;
    } cases[] = {
        {"C", {"--help"}, "使い方: tolvanek [--lang en|ja]"},
        {"en_US.UTF-8", {"--help"}, "usage: tolvanek [--lang en|ja]"},
        {"en_US.UTF-8", {"--lang=ja", "--help"}, "使い方: tolvanek"},
        {"ja_JP.UTF-8", {"--lang", "en", "-h"}, "usage: tolvanek"},
    };
    for (const auto& c : cases) {
        for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            qunsetenv(variable);
        qputenv("LANG", c.locale);
        std::vector<std::string> arguments = {"tolvanek"};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        int argc = static_cast<int>(arguments.size());
        std::ostringstream said;
        std::streambuf* const standardOutput = std::cout.rdbuf(said.rdbuf());
        const int status = RunTolvanek(argc, argv.data());
        std::cout.rdbuf(standardOutput);
        EXPECT_EQ(status, 0) << c.locale;
        EXPECT_TRUE(said.str().starts_with(c.begins)) << c.locale << ": " << said.str();
    }
}

// The window speaks the locale's language, Japanese (its own) under C and every locale it has no
// translation for, unless --lang names one.
TEST(Startup, SpeaksTheLanguageOfTheLocaleUnlessLangNamesOne) {
    const QString japanese = QStringLiteral("ファイル(&F)");
    const QString english = QStringLiteral("&File");
    const struct {
        const char* locale;
        std::vector<std::string> options;
        QString fileMenu;
    } cases[] = {
        {"C", {}, japanese},
        {"ja_JP.UTF-8", {}, japanese},
        {"de_DE.UTF-8", {}, japanese},
        {"en_US.UTF-8", {}, english},
        {"ja_JP.UTF-8", {"--lang", "en"}, english},
        {"en_GB.UTF-8", {"--lang=ja"}, japanese},
    };
    for (const auto& c : cases) {
        for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            qunsetenv(variable);
        qputenv("LANG", c.locale);
        std::vector<std::string> arguments = {"tolvanek"};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        int argc = static_cast<int>(arguments.size());
        QString fileMenu;
        const int status = RunTolvanek(argc, argv.data(), [&] {
            QTimer::singleShot(0, [&] {
                fileMenu = MainForm->MenuUpdate()->title();
                QApplication::quit();
            });
        });
        EXPECT_EQ(status, 0) << c.locale;
        EXPECT_EQ(fileMenu.toStdString(), c.fileMenu.toStdString()) << c.locale;
    }
}

// MeCab's library and dictionary are loaded by the first name read in kanji, never by the
// start-up, which would otherwise pay for them every time and fail on a machine without them.
TEST(Startup, LeavesMeCabAndItsDictionaryUnmapped) {
    testsupport::TempDir dir;
    const std::string path = dir.File("game.nes").string();
    testsupport::ImageBuilder().FillValidTeams().WriteTo(path);
    char name[] = "tolvanek";
    std::string image = path;
    char* argv[] = {name, image.data(), nullptr};
    int argc = 2;
    bool loadedAtStart = true;
    QString mapped;
    const int status = RunTolvanek(argc, argv, [&] {
        QTimer::singleShot(0, [&] {
            loadedAtStart = readings::AnyDictionaryLoaded();
            QFile maps(QStringLiteral("/proc/self/maps"));
            if (maps.open(QIODevice::ReadOnly))
                mapped = QString::fromUtf8(maps.readAll());
            QApplication::quit();
        });
    });
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(loadedAtStart);
    ASSERT_FALSE(mapped.isEmpty());
    EXPECT_FALSE(mapped.contains(QLatin1String("libmecab")));
    // MeCab maps the dictionary's files when it loads them.
    EXPECT_FALSE(mapped.contains(QLatin1String("/dic/")));

    // Reading a kanji name afterwards maps both, which is what the check above would catch.
    readings::KanjiReader reader;
    if (reader.Read("佐藤").outcome == readings::KanjiReadings::Outcome::Read) {
        QFile maps(QStringLiteral("/proc/self/maps"));
        ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
        const QString after = QString::fromUtf8(maps.readAll());
        EXPECT_TRUE(after.contains(QLatin1String("libmecab")));
        EXPECT_TRUE(after.contains(QLatin1String("/dic/")));
    }
}
