// SPDX-License-Identifier: MIT
// The season command: a sheet of a real season's statistics into the league, by rules.
#include "Commands.h"

#include "CliText.h"
#include "CommandSupport.h"
#include "StandardStreams.h"

#include "Compare.h"
#include "Files.h"
#include "Import.h"
#include "KanjiReader.h"
#include "League.h"
#include "LeagueCsv.h"
#include "Season.h"
#include "SeasonWords.h"

#include <string>

namespace cli {

namespace {

void ReportSeasonIssues(std::ostream& err, const QString& sheet, const QString& rules,
                        const std::vector<plans::SeasonIssue>& issues, bool notes) {
    for (const plans::SeasonIssue& issue : issues) {
        QString place = exchange::IsRulesIssue(issue) ? rules : sheet;
        if (issue.line > 0)
            place += QLatin1Char(':') + QString::number(issue.line);
        if (issue.column > 0)
            place += QLatin1Char(':') + QString::number(issue.column);
        const QString message = exchange::DescribeSeasonIssue(issue);
        WriteText(err, place + QStringLiteral(": ") +
                           (notes ? Cli::tr("note: %1").arg(message) : message) +
                           QLatin1Char('\n'));
    }
}

} // namespace

int RunSeason(const Invocation& call) {
    const QString sheetPath = call.Argument(0);
    const QString image = call.Value(QStringLiteral("image"));
    const QString rulesPath = call.Value(QStringLiteral("rules"));
    const QString leagueFile = call.Value(QStringLiteral("o"));
    if (image.isEmpty())
        return ReportUsage(call.err, call.command,
                           Cli::tr("name the image with --image: the league the sheet goes into"));
    const bool importing = leagueFile.isEmpty();
    teamdata::ImageLock lock;
    if (importing && !call.IsSet(QStringLiteral("dry-run"))) {
        lock = teamdata::ImageLock::Acquire(exchange::NativePath(image), WaitFor(call, image));
        if (lock.State() == teamdata::ImageLockState::Busy)
            return ReportLocked(call, image, lock.Holder());
    }
    const OpenedImage opened = OpenImage(image, call.Force(), call.err);
    if (opened.status != Done)
        return opened.status;
    QByteArray sheet;
    if (const int status = ReadInputFile(sheetPath, exchange::MaxCsvFileSize, sheet, call.err);
        status != Done)
        return status;
    QByteArray rules;
    if (!rulesPath.isEmpty()) {
        if (const int status = ReadInputFile(rulesPath, exchange::MaxCsvFileSize, rules, call.err);
            status != Done)
            return status;
    } else {
        rules = QByteArray::fromStdString(std::string(plans::DefaultSeasonRules()));
    }

    readings::KanjiReader kanjiReader;
    teamdata::KanjiNameReader readKanji;
    if (call.IsSet(QStringLiteral("read-kanji")))
        readKanji = readings::KanjiNameReaderOf(kanjiReader);
    const plans::SeasonPlan plan = plans::PlanSeason(
        std::string_view(sheet.constData(), static_cast<std::size_t>(sheet.size())),
        std::string_view(rules.constData(), static_cast<std::size_t>(rules.size())),
        plans::LeagueTextsOf(opened.image.bytes), exchange::DecodeTextBytes, readKanji);
    const QString rulesName = rulesPath.isEmpty() ? QStringLiteral("season-rules.toml") : rulesPath;
    ReportSeasonIssues(call.err, sheetPath, rulesName, plan.errors, false);
    ReportSeasonIssues(call.err, sheetPath, rulesName, plan.sheet.notes, true);
    if (!plan.errors.empty())
        return Report(call.err, Cli::tr("nothing was written"));
    if (call.IsSet(QStringLiteral("explain"))) {
        QString explained;
        for (const plans::ValueExplanation& value : plan.explanation)
            explained += exchange::ExplainValue(value) + QLatin1Char('\n');
        WriteText(call.out, explained);
    }
    if (!importing)
        return WriteOutput(call, leagueFile, BytesOf(exchange::LeagueCsvBytes(plan.league)));
    // The import's own road: the league the season makes, as a league file, read back by the
    // import, so that what it checks, lists and writes is the import's.
    const std::string league = reports::BuildLeagueCsv(plan.league);
    const plans::ImportPlan imported = plans::PlanImport(
        opened.image.bytes, {reinterpret_cast<const std::uint8_t*>(league.data()), league.size()},
        {std::nullopt, exchange::DecodeTextBytes});
    if (!imported.read.errors.empty()) {
        ReportCsvIssues(call.err, sheetPath, imported.read);
        return Report(call.err, Cli::tr("nothing was written"));
    }
    return FinishImport(call, image, QString(), lock, opened, imported);
}

} // namespace cli
