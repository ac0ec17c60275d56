// SPDX-License-Identifier: MIT
// The editor's start-up as the program does it, ended once the main window has been painted:
// application object, windows in their start-up order, main window shown. The program itself
// reads no command line and ends only when the user closes it, so start-up is measured here.
#include "FirstPaint.h"
#include "Mainunit.h"
#include "TolvanekApplication.h"

#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
    TolvanekApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("TOLVANEK"));
    application.setApplicationDisplayName(QStringLiteral("TOLVANEK"));
    application.HelpFile = QDir::cleanPath(QStringLiteral("/usr/share/tolvanek/help/Tolvanek.hlp"));
    CreateApplicationWindows();
    QuitAfterFirstPaint quit(MainForm);
    MainForm->show();
    const int status = application.exec();
    // The bare window of the floor is built with this size.
    std::printf("main window %dx%d\n", MainForm->width(), MainForm->height());
    DestroyApplicationWindows();
    return status;
}
