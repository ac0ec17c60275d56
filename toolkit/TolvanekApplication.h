// SPDX-License-Identifier: MIT
#pragma once

#include "Translations.h"

#include <QApplication>

#include <exception>
#include <optional>

// The application object. An exception that escapes an event handler is shown in a box titled
// "TOLVANEK", with an error icon, and the event loop goes on: a failed strict
// number conversion in a click handler must not end the program.
class TolvanekApplication : public QApplication {
public:
    // The window speaks `language`, or without one the language of the locale
    // (exchange::LanguageOfLocale), and so do Qt's own dialogs.
    TolvanekApplication(int& argc, char** argv,
                        std::optional<exchange::Language> language = std::nullopt);

    bool notify(QObject* receiver, QEvent* event) override;

    // The help file name, kept as the Windows program kept it: start-up sets a fixed path and the
    // Help menu the bare name. Nothing reads it; the help viewer is handed its name directly.
    QString HelpFile;

    // Shows the exception the way the event loop does.
    static void ShowException(const std::exception& error);
};
