// SPDX-License-Identifier: MIT
#include "Compare.h"

#include "CellMerge.h"
#include "Team.h"
#include "TextEncoding.h"

#include <algorithm>

namespace plans {

namespace {

std::string_view TextOf(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

void CompareWith(ComparisonPlan& plan, std::span<const std::uint8_t> image,
                 std::vector<std::uint8_t> after) {
    plan.after = std::move(after);
    plan.afterCheck = teamdata::CheckImage(plan.after);
    plan.changes = teamdata::CompareLeagues(image, plan.after);
}

void PlanWithImage(ComparisonPlan& plan, std::span<const std::uint8_t> image,
                   std::span<const std::uint8_t> other, bool agreed) {
    const teamdata::ImageCheck check = teamdata::CheckImage(other);
    if (check.verdict == teamdata::ImageVerdict::Refused) {
        plan.decision = CompareDecision::NoImage;
        plan.afterCheck = check;
        return;
    }
    if (check.verdict == teamdata::ImageVerdict::Questionable && !agreed) {
        plan.decision = CompareDecision::AskFirst;
        plan.afterCheck = check;
        return;
    }
    CompareWith(plan, image, {other.begin(), other.end()});
}

void PlanWithPatch(ComparisonPlan& plan, std::span<const std::uint8_t> image,
                   std::span<const std::uint8_t> patch, bool agreed) {
    // Compared as applying would write it, with the user's agreement as applying takes it: never
    // with a result that applying refuses.
    ApplyPlan& apply = plan.apply.emplace(PlanApply(image, patch, {agreed}));
    plan.afterCheck = apply.resultCheck;
    switch (apply.verdict) {
    case ApplyVerdict::Write:
        CompareWith(plan, image, apply.result);
        return;
    case ApplyVerdict::AlreadyApplied:
        // The image is what the patch gives: compared with itself, it shows no change.
        plan.decision = CompareDecision::AlreadyApplied;
        plan.after.assign(image.begin(), image.end());
        plan.afterCheck = teamdata::CheckImage(image);
        return;
    case ApplyVerdict::Refused:
        plan.decision = CompareDecision::PatchRefused;
        return;
    case ApplyVerdict::NoImage:
        plan.decision = CompareDecision::NoImage;
        return;
    case ApplyVerdict::AskFirst:
        plan.decision = CompareDecision::AskFirst;
        return;
    }
}

void PlanWithCsv(ComparisonPlan& plan, std::span<const std::uint8_t> image,
                 std::span<const std::uint8_t> file, const CompareChoices& how) {
    const reports::CsvImport& read = plan.read.emplace(
        ReadCsvFile(TextOf(file), LeagueTextsOf(image), how.team, how.decodeText, how.round));
    const bool teamMissing =
        std::any_of(read.errors.begin(), read.errors.end(), [](const reports::CsvIssue& issue) {
            return issue.kind == reports::CsvIssueKind::TeamNotGiven;
        });
    if (teamMissing)
        plan.decision = CompareDecision::TeamMissing;
    else if (!read.errors.empty())
        plan.decision = CompareDecision::CsvRefused;
    else
        CompareWith(plan, image, ImportedImage(image, read));
}

} // namespace

ComparisonPlan PlanComparison(std::span<const std::uint8_t> image,
                              std::span<const std::uint8_t> other, CompareKind kind,
                              const CompareChoices& how) {
    ComparisonPlan plan;
    switch (kind) {
    case CompareKind::Image:
        PlanWithImage(plan, image, other, how.agreed);
        break;
    case CompareKind::Patch:
        PlanWithPatch(plan, image, other, how.agreed);
        break;
    case CompareKind::Csv:
        PlanWithCsv(plan, image, other, how);
        break;
    }
    return plan;
}

reports::CsvImport ReadCsvFile(std::string_view bytes, const reports::LeagueTexts& current,
                               std::optional<int> teamOfTeamCsv, const TextDecoder& decodeText,
                               bool round) {
    const reports::TextEncoding encoding = reports::GuessTextEncoding(bytes);
    if (encoding == reports::TextEncoding::Utf16 || encoding == reports::TextEncoding::Utf32 ||
        encoding == reports::TextEncoding::NotText) {
        // Read as Shift_JIS, such a file would give a line of stray characters per character.
        reports::CsvImport refused;
        reports::CsvIssue& issue = refused.errors.emplace_back();
        issue.line = 1;
        if (encoding == reports::TextEncoding::Utf16) {
            issue.kind = reports::CsvIssueKind::Utf16Text;
        } else if (encoding == reports::TextEncoding::Utf32) {
            issue.kind = reports::CsvIssueKind::Utf32Text;
        } else {
            issue.kind = reports::CsvIssueKind::NotText;
            issue.line = reports::LineOfFirstZeroByte(bytes);
        }
        return refused;
    }
    // Shift_JIS text with any Japanese in it is practically never valid UTF-8, and text that is
    // both (plain ASCII) reads the same either way.
    if (reports::IsValidUtf8(bytes))
        return reports::ReadCsv(bytes, current, teamOfTeamCsv, round);
    return reports::ReadCsv(decodeText(bytes), current, teamOfTeamCsv, round);
}

reports::LeagueTexts LeagueTextsOf(std::span<const std::uint8_t> image) {
    reports::LeagueTexts texts;
    for (int team = 0; team < teamdata::TeamCount; ++team)
        texts[static_cast<std::size_t>(team)] =
            teamdata::TextsOf(teamdata::TeamRecordsAt(image, team));
    return texts;
}

std::vector<std::uint8_t> ImportedImage(std::span<const std::uint8_t> image,
                                        const reports::CsvImport& import) {
    std::vector<std::uint8_t> result(image.begin(), image.end());
    for (const reports::ImportedTeam& team : import.teams) {
        if (!team.changed)
            continue;
        const teamdata::TeamRecords records = teamdata::TeamRecordsAt(image, team.team);
        teamdata::PutTeamRecords(
            result, team.team,
            teamdata::MergeChangedCells(records, teamdata::TextsOf(records), team.texts));
    }
    return result;
}

} // namespace plans
