// SPDX-License-Identifier: MIT
// The commands that only read an image: info, export, overview and show.
#include "Commands.h"

#include "CliText.h"
#include "CommandSupport.h"
#include "StandardStreams.h"

#include "Changes.h"
#include "Compare.h"
#include "CsvReader.h"
#include "Exports.h"
#include "Files.h"
#include "ImageFile.h"
#include "ImageIdentity.h"
#include "Import.h"
#include "League.h"
#include "LeagueCsv.h"
#include "PatchFiles.h"
#include "SafeImageWriter.h"
#include "TeamInitials.h"
#include "TeamWords.h"

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

std::span<const std::uint8_t> BytesOfFile(const std::string& file) {
    return {reinterpret_cast<const std::uint8_t*>(file.data()), file.size()};
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
    plans::ExportChoices how;
    how.kind = html         ? plans::ExportKind::TeamPage
               : named.team ? plans::ExportKind::TeamCsv
                            : plans::ExportKind::LeagueCsv;
    how.team = named.team;
    how.encoding = utf8 ? plans::CsvEncoding::Utf8 : plans::CsvEncoding::ShiftJis;
    how.pageLabels = exchange::InterfaceTeamReportLabels();
    switch (plans::CheckExportChoices(how)) {
    case plans::ExportDecision::TeamNotGiven:
        return ReportUsage(call.err, call.command,
                           Cli::tr("--format html needs --team: a page shows one team"));
    case plans::ExportDecision::PageOnlyInShiftJis:
        return ReportUsage(call.err, call.command,
                           Cli::tr("--encoding utf-8 is for the CSV files; a page is always "
                                   "written in Shift_JIS"));
    case plans::ExportDecision::Made:
    case plans::ExportDecision::NotANumber:
        break;
    }
    const OpenedImage opened = OpenImage(call.Argument(0), call.Force(), call.err);
    if (opened.status != Done)
        return opened.status;
    const plans::ExportPlan plan = plans::PlanExport(opened.image.bytes, how);
    if (plan.decision == plans::ExportDecision::NotANumber)
        // The totals row sums the cells; the window refuses a page it cannot sum as well.
        return Report(call.err, Cli::tr("team %1 holds a value that is no number; its page "
                                        "cannot be written")
                                    .arg(exchange::TeamInitialsText(*named.team)));
    return WriteOutput(call, call.Value(QStringLiteral("o")), BytesOfFile(plan.bytes));
}

int RunOverview(const Invocation& call) {
    const OpenedImage opened = OpenImage(call.Argument(0), call.Force(), call.err);
    if (opened.status != Done)
        return opened.status;
    plans::ExportChoices how;
    how.kind = plans::ExportKind::Overview;
    how.overviewLabels = exchange::InterfaceOverviewLabels();
    const plans::ExportPlan plan = plans::PlanExport(opened.image.bytes, how);
    if (plan.decision == plans::ExportDecision::NotANumber)
        // Cells read from record bytes are always numbers; should one not be, say which.
        return Report(call.err, Cli::tr("the overview cannot be written: %1")
                                    .arg(exchange::DescribeNotANumber(plan.notANumber)));
    return WriteOutput(call, call.Value(QStringLiteral("o")), BytesOfFile(plan.bytes));
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
    plans::ExportChoices how;
    how.kind = plans::ExportKind::Show;
    WriteBytes(call.out,
               QByteArray::fromStdString(plans::PlanExport(opened.image.bytes, how).bytes));
    return Done;
}

} // namespace cli
