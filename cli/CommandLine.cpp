// SPDX-License-Identifier: MIT
// Parsing, --help, --force, the checks of the paths given and the check for arguments left over,
// written once for every row of the command table (CommandTable.cpp).

#include "CommandLine.h"

#include "CliText.h"
#include "CommandTable.h"
#include "Invocation.h"

#include "FileDescriptor.h"
#include "Files.h"
#include "ImageFile.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>
#include <span>
#include <vector>

namespace cli {

namespace {

const QString ProgramText = QLatin1String(ProgramName);
const QString StandardStream = QStringLiteral("-");

QString Translated(const char* text) {
    return QCoreApplication::translate("Cli", text);
}

int ShowText(std::ostream& out, const QString& text) {
    WriteText(out, text);
    return Done;
}

// Qt's own help option would also offer --help-all, which lists options of Qt's that a command
// line tool without a window never reads.
QCommandLineOption HelpOption() {
    return {{QStringLiteral("h"), QStringLiteral("help")}, Cli::tr("Show this help and exit.")};
}

QCommandLineOption OptionOf(const OptionDeclaration& declared) {
    if (!declared.valueName)
        return {QLatin1String(declared.name), Translated(declared.description)};
    return {QLatin1String(declared.name), Translated(declared.description),
            QLatin1String(declared.valueName)};
}

// A command's parser, its help text, and the checks before it runs.
class CommandRun {
public:
    CommandRun(const CommandDeclaration& declared, std::istream& in, std::ostream& out,
               std::ostream& err, const StandardDescriptors& descriptors = {})
        : declared_(declared)
        , in_(in)
        , out_(out)
        , err_(err)
        , descriptors_(descriptors) {
        parser_.setApplicationDescription(Translated(declared.description));
        parser_.addOption(help_);
        for (const OptionDeclaration& option : declared.options)
            parser_.addOption(OptionOf(option));
        for (const ArgumentDeclaration& argument : declared.arguments)
            parser_.addPositionalArgument(QLatin1String(argument.name),
                                          Translated(argument.description));
    }

    [[nodiscard]] QString HelpText() const {
        // Qt starts its text with a usage line naming the program by the path it was started
        // with; the usage line here names the command instead.
        QString text = parser_.helpText();
        text.remove(0, text.indexOf(QLatin1Char('\n')) + 1);
        QStringList names;
        for (const ArgumentDeclaration& argument : declared_.arguments)
            names << (argument.optional ? QStringLiteral("[%1]").arg(QLatin1String(argument.name))
                                        : QLatin1String(argument.name)) +
                         (argument.repeats ? QStringLiteral("…") : QString());
        return Cli::tr("Usage: %1 %2 [options] %3")
                   .arg(ProgramText, QLatin1String(declared_.name), names.join(' ')) +
               QLatin1Char('\n') + text;
    }

    [[nodiscard]] int Run(const QStringList& arguments) {
        if (!parser_.parse(QStringList{ProgramText} + arguments))
            return Usage(parser_.errorText());
        if (parser_.isSet(help_))
            return ShowText(out_, HelpText());
        const QStringList positional = parser_.positionalArguments();
        const auto expected = static_cast<qsizetype>(declared_.arguments.size());
        const auto required = static_cast<qsizetype>(
            std::count_if(declared_.arguments.begin(), declared_.arguments.end(),
                          [](const ArgumentDeclaration& argument) { return !argument.optional; }));
        if (positional.size() < required) {
            QStringList missing;
            for (qsizetype i = positional.size(); i < required; ++i)
                missing << QLatin1String(declared_.arguments[static_cast<std::size_t>(i)].name);
            return Usage(Cli::tr("missing %1").arg(missing.join(' ')));
        }
        if (positional.size() > expected && !declared_.arguments.back().repeats)
            return Usage(Cli::tr("unexpected argument \"%1\"")
                             .arg(exchange::Shown(positional.at(expected))));
        if (const int status = CheckSeconds(); status != Done)
            return status;
        if (const int status = CheckPaths(positional); status != Done)
            return status;
        Invocation call(QLatin1String(declared_.name), parser_, positional, in_, out_, err_,
                        [this](const QString& shownName, bool leagueFile) {
                            return CheckCsvRead(shownName, leagueFile);
                        });
        // Taken before anything is read: whoever writes the output meanwhile keeps their result.
        for (const OptionDeclaration& option : declared_.options)
            if (option.role == Role::Output && parser_.isSet(QLatin1String(option.name)) &&
                parser_.value(QLatin1String(option.name)) != StandardStream)
                call.outputSeen = teamdata::StampOf(
                    exchange::NativePath(parser_.value(QLatin1String(option.name))));
        return declared_.run(call);
    }

private:
    int Usage(const QString& problem) const {
        return ReportUsage(err_, QLatin1String(declared_.name), problem);
    }

    // Whether a CSV file is a league file shows only once it is read, so the command asks here
    // then, whatever it reads it for.
    int CheckCsvRead(const QString& shownName, bool leagueFile) const {
        for (const OptionDeclaration& option : declared_.options)
            if (option.role == Role::TeamOfCsv && leagueFile &&
                parser_.isSet(QLatin1String(option.name)))
                return Usage(Cli::tr("%1 is a league file, which names its teams itself; "
                                     "--team is for a team CSV")
                                 .arg(exchange::Shown(shownName)));
        return Done;
    }

    int CheckSeconds() const {
        for (const OptionDeclaration& option : declared_.options) {
            const QString name = QLatin1String(option.name);
            if (option.role != Role::Seconds || !parser_.isSet(name))
                continue;
            bool number = false;
            const double seconds = parser_.value(name).toDouble(&number);
            if (!number || !std::isfinite(seconds) || seconds < 0 || seconds > MaxWaitSeconds)
                return Usage(Cli::tr("--%1 takes a number of seconds, 0 or more, not \"%2\"")
                                 .arg(name, exchange::Shown(parser_.value(name))));
        }
        return Done;
    }

    // The file behind a standard stream the process has, when it is one (not a terminal, pipe
    // or device, which no command reads as an input).
    std::optional<teamdata::FileIdentity> StandardFile(int descriptor) const {
        teamdata::FileFacts facts;
        if (descriptor < 0 || !teamdata::FactsOf(descriptor, facts) || !facts.regular)
            return std::nullopt;
        return facts.identity;
    }

    // What standard input and output are matter as much as the names: "< edit.csv" makes
    // edit.csv an input as surely as naming it does, and ">> game.nes" writes into game.nes.
    int CheckStandardStreams(const QStringList& inputs, const QStringList& inputNames) const {
        const std::optional<teamdata::FileIdentity> input =
            inputs.contains(StandardStream) ? StandardFile(descriptors_.input) : std::nullopt;
        const std::optional<teamdata::FileIdentity> output = StandardFile(descriptors_.output);
        const auto identityOf = [](const QString& path) -> std::optional<teamdata::FileIdentity> {
            teamdata::FileIdentity identity;
            if (path == StandardStream ||
                !teamdata::IdentityOf(exchange::NativePath(path), identity))
                return std::nullopt;
            return identity;
        };
        for (const OptionDeclaration& option : declared_.options) {
            const QString name = QLatin1String(option.name);
            if (input && option.role == Role::Output && parser_.isSet(name) &&
                identityOf(parser_.value(name)) == input)
                return Usage(Cli::tr("-o %1 is the file standard input is read from; the command "
                                     "reads it, so it cannot write it: name another file")
                                 .arg(exchange::Shown(parser_.value(name))));
        }
        if (!output)
            return Done;
        if (output == input)
            return Usage(Cli::tr("standard output goes to the file standard input is read from; "
                                 "the command reads it, so it cannot write it: send standard "
                                 "output to another file"));
        for (qsizetype i = 0; i < inputs.size(); ++i)
            if (identityOf(inputs.at(i)) == output)
                return Usage(Cli::tr("standard output goes to %1 %2; the command reads it, so it "
                                     "cannot write it: send standard output to another file")
                                 .arg(inputNames.at(i), exchange::Shown(inputs.at(i))));
        return Done;
    }

    // Every path names a file, and what a command writes is never one of the files it reads:
    // an output over an input would replace the input before it was used, or with the result.
    int CheckPaths(const QStringList& positional) const {
        QStringList inputs;
        QStringList inputNames;
        for (qsizetype i = 0; i < positional.size(); ++i) {
            const ArgumentDeclaration& argument = declared_.arguments[std::min(
                static_cast<std::size_t>(i), declared_.arguments.size() - 1)];
            if (argument.role == Role::Text)
                continue;
            const QString name = QLatin1String(argument.name);
            if (positional.at(i).isEmpty())
                return Usage(Cli::tr("%1 is empty; it must name a file").arg(name));
            inputs << positional.at(i);
            inputNames << name;
        }
        for (const OptionDeclaration& option : declared_.options) {
            const QString name = QLatin1String(option.name);
            const QString dashed =
                (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
            if (option.required && !parser_.isSet(name))
                return Usage(Cli::tr("missing %1 %2").arg(dashed, QLatin1String(option.valueName)));
            if ((IsInput(option.role) || option.role == Role::Output) && parser_.isSet(name) &&
                parser_.value(name).isEmpty())
                return Usage(Cli::tr("%1 is given an empty path; it must name a file").arg(dashed));
            if (IsInput(option.role) && parser_.isSet(name)) {
                inputs << parser_.value(name);
                inputNames << dashed;
            }
        }
        for (const OptionDeclaration& option : declared_.options) {
            const QString name = QLatin1String(option.name);
            if (option.role != Role::Output || !parser_.isSet(name))
                continue;
            const QString output = parser_.value(name);
            if (output == StandardStream)
                continue;
            for (qsizetype i = 0; i < inputs.size(); ++i)
                if (inputs.at(i) != StandardStream && exchange::IsSameFile(output, inputs.at(i)))
                    return Usage(Cli::tr("-o %1 is the same file as %2 %3; the command reads it, "
                                         "so it cannot write it: name another file")
                                     .arg(exchange::Shown(output), inputNames.at(i),
                                          exchange::Shown(inputs.at(i))));
        }
        return CheckStandardStreams(inputs, inputNames);
    }

    const CommandDeclaration& declared_;
    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
    StandardDescriptors descriptors_;
    QCommandLineParser parser_;
    QCommandLineOption help_ = HelpOption();
};

QString ProgramHelp(const QCommandLineParser& parser) {
    QString text = parser.helpText();
    text.remove(0, text.indexOf(QLatin1Char('\n')) + 1);
    QString commands;
    for (const CommandDeclaration& command : Commands())
        commands += QStringLiteral("  %1  %2\n")
                        .arg(QLatin1String(command.name), -8)
                        .arg(Translated(command.summary));
    return Cli::tr("Usage: %1 COMMAND [options] ARGUMENTS").arg(ProgramText) + QLatin1Char('\n') +
           text + QLatin1Char('\n') + Cli::tr("Commands:") + QLatin1Char('\n') + commands +
           QLatin1Char('\n') +
           Cli::tr("\"%1 COMMAND --help\" describes a command.").arg(ProgramText) +
           QLatin1Char('\n');
}

const CommandDeclaration* FindCommand(const QString& name) {
    for (const CommandDeclaration& command : Commands())
        if (QLatin1String(command.name) == name)
            return &command;
    return nullptr;
}

int Dispatch(const QStringList& arguments, std::istream& in, std::ostream& out, std::ostream& err,
             const StandardDescriptors& descriptors) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Cli::tr("Check, export, import and patch the team data of a cartridge image."));
    // Everything from the command name on belongs to the command's own parser.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help = HelpOption();
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     Cli::tr("Show the program's version and exit."));
    // Taken out before the command line gets here (TakeLanguageOption); listed with the others.
    const QCommandLineOption language(
        QStringLiteral("lang"),
        Cli::tr("The language of messages and help, en or ja, anywhere on the command line; "
                "without it, the locale's."),
        QStringLiteral("en|ja"));
    parser.addOptions({help, version, language});
    if (!parser.parse(QStringList{ProgramText} + arguments))
        return ReportUsage(err, {}, parser.errorText());
    if (parser.isSet(help))
        return ShowText(out, ProgramHelp(parser));
    if (parser.isSet(version))
        return ShowText(out, ProgramText + QLatin1Char(' ') +
                                 QCoreApplication::applicationVersion() + QLatin1Char('\n'));

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return ReportUsage(err, {}, Cli::tr("no command given"));
    const QString& name = positional.first();
    if (name == QLatin1String("help")) {
        if (positional.size() == 1)
            return ShowText(out, ProgramHelp(parser));
        if (const CommandDeclaration* command = FindCommand(positional.at(1)))
            return ShowText(out, CommandRun(*command, in, out, err).HelpText());
        return ReportUsage(
            err, {}, Cli::tr("unknown command \"%1\"").arg(exchange::Shown(positional.at(1))));
    }
    const CommandDeclaration* command = FindCommand(name);
    if (!command)
        return ReportUsage(err, {}, Cli::tr("unknown command \"%1\"").arg(exchange::Shown(name)));
    return CommandRun(*command, in, out, err, descriptors).Run(positional.mid(1));
}

} // namespace

int RunCommandLine(const QStringList& arguments, std::istream& in, std::ostream& out,
                   std::ostream& err, const StandardDescriptors& descriptors) {
    int status = Done;
    try {
        status = Dispatch(arguments, in, out, err, descriptors);
    } catch (const std::exception& error) {
        // Nothing the commands call is meant to throw; should anything, it is a message and a
        // status, never an abort.
        return Report(err,
                      Cli::tr("unexpected error: %1").arg(QString::fromLocal8Bit(error.what())),
                      FileFailed);
    } catch (...) {
        return Report(err, Cli::tr("unexpected error"), FileFailed);
    }
    // The last write to standard output may still sit in a buffer: a full disk or a closed pipe
    // shows only when it is flushed, and a script must not take a lost result for a done one.
    out.flush();
    if (!out && status == Done)
        return Report(err, Cli::tr("cannot write to standard output"), FileFailed);
    return status;
}

LanguageChoice TakeLanguageOption(const QStringList& arguments) {
    const exchange::LanguageOption taken = exchange::TakeLanguageOption(arguments);
    LanguageChoice choice{taken.language, taken.arguments, {}};
    switch (taken.problem) {
    case exchange::LanguageOption::Problem::None:
        break;
    case exchange::LanguageOption::Problem::ValueMissing:
        choice.problem = Cli::tr("--lang needs a language: en or ja");
        break;
    case exchange::LanguageOption::Problem::ValueUnknown:
        choice.problem = Cli::tr("unknown language \"%1\" for --lang; it is en or ja")
                             .arg(exchange::Shown(taken.unknownValue));
        break;
    }
    return choice;
}

QStringList ArgumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << exchange::PathFromNative(argv[i]);
    return arguments;
}

} // namespace cli
