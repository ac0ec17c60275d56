// SPDX-License-Identifier: MIT
// tolvanek-cli: the commands of CommandLine.cpp on the process's own arguments and streams, in the
// language of the locale or of --lang.

#include "CliText.h"
#include "CommandLine.h"

#include "FileDescriptor.h"
#include "Translations.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char* argv[]) {
    teamdata::GuardStandardStreams();
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(cli::ProgramName));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVANEK_VERSION));
    // The locale's language first, so that a --lang the program cannot read is refused in it.
    exchange::InstallTranslations(application,
                                  exchange::LanguageOfLocale(exchange::ProcessLocaleVariables()));
    const cli::LanguageChoice choice = cli::TakeLanguageOption(cli::ArgumentsOf(argc, argv));
    if (!choice.problem.isEmpty())
        return cli::ReportUsage(std::cerr, {}, choice.problem);
    if (choice.language)
        exchange::InstallTranslations(application, *choice.language);
    // Standard input and output are descriptors 0 and 1 on every system.
    return cli::RunCommandLine(choice.arguments, std::cin, std::cout, std::cerr, {0, 1});
}
