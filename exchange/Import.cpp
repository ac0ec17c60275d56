// SPDX-License-Identifier: MIT
#include "Import.h"

#include "League.h"

#include <algorithm>

namespace exchange {

ImportPlan PlanImport(const LoadedImage& image, const QByteArray& file,
                      std::optional<int> teamOfTeamCsv, bool round) {
    const LeagueRecords records = RecordsOf(image);
    ImportPlan plan;
    plan.read = ReadCsvFile(file, TextsOf(records), teamOfTeamCsv, round);
    if (!plan.read.errors.empty())
        return plan;
    plan.writes = ImportWrites(records, plan.read);
    plan.result = image.bytes;
    for (const teamdata::TeamWrite& write : plan.writes)
        teamdata::PutTeamRecords(plan.result, write.team,
                                 std::get<teamdata::TeamRecords>(write.content));
    plan.changes = teamdata::CompareLeagues(image.bytes, plan.result);
    return plan;
}

bool TeamMissing(const ImportPlan& plan) {
    return std::any_of(plan.read.errors.begin(), plan.read.errors.end(),
                       [](const reports::CsvIssue& issue) {
                           return issue.kind == reports::CsvIssueKind::TeamNotGiven;
                       });
}

} // namespace exchange
