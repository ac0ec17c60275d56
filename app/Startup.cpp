// SPDX-License-Identifier: MIT
#include "Startup.h"

#include "Mainunit.h"
#include "TolvanekApplication.h"

#include <exception>
#include <stdexcept>

int RunTolvanek(int& argc, char** argv, const std::function<void()>& beforeWindows) {
    // The application object outlives the handler below: the exception display is a window,
    // and no window can be shown once the application object is gone.
    TolvanekApplication application(argc, argv);
    // Only the name: with a display name set, Qt appends " — TOLVANEK" to every window title on
    // X11, so the caption would no longer be "TOLVANEK -" and the file name.
    application.setApplicationName(QStringLiteral("TOLVANEK"));
    // A fixed absolute help path, as the program has always named it; the help command replaces
    // it with the bare name before use.
    application.HelpFile = QStringLiteral("/usr/share/tolvanek/help/Tolvanek.hlp");
    try {
        if (beforeWindows)
            beforeWindows();
        CreateApplicationWindows();
        MainForm->show();
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
