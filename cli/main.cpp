// SPDX-License-Identifier: MIT
// tolvanek-cli: the command name is parsed first, then the command's own options and arguments
// by a parser of its own, so that every command lists only what it takes, in any order.

#include "CliText.h"
#include "Commands.h"

#include "Translations.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <functional>
#include <iostream>
#include <optional>
#include <vector>

namespace {

using namespace cli;

const QString ProgramText = QLatin1String(ProgramName);

// Qt's own help option would also offer --help-all, which lists options of Qt's that a command
// line tool without a window never reads.
QCommandLineOption HelpOption() {
    return {{QStringLiteral("h"), QStringLiteral("help")}, Cli::tr("Show this help and exit.")};
}

// What the parser of one command found, or the status to end with when it was help or an error.
struct Parsed {
    QStringList arguments;
    std::optional<int> finished;
};

int ShowText(std::ostream& out, const QString& text) {
    WriteText(out, text);
    return Done;
}

// A parser of one command: its options, its positional arguments (by the names the usage line
// and the manual page give them) and the -o that patch and apply cannot do without.
class CommandParser {
public:
    CommandParser(QString name, const QString& summary, QStringList argumentNames)
        : name_(std::move(name))
        , argumentNames_(std::move(argumentNames)) {
        parser_.setApplicationDescription(summary);
        parser_.addOption(help_);
        for (const QString& argument : argumentNames_)
            parser_.addPositionalArgument(argument, ArgumentDescription(argument));
    }

    QCommandLineOption Add(QCommandLineOption option) {
        parser_.addOption(option);
        return option;
    }
    QCommandLineOption AddForce() {
        return Add({QStringLiteral("force"),
                    Cli::tr("Go on with an image that does not look like the game's, as "
                            "answering yes in the window does.")});
    }
    void RequireOutput(const QCommandLineOption& output) { requiredOutput_ = output; }

    [[nodiscard]] QString HelpText() const {
        // Qt starts its text with a usage line naming the program by the path it was started
        // with; the usage line here names the command instead.
        QString text = parser_.helpText();
        text.remove(0, text.indexOf(QLatin1Char('\n')) + 1);
        return Cli::tr("Usage: %1 %2 [options] %3")
                   .arg(ProgramText, name_, argumentNames_.join(' ')) +
               QLatin1Char('\n') + text;
    }

    [[nodiscard]] Parsed Parse(const QStringList& arguments, std::ostream& out, std::ostream& err) {
        if (!parser_.parse(QStringList{ProgramText} + arguments))
            return {{}, ReportUsage(err, name_, parser_.errorText())};
        if (parser_.isSet(help_))
            return {{}, ShowText(out, HelpText())};
        const QStringList positional = parser_.positionalArguments();
        QString problem;
        if (positional.size() < argumentNames_.size())
            problem = Cli::tr("missing %1").arg(argumentNames_.mid(positional.size()).join(' '));
        else if (positional.size() > argumentNames_.size())
            problem =
                Cli::tr("unexpected argument \"%1\"").arg(positional.at(argumentNames_.size()));
        else if (requiredOutput_ && !parser_.isSet(*requiredOutput_))
            problem = Cli::tr("missing -o %1").arg(requiredOutput_->valueName());
        if (!problem.isEmpty())
            return {{}, ReportUsage(err, name_, problem)};
        return {positional, std::nullopt};
    }

    [[nodiscard]] bool IsSet(const QCommandLineOption& option) const {
        return parser_.isSet(option);
    }
    [[nodiscard]] QString Value(const QCommandLineOption& option) const {
        return parser_.value(option);
    }

private:
    static QString ArgumentDescription(const QString& argument) {
        if (argument == QLatin1String("IMAGE"))
            return Cli::tr("The cartridge image (.nes).");
        if (argument == QLatin1String("FILE"))
            return Cli::tr("A league file or a team CSV; - for standard input.");
        if (argument == QLatin1String("ORIGINAL"))
            return Cli::tr("The image the patch starts from.");
        if (argument == QLatin1String("MODIFIED"))
            return Cli::tr("The image the patch leads to.");
        if (argument == QLatin1String("PATCH"))
            return Cli::tr("A BPS or IPS patch.");
        return {};
    }

    QString name_;
    QStringList argumentNames_;
    QCommandLineParser parser_;
    QCommandLineOption help_ = HelpOption();
    std::optional<QCommandLineOption> requiredOutput_;
};

QCommandLineOption TeamOption(const QString& description) {
    return {QStringLiteral("team"), description, QStringLiteral("INITIALS")};
}

QCommandLineOption OutputOption(const QString& description, const QString& valueName) {
    return {QStringLiteral("o"), description, valueName};
}

int RunInfoCommand(const QStringList& arguments, std::ostream& out, std::ostream& err,
                   bool helpOnly) {
    CommandParser parser(QStringLiteral("info"),
                         Cli::tr("Check an image as opening it in the window does, and list its "
                                 "teams: initials, helmet and uniform colour, first batter."),
                         {QStringLiteral("IMAGE")});
    const QCommandLineOption force = parser.AddForce();
    if (helpOnly)
        return ShowText(out, parser.HelpText());
    const Parsed parsed = parser.Parse(arguments, out, err);
    if (parsed.finished)
        return *parsed.finished;
    return RunInfo({parsed.arguments[0], parser.IsSet(force)}, out, err);
}

int RunExportCommand(const QStringList& arguments, std::ostream& out, std::ostream& err,
                     bool helpOnly) {
    CommandParser parser(QStringLiteral("export"),
                         Cli::tr("Write the league file, or one team's CSV or HTML page, as the "
                                 "window writes them."),
                         {QStringLiteral("IMAGE")});
    const QCommandLineOption team =
        parser.Add(TeamOption(Cli::tr("The team to export; without it, the league file.")));
    const QCommandLineOption format = parser.Add(
        {QStringLiteral("format"), Cli::tr("csv (when not given) or html; html needs --team."),
         QStringLiteral("csv|html")});
    const QCommandLineOption output = parser.Add(OutputOption(
        Cli::tr("Where to write; standard output when not given or -."), QStringLiteral("FILE")));
    const QCommandLineOption force = parser.AddForce();
    if (helpOnly)
        return ShowText(out, parser.HelpText());
    const Parsed parsed = parser.Parse(arguments, out, err);
    if (parsed.finished)
        return *parsed.finished;

    ExportRequest request;
    request.image = parsed.arguments[0];
    request.team = parser.Value(team);
    request.output = parser.Value(output);
    request.force = parser.IsSet(force);
    const QString formatName = parser.Value(format).toLower();
    if (formatName == QLatin1String("html"))
        request.format = ExportFormat::Html;
    else if (parser.IsSet(format) && formatName != QLatin1String("csv"))
        return ReportUsage(
            err, QStringLiteral("export"),
            Cli::tr("unknown format \"%1\"; it is csv or html").arg(parser.Value(format)));
    return RunExport(request, out, err);
}

int RunImportCommand(const QStringList& arguments, std::ostream& out, std::ostream& err,
                     bool helpOnly) {
    CommandParser parser(QStringLiteral("import"),
                         Cli::tr("Read a league file or a team CSV into the image. Every error "
                                 "is reported; nothing is written while there is one."),
                         {QStringLiteral("IMAGE"), QStringLiteral("FILE")});
    const QCommandLineOption team =
        parser.Add(TeamOption(Cli::tr("The team a team CSV replaces.")));
    const QCommandLineOption dryRun =
        parser.Add({QStringLiteral("dry-run"), Cli::tr("Check everything and write nothing.")});
    const QCommandLineOption output = parser.Add(
        OutputOption(Cli::tr("Write the result into a copy here and leave the image alone."),
                     QStringLiteral("OUTPUT")));
    const QCommandLineOption force = parser.AddForce();
    if (helpOnly)
        return ShowText(out, parser.HelpText());
    const Parsed parsed = parser.Parse(arguments, out, err);
    if (parsed.finished)
        return *parsed.finished;

    ImportRequest request;
    request.image = parsed.arguments[0];
    request.file = parsed.arguments[1];
    request.team = parser.Value(team);
    request.output = parser.Value(output);
    request.dryRun = parser.IsSet(dryRun);
    request.force = parser.IsSet(force);
    return RunImport(request, std::cin, out, err);
}

int RunPatchCommand(const QStringList& arguments, std::ostream& out, std::ostream& err,
                    bool helpOnly) {
    CommandParser parser(QStringLiteral("patch"),
                         Cli::tr("Write a patch that turns ORIGINAL into MODIFIED."),
                         {QStringLiteral("ORIGINAL"), QStringLiteral("MODIFIED")});
    const QCommandLineOption output = parser.Add(OutputOption(
        Cli::tr("The patch to write; .bps or .ips chooses the format."), QStringLiteral("PATCH")));
    parser.RequireOutput(output);
    const QCommandLineOption force = parser.AddForce();
    if (helpOnly)
        return ShowText(out, parser.HelpText());
    const Parsed parsed = parser.Parse(arguments, out, err);
    if (parsed.finished)
        return *parsed.finished;
    return RunPatch(
        {parsed.arguments[0], parsed.arguments[1], parser.Value(output), parser.IsSet(force)}, err);
}

int RunApplyCommand(const QStringList& arguments, std::ostream& out, std::ostream& err,
                    bool helpOnly) {
    CommandParser parser(QStringLiteral("apply"),
                         Cli::tr("Apply a BPS or IPS patch to IMAGE and write the result to "
                                 "OUTPUT, never to IMAGE itself."),
                         {QStringLiteral("IMAGE"), QStringLiteral("PATCH")});
    const QCommandLineOption output =
        parser.Add(OutputOption(Cli::tr("The patched image to write."), QStringLiteral("OUTPUT")));
    parser.RequireOutput(output);
    const QCommandLineOption force = parser.AddForce();
    if (helpOnly)
        return ShowText(out, parser.HelpText());
    const Parsed parsed = parser.Parse(arguments, out, err);
    if (parsed.finished)
        return *parsed.finished;
    return RunApply(
        {parsed.arguments[0], parsed.arguments[1], parser.Value(output), parser.IsSet(force)}, err);
}

using CommandRunner =
    std::function<int(const QStringList&, std::ostream&, std::ostream&, bool helpOnly)>;

struct Command {
    QString name;
    QString summary;
    CommandRunner run;
};

std::vector<Command> Commands() {
    return {
        {QStringLiteral("info"), Cli::tr("check an image and list its teams"), RunInfoCommand},
        {QStringLiteral("export"), Cli::tr("write the league or one team as CSV or HTML"),
         RunExportCommand},
        {QStringLiteral("import"), Cli::tr("read a league file or a team CSV into an image"),
         RunImportCommand},
        {QStringLiteral("patch"), Cli::tr("make a BPS or IPS patch between two images"),
         RunPatchCommand},
        {QStringLiteral("apply"), Cli::tr("apply a BPS or IPS patch into a new image"),
         RunApplyCommand},
    };
}

QString ProgramHelp(const QCommandLineParser& parser) {
    QString text = parser.helpText();
    text.remove(0, text.indexOf(QLatin1Char('\n')) + 1);
    QString commands;
    for (const Command& command : Commands())
        commands += QStringLiteral("  %1  %2\n").arg(command.name, -8).arg(command.summary);
    return Cli::tr("Usage: %1 COMMAND [options] ARGUMENTS").arg(ProgramText) + QLatin1Char('\n') +
           text + QLatin1Char('\n') + Cli::tr("Commands:") + QLatin1Char('\n') + commands +
           QLatin1Char('\n') +
           Cli::tr("\"%1 COMMAND --help\" describes a command.").arg(ProgramText) +
           QLatin1Char('\n');
}

const Command* FindCommand(const std::vector<Command>& commands, const QString& name) {
    for (const Command& command : commands)
        if (command.name == name)
            return &command;
    return nullptr;
}

int RunCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Cli::tr("Check, export, import and patch the team data of a cartridge image."));
    // Everything from the command name on belongs to the command's own parser.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help = HelpOption();
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     Cli::tr("Show the program's version and exit."));
    parser.addOptions({help, version});
    if (!parser.parse(arguments))
        return ReportUsage(err, {}, parser.errorText());
    if (parser.isSet(help))
        return ShowText(out, ProgramHelp(parser));
    if (parser.isSet(version))
        return ShowText(out, ProgramText + QLatin1Char(' ') +
                                 QCoreApplication::applicationVersion() + QLatin1Char('\n'));

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return ReportUsage(err, {}, Cli::tr("no command given"));
    const std::vector<Command> commands = Commands();
    const QString& name = positional.first();
    if (name == QLatin1String("help")) {
        if (positional.size() == 1)
            return ShowText(out, ProgramHelp(parser));
        if (const Command* command = FindCommand(commands, positional.at(1)))
            return command->run({}, out, err, true);
        return ReportUsage(err, {}, Cli::tr("unknown command \"%1\"").arg(positional.at(1)));
    }
    const Command* command = FindCommand(commands, name);
    if (!command)
        return ReportUsage(err, {}, Cli::tr("unknown command \"%1\"").arg(name));
    return command->run(positional.mid(1), out, err, false);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(ProgramText);
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVANEK_VERSION));
    InstallTranslations(application, QLocale::system());
    return RunCommandLine(QCoreApplication::arguments(), std::cout, std::cerr);
}
