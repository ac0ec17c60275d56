// SPDX-License-Identifier: MIT
#include "Exports.h"

#include "Compare.h"
#include "JsonForms.h"
#include "LeagueCsv.h"
#include "LeagueShow.h"
#include "ShiftJisCodec.h"
#include "TRomTeamData.h"
#include "TextNumbers.h"

namespace plans {

namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

std::string CsvFile(const std::string& utf8, CsvEncoding encoding) {
    if (encoding == CsvEncoding::ShiftJis)
        return reports::EncodeShiftJis(utf8);
    return std::string(Utf8ByteOrderMark) + utf8;
}

teamdata::TeamTexts TeamTextsOf(std::span<const std::uint8_t> image, int team,
                                const std::optional<ShownTeam>& shown) {
    if (shown && shown->team == team)
        return shown->texts;
    return teamdata::TextsOf(teamdata::TeamRecordsAt(image, team));
}

reports::LeagueTexts LeagueOf(std::span<const std::uint8_t> image,
                              const std::optional<ShownTeam>& shown) {
    reports::LeagueTexts league = LeagueTextsOf(image);
    if (shown)
        league[static_cast<std::size_t>(shown->team)] = shown->texts;
    return league;
}

std::string FileOf(std::span<const std::uint8_t> image, const ExportChoices& how) {
    switch (how.kind) {
    case ExportKind::LeagueCsv:
        return LeagueCsvFile(LeagueOf(image, how.shown), how.encoding);
    case ExportKind::TeamCsv:
        return TeamCsvFile(TeamTextsOf(image, *how.team, how.shown), how.encoding);
    case ExportKind::TeamPage:
        return TeamPageFile(*how.team, TeamTextsOf(image, *how.team, how.shown), how.pageLabels);
    case ExportKind::Overview:
        return OverviewFile(LeagueOf(image, how.shown), how.overviewLabels);
    case ExportKind::Show:
        return reports::BuildLeagueShow(image);
    case ExportKind::LeagueJson:
        return reports::BuildLeagueJson(LeagueOf(image, how.shown));
    case ExportKind::TeamJson:
        return reports::BuildTeamJson(*how.team, TeamTextsOf(image, *how.team, how.shown));
    }
    return {};
}

} // namespace

std::string LeagueCsvFile(const reports::LeagueTexts& league, CsvEncoding encoding) {
    return CsvFile(reports::BuildLeagueCsv(league), encoding);
}

std::string TeamCsvFile(const teamdata::TeamTexts& team, CsvEncoding encoding) {
    return CsvFile(
        reports::BuildCsv(reports::BatterGrid(team.batters), reports::PitcherGrid(team.pitchers)),
        encoding);
}

std::string TeamPageFile(int team, const teamdata::TeamTexts& texts,
                         const reports::TeamReportLabels& labels) {
    return reports::EncodeShiftJis(reports::BuildHtml(
        TRomTeamData::TeamInitials[static_cast<std::size_t>(team)],
        reports::BatterGrid(texts.batters), reports::PitcherGrid(texts.pitchers), labels));
}

std::string OverviewFile(const reports::LeagueTexts& league,
                         const reports::OverviewLabels& labels) {
    return reports::BuildLeagueOverview(league, labels);
}

ExportDecision CheckExportChoices(const ExportChoices& how) {
    const bool ofOneTeam = how.kind == ExportKind::TeamCsv || how.kind == ExportKind::TeamPage ||
                           how.kind == ExportKind::TeamJson;
    if (ofOneTeam && (!how.team || *how.team < 0 || *how.team >= teamdata::TeamCount))
        return ExportDecision::TeamNotGiven;
    if (how.kind == ExportKind::TeamPage && how.encoding == CsvEncoding::Utf8)
        return ExportDecision::PageOnlyInShiftJis;
    return ExportDecision::Made;
}

ExportPlan PlanExport(std::span<const std::uint8_t> image, const ExportChoices& how) {
    ExportPlan plan;
    plan.decision = CheckExportChoices(how);
    if (plan.decision != ExportDecision::Made)
        return plan;
    // The page and the overview sum cells: one that is no number ends the export before any
    // byte is written, with the text that stopped it.
    try {
        plan.bytes = FileOf(image, how);
    } catch (const teamdata::NotANumberError& error) {
        plan.decision = ExportDecision::NotANumber;
        plan.notANumber = error.Text();
    }
    return plan;
}

} // namespace plans
