// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <ostream>

// The command line's own texts: English in the sources, translated into Japanese together with
// the texts it shares with the window (scripts/update-translations.sh finds them through this
// class).
class Cli {
    Q_DECLARE_TR_FUNCTIONS(Cli)
};

namespace cli {

// The name every message starts with, whatever the program file is called.
inline constexpr char ProgramName[] = "tolvanek-cli";

// The process's exit statuses, which scripts tell outcomes apart by.
enum ExitStatus : int {
    Done = 0,
    DataRefused = 1, // errors in a file, an image that failed its check, a mismatching patch
    WrongUsage = 2,
    FileFailed = 3, // a file could not be read or written
    // diff only, whose 1 means "different": an input refused (an image that failed its check,
    // a CSV file with errors, a patch for another image).
    DiffRefused = 4,
};

// Text as UTF-8, whatever the locale: the terminal and the pipes of a script expect it.
void WriteText(std::ostream& stream, const QString& text);
void WriteBytes(std::ostream& stream, const QByteArray& bytes);

// One line of standard error, "tolvanek-cli: message"; returns `status` for the caller to end
// with.
int Report(std::ostream& err, const QString& message, int status = DataRefused);

// A usage error and where to read how `command` is used (the program's help when empty).
int ReportUsage(std::ostream& err, const QString& command, const QString& message);

} // namespace cli
