// SPDX-License-Identifier: MIT
#include "Startup.h"

#include "Mainunit.h"
#include "TolvanekApplication.h"

#include <QFileInfo>
#include <QStringList>

#include <exception>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

constexpr const char* Usage =
    "usage: tolvanek [--lang en|ja] [IMAGE]\n"
    "The team editor for the cartridge image of a 1992-season NES baseball game.\n"
    "  IMAGE         an image (.nes) to open at start, as if chosen in the open dialog\n"
    "  --lang en|ja  the window's language, English or Japanese; without it, the locale's\n"
    "  --help        show this text\n"
    "  --version     show the version\n";

constexpr std::string_view LanguageOption = "--lang";

enum class Request { Run, Help, Version, WrongUsage };

// What the command line asks for before there is a window: --help and --version are answered
// before the application object exists, so they need no display, and --lang is read there so
// that the application object starts in its language. Qt's own options (-platform and the like)
// are left for the application object.
struct EarlyRequest {
    Request request = Request::Run;
    std::optional<exchange::Language> language;
    std::string problem; // for WrongUsage
};

EarlyRequest ReadEarlyRequest(int argc, char** argv) {
    EarlyRequest early;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            break;
        if (argument == "--help" || argument == "-h")
            return {Request::Help, {}, {}};
        if (argument == "--version" || argument == "-v")
            return {Request::Version, {}, {}};
        std::optional<std::string_view> value;
        if (argument == LanguageOption) {
            if (i + 1 >= argc)
                return {Request::WrongUsage, {}, "--lang needs a language: en or ja"};
            value = argv[++i];
        } else if (argument.starts_with(std::string(LanguageOption) + "=")) {
            value = argument.substr(LanguageOption.size() + 1);
        }
        if (value) {
            early.language = exchange::LanguageNamed(
                QString::fromUtf8(value->data(), static_cast<qsizetype>(value->size())));
            if (!early.language)
                return {Request::WrongUsage,
                        {},
                        "unknown language \"" + std::string(*value) + "\" for --lang: en or ja"};
        }
    }
    return early;
}

} // namespace

int RunTolvanek(int& argc, char** argv, const std::function<void()>& beforeWindows) {
    const EarlyRequest early = ReadEarlyRequest(argc, argv);
    switch (early.request) {
    case Request::Help:
        std::cout << Usage;
        return 0;
    case Request::Version:
        std::cout << "tolvanek " << TOLVANEK_VERSION << '\n';
        return 0;
    case Request::WrongUsage:
        std::cerr << "tolvanek: " << early.problem << '\n' << Usage;
        return 2;
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

    // What Qt has not taken for itself: at most one image to open.
    QStringList images;
    bool onlyOperands = false;
    bool languageValue = false;
    for (const QString& argument : application.arguments().mid(1)) {
        if (languageValue) {
            languageValue = false; // read before the application object was made
        } else if (!onlyOperands && argument == QLatin1String("--")) {
            onlyOperands = true;
        } else if (!onlyOperands && argument == QStringLiteral("--lang")) {
            languageValue = true;
        } else if (!onlyOperands && argument.startsWith(QStringLiteral("--lang="))) {
            continue;
        } else if (!onlyOperands && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            std::cerr << "tolvanek: unknown option " << argument.toStdString() << '\n' << Usage;
            return 2;
        } else {
            images << argument;
        }
    }
    if (images.size() > 1) {
        std::cerr << "tolvanek: give at most one image\n" << Usage;
        return 2;
    }

    try {
        if (beforeWindows)
            beforeWindows();
        CreateApplicationWindows();
        MainForm->show();
        if (!images.isEmpty())
            MainForm->OpenCartridgeFile(QFileInfo(images.constFirst()).absoluteFilePath());
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
