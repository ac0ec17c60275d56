#include "Mainunit.h"
#include "TolvanekApplication.h"

#include <exception>

int main(int argc, char** argv) {
    try {
        TolvanekApplication application(argc, argv);
        // Only the name: with a display name set, Qt appends " — TOLVANEK" to every window
        // title on X11, so the caption would no longer be "TOLVANEK -" and the file name.
        application.setApplicationName(QStringLiteral("TOLVANEK"));
        // A fixed absolute help path, as the program has always named it; the help command
        // replaces it with the bare name before use.
        application.HelpFile = QStringLiteral("/usr/share/tolvanek/help/Tolvanek.hlp");
        CreateApplicationWindows();
        MainForm->show();
        const int status = application.exec();
        DestroyApplicationWindows();
        return status;
    } catch (const std::exception& error) {
        TolvanekApplication::ShowException(error);
    }
    return 0;
}
