// SPDX-License-Identifier: MIT
// tolvanek-cli: the commands of CommandLine.cpp on the process's own arguments and streams.

#include "CliText.h"
#include "CommandLine.h"

#include "Translations.h"

#include <QCoreApplication>
#include <QLocale>

#include <iostream>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(cli::ProgramName));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVANEK_VERSION));
    InstallTranslations(application, QLocale::system());
    return cli::RunCommandLine(cli::ArgumentsOf(argc, argv), std::cin, std::cout, std::cerr);
}
