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
#include "JsonForms.h"
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

// The header kinds as the JSON form names them, the same in every language.
std::string HeaderKindWord(teamdata::InesKind kind) {
    switch (kind) {
    case teamdata::InesKind::Ines10:
        return "iNES 1.0";
    case teamdata::InesKind::Nes20:
        return "NES 2.0";
    case teamdata::InesKind::Archaic:
        return "archaic iNES";
    }
    return {};
}

// info --format json: the identity and the check's verdict always, the teams of an image that may
// be read; a refused image is still described, and the status says it was refused.
int RunInfoJson(const Invocation& call, exchange::LoadedImage loaded) {
    if (loaded.read != teamdata::FileRead::Read)
        return OpenImage(call.Argument(0), call.Force(), call.err, std::move(loaded)).status;
    const exchange::ImageIdentity identity = exchange::IdentityOf(loaded);
    reports::ImageJsonFacts facts;
    facts.size = identity.size;
    facts.crc32 = identity.crc32;
    facts.sha1 = identity.sha1.toStdString();
    facts.dataCrc32 = identity.dataCrc32;
    facts.dataSha1 = identity.dataSha1.toStdString();
    if (identity.header)
        facts.header = reports::ImageJsonFacts::Header{
            HeaderKindWord(identity.header->kind), identity.header->programSize,
            identity.header->characterSize, identity.header->mapper, identity.header->trainer};
    facts.verdict = loaded.Refused() ? "refused" : loaded.Questionable() ? "ask" : "open";
    if (loaded.Refused() || loaded.Questionable())
        facts.doubt = exchange::DescribeImageDoubt(loaded).toStdString();
    int status = Done;
    if (!call.IsSet(QStringLiteral("identity"))) {
        const OpenedImage opened =
            OpenImage(call.Argument(0), call.Force(), call.err, std::move(loaded));
        status = opened.status;
        if (status == Done)
            facts.teams = exchange::TextsOf(exchange::RecordsOf(opened.image));
    }
    WriteBytes(call.out, QByteArray::fromStdString(reports::BuildImageJson(facts)));
    return status;
}

// --format of export and show: the form's name, lower case, or empty when it is none of
// `known`, which has been reported then.
QString FormatOption(const Invocation& call, const QStringList& known, int& status) {
    const QString format = call.Value(QStringLiteral("format")).toLower();
    if (!call.IsSet(QStringLiteral("format")))
        return known.front();
    if (known.contains(format))
        return format;
    status = ReportUsage(
        call.err, call.command,
        Cli::tr("unknown format \"%1\"; it is %2")
            .arg(Shown(call.Value(QStringLiteral("format"))), known.join(QStringLiteral(", "))));
    return {};
}

} // namespace

int RunInfo(const Invocation& call) {
    int formatStatus = Done;
    const QString format =
        FormatOption(call, {QStringLiteral("text"), QStringLiteral("json")}, formatStatus);
    if (formatStatus != Done)
        return formatStatus;
    if (format == QLatin1String("json"))
        return RunInfoJson(call, exchange::LoadImage(call.Argument(0)));
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
    int formatStatus = Done;
    const QString format =
        FormatOption(call, {QStringLiteral("csv"), QStringLiteral("html"), QStringLiteral("json")},
                     formatStatus);
    if (formatStatus != Done)
        return formatStatus;
    const bool html = format == QLatin1String("html");
    const bool json = format == QLatin1String("json");
    if (json && call.IsSet(QStringLiteral("encoding")))
        return ReportUsage(call.err, call.command,
                           Cli::tr("--encoding is for the CSV files; JSON is always UTF-8"));
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
    if (html)
        how.kind = plans::ExportKind::TeamPage;
    else if (json)
        how.kind = named.team ? plans::ExportKind::TeamJson : plans::ExportKind::LeagueJson;
    else
        how.kind = named.team ? plans::ExportKind::TeamCsv : plans::ExportKind::LeagueCsv;
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
    int formatStatus = Done;
    const QString format =
        FormatOption(call, {QStringLiteral("text"), QStringLiteral("json")}, formatStatus);
    if (formatStatus != Done)
        return formatStatus;
    const bool json = format == QLatin1String("json");
    // As git's text converter show must not fail on a version of a file that it cannot show as a
    // league (cut short, empty, another file, too large): git would then show nothing of the whole
    // repository. It says in one line what the file is instead. A file that cannot be read at all
    // still fails; git hands its converter real files. A script asking for JSON gets no such
    // line, which no JSON reader would take: the file is refused as every other command does.
    exchange::LoadedImage loaded = exchange::LoadImage(call.Argument(0));
    if (exchange::ShownAsOneLine(loaded)) {
        if (json) {
            const OpenedImage refused =
                OpenImage(call.Argument(0), true, call.err, std::move(loaded));
            return refused.status != Done ? refused.status : DataRefused;
        }
        WriteBytes(call.out, exchange::UnshownFileBytes(call.Argument(0), loaded));
        return Done;
    }
    // Only read: an image that does not look like this game's is shown all the same, as git
    // must be able to show every version of a file.
    const OpenedImage opened = OpenImage(call.Argument(0), true, call.err, std::move(loaded));
    if (opened.status != Done)
        return opened.status;
    plans::ExportChoices how;
    how.kind = json ? plans::ExportKind::LeagueJson : plans::ExportKind::Show;
    WriteBytes(call.out,
               QByteArray::fromStdString(plans::PlanExport(opened.image.bytes, how).bytes));
    return Done;
}

} // namespace cli
