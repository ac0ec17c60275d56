// SPDX-License-Identifier: MIT
#include "Startup.h"

#include "Files.h"
#include "Mainunit.h"
#include "MessageDialogs.h"
#include "TolvanekApplication.h"

#include "ImageFile.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QStringList>

#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

constexpr const char* Usage = QT_TRANSLATE_NOOP(
    "Startup",
    "usage: tolvanek [--lang en|ja] [IMAGE]\n"
    "The team editor for the cartridge image of a 1992-season NES baseball game.\n"
    "  IMAGE         an image (.nes) to open at start, as if chosen in the open dialog\n"
    "  --lang en|ja  the window's language, English or Japanese; without it, the locale's\n"
    "  --help        show this text\n"
    "  --version     show the version\n");

enum class Request { Run, Help, Version, LanguageMissing, LanguageUnknown };

// What the command line asks for before there is a window: --help and --version are answered
// before the application object exists, so they need no display, and --lang is read there so
// that the application object starts in its language. Qt's own options (-platform and the like)
// are left for the application object.
struct EarlyRequest {
    Request request = Request::Run;
    std::optional<exchange::Language> language;
    QString unknownLanguage; // for LanguageUnknown
};

EarlyRequest ReadEarlyRequest(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromUtf8(argv[i]);
    // --help and --version are answered as soon as they are met: a --lang after them is not read.
    Request answered = Request::Run;
    const exchange::LanguageOption taken =
        exchange::TakeLanguageOption(arguments, [&answered](const QString& argument) {
            if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
                answered = Request::Help;
            else if (argument == QLatin1String("--version") || argument == QLatin1String("-v"))
                answered = Request::Version;
            return answered != Request::Run;
        });
    switch (taken.problem) {
    case exchange::LanguageOption::Problem::None:
        break;
    case exchange::LanguageOption::Problem::ValueMissing:
        return {Request::LanguageMissing, {}, {}};
    case exchange::LanguageOption::Problem::ValueUnknown:
        return {Request::LanguageUnknown, {}, taken.unknownValue};
    }
    return {answered, taken.language, {}};
}

// What the start-up says before the application object exists, in the language the window will
// speak: --lang's, as far as it was read, or the locale's.
QString Said(const EarlyRequest& early, const char* text) {
    const exchange::Language language =
        early.language.value_or(exchange::LanguageOfLocale(exchange::ProcessLocaleVariables()));
    return exchange::TranslateEarly(language, "Startup", text);
}

// The same once the application object has installed the window's language.
QString Said(const char* text) {
    return QCoreApplication::translate("Startup", text);
}

void Write(std::ostream& stream, const QString& text) {
    stream << text.toStdString();
}

// A command line the program cannot run: what is wrong with it, and how it is used.
int WrongUsage(const QString& problem, const QString& usage) {
    Write(std::cerr, QStringLiteral("tolvanek: ") + problem + QLatin1Char('\n') + usage);
    return 2;
}

// The image's name made absolute by its bytes, so that a name that is no UTF-8 keeps them.
QString AbsolutePath(const QString& path) {
    std::error_code error;
    const std::filesystem::path absolute =
        std::filesystem::absolute(exchange::NativePath(path), error);
    return error ? path : exchange::PathFromNative(absolute.string());
}

} // namespace

int RunTolvanek(int& argc, char** argv, const std::function<void()>& beforeWindows) {
    const EarlyRequest early = ReadEarlyRequest(argc, argv);
    switch (early.request) {
    case Request::Help:
        Write(std::cout, Said(early, Usage));
        return 0;
    case Request::Version:
        std::cout << "tolvanek " << TOLVANEK_VERSION << '\n';
        return 0;
    case Request::LanguageMissing:
        return WrongUsage(
            Said(early, QT_TRANSLATE_NOOP("Startup", "--lang needs a language: en or ja")),
            Said(early, Usage));
    case Request::LanguageUnknown:
        return WrongUsage(Said(early, QT_TRANSLATE_NOOP("Startup", "unknown language \"%1\" for "
                                                                   "--lang; it is en or ja"))
                              .arg(early.unknownLanguage),
                          Said(early, Usage));
    case Request::Run:
        break;
    }
    // The application object outlives the handler below: the exception display is a window,
    // and no window can be shown once the application object is gone.
    TolvanekApplication application(argc, argv, early.language);
    // Only the name: with a display name set, Qt appends " — TOLVANEK" to every window title on
    // X11, so the caption would no longer be "TOLVANEK -" and the file name.
    application.setApplicationName(QStringLiteral("TOLVANEK"));
    // A fixed absolute help path, as the program has always named it; the help command replaces
    // it with the bare name before use.
    application.HelpFile = QStringLiteral("/usr/share/tolvanek/help/Tolvanek.hlp");

    // What Qt has not taken for itself: at most one image to open. Read from argv, which the
    // application object has cut Qt's options out of, rather than from arguments(): that decodes
    // each one by the locale and drops a byte-order mark at its start, and the window would open
    // another file than the one named.
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << exchange::PathFromNative(argv[i]);
    QStringList images;
    bool onlyOperands = false;
    // --lang was read before the application object was made.
    for (const QString& argument : exchange::TakeLanguageOption(given).arguments) {
        if (!onlyOperands && argument == QLatin1String("--")) {
            onlyOperands = true;
        } else if (!onlyOperands && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            return WrongUsage(Said(QT_TRANSLATE_NOOP("Startup", "unknown option %1")).arg(argument),
                              Said(Usage));
        } else {
            images << argument;
        }
    }
    if (images.size() > 1) {
        return WrongUsage(Said(QT_TRANSLATE_NOOP("Startup", "give at most one image")),
                          Said(Usage));
    }

    try {
        if (beforeWindows)
            beforeWindows();
        CreateApplicationWindows();
        MainForm->show();
        if (!images.isEmpty()) {
            // A name typed on the command line may be misspelt: that is said as such, not as a
            // damaged file. A file that is there is opened as the open dialog opens one. The name
            // is looked up by its bytes, as it is opened.
            std::error_code error;
            if (std::filesystem::exists(exchange::NativePath(images.constFirst()), error))
                MainForm->OpenCartridgeFile(AbsolutePath(images.constFirst()));
            else
                ShowError(MainForm,
                          Said(QT_TRANSLATE_NOOP("Startup", "The file %1 does not exist."))
                              .arg(exchange::Shown(images.constFirst())));
        }
        const int status = application.exec();
        DestroyApplicationWindows();
        return status;
    } catch (const std::exception& error) {
        TolvanekApplication::ShowException(error);
    } catch (...) {
        TolvanekApplication::ShowException(std::runtime_error("unknown error"));
    }
    DestroyApplicationWindows();
    return 1;
}
