// SPDX-License-Identifier: MIT
#include "CommandSupport.h"

#include "CliText.h"
#include "StandardStreams.h"

#include "Changes.h"
#include "CsvReader.h"
#include "Files.h"
#include "ImageFile.h"
#include "ImageIdentity.h"
#include "League.h"
#include "LeagueCsv.h"
#include "PatchFiles.h"
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

// "cannot write X: no space left on the device"
QString WithReason(const QString& message, int systemError) {
    return exchange::WithReason(message, systemError);
}

// "30", "0.5": a --wait as the user gave it.
QString SecondsText(std::chrono::milliseconds limit) {
    return QString::number(static_cast<double>(limit.count()) / 1000.0);
}

// "FILE:LINE:COLUMN: message", the form editors and build tools jump to; the column is left out
// when the issue is about a whole line. In a JSON file "FILE:POINTER: message", and "FILE:
// message" for the whole document, whose pointer is empty.
void ReportCsvIssue(std::ostream& err, const QString& file, const reports::CsvIssue& issue,
                    bool note) {
    QString place = Shown(file);
    if (issue.pointer) {
        if (!issue.pointer->empty())
            place += QLatin1Char(':') + QString::fromStdString(*issue.pointer);
    } else {
        place += QLatin1Char(':') + QString::number(issue.line);
        if (issue.column > 0)
            place += QLatin1Char(':') + QString::number(issue.column);
    }
    QString message = exchange::DescribeCsvIssue(issue);
    // The text read, as the window's error list shows it beside the reason.
    if ((issue.column > 0 || (issue.pointer && issue.cell)) && !note)
        message += QStringLiteral(" (\"%1\")").arg(exchange::Shown(issue.text));
    WriteText(err, place + QStringLiteral(": ") +
                       (note ? Cli::tr("note: %1").arg(message) : message) + QLatin1Char('\n'));
}

} // namespace

std::span<const std::uint8_t> BytesOf(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

QString Shown(const QString& text) {
    return exchange::Shown(text);
}

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
    switch (image.Verdict()) {
    case plans::OpenVerdict::Open:
        break;
    case plans::OpenVerdict::Refused: {
        // A file that is there but is no image of this game is refused data; one that cannot be
        // read at all is a file error, which a script may want to tell apart.
        const bool unreadable = image.read == teamdata::FileRead::Unreadable ||
                                image.read == teamdata::FileRead::NotAFile;
        opened.status =
            Report(err, Shown(path) + QStringLiteral(": ") + exchange::DescribeImageDoubt(image),
                   unreadable ? FileFailed : DataRefused);
        break;
    }
    case plans::OpenVerdict::AskFirst:
        if (force)
            break;
        Report(err, Cli::tr("%1 does not look like an image of this game (%2)")
                        .arg(Shown(path), exchange::DescribeImageDoubt(image)));
        opened.status = Report(err, Cli::tr("give --force to go on with it all the same, as "
                                            "answering yes in the window does"));
        break;
    }
    return opened;
}

OpenedImage OpenImage(const QString& path, bool force, std::ostream& err) {
    return OpenImage(path, force, err, exchange::LoadImage(path));
}

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

} // namespace cli
