// SPDX-License-Identifier: MIT
// play: an image, with a league file or team CSV imported into a private copy, played in an
// emulator.
#include "Commands.h"

#include "CliText.h"
#include "CommandSupport.h"
#include "StandardStreams.h"

#include "CsvReader.h"
#include "Emulator.h"
#include "Files.h"
#include "ImageFile.h"
#include "Import.h"
#include "League.h"
#include "SafeImageWriter.h"

#include <QProcess>

#include <cstdint>
#include <span>
#include <vector>

namespace cli {

namespace {

// The teams the league file or team CSV of --csv changes; `status` is Done or what was reported.
struct CsvTeams {
    std::vector<teamdata::TeamWrite> writes;
    int status = Done;
};

CsvTeams ReadCsvTeams(const Invocation& call, const OpenedImage& opened) {
    const QString file = call.Value(QStringLiteral("csv"));
    if (file.isEmpty())
        return {};
    const NamedTeam named = TeamOption(call);
    if (named.status != Done)
        return {{}, named.status};
    QByteArray bytes;
    const int read = file == StandardStream
                         ? ReadStandardInput(call.in, bytes, call.err)
                         : ReadInputFile(file, exchange::MaxCsvFileSize, bytes, call.err);
    if (read != Done)
        return {{}, read};
    // Read as the import reads it, with its refusals: what is played is what an import makes.
    const plans::ImportPlan plan =
        plans::PlanImport(opened.image.bytes, BytesOf(bytes),
                          plans::ImportChoices{named.team, exchange::DecodeTextBytes});
    const QString fileName = file == StandardStream ? StandardInputName : file;
    if (const int status = call.CheckCsvRead(fileName, plan.read.leagueFile); status != Done)
        return {{}, status};
    ReportCsvIssues(call.err, fileName, plan.read);
    if (plans::TeamMissing(plan))
        return {{},
                ReportUsage(call.err, call.command,
                            Cli::tr("name the team of a team CSV with --team"))};
    if (!plan.read.errors.empty())
        return {{}, Report(call.err, Cli::tr("the emulator was not started"))};
    return {plan.writes, Done};
}

} // namespace

int RunPlay(const Invocation& call) {
    const QString image = call.Argument(0);
    const OpenedImage opened = OpenImage(image, call.Force(), call.err);
    if (opened.status != Done)
        return opened.status;
    const CsvTeams teams = ReadCsvTeams(call, opened);
    if (teams.status != Done)
        return teams.status;

    const exchange::PlayCopy copy(image);
    if (!copy.Made())
        return Report(
            call.err,
            Cli::tr("cannot create a private folder for the copy: %1").arg(copy.ErrorString()),
            FileFailed);
    const exchange::EmulatorCommand command =
        exchange::EmulatorFor(copy.ImagePath(), call.Value(QStringLiteral("emulator")));
    if (!command.Found())
        return Report(call.err, exchange::NoEmulatorMessage(), FileFailed);

    teamdata::ImageWriteRequest write;
    write.source = exchange::NativePath(image);
    write.target = exchange::NativePath(copy.ImagePath());
    write.teams = teams.writes;
    write.acceptQuestionable = call.Force();
    write.expectedSource = std::span<const std::uint8_t>(opened.image.bytes);
    if (const int status =
            ReportImageWrite(call, teamdata::WriteImage(write), image, copy.ImagePath());
        status != Done)
        return status;
    if (!copy.MakeImagePrivate())
        return Report(call.err,
                      Cli::tr("cannot make the copy private: %1").arg(Shown(copy.ImagePath())),
                      FileFailed);

    // The emulator has the terminal as the command had it; the command ends when it does, with
    // its status, and its copy goes then.
    QProcess emulator;
    emulator.setProcessChannelMode(QProcess::ForwardedChannels);
    emulator.setInputChannelMode(QProcess::ForwardedInputChannel);
    emulator.setProgram(command.program);
    emulator.setArguments(command.arguments);
    emulator.start();
    if (!emulator.waitForStarted(-1))
        return Report(call.err,
                      exchange::EmulatorNotStartedMessage(command, emulator.errorString()),
                      FileFailed);
    emulator.waitForFinished(-1);
    if (emulator.exitStatus() == QProcess::CrashExit)
        return Report(call.err, Cli::tr("the emulator (%1) ended abnormally").arg(command.Shown()),
                      FileFailed);
    return emulator.exitCode();
}

} // namespace cli
