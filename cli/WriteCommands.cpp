// SPDX-License-Identifier: MIT
// The commands that write an image or a patch: import, patch and apply.
#include "Commands.h"

#include "KanjiReader.h"

#include "CliText.h"
#include "CommandSupport.h"
#include "StandardStreams.h"

#include "Changes.h"
#include "Compare.h"
#include "CsvReader.h"
#include "Files.h"
#include "ImageFile.h"
#include "ImageIdentity.h"
#include "Import.h"
#include "League.h"
#include "LeagueCsv.h"
#include "MakePatch.h"
#include "PatchFiles.h"
#include "SafeImageWriter.h"
#include "TeamInitials.h"

#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace cli {

int FinishImport(const Invocation& call, const QString& image, const QString& output,
                 teamdata::ImageLock& lock, const OpenedImage& opened,
                 const plans::ImportPlan& plan) {
    const QString changed = plan.writes.empty()
                                ? QString()
                                : QStringLiteral(" (") + InitialsOf(plan.writes) + QLatin1Char(')');
    if (call.IsSet(QStringLiteral("dry-run"))) {
        WriteText(call.out, exchange::ChangeText(plan.changes) +
                                Cli::tr("%1 of %2 teams would be rewritten")
                                    .arg(plan.writes.size())
                                    .arg(teamdata::TeamCount) +
                                changed + QLatin1Char('\n'));
        return Done;
    }
    // Into the image itself nothing needs writing when nothing changed; a copy is made anyway,
    // since a script goes on with it.
    const QString target = output.isEmpty() ? image : output;
    if (!plan.writes.empty() || !output.isEmpty()) {
        teamdata::ImageWriteRequest write;
        write.source = exchange::NativePath(image);
        write.target = exchange::NativePath(target);
        write.teams = plan.writes;
        write.acceptQuestionable = call.Force();
        write.expectedSource = std::span<const std::uint8_t>(opened.image.bytes);
        if (lock.Held())
            write.lock = &lock;
        write.wait = WaitFor(call, target);
        if (!output.isEmpty())
            write.expectedTarget = call.outputSeen;
        if (const int status = ReportImageWrite(call, teamdata::WriteImage(write), image, target);
            status != Done)
            return status;
    }
    const QStringList summaries = exchange::TeamSummaries(plan.changes);
    WriteText(
        call.out,
        (summaries.isEmpty() ? QString() : summaries.join(QLatin1Char('\n')) + QLatin1Char('\n')) +
            Cli::tr("%1 of %2 teams rewritten").arg(plan.writes.size()).arg(teamdata::TeamCount) +
            changed + QLatin1Char('\n'));
    return Done;
}

int RunImport(const Invocation& call) {
    const QString image = call.Argument(0);
    const QString file = call.Argument(1);
    const QString output = call.Value(QStringLiteral("o"));
    if (output == StandardStream)
        return ReportUsage(call.err, call.command,
                           Cli::tr("an image cannot be written to standard output"));
    const NamedTeam named = TeamOption(call);
    if (named.status != Done)
        return named.status;
    // Held from the first read of the image to the rename that replaces it: another Tolvanek
    // importing at the same time waits for this one and then decides against its result.
    teamdata::ImageLock lock;
    if (!call.IsSet(QStringLiteral("dry-run"))) {
        lock = teamdata::ImageLock::Acquire(exchange::NativePath(image), WaitFor(call, image));
        if (lock.State() == teamdata::ImageLockState::Busy)
            return ReportLocked(call, image, lock.Holder());
    }
    const OpenedImage opened = OpenImage(image, call.Force(), call.err);
    if (opened.status != Done)
        return opened.status;
    QByteArray bytes;
    const int read = file == StandardStream
                         ? ReadStandardInput(call.in, bytes, call.err)
                         : ReadInputFile(file, exchange::MaxCsvFileSize, bytes, call.err);
    if (read != Done)
        return read;

    readings::KanjiReader kanjiReader;
    plans::ImportChoices how{named.team, exchange::DecodeTextBytes};
    if (call.IsSet(QStringLiteral("read-kanji")))
        how.readKanji = readings::KanjiNameReaderOf(kanjiReader);
    how.round = call.IsSet(QStringLiteral("round"));
    how.jsonByName = file.endsWith(QLatin1String(".json"), Qt::CaseInsensitive);
    const plans::ImportPlan plan = plans::PlanImport(opened.image.bytes, BytesOf(bytes), how);
    const QString fileName = file == StandardStream ? StandardInputName : file;
    if (const int status = call.CheckCsvRead(fileName, plan.read.leagueFile); status != Done)
        return status;
    ReportCsvIssues(call.err, fileName, plan.read);
    if (plans::TeamMissing(plan))
        return ReportUsage(call.err, call.command,
                           Cli::tr("name the team of a team CSV with --team"));
    if (!plan.read.errors.empty())
        return Report(call.err, Cli::tr("nothing was written"));

    return FinishImport(call, image, output, lock, opened, plan);
}

int RunPatch(const Invocation& call) {
    const QString patchPath = call.Value(QStringLiteral("o"));
    if (!teamdata::PatchFormatForName(exchange::NativePath(patchPath)))
        return ReportUsage(call.err, call.command,
                           Cli::tr("the patch's name must end in .bps or .ips, which chooses "
                                   "its format"));
    const OpenedImage original = OpenImage(call.Argument(0), call.Force(), call.err);
    if (original.status != Done)
        return original.status;
    const OpenedImage modified = OpenImage(call.Argument(1), call.Force(), call.err);
    if (modified.status != Done)
        return modified.status;
    const plans::PatchMakingPlan patch = plans::PlanMakePatch(
        original.image.bytes, modified.image.bytes, exchange::NativePath(patchPath));
    if (patch.decision == plans::PatchMakingDecision::TooLargeForIps)
        return Report(call.err, Cli::tr("an IPS patch cannot describe images larger than 16 MiB; "
                                        "make a BPS patch"));
    return WriteOutput(call, patchPath, patch.bytes);
}

int RunApply(const Invocation& call) {
    const QString image = call.Argument(0);
    const QString patchPath = call.Argument(1);
    const QString output = call.Value(QStringLiteral("o"));
    if (output == StandardStream)
        return ReportUsage(call.err, call.command,
                           Cli::tr("an image cannot be written to standard output"));
    const OpenedImage opened = OpenImage(image, call.Force(), call.err);
    if (opened.status != Done)
        return opened.status;
    QByteArray patch;
    if (const int status = ReadInputFile(patchPath, exchange::MaxPatchFileSize, patch, call.err);
        status != Done)
        return status;
    const plans::ApplyPlan plan =
        plans::PlanApply(opened.image.bytes, BytesOf(patch), {.agreed = call.Force()});
    switch (plan.verdict) {
    case plans::ApplyVerdict::Write:
        break;
    case plans::ApplyVerdict::AlreadyApplied:
    case plans::ApplyVerdict::Refused:
        return Report(call.err, Cli::tr("%1 is not applied to %2: %3; nothing was written")
                                    .arg(Shown(patchPath), Shown(image),
                                         exchange::DescribeApplyRefusal(plan)));
    case plans::ApplyVerdict::NoImage:
        return Report(call.err,
                      Cli::tr("the patched image would be no image of this game (%1); "
                              "nothing was written")
                          .arg(exchange::DescribeImageDoubt(exchange::ResultImage(plan))));
    case plans::ApplyVerdict::AskFirst:
        Report(call.err, Cli::tr("the patched image does not look like an image of this game "
                                 "(%1); nothing was written")
                             .arg(exchange::DescribeImageDoubt(exchange::ResultImage(plan))));
        return Report(call.err, Cli::tr("give --force to write it all the same"));
    }
    for (const QString& note : exchange::DescribeApplyNotes(plan))
        WriteText(call.err, QLatin1String(ProgramName) + QStringLiteral(": ") +
                                Cli::tr("note: %1").arg(note) + QLatin1Char('\n'));
    return WriteOutput(call, output, plan.result);
}

} // namespace cli
