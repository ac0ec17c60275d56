// SPDX-License-Identifier: MIT
// Pictures of the five windows as the user first sees each of them, taken from the screen, so
// that a change to how start-up builds them can be checked for an unchanged look: run it before
// and after on a real X server and compare the files.
//
//   QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1280x800x24' bench_window_shots FOLDER
#include "Aboutdlg.h"
#include "Color.h"
#include "Mainunit.h"
#include "Nameunit.h"
#include "TolvanekApplication.h"
#include "Valuedlg.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <cstdio>

namespace {

bool Shoot(QWidget* window, const QDir& folder, const QString& name) {
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    // The first paint may still be queued behind the expose event.
    QTest::qWait(300);
    const QPixmap shot = window->screen()->grabWindow(window->winId());
    const bool saved = shot.save(folder.filePath(name + QStringLiteral(".png")));
    if (window != MainForm)
        window->hide();
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    TolvanekApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("TOLVANEK"));
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    CreateApplicationWindows();
    // As the main window prepares the two dialogs that take a player's current value.
    NameForm->EnsureBuilt();
    NameForm->NameEdit->setText(QString());
    NameForm->OldNameLabel->setText(QStringLiteral("やまた゛　"));
    ValueDialog->SetupDialog(QStringLiteral("打率"), 200, 400, 2, 10, 287,
                             QStringLiteral("やまた゛　"));
    const bool shot = Shoot(MainForm, folder, QStringLiteral("main")) &&
                      Shoot(NameForm, folder, QStringLiteral("name")) &&
                      Shoot(ValueDialog, folder, QStringLiteral("value")) &&
                      Shoot(ColorForm, folder, QStringLiteral("colour")) &&
                      Shoot(AboutDialog, folder, QStringLiteral("about"));
    DestroyApplicationWindows();
    return shot ? 0 : 1;
}
