// SPDX-License-Identifier: MIT
#include "Startup.h"

#include "Mainunit.h"
#include "TolvanekApplication.h"

#include <QFileInfo>
#include <QStringList>

#include <cstring>
#include <exception>
#include <iostream>
#include <stdexcept>

namespace {

constexpr const char* Usage =
    "usage: tolvanek [IMAGE]\n"
    "The team editor for the cartridge image of a 1992-season NES baseball game.\n"
    "  IMAGE      an image (.nes) to open at start, as if chosen in the open dialog\n"
    "  --help     show this text\n"
    "  --version  show the version\n";

enum class Request { Run, Help, Version };

// --help and --version are answered before the application object exists, so they need no
// display. Qt's own options (-platform and the like) are left for the application object.
Request EarlyRequest(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            break;
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return Request::Help;
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0)
            return Request::Version;
    }
    return Request::Run;
}

} // namespace

int RunTolvanek(int& argc, char** argv, const std::function<void()>& beforeWindows) {
    switch (EarlyRequest(argc, argv)) {
    case Request::Help:
        std::cout << Usage;
        return 0;
    case Request::Version:
        std::cout << "tolvanek " << TOLVANEK_VERSION << '\n';
        return 0;
    case Request::Run:
        break;
    }
    // The application object outlives the handler below: the exception display is a window,
    // and no window can be shown once the application object is gone.
    TolvanekApplication application(argc, argv);
    // Only the name: with a display name set, Qt appends " — TOLVANEK" to every window title on
    // X11, so the caption would no longer be "TOLVANEK -" and the file name.
    application.setApplicationName(QStringLiteral("TOLVANEK"));
    // A fixed absolute help path, as the program has always named it; the help command replaces
    // it with the bare name before use.
    application.HelpFile = QStringLiteral("/usr/share/tolvanek/help/Tolvanek.hlp");

    // What Qt has not taken for itself: at most one image to open.
    QStringList images;
    bool onlyOperands = false;
    for (const QString& argument : application.arguments().mid(1)) {
        if (!onlyOperands && argument == QLatin1String("--")) {
            onlyOperands = true;
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
