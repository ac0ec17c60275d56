// SPDX-License-Identifier: MIT
#include "Commands.h"

#include "CliText.h"

#include "CsvReader.h"
#include "ImageFile.h"
#include "League.h"
#include "LeagueCsv.h"
#include "Patch.h"
#include "SafeImageWriter.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

namespace {

const QString StandardStream = QStringLiteral("-");
// How an error in a file read from standard input names its place.
const QString StandardInputName = QStringLiteral("<stdin>");

// No league file or patch comes near an image's size; a larger input (or a device that never
// ends) is refused before it fills the memory.
constexpr qint64 MaxInputSize = static_cast<qint64>(teamdata::MaxImageFileSize);

std::span<const std::uint8_t> BytesOf(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

std::span<const std::uint8_t> BytesOf(const std::vector<std::uint8_t>& bytes) {
    return {bytes.data(), bytes.size()};
}

// An image read and checked; `status` is Done when the command may go on with it, and otherwise
// has been reported.
struct OpenedImage {
    LoadedImage image;
    int status = Done;
};

OpenedImage OpenImage(const QString& path, bool force, std::ostream& err) {
    OpenedImage opened{LoadImage(path)};
    const LoadedImage& image = opened.image;
    if (image.Refused()) {
        // A file that is there but is no image of this game is refused data; one that cannot be
        // read at all is a file error, which a script may want to tell apart.
        const bool unreadable = image.read == teamdata::FileRead::Unreadable ||
                                image.read == teamdata::FileRead::NotAFile;
        opened.status = Report(err, path + QStringLiteral(": ") + DescribeImageDoubt(image),
                               unreadable ? FileFailed : DataRefused);
    } else if (image.Questionable() && !force) {
        Report(err, Cli::tr("%1 does not look like an image of this game (%2)")
                        .arg(path, DescribeImageDoubt(image)));
        opened.status = Report(err, Cli::tr("give --force to go on with it all the same, as "
                                            "answering yes in the window does"));
    }
    return opened;
}

std::optional<int> TeamOfInitials(const QString& initials) {
    return reports::TeamOfInitials(initials.toStdString());
}

int ReportUnknownTeam(std::ostream& err, const QString& command, const QString& initials) {
    QStringList teams;
    for (int team = 0; team < teamdata::TeamCount; ++team)
        teams << TeamInitialsText(team);
    return ReportUsage(err, command,
                       Cli::tr("no team has the initials \"%1\"; the teams are %2")
                           .arg(initials, teams.join(QLatin1Char(' '))));
}

bool IsStandardStream(const QString& name) {
    return name.isEmpty() || name == StandardStream;
}

bool IsSameFile(const QString& first, const QString& second) {
    std::error_code error;
    const bool same = std::filesystem::equivalent(std::filesystem::path(NativePath(first)),
                                                  std::filesystem::path(NativePath(second)), error);
    return same && !error;
}

int ReadStandardInput(std::istream& in, QByteArray& bytes, std::ostream& err) {
    std::string text;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (static_cast<qint64>(text.size()) > MaxInputSize)
            return Report(err, Cli::tr("standard input is too large"), FileFailed);
    }
    if (in.bad())
        return Report(err, Cli::tr("cannot read standard input"), FileFailed);
    bytes = QByteArray::fromStdString(text);
    return Done;
}

int ReadInputFile(const QString& name, QByteArray& bytes, std::ostream& err) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return Report(err, Cli::tr("cannot read %1: %2").arg(name, file.errorString()), FileFailed);
    bytes = file.read(MaxInputSize + 1);
    if (bytes.size() > MaxInputSize)
        return Report(err, Cli::tr("%1 is too large").arg(name), FileFailed);
    if (file.error() != QFileDevice::NoError)
        return Report(err, Cli::tr("cannot read %1: %2").arg(name, file.errorString()), FileFailed);
    return Done;
}

// A result to standard output for "-" or no name, otherwise written safely to the file.
int WriteOutput(const QString& name, const QByteArray& bytes, std::ostream& out,
                std::ostream& err) {
    if (IsStandardStream(name)) {
        WriteBytes(out, bytes);
        out.flush();
        if (!out)
            return Report(err, Cli::tr("cannot write to standard output"), FileFailed);
        return Done;
    }
    if (!teamdata::WriteFileSafely(NativePath(name), BytesOf(bytes)).Written())
        return Report(err, Cli::tr("cannot write %1").arg(name), FileFailed);
    return Done;
}

int WriteOutput(const QString& name, const std::vector<std::uint8_t>& bytes, std::ostream& err) {
    if (!teamdata::WriteFileSafely(NativePath(name), BytesOf(bytes)).Written())
        return Report(err, Cli::tr("cannot write %1").arg(name), FileFailed);
    return Done;
}

// "FILE:LINE:COLUMN: message", the form editors and build tools jump to; the column is left out
// when the issue is about a whole line.
void ReportCsvIssue(std::ostream& err, const QString& file, const reports::CsvIssue& issue,
                    bool note) {
    QString place = file + QLatin1Char(':') + QString::number(issue.line);
    if (issue.column > 0)
        place += QLatin1Char(':') + QString::number(issue.column);
    const QString message = exchange::DescribeCsvIssue(issue);
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
        initials << TeamInitialsText(write.team);
    return initials.join(QLatin1Char(' '));
}

int ReportImageWrite(std::ostream& err, teamdata::ImageWriteOutcome outcome, const QString& image,
                     const QString& target) {
    using teamdata::ImageWriteOutcome;
    switch (outcome) {
    case ImageWriteOutcome::Written:
        return Done;
    case ImageWriteOutcome::SourceUnreadable:
        return Report(err, Cli::tr("cannot read %1").arg(image), FileFailed);
    case ImageWriteOutcome::SourceRefused:
    case ImageWriteOutcome::SourceChanged:
        return Report(
            err, Cli::tr("%1 changed while it was being read; nothing was written").arg(image));
    case ImageWriteOutcome::TargetUncreatable:
        return Report(err, Cli::tr("cannot create %1").arg(target), FileFailed);
    case ImageWriteOutcome::WriteFailed:
        return Report(err, Cli::tr("cannot write %1; it is left as it was").arg(target),
                      FileFailed);
    case ImageWriteOutcome::TextRefused:
    case ImageWriteOutcome::Busy:
        break;
    }
    return Report(err, Cli::tr("the teams cannot be written into %1").arg(target));
}

} // namespace

int RunInfo(const InfoRequest& request, std::ostream& out, std::ostream& err) {
    const OpenedImage opened = OpenImage(request.image, request.force, err);
    if (opened.status != Done)
        return opened.status;
    const exchange::LeagueRecords league = exchange::RecordsOf(opened.image);
    for (int team = 0; team < teamdata::TeamCount; ++team) {
        const teamdata::TeamTexts texts = teamdata::TextsOf(league[static_cast<std::size_t>(team)]);
        const QStringList fields = {
            TeamInitialsText(team),
            QString::fromStdString(reports::ColorText(texts.colors.helmet)),
            QString::fromStdString(reports::ColorText(texts.colors.uniform)),
            QString::fromStdString(texts.batters[0][teamdata::BatterColumn::Name - 1]),
        };
        WriteText(out, fields.join(QLatin1Char('\t')) + QLatin1Char('\n'));
    }
    out.flush();
    return out ? Done : Report(err, Cli::tr("cannot write to standard output"), FileFailed);
}

int RunExport(const ExportRequest& request, std::ostream& out, std::ostream& err) {
    const QString command = QStringLiteral("export");
    if (request.format == ExportFormat::Html && request.team.isEmpty())
        return ReportUsage(err, command,
                           Cli::tr("--format html needs --team: a page shows one team"));
    std::optional<int> team;
    if (!request.team.isEmpty()) {
        team = TeamOfInitials(request.team);
        if (!team)
            return ReportUnknownTeam(err, command, request.team);
    }
    const OpenedImage opened = OpenImage(request.image, request.force, err);
    if (opened.status != Done)
        return opened.status;
    const reports::LeagueTexts league = exchange::TextsOf(exchange::RecordsOf(opened.image));

    QByteArray bytes;
    if (!team) {
        bytes = exchange::LeagueCsvBytes(league);
    } else if (request.format == ExportFormat::Csv) {
        bytes = exchange::TeamCsvBytes(league[static_cast<std::size_t>(*team)]);
    } else {
        try {
            bytes = exchange::TeamHtmlBytes(*team, league[static_cast<std::size_t>(*team)]);
        } catch (const std::runtime_error&) {
            // The totals row sums the cells; the window refuses a page it cannot sum as well.
            return Report(err, Cli::tr("team %1 holds a value that is no number; its page "
                                       "cannot be written")
                                   .arg(TeamInitialsText(*team)));
        }
    }
    return WriteOutput(request.output, bytes, out, err);
}

int RunImport(const ImportRequest& request, std::istream& in, std::ostream& out,
              std::ostream& err) {
    const QString command = QStringLiteral("import");
    if (request.output == StandardStream)
        return ReportUsage(err, command, Cli::tr("an image cannot be written to standard output"));
    std::optional<int> team;
    if (!request.team.isEmpty()) {
        team = TeamOfInitials(request.team);
        if (!team)
            return ReportUnknownTeam(err, command, request.team);
    }
    const OpenedImage opened = OpenImage(request.image, request.force, err);
    if (opened.status != Done)
        return opened.status;
    QByteArray bytes;
    const int read = request.file == StandardStream ? ReadStandardInput(in, bytes, err)
                                                    : ReadInputFile(request.file, bytes, err);
    if (read != Done)
        return read;

    const exchange::LeagueRecords records = exchange::RecordsOf(opened.image);
    const reports::CsvImport import =
        exchange::ReadCsvFile(bytes, exchange::TextsOf(records), team);
    const QString fileName = request.file == StandardStream ? StandardInputName : request.file;
    if (import.leagueFile && team)
        return ReportUsage(err, command,
                           Cli::tr("%1 is a league file, which names its teams itself; "
                                   "--team is for a team CSV")
                               .arg(fileName));
    ReportCsvIssues(err, fileName, import);
    const bool teamMissing =
        std::any_of(import.errors.begin(), import.errors.end(), [](const reports::CsvIssue& e) {
            return e.kind == reports::CsvIssueKind::TeamNotGiven;
        });
    if (teamMissing)
        return ReportUsage(err, command, Cli::tr("name the team of a team CSV with --team"));
    if (!import.errors.empty())
        return Report(err, Cli::tr("nothing was written"));

    const std::vector<teamdata::TeamWrite> writes = exchange::ImportWrites(records, import);
    const QString changed =
        writes.empty() ? QString() : QStringLiteral(" (") + InitialsOf(writes) + QLatin1Char(')');
    if (request.dryRun) {
        WriteText(out, Cli::tr("%1 of %2 teams would be rewritten")
                               .arg(writes.size())
                               .arg(teamdata::TeamCount) +
                           changed + QLatin1Char('\n'));
        return Done;
    }
    // Into the image itself nothing needs writing when nothing changed; a copy is made anyway,
    // since a script goes on with it.
    const QString target = request.output.isEmpty() ? request.image : request.output;
    if (!writes.empty() || !request.output.isEmpty()) {
        teamdata::ImageWriteRequest write;
        write.source = NativePath(request.image);
        write.target = NativePath(target);
        write.teams = writes;
        write.acceptQuestionable = request.force;
        if (const int status =
                ReportImageWrite(err, teamdata::WriteImage(write).outcome, request.image, target);
            status != Done)
            return status;
    }
    WriteText(out, Cli::tr("%1 of %2 teams rewritten").arg(writes.size()).arg(teamdata::TeamCount) +
                       changed + QLatin1Char('\n'));
    return Done;
}

int RunPatch(const PatchRequest& request, std::ostream& err) {
    const std::optional<teamdata::PatchFormat> format =
        teamdata::PatchFormatForName(NativePath(request.patch));
    if (!format)
        return ReportUsage(err, QStringLiteral("patch"),
                           Cli::tr("the patch's name must end in .bps or .ips, which chooses "
                                   "its format"));
    const OpenedImage original = OpenImage(request.original, request.force, err);
    if (original.status != Done)
        return original.status;
    const OpenedImage modified = OpenImage(request.modified, request.force, err);
    if (modified.status != Done)
        return modified.status;
    const teamdata::MadePatch made =
        teamdata::MakePatch(*format, original.image.bytes, modified.image.bytes);
    if (made.outcome == teamdata::PatchMaking::TooLargeForIps)
        return Report(err, Cli::tr("an IPS patch cannot describe images larger than 16 MiB; "
                                   "make a BPS patch"));
    return WriteOutput(request.patch, made.bytes, err);
}

int RunApply(const ApplyRequest& request, std::ostream& err) {
    const QString command = QStringLiteral("apply");
    if (request.output == StandardStream)
        return ReportUsage(err, command, Cli::tr("an image cannot be written to standard output"));
    // The original stays as it was, so that a patch that turns out wrong costs nothing.
    if (request.output == request.image || IsSameFile(request.output, request.image))
        return ReportUsage(err, command,
                           Cli::tr("a patch is never applied in place: give -o another file "
                                   "than %1")
                               .arg(request.image));
    const OpenedImage opened = OpenImage(request.image, request.force, err);
    if (opened.status != Done)
        return opened.status;
    QByteArray patch;
    if (const int status = ReadInputFile(request.patch, patch, err); status != Done)
        return status;
    const teamdata::AppliedPatch applied = teamdata::ApplyPatch(opened.image.bytes, BytesOf(patch));
    if (applied.refusal != teamdata::PatchRefusal::None)
        return Report(err, Cli::tr("%1 cannot be applied to %2: %3")
                               .arg(request.patch, request.image,
                                    exchange::DescribePatchRefusal(applied.refusal)));
    return WriteOutput(request.output, applied.result, err);
}

} // namespace cli
