// SPDX-License-Identifier: MIT
#pragma once

#include "Translations.h"

#include <QStringList>

#include <istream>
#include <optional>
#include <ostream>

namespace cli {

// --lang en|ja, which may stand anywhere on the command line (up to a "--"), taken out of the
// arguments before the command reads them: the language of every message and help text after it.
struct LanguageChoice {
    std::optional<exchange::Language> language; // the last one given; empty for none
    QStringList arguments;                      // the rest, for RunCommandLine
    QString problem; // a value missing or naming no language, in the user's language
};
[[nodiscard]] LanguageChoice TakeLanguageOption(const QStringList& arguments);

// The descriptors behind the streams a command is given, when they are the process's own: what a
// command writes must not be the file standard input is read from, nor may standard output be a
// file the command reads. -1 where the stream is no descriptor's (a test's string stream).
struct StandardDescriptors {
    int input = -1;
    int output = -1;
};

// The whole of tolvanek-cli after the program name: the command name, then the command's own
// options and arguments. Returns the exit status (ExitStatus in CliText.h). Runs in-process, so
// tests call it as the program's main does.
[[nodiscard]] int RunCommandLine(const QStringList& arguments, std::istream& in, std::ostream& out,
                                 std::ostream& err, const StandardDescriptors& descriptors = {});

// The process's arguments as texts that give every byte of a file name back (see PathFromNative).
[[nodiscard]] QStringList ArgumentsOf(int argc, char** argv);

} // namespace cli
