// SPDX-License-Identifier: MIT
#include "Commands.h"

#include "CliText.h"
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

namespace {

const QString StandardStream = QStringLiteral("-");
// How an error in a file read from standard input names its place.
const QString StandardInputName = QStringLiteral("<stdin>");

std::span<const std::uint8_t> BytesOf(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

// A path or a text from a file, as a message shows it.
QString Shown(const QString& text) {
    return exchange::Shown(text);
}

// "cannot write X: no space left on the device"
QString WithReason(const QString& message, int systemError) {
    return exchange::WithReason(message, systemError);
}

// An image read and checked; `status` is Done when the command may go on with it, and otherwise
// has been reported.
struct OpenedImage {
    exchange::LoadedImage image;
    int status = Done;
};

// `loaded` is the image as read from `path` by a command that looked at the bytes first.
OpenedImage OpenImage(const QString& path, bool force, std::ostream& err,
                      exchange::LoadedImage loaded) {
    OpenedImage opened{std::move(loaded)};
    // A save that was stopped while it copied a new image over a hard-linked one may have left
    // the image damaged and the complete new content beside it.
    for (const std::string& copy : teamdata::InterruptedSaveCopies(exchange::NativePath(path)))
        WriteText(err, QLatin1String(ProgramName) + QStringLiteral(": ") +
                           Cli::tr("note: %1")
                               .arg(exchange::DescribeInterruptedSave(
                                   path, exchange::PathFromNative(copy))) +
                           QLatin1Char('\n'));
    const exchange::LoadedImage& image = opened.image;
    if (image.Refused()) {
        // A file that is there but is no image of this game is refused data; one that cannot be
        // read at all is a file error, which a script may want to tell apart.
        const bool unreadable = image.read == teamdata::FileRead::Unreadable ||
                                image.read == teamdata::FileRead::NotAFile;
        opened.status =
            Report(err, Shown(path) + QStringLiteral(": ") + exchange::DescribeImageDoubt(image),
                   unreadable ? FileFailed : DataRefused);
    } else if (image.Questionable() && !force) {
        Report(err, Cli::tr("%1 does not look like an image of this game (%2)")
                        .arg(Shown(path), exchange::DescribeImageDoubt(image)));
        opened.status = Report(err, Cli::tr("give --force to go on with it all the same, as "
                                            "answering yes in the window does"));
    }
    return opened;
}

OpenedImage OpenImage(const QString& path, bool force, std::ostream& err) {
    return OpenImage(path, force, err, exchange::LoadImage(path));
}

// The team named by --team, when one is; `status` is Done or the reported usage error.
struct NamedTeam {
    std::optional<int> team;
    int status = Done;
};

NamedTeam TeamOption(const Invocation& call) {
    if (!call.IsSet(QStringLiteral("team")))
        return {};
    const QString initials = call.Value(QStringLiteral("team"));
    if (const std::optional<int> team = teamdata::TeamOfInitials(initials.toStdString()))
        return {team, Done};
    QStringList teams;
    for (int team = 0; team < teamdata::TeamCount; ++team)
        teams << exchange::TeamInitialsText(team);
    return {std::nullopt, ReportUsage(call.err, call.command,
                                      Cli::tr("no team has the initials \"%1\"; the teams are %2")
                                          .arg(Shown(initials), teams.join(QLatin1Char(' '))))};
}

int ReadStandardInput(std::istream& in, QByteArray& bytes, std::ostream& err) {
    std::string text;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > exchange::MaxCsvFileSize)
            return Report(err,
                          Cli::tr("standard input is larger than %1 bytes, more than any league "
                                  "file; nothing was read")
                              .arg(exchange::MaxCsvFileSize),
                          DataRefused);
    }
    if (const int error = StandardInputError(in); in.bad() || error != 0)
        return Report(err, WithReason(Cli::tr("cannot read standard input"), error), FileFailed);
    bytes = QByteArray::fromStdString(text);
    return Done;
}

// A file named on the command line, whole, unless it is larger than `maxSize`: then it is
// refused before it is read, as no file of its kind comes near that size.
int ReadInputFile(const QString& name, std::uint64_t maxSize, QByteArray& bytes,
                  std::ostream& err) {
    exchange::InputFile input = exchange::ReadInputFile(name, maxSize);
    using Outcome = exchange::InputFile::Outcome;
    switch (input.outcome) {
    case Outcome::Read:
        bytes = std::move(input.bytes);
        return Done;
    case Outcome::Unreadable:
        return Report(err,
                      WithReason(Cli::tr("cannot read %1").arg(Shown(name)), input.systemError),
                      FileFailed);
    case Outcome::NotAFile:
        return Report(err, Cli::tr("cannot read %1: it is not a regular file").arg(Shown(name)),
                      FileFailed);
    case Outcome::TooLarge:
        return Report(err,
                      Cli::tr("%1 is larger than %2 bytes, more than any file of its kind; "
                              "nothing was read")
                          .arg(Shown(name))
                          .arg(maxSize),
                      DataRefused);
    }
    return FileFailed;
}

// "30", "0.5": a --wait as the user gave it.
QString SecondsText(std::chrono::milliseconds limit) {
    return QString::number(static_cast<double>(limit.count()) / 1000.0);
}

// The wait for another's lock on `file`, told once on standard error as it begins.
teamdata::LockWait WaitFor(const Invocation& call, const QString& file) {
    teamdata::LockWait wait;
    wait.limit = call.WaitLimit();
    wait.waiting = [&call, file, limit = wait.limit](const teamdata::LockHolder& holder) {
        WriteText(call.err, QLatin1String(ProgramName) + QStringLiteral(": ") +
                                Cli::tr("%1 is locked by %2; waiting up to %3 seconds for it")
                                    .arg(Shown(file), exchange::DescribeLockHolder(holder),
                                         SecondsText(limit)) +
                                QLatin1Char('\n'));
        call.err.flush();
    };
    return wait;
}

// A lock that was not let go in time is a file that could not be written: status 3.
int ReportLocked(const Invocation& call, const QString& file, const teamdata::LockHolder& holder) {
    const QString message =
        call.WaitLimit().count() > 0
            ? Cli::tr("%1 is still locked by %2 after %3 seconds; nothing was written")
                  .arg(Shown(file), exchange::DescribeLockHolder(holder),
                       SecondsText(call.WaitLimit()))
            : Cli::tr("%1 is locked by %2; nothing was written")
                  .arg(Shown(file), exchange::DescribeLockHolder(holder));
    return Report(call.err, message, FileFailed);
}

// A result to standard output for "-" or no name, otherwise written safely to the file: under
// its lock, and only while it is the file the command saw when it began.
int WriteOutput(const Invocation& call, const QString& name, std::span<const std::uint8_t> bytes) {
    if (name.isEmpty() || name == StandardStream) {
        call.out.write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<std::streamsize>(bytes.size()));
        call.out.flush();
        if (!call.out)
            return Report(call.err, Cli::tr("cannot write to standard output"), FileFailed);
        return Done;
    }
    const teamdata::FileWriteResult written = teamdata::WriteFileSafely(
        exchange::NativePath(name), bytes, {nullptr, WaitFor(call, name), call.outputSeen});
    switch (written.outcome) {
    case teamdata::FileWriteOutcome::Written:
        if (!written.aftermath.Clean())
            return Report(call.err, exchange::DescribeWriteAftermath(written.aftermath, name),
                          FileFailed);
        return Done;
    case teamdata::FileWriteOutcome::Busy:
        return ReportLocked(call, name, written.holder);
    case teamdata::FileWriteOutcome::TargetChanged:
        // Refused for now, as an image changed since it was read is.
        return Report(call.err, exchange::DescribeWriteFailure(written, name), DataRefused);
    case teamdata::FileWriteOutcome::TargetUncreatable:
    case teamdata::FileWriteOutcome::WriteFailed:
        break;
    }
    return Report(call.err, exchange::DescribeWriteFailure(written, name), FileFailed);
}

// "FILE:LINE:COLUMN: message", the form editors and build tools jump to; the column is left out
// when the issue is about a whole line.
void ReportCsvIssue(std::ostream& err, const QString& file, const reports::CsvIssue& issue,
                    bool note) {
    QString place = Shown(file) + QLatin1Char(':') + QString::number(issue.line);
    if (issue.column > 0)
        place += QLatin1Char(':') + QString::number(issue.column);
    QString message = exchange::DescribeCsvIssue(issue);
    // The text read, as the window's error list shows it beside the reason.
    if (issue.column > 0 && !note)
        message += QStringLiteral(" (\"%1\")").arg(exchange::Shown(issue.text));
    WriteText(err, place + QStringLiteral(": ") +
                       (note ? Cli::tr("note: %1").arg(message) : message) + QLatin1Char('\n'));
}

// Errors and notes in the order of the file, so that a reader goes through it once.
void ReportCsvIssues(std::ostream& err, const QString& file, const reports::CsvImport& import) {
    struct Entry {
        const reports::CsvIssue* issue;
        bool note;
    };
    std::vector<Entry> entries;
    for (const reports::CsvIssue& issue : import.errors)
        entries.push_back({&issue, false});
    for (const reports::CsvIssue& issue : import.notes)
        entries.push_back({&issue, true});
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return std::pair(a.issue->line, a.issue->column) <
               std::pair(b.issue->line, b.issue->column);
    });
    for (const Entry& entry : entries)
        ReportCsvIssue(err, file, *entry.issue, entry.note);
    err.flush();
}

QString InitialsOf(const std::vector<teamdata::TeamWrite>& writes) {
    QStringList initials;
    for (const teamdata::TeamWrite& write : writes)
        initials << exchange::TeamInitialsText(write.team);
    return initials.join(QLatin1Char(' '));
}

int ReportImageWrite(const Invocation& call, const teamdata::ImageWriteResult& result,
                     const QString& image, const QString& target) {
    if (result.Written())
        return result.aftermath.Clean()
                   ? Done
                   : Report(call.err, exchange::DescribeWriteAftermath(result.aftermath, target),
                            FileFailed);
    if (result.outcome == teamdata::ImageWriteOutcome::Busy)
        return ReportLocked(call, result.lockedFile == exchange::NativePath(image) ? image : target,
                            result.holder);
    // An image or a target that is no longer what was read is data refused for now rather than
    // a file that cannot be written.
    const bool refused = result.outcome == teamdata::ImageWriteOutcome::SourceChanged ||
                         result.outcome == teamdata::ImageWriteOutcome::TargetChanged ||
                         result.outcome == teamdata::ImageWriteOutcome::SourceRefused ||
                         result.outcome == teamdata::ImageWriteOutcome::TextRefused;
    return Report(call.err, exchange::DescribeWriteFailure(result, image, target),
                  refused ? DataRefused : FileFailed);
}

} // namespace

int RunInfo(const Invocation& call) {
    exchange::LoadedImage loaded = exchange::LoadImage(call.Argument(0));
    // Which cartridge the file is, told also of one that fails the check: that is when it is
    // wanted most.
    if (loaded.read == teamdata::FileRead::Read) {
        const QStringList identity =
            exchange::DescribeIdentity(exchange::IdentityOf(loaded), loaded);
        WriteText(call.out, identity.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        if (call.IsSet(QStringLiteral("identity")))
            return Done;
    }
    // The team lines come from the same bytes as the identity above them.
    const OpenedImage opened =
        OpenImage(call.Argument(0), call.Force(), call.err, std::move(loaded));
    if (opened.status != Done)
        return opened.status;
    const exchange::LeagueRecords league = exchange::RecordsOf(opened.image);
    for (int team = 0; team < teamdata::TeamCount; ++team) {
        const teamdata::TeamTexts texts = teamdata::TextsOf(league[static_cast<std::size_t>(team)]);
        const QStringList fields = {
            exchange::TeamInitialsText(team),
            QString::fromStdString(reports::ColorText(texts.colors.helmet)),
            QString::fromStdString(reports::ColorText(texts.colors.uniform)),
            QString::fromStdString(texts.batters[0][teamdata::BatterColumn::Name - 1]),
        };
        WriteText(call.out, fields.join(QLatin1Char('\t')) + QLatin1Char('\n'));
    }
    return Done;
}

int RunExport(const Invocation& call) {
    const QString format = call.Value(QStringLiteral("format")).toLower();
    const bool html = format == QLatin1String("html");
    if (!html && call.IsSet(QStringLiteral("format")) && format != QLatin1String("csv"))
        return ReportUsage(call.err, call.command,
                           Cli::tr("unknown format \"%1\"; it is csv or html")
                               .arg(Shown(call.Value(QStringLiteral("format")))));
    const QString encoding = call.Value(QStringLiteral("encoding")).toLower();
    const bool utf8 = encoding == QLatin1String("utf-8");
    if (!utf8 && call.IsSet(QStringLiteral("encoding")) && encoding != QLatin1String("shift_jis"))
        return ReportUsage(call.err, call.command,
                           Cli::tr("unknown encoding \"%1\"; it is shift_jis or utf-8")
                               .arg(Shown(call.Value(QStringLiteral("encoding")))));
    const NamedTeam named = TeamOption(call);
    if (named.status != Done)
        return named.status;
    if (html && !named.team)
        return ReportUsage(call.err, call.command,
                           Cli::tr("--format html needs --team: a page shows one team"));
    if (html && utf8)
        return ReportUsage(call.err, call.command,
                           Cli::tr("--encoding utf-8 is for the CSV files; a page is always "
                                   "written in Shift_JIS"));
    const OpenedImage opened = OpenImage(call.Argument(0), call.Force(), call.err);
    if (opened.status != Done)
        return opened.status;
    const reports::LeagueTexts league = exchange::TextsOf(exchange::RecordsOf(opened.image));

    const exchange::CsvEncoding csvEncoding =
        utf8 ? exchange::CsvEncoding::Utf8 : exchange::CsvEncoding::ShiftJis;
    QByteArray bytes;
    if (!named.team) {
        bytes = exchange::LeagueCsvBytes(league, csvEncoding);
    } else if (!html) {
        bytes = exchange::TeamCsvBytes(league[static_cast<std::size_t>(*named.team)], csvEncoding);
    } else {
        try {
            bytes =
                exchange::TeamHtmlBytes(*named.team, league[static_cast<std::size_t>(*named.team)]);
        } catch (const std::runtime_error&) {
            // The totals row sums the cells; the window refuses a page it cannot sum as well.
            return Report(call.err, Cli::tr("team %1 holds a value that is no number; its page "
                                            "cannot be written")
                                        .arg(exchange::TeamInitialsText(*named.team)));
        }
    }
    return WriteOutput(call, call.Value(QStringLiteral("o")), BytesOf(bytes));
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

    const exchange::ImportPlan plan = exchange::PlanImport(opened.image, bytes, named.team);
    const QString fileName = file == StandardStream ? StandardInputName : file;
    if (const int status = call.CheckCsvRead(fileName, plan.read.leagueFile); status != Done)
        return status;
    ReportCsvIssues(call.err, fileName, plan.read);
    if (exchange::TeamMissing(plan))
        return ReportUsage(call.err, call.command,
                           Cli::tr("name the team of a team CSV with --team"));
    if (!plan.read.errors.empty())
        return Report(call.err, Cli::tr("nothing was written"));

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
    const exchange::PatchFile patch =
        exchange::MakePatchFile(patchPath, original.image, modified.image);
    if (patch.outcome == exchange::PatchFile::Outcome::TooLargeForIps)
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

namespace {

// The other commands' refusal is diff's "different"; a refused input of diff has a status of its
// own.
int AsDiffStatus(int status) {
    return status == DataRefused ? DiffRefused : status;
}

// What IMAGE is compared with, as diff was asked for it: another image, or IMAGE as a patch or
// an import would make it. `status` is Done or what to end with, reported.
struct Compared {
    plans::ComparisonPlan plan;
    int status = Done;
};

// The other side read as diff was asked for it, or the status to end with, reported.
struct OtherSide {
    plans::CompareKind kind = plans::CompareKind::Image;
    QString name; // as messages name it
    QByteArray bytes;
    NamedTeam team;
    int status = Done;
};

OtherSide ReadOtherSide(const Invocation& call) {
    OtherSide side;
    const bool other = call.IsSet(QStringLiteral("csv")) || call.IsSet(QStringLiteral("patch"));
    if (call.IsSet(QStringLiteral("csv")) && call.IsSet(QStringLiteral("patch"))) {
        side.status =
            ReportUsage(call.err, call.command, Cli::tr("give --patch or --csv, not both"));
        return side;
    }
    if (call.IsSet(QStringLiteral("team")) && !call.IsSet(QStringLiteral("csv"))) {
        side.status =
            ReportUsage(call.err, call.command, Cli::tr("--team names the team of --csv"));
        return side;
    }
    const QString second = call.Argument(1);
    if (second.isEmpty() == !other) {
        side.status =
            ReportUsage(call.err, call.command,
                        Cli::tr("give one of OTHER, --patch PATCH and --csv FILE to compare with"));
        return side;
    }
    if (!other) {
        // Opened, with its doubts worded, as every command opens an image.
        side.name = second;
        const OpenedImage opened = OpenImage(second, call.Force(), call.err);
        side.bytes = QByteArray(reinterpret_cast<const char*>(opened.image.bytes.data()),
                                static_cast<qsizetype>(opened.image.bytes.size()));
        side.status = AsDiffStatus(opened.status);
        return side;
    }
    if (call.IsSet(QStringLiteral("patch"))) {
        side.kind = plans::CompareKind::Patch;
        side.name = call.Value(QStringLiteral("patch"));
        side.status = AsDiffStatus(
            ReadInputFile(side.name, exchange::MaxPatchFileSize, side.bytes, call.err));
        return side;
    }
    side.kind = plans::CompareKind::Csv;
    side.team = TeamOption(call);
    if (side.team.status != Done) {
        side.status = side.team.status;
        return side;
    }
    const QString file = call.Value(QStringLiteral("csv"));
    side.name = file == StandardStream ? StandardInputName : file;
    side.status =
        AsDiffStatus(file == StandardStream
                         ? ReadStandardInput(call.in, side.bytes, call.err)
                         : ReadInputFile(file, exchange::MaxCsvFileSize, side.bytes, call.err));
    return side;
}

// The other side of a comparison as the words and the review page take an image.
exchange::LoadedImage AfterImage(const plans::ComparisonPlan& plan) {
    exchange::LoadedImage after;
    after.read = teamdata::FileRead::Read;
    after.bytes = plan.after;
    after.check = plan.afterCheck;
    return after;
}

Compared AfterImageOf(const Invocation& call, const exchange::LoadedImage& image) {
    Compared compared;
    const OtherSide side = ReadOtherSide(call);
    if (side.status != Done) {
        compared.status = side.status;
        return compared;
    }
    plans::CompareChoices how;
    how.team = side.team.team;
    // An image opened above has had its --force asked for already.
    how.agreed = call.Force() || side.kind == plans::CompareKind::Image;
    how.decodeText = exchange::DecodeTextBytes;
    compared.plan = plans::PlanComparison(image.bytes, BytesOf(side.bytes), side.kind, how);
    const plans::ComparisonPlan& plan = compared.plan;
    const auto refuse = [&](const QString& why) {
        return Report(call.err,
                      Cli::tr("%1 cannot be compared as %2 would make it: %3")
                          .arg(Shown(call.Argument(0)), Shown(side.name), why),
                      DiffRefused);
    };
    // Read exactly as the import reads it, with its errors reported as the import reports them.
    if (plan.read) {
        if (const int status = call.CheckCsvRead(side.name, plan.read->leagueFile);
            status != Done) {
            compared.status = status;
            return compared;
        }
        ReportCsvIssues(call.err, side.name, *plan.read);
    }
    switch (plan.decision) {
    case plans::CompareDecision::Compared:
        break;
    case plans::CompareDecision::AlreadyApplied:
        Report(call.err, Cli::tr("note: %1").arg(exchange::DescribeApplyRefusal(*plan.apply)));
        return compared;
    case plans::CompareDecision::PatchRefused:
        compared.status = refuse(exchange::DescribeApplyRefusal(*plan.apply));
        return compared;
    case plans::CompareDecision::NoImage:
        compared.status = refuse(exchange::DescribeImageDoubt(AfterImage(plan)));
        return compared;
    case plans::CompareDecision::AskFirst:
        refuse(Cli::tr("the patched image does not look like an image of this game (%1)")
                   .arg(exchange::DescribeImageDoubt(AfterImage(plan))));
        compared.status =
            Report(call.err,
                   Cli::tr("give --force to go on with it all the same, as answering yes in "
                           "the window does"),
                   DiffRefused);
        return compared;
    case plans::CompareDecision::TeamMissing:
        compared.status =
            ReportUsage(call.err, call.command, Cli::tr("name the team of a team CSV with --team"));
        return compared;
    case plans::CompareDecision::CsvRefused:
        compared.status = DiffRefused;
        return compared;
    }
    if (plan.apply)
        for (const QString& note : exchange::DescribeApplyNotes(*plan.apply))
            Report(call.err, Cli::tr("note: %1").arg(note));
    return compared;
}

} // namespace

int RunDiff(const Invocation& call) {
    const QString format = call.Value(QStringLiteral("format")).toLower();
    if (call.IsSet(QStringLiteral("format")) && format != QLatin1String("text") &&
        format != QLatin1String("csv") && format != QLatin1String("html"))
        return ReportUsage(call.err, call.command,
                           Cli::tr("unknown format \"%1\"; it is text, csv or html")
                               .arg(Shown(call.Value(QStringLiteral("format")))));
    const OpenedImage opened = OpenImage(call.Argument(0), call.Force(), call.err);
    if (opened.status != Done)
        return AsDiffStatus(opened.status);
    const Compared compared = AfterImageOf(call, opened.image);
    if (compared.status != Done)
        return compared.status;

    const std::vector<teamdata::LeagueChange>& changes = compared.plan.changes;
    QByteArray bytes;
    if (format == QLatin1String("csv"))
        bytes = exchange::ChangeCsvBytes(changes);
    else if (format == QLatin1String("html"))
        bytes = exchange::ChangeHtmlBytes(changes, AfterImage(compared.plan));
    else
        bytes = exchange::ChangeText(changes).toUtf8();
    if (const int status = WriteOutput(call, call.Value(QStringLiteral("o")), BytesOf(bytes));
        status != Done)
        return AsDiffStatus(status);
    return changes.empty() ? Done : 1;
}

int RunOverview(const Invocation& call) {
    const OpenedImage opened = OpenImage(call.Argument(0), call.Force(), call.err);
    if (opened.status != Done)
        return opened.status;
    QByteArray page;
    try {
        page = exchange::LeagueOverviewBytes(exchange::TextsOf(exchange::RecordsOf(opened.image)));
    } catch (const std::runtime_error& error) {
        // Cells read from record bytes are always numbers; should one not be, say which.
        return Report(
            call.err,
            Cli::tr("the overview cannot be written: %1").arg(exchange::DescribeException(error)));
    }
    return WriteOutput(call, call.Value(QStringLiteral("o")), BytesOf(page));
}

int RunShow(const Invocation& call) {
    // As git's text converter show must not fail on a version of a file that it cannot show as a
    // league (cut short, empty, another file, too large): git would then show nothing of the whole
    // repository. It says in one line what the file is instead. A file that cannot be read at all
    // still fails; git hands its converter real files.
    exchange::LoadedImage loaded = exchange::LoadImage(call.Argument(0));
    if (exchange::ShownAsOneLine(loaded)) {
        WriteBytes(call.out, exchange::UnshownFileBytes(call.Argument(0), loaded));
        return Done;
    }
    // Only read: an image that does not look like this game's is shown all the same, as git
    // must be able to show every version of a file.
    const OpenedImage opened = OpenImage(call.Argument(0), true, call.err, std::move(loaded));
    if (opened.status != Done)
        return opened.status;
    WriteBytes(call.out, exchange::LeagueShowBytes(opened.image));
    return Done;
}

} // namespace cli
