// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

#include <istream>
#include <ostream>

namespace cli {

// The whole of tolvanek-cli after the program name: the command name, then the command's own
// options and arguments. Returns the exit status (ExitStatus in CliText.h). Runs in-process, so
// tests call it as the program's main does.
[[nodiscard]] int RunCommandLine(const QStringList& arguments, std::istream& in, std::ostream& out,
                                 std::ostream& err);

// The process's arguments as texts that give every byte of a file name back (see PathFromNative).
[[nodiscard]] QStringList ArgumentsOf(int argc, char** argv);

} // namespace cli
